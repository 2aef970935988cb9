#pragma once

// Context help. The main window builds a help path of the form
//   Ohmbrook2Help.chm::/OhmsLawPower.htm>Main Window
// and hands it to the installed help presenter. The application installs the
// help window's presenter, which opens the compiled help file in the
// program's help window; tests install one that records the paths.

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

// Installs the presenter (not owned); with none installed help goes nowhere.
void setHelpPresenter(HelpPresenter* presenter);
HelpPresenter* helpPresenter();
void displayHelp(const QString& path);

} // namespace help
