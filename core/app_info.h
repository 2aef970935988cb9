#pragma once

// The program's names as the user sees them.

namespace app {

// Title of the task bar entry and of the program's own error boxes.
inline constexpr const char* kApplicationTitle = "Tarvolen Ohmbrook";
inline constexpr const char* kVersionText = "2.1.0.0";
// The desktop file's name without ".desktop", also the icon's name.
inline constexpr const char* kDesktopFileId = "org.ohmbrook.Ohmbrook";

} // namespace app
