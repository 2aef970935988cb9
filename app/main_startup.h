#pragma once

// What the program sets up on the application object before it makes its
// windows, shared by the program's entry and the start-up benchmark so that
// both start exactly the same way.

class QApplication;

namespace app {

// Title, dialogs, style, palette, face, desktop id, icon and the ten-second hints.
void prepareApplication(QApplication& application);

} // namespace app
