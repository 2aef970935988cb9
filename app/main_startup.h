#pragma once

// How the program starts, shared by its entry and the start-up benchmark's
// probe so that both start exactly the same way.

class QApplication;

namespace app {

// Loads the system's font configuration, the largest single step before the
// first frame, on a thread of its own: started before the application object
// exists, it runs beside the connection to the window system. runProgram
// waits for it before the first window is built, so the toolkit finds the
// configuration loaded and never loads it twice.
void startLoadingFontConfiguration();

// Title, dialogs, style, palette, face, desktop id, icon and the ten-second hints.
void prepareApplication(QApplication& application);

// The program from its first window to its end: the main window (and the
// disclaimer question on a first start), the splash, showing the window and
// the event loop. Returns the exit status.
int runProgram(QApplication& application);

} // namespace app
