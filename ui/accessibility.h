#pragma once

// Accessible names for the controls of a fixed-position form.
//
// The forms place each field's caption as a separate label beside or above
// it. nameControlsFromCaptions() pairs every field, list, slider and result
// label below root that has no accessible name yet with its caption (the
// nearest plain label just above it or on its line) and uses the control's
// hint as its description, so a screen reader reads "Voltage (volts), Enter a
// voltage value here" rather than "edit".

class QWidget;

namespace a11y {

void nameControlsFromCaptions(QWidget* root);

// The property naming the field a small clear button empties; such a button
// is named "Clear <the field's name>".
inline constexpr char kClearsField[] = "ohmbrookClearsField";

// Names the controls of page (a panel of a stack) as above the first time the
// page is shown: only the page in front reaches the keyboard and a screen
// reader, and pages the user never opens are never measured.
void nameControlsWhenShown(QWidget* page);

// What the pairing treats as a result (a selectable label) and as an input
// that needs a name (an enabled field, list or slider).
bool isResultLabel(const QWidget* w);
bool isNamedInput(const QWidget* w);

} // namespace a11y
