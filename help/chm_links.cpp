// Where the help file's pages are found: its window definitions, the contents
// and index files they name, and the links between pages.

#include "help/chm_archive.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>

namespace help {

std::optional<ChmWindowDefinition> ChmArchive::windowDefinition(const QString& name) const
{
    const auto windows = read(QStringLiteral("/#WINDOWS"));
    const auto strings = read(QStringLiteral("/#STRINGS"));
    if (!windows || !strings)
        return std::nullopt;
    return parseWindowDefinition(*windows, *strings, name);
}

QString ChmArchive::contentsFile(const QString& windowName) const
{
    const auto def = windowDefinition(windowName);
    return sitemapFile(def ? def->contentsFile : QString(), QLatin1StringView(".hhc"));
}

QString ChmArchive::indexFile(const QString& windowName) const
{
    const auto def = windowDefinition(windowName);
    return sitemapFile(def ? def->indexFile : QString(), QLatin1StringView(".hhk"));
}

QString ChmArchive::sitemapFile(const QString& stated, QLatin1StringView extension) const
{
    if (!stated.isEmpty()) {
        const QString name = resolveLink(QStringLiteral("/"), stated);
        if (contains(name))
            return name;
    }
    for (const QString& name : m_names) {
        if (name.endsWith(extension, Qt::CaseInsensitive))
            return name;
    }
    return {};
}

QString ChmArchive::resolveLink(const QString& from, const QString& link)
{
    QString target = link.trimmed();
    target.replace(u'\\', u'/');
    if (target.isEmpty() || target.startsWith(u'#'))
        return {};
    // A link into a help file ("ms-its:Other.chm::/Page.htm") names its page
    // after "::"; any other scheme leaves the archive.
    const qsizetype pair = target.indexOf(QLatin1String("::"));
    if (pair >= 0) {
        target = target.mid(pair + 2);
    } else {
        static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
        if (scheme.match(target).hasMatch())
            return {};
    }
    for (const QChar cut : {u'#', u'?'}) {
        const qsizetype at = target.indexOf(cut);
        if (at >= 0)
            target.truncate(at);
    }
    target = QUrl::fromPercentEncoding(target.toUtf8());
    if (target.isEmpty())
        return {};
    if (!target.startsWith(u'/')) {
        const QString folder = from.left(from.lastIndexOf(u'/') + 1);
        target = (folder.isEmpty() ? QStringLiteral("/") : folder) + target;
    }
    return QDir::cleanPath(target);
}

} // namespace help
