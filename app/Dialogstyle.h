#pragma once
// What the game's dialogs share: a fixed black window with white text and a
// pair of image buttons that end it with OK (1) or Cancel (2).
#include <QColor>
#include <QDialog>

class TImgBtn;

// mrChoose: the Select dialog's way on to the puzzle chooser.
enum ModalResult { mrOk = 1, mrCancel = 2, mrChoose = 3 };

// Behind the chosen item of a list in a dialog.
inline const QColor kChosenBackground(128, 96, 32);

void styleDialog(QDialog& dialog, const QString& caption, int width, int height);
// An image button at (left, top) that ends the dialog with the given result.
TImgBtn* addResultButton(QDialog& dialog, const QString& face, int left, int top, ModalResult result);
// Runs the dialog; closing it through its title bar counts as Cancel.
bool confirmed(QDialog& dialog);
