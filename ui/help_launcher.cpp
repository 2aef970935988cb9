#include "ui/help_launcher.h"

namespace help {

namespace {
HelpPresenter* g_presenter = nullptr;
}

QString helpPath(const QString& page)
{
    return QString::fromLatin1(kHelpFileName) + QStringLiteral("::/") + page + QStringLiteral(">Main Window");
}

HelpPath splitHelpPath(const QString& path)
{
    HelpPath parts;
    QString rest = path;
    const qsizetype gt = rest.lastIndexOf(u'>');
    if (gt >= 0) {
        parts.window = rest.mid(gt + 1);
        rest = rest.left(gt);
    }
    const qsizetype sep = rest.indexOf(QStringLiteral("::"));
    if (sep < 0) {
        parts.file = rest;
        return parts;
    }
    parts.file = rest.left(sep);
    parts.page = rest.mid(sep + 2);
    while (parts.page.startsWith(u'/'))
        parts.page.remove(0, 1);
    return parts;
}

void setHelpPresenter(HelpPresenter* presenter)
{
    g_presenter = presenter;
}

HelpPresenter* helpPresenter()
{
    return g_presenter;
}

void displayHelp(const QString& path)
{
    if (HelpPresenter* p = helpPresenter())
        p->display(path);
}

} // namespace help
