// Reading the help file's contents and index pages: sitemap lists of
// <object type="text/sitemap"> entries nested in <ul> lists.

#include "help/chm_archive.h"

#include <QHash>
#include <QRegularExpression>

namespace help {

namespace {

QString decodeEntities(QString text)
{
    static const QRegularExpression numeric(QStringLiteral("&#(x?)([0-9a-fA-F]+);"));
    QRegularExpressionMatch m;
    qsizetype from = 0;
    while ((m = numeric.match(text, from)).hasMatch()) {
        const uint code = m.captured(2).toUInt(nullptr, m.captured(1).isEmpty() ? 10 : 16);
        const QString ch = QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        text.replace(m.capturedStart(), m.capturedLength(), ch);
        from = m.capturedStart() + ch.size();
    }
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

QHash<QString, QString> attributes(const QString& text)
{
    static const QRegularExpression attribute(
        QStringLiteral(R"RX(([\w-]+)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))RX"));
    QHash<QString, QString> values;
    for (const QRegularExpressionMatch& m : attribute.globalMatch(text)) {
        QString value = m.captured(2);
        if (m.capturedStart(3) >= 0)
            value = m.captured(3);
        else if (m.capturedStart(4) >= 0)
            value = m.captured(4);
        values.insert(m.captured(1).toLower(), decodeEntities(value));
    }
    return values;
}

} // namespace

QList<SitemapEntry> parseSitemap(const QByteArray& html)
{
    static const QRegularExpression tag(QStringLiteral(R"RX(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)RX"),
                                        QRegularExpression::CaseInsensitiveOption);
    QList<SitemapEntry> entries;
    int openLists = 0;
    bool inSitemapObject = false;
    QString name;
    QStringList locals;
    for (const QRegularExpressionMatch& m : tag.globalMatch(QString::fromUtf8(html))) {
        const bool closing = !m.captured(1).isEmpty();
        const QString kind = m.captured(2).toLower();
        if (kind == QLatin1String("ul")) {
            openLists += closing ? -1 : 1;
        } else if (kind == QLatin1String("object")) {
            if (!closing) {
                inSitemapObject = attributes(m.captured(3))
                                      .value(QStringLiteral("type"))
                                      .compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
                name.clear();
                locals.clear();
            } else if (inSitemapObject) {
                if (locals.isEmpty())
                    locals.append(QString());
                for (const QString& local : std::as_const(locals))
                    entries.append({name, local, qBound(0, openLists - 1, kMaxSitemapDepth)});
                inSitemapObject = false;
            }
        } else if (inSitemapObject) {
            const auto values = attributes(m.captured(3));
            const QString param = values.value(QStringLiteral("name"));
            if (param.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0 && name.isEmpty())
                name = values.value(QStringLiteral("value"));
            else if (param.compare(QLatin1String("Local"), Qt::CaseInsensitive) == 0)
                locals.append(values.value(QStringLiteral("value")));
        }
    }
    return entries;
}

} // namespace help
