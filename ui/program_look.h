#pragma once

// The program's own colours: white pages, dark text, blue results and
// orange instructions were chosen for a light palette, so the program keeps
// a light palette whatever the desktop's (a dark desktop theme would
// otherwise give light text on the white pages).

#include <QIcon>

class QApplication;

namespace look {

void applyProgramPalette(QApplication& app);

// The desktop's own style, with group frames drawn in code where that style
// would draw them from a picture: reading a picture loads every picture
// decoder installed (one of them a whole vector-graphics library), which the
// first frame would otherwise wait for.
void applyProgramStyle(QApplication& app);

// The program's icon, rendered from its vector source at build time, for the
// title bars and task switcher of every window.
QIcon programIcon();

} // namespace look
