#pragma once

// The one place where faults raised inside a user's action are shown.
//
// Checked arithmetic and I/O failures throw; every handler started by the user
// runs inside runGuarded(), which shows the fault's text in the standard error
// box (titled with the application title, error icon, a full stop added when
// the text's last character sorts after ".") and lets the program go on.

#include <functional>

class QWidget;

void runGuarded(QWidget* owner, const std::function<void()>& handler);
