#pragma once
// What the game's dialogs share: a fixed black window with white text and a
// pair of image buttons that end it with OK (1) or Cancel (2).
#include <QColor>
#include <QDialog>

class QKeyEvent;
class QRadioButton;
class TImgBtn;

// mrChoose: the Select dialog's way on to the puzzle chooser.
enum ModalResult { mrOk = 1, mrCancel = 2, mrChoose = 3 };

// The dialogs that offer a column of choices (Select, New Puzzle) are laid
// out alike: their size, and where OK and Cancel stand.
namespace choicedialog {
inline constexpr int kWidth = 225;
inline constexpr int kHeight = 186;
inline constexpr int kMargin = 8;
inline constexpr int kButtonsTop = 124;
inline constexpr int kCancelLeft = 136;
} // namespace choicedialog

// Behind the chosen item of a list in a dialog.
inline const QColor kChosenBackground(128, 96, 32);

void styleDialog(QDialog& dialog, const QString& caption, int width, int height);
// An image button at (left, top) that ends the dialog with the given result.
TImgBtn* addResultButton(QDialog& dialog, const QString& face, int left, int top, ModalResult result);
// Runs the dialog; closing it through its title bar counts as Cancel.
bool confirmed(QDialog& dialog);
// Up and Down (Left and Right) from the focused one of a column of radio
// buttons choose the one before or after it, as the radio buttons do
// themselves at 1x but not when the dialog is shown at the game's zoom.
// False when the key is not one of those or no button has the focus.
bool stepRadioButtons(const QKeyEvent& event, const QList<QRadioButton*>& column);
