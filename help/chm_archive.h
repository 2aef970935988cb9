#pragma once

// Read-only access to a compiled HTML help file (.chm).
// Object names are archive paths: a leading "/", forward slashes, no
// "#fragment". Lookups are case-sensitive, as links are on this system: a
// page that links "Images/x.png" to a stored "images/x.png" is broken here.
//
// A help file is read whole and must have the size and SHA-256 it was built
// with before anything in it is parsed. The container (header, directory,
// uncompressed objects) is then read here, with every offset, length and count
// bounded by the file's size and each directory chunk visited once; chmlib
// only decompresses the compressed objects, and only ever sees bytes that
// passed the check.

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <QHash>

#include <optional>

struct chmFile;

namespace help {

struct HelpFileDigest;

// A window definition stored in the help file (#WINDOWS, with its texts in
// #STRINGS), as written by the project's [WINDOWS] section.
struct ChmWindowDefinition
{
    QString name;
    QString caption;
    QString contentsFile;
    QString indexFile;
    QString defaultPage;
    QString homePage;
    QRect geometry; // from the stored left, top, right and bottom edges
    int navigationWidth = 0;
};

// One entry of a contents (.hhc) or index (.hhk) file, in file order; depth
// counts the enclosing lists, starting at 0.
struct SitemapEntry
{
    QString name;
    QString local;
    int depth = 0;
};
// Lists nest at most kMaxSitemapDepth deep; deeper entries count as that deep.
inline constexpr int kMaxSitemapDepth = 32;
QList<SitemapEntry> parseSitemap(const QByteArray& html);

// The window definition called <name> in the bytes of #WINDOWS, its texts
// looked up in the bytes of #STRINGS.
std::optional<ChmWindowDefinition> parseWindowDefinition(const QByteArray& windows, const QByteArray& strings,
                                                         const QString& name);

class ChmArchive
{
public:
    ChmArchive() = default;
    explicit ChmArchive(const QString& fileName);
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;
    ChmArchive(ChmArchive&& other) noexcept;
    ChmArchive& operator=(ChmArchive&& other) noexcept;

    enum class Failure
    {
        None,
        Unreadable, // missing, not a file, or not readable
        Damaged,    // not the expected bytes, or not a sound help file
    };

    // Opens the file only when its size and SHA-256 are <expected>'s; the
    // one-argument form expects the help file built with the program.
    bool open(const QString& fileName);
    bool open(const QString& fileName, const HelpFileDigest& expected);
    void close();
    bool isOpen() const { return m_open; }
    QString fileName() const { return m_fileName; }
    // Why the last open failed.
    Failure failure() const { return m_failure; }

    // Every stored file (not folders), including the system files whose names
    // start with "/#" or "/$", in directory order.
    QStringList objectNames() const;
    bool contains(const QString& objectName) const;
    std::optional<QByteArray> read(const QString& objectName) const;

    std::optional<ChmWindowDefinition> windowDefinition(const QString& name) const;
    // The contents file named by the window definition, else the first .hhc.
    QString contentsFile(const QString& windowName) const;
    // The keyword index named by the window definition, else the first .hhk.
    QString indexFile(const QString& windowName) const;

    // The object a link from page <from> points to: relative links are
    // resolved against the page's folder, "#fragment" and "?query" dropped,
    // backslashes turned round. Empty for a link out of the archive
    // (http:, mailto:, ...) or a bare "#fragment".
    static QString resolveLink(const QString& from, const QString& link);

private:
    // Where a stored object lies: section 0 is stored as it is, section 1 is
    // LZX-compressed; start and length count bytes of that section.
    struct Entry
    {
        quint64 section = 0;
        quint64 start = 0;
        quint64 length = 0;
    };

    bool readContainer();
    // <stated> as a stored object name when it is stored, else the first
    // object whose name ends in <extension>.
    QString sitemapFile(const QString& stated, QLatin1StringView extension) const;
    std::optional<QByteArray> readEntry(const Entry& entry) const;
    std::optional<QByteArray> readCompressed(const Entry& entry) const;
    chmFile* decompressor() const;

    bool m_open = false;
    Failure m_failure = Failure::None;
    QString m_fileName;
    QByteArray m_bytes;
    quint64 m_dataOffset = 0;
    quint64 m_compressedLength = 0;
    QHash<QString, Entry> m_entries;
    QStringList m_names;
    // Opened on the first compressed read, on a sealed in-memory copy of
    // m_bytes, so what it decompresses is exactly what was checked.
    mutable chmFile* m_chm = nullptr;
    mutable bool m_chmTried = false;
};

} // namespace help
