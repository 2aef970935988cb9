#pragma once

// How the program starts, shared by its entry and the start-up benchmark's
// probe so that both start exactly the same way.

class QApplication;

namespace app {

// Title, dialogs, style, palette, face, desktop id, icon and the ten-second hints.
void prepareApplication(QApplication& application);

// The program from its first window to its end: the main window (and the
// disclaimer question on a first start), the splash, showing the window and
// the event loop. Returns the exit status.
int runProgram(QApplication& application);

} // namespace app
