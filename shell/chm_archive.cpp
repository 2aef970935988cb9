#include "shell/chm_archive.h"

#include <chm_lib.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>

#include <utility>

namespace help {

namespace {

// The fixed layout of one window definition in #WINDOWS; every text is an
// offset into #STRINGS.
constexpr int kWindowsHeaderSize = 8;
constexpr int kOffsetTypeName = 0x08;
constexpr int kOffsetCaption = 0x14;
constexpr int kOffsetWindowRect = 0x20;
constexpr int kOffsetNavigationWidth = 0x4C;
constexpr int kOffsetContentsFile = 0x60;
constexpr int kOffsetIndexFile = 0x64;
constexpr int kOffsetDefaultPage = 0x68;
constexpr int kOffsetHomePage = 0x6C;
constexpr int kSmallestWindowEntry = 0x70;

quint32 readUInt32(const QByteArray& bytes, qsizetype at)
{
    if (at < 0 || at + 4 > bytes.size())
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

qint32 readInt32(const QByteArray& bytes, qsizetype at)
{
    return static_cast<qint32>(readUInt32(bytes, at));
}

QString stringAt(const QByteArray& strings, quint32 offset)
{
    if (offset == 0 || offset >= quint32(strings.size()))
        return {};
    const qsizetype end = strings.indexOf('\0', offset);
    return QString::fromUtf8(strings.mid(offset, (end < 0 ? strings.size() : end) - offset));
}

int collectName(chmFile*, chmUnitInfo* info, void* context)
{
    static_cast<QStringList*>(context)->append(QString::fromUtf8(info->path));
    return CHM_ENUMERATOR_CONTINUE;
}

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
                    entries.append({name, local, qMax(0, openLists - 1)});
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

ChmArchive::ChmArchive(const QString& fileName)
{
    open(fileName);
}

ChmArchive::~ChmArchive()
{
    close();
}

ChmArchive::ChmArchive(ChmArchive&& other) noexcept
    : m_file(std::exchange(other.m_file, nullptr)), m_fileName(std::move(other.m_fileName)),
      m_names(std::move(other.m_names))
{
}

ChmArchive& ChmArchive::operator=(ChmArchive&& other) noexcept
{
    if (this != &other) {
        close();
        m_file = std::exchange(other.m_file, nullptr);
        m_fileName = std::move(other.m_fileName);
        m_names = std::move(other.m_names);
    }
    return *this;
}

bool ChmArchive::open(const QString& fileName)
{
    close();
    m_file = chm_open(QFile::encodeName(fileName).constData());
    if (!m_file)
        return false;
    m_fileName = fileName;
    chm_enumerate(m_file, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_SPECIAL | CHM_ENUMERATE_FILES, collectName,
                  &m_names);
    return true;
}

void ChmArchive::close()
{
    if (m_file)
        chm_close(m_file);
    m_file = nullptr;
    m_fileName.clear();
    m_names.clear();
}

QStringList ChmArchive::objectNames() const
{
    return m_names;
}

bool ChmArchive::contains(const QString& objectName) const
{
    return m_names.contains(objectName);
}

std::optional<QByteArray> ChmArchive::read(const QString& objectName) const
{
    // chmlib finds names regardless of case; the exact-case check keeps a
    // wrong-case link broken, as it is for every other file on this system.
    if (!m_file || !contains(objectName))
        return std::nullopt;
    chmUnitInfo info{};
    if (chm_resolve_object(m_file, objectName.toUtf8().constData(), &info) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    QByteArray bytes(qsizetype(info.length), Qt::Uninitialized);
    if (info.length == 0)
        return bytes;
    const LONGINT64 got = chm_retrieve_object(m_file, &info, reinterpret_cast<unsigned char*>(bytes.data()),
                                              0, LONGINT64(info.length));
    if (got != LONGINT64(info.length))
        return std::nullopt;
    return bytes;
}

std::optional<ChmWindowDefinition> ChmArchive::windowDefinition(const QString& name) const
{
    const auto windows = read(QStringLiteral("/#WINDOWS"));
    const auto strings = read(QStringLiteral("/#STRINGS"));
    if (!windows || !strings)
        return std::nullopt;
    const quint32 count = readUInt32(*windows, 0);
    const quint32 entrySize = readUInt32(*windows, 4);
    if (entrySize < kSmallestWindowEntry)
        return std::nullopt;
    for (quint32 i = 0; i < count; ++i) {
        const qsizetype at = kWindowsHeaderSize + qsizetype(i) * entrySize;
        if (at + entrySize > windows->size())
            break;
        const auto text = [&](int offset) { return stringAt(*strings, readUInt32(*windows, at + offset)); };
        if (text(kOffsetTypeName) != name)
            continue;
        ChmWindowDefinition def;
        def.name = name;
        def.caption = text(kOffsetCaption);
        def.contentsFile = text(kOffsetContentsFile);
        def.indexFile = text(kOffsetIndexFile);
        def.defaultPage = text(kOffsetDefaultPage);
        def.homePage = text(kOffsetHomePage);
        const qint32 left = readInt32(*windows, at + kOffsetWindowRect);
        const qint32 top = readInt32(*windows, at + kOffsetWindowRect + 4);
        const qint32 right = readInt32(*windows, at + kOffsetWindowRect + 8);
        const qint32 bottom = readInt32(*windows, at + kOffsetWindowRect + 12);
        def.geometry = QRect(QPoint(left, top), QSize(right - left, bottom - top));
        def.navigationWidth = readInt32(*windows, at + kOffsetNavigationWidth);
        return def;
    }
    return std::nullopt;
}

QString ChmArchive::contentsFile(const QString& windowName) const
{
    if (const auto def = windowDefinition(windowName); def && !def->contentsFile.isEmpty()) {
        const QString name = resolveLink(QStringLiteral("/"), def->contentsFile);
        if (contains(name))
            return name;
    }
    for (const QString& name : m_names) {
        if (name.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive))
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
