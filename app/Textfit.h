#pragma once
// Texts that fit their dialogs in every language. A dialog's labels, check
// boxes and radio buttons keep the places and sizes the game gives them
// while their texts fit; a longer text (German runs a third longer than
// English) first widens its widget into the free room beside it, then is
// drawn in smaller letters, and is never cut.
class QWidget;

// How wide the widget's text is drawn, with what the widget draws around it
// (a check box's box, a label's margins); 0 for a widget without plain text.
int neededWidth(QWidget& widget);

// Fits the widget's present text, starting again from its own place and
// letters, so that a text changed later is fitted afresh.
void fitText(QWidget& widget);

// Fits every text of the window each time it is shown.
void fitTextsWhenShown(QWidget& window);
