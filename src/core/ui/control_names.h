#pragma once
// Names for the input controls of a page or dialog, so that a screen reader
// announces what a control is rather than its value. A label names the
// control to its right (in a grid) or after it (in a row): it becomes the
// control's buddy, so its mnemonic reaches the control, and its text without
// the mnemonic mark and the closing colon becomes the control's accessible
// name. Controls that already have a name keep it.
#include <QString>

class QWidget;

namespace tessel::ui {

// Pairs the labels below `root` with their controls and names the controls.
// Run it once the texts are final (after a language's texts are applied).
void nameControlsByLabels(QWidget* root);

// Names the controls of every window of the program as it is first shown,
// pages and dialogs alike.
void nameControlsOfShownWindows();

// "&Baud rate :" as a name: "Baud rate".
QString nameOfLabel(const QString& label);

}  // namespace tessel::ui
