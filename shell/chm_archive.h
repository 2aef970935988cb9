#pragma once

// Read-only access to a compiled HTML help file (.chm) through chmlib.
// Object names are archive paths: a leading "/", forward slashes, no
// "#fragment". Lookups are case-sensitive, as links are on this system: a
// page that links "Images/x.png" to a stored "images/x.png" is broken here.

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

struct chmFile;

namespace help {

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
QList<SitemapEntry> parseSitemap(const QByteArray& html);

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

    bool open(const QString& fileName);
    void close();
    bool isOpen() const { return m_file != nullptr; }
    QString fileName() const { return m_fileName; }

    // Every stored file (not folders), including the system files whose names
    // start with "/#" or "/$".
    QStringList objectNames() const;
    bool contains(const QString& objectName) const;
    std::optional<QByteArray> read(const QString& objectName) const;

    std::optional<ChmWindowDefinition> windowDefinition(const QString& name) const;
    // The contents file named by the window definition, else the first .hhc.
    QString contentsFile(const QString& windowName) const;

    // The object a link from page <from> points to: relative links are
    // resolved against the page's folder, "#fragment" and "?query" dropped,
    // backslashes turned round. Empty for a link out of the archive
    // (http:, mailto:, ...) or a bare "#fragment".
    static QString resolveLink(const QString& from, const QString& link);

private:
    chmFile* m_file = nullptr;
    QString m_fileName;
    QStringList m_names;
};

} // namespace help
