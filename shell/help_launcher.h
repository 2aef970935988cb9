#pragma once

// Context help. The main window builds a help path of the form
//   Ohmbrook2Help.chm::/OhmsLawPower.htm>Main Window
// and hands it to the installed help presenter. The real presenter opens the
// compiled help file in the program's help window; tests record the paths.

#include <QString>

namespace help {

inline constexpr const char* kHelpFileName = "Ohmbrook2Help.chm";

// "<file>::/<page>>Main Window"
QString helpPath(const QString& page);

struct HelpPath
{
    QString file;
    QString page;
    QString window;
};
// Splits a help path into its file, page and window definition parts.
HelpPath splitHelpPath(const QString& path);

class HelpPresenter
{
public:
    virtual ~HelpPresenter() = default;
    virtual void display(const QString& path) = 0;
};

void setHelpPresenter(HelpPresenter* presenter);
HelpPresenter* helpPresenter();
void displayHelp(const QString& path);

} // namespace help
