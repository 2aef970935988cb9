#pragma once

// Full-text search over the help file's pages. Every page's text, as the
// page shows it, is split into words folded to one case; a search lists the
// pages holding every word asked for. The index is built once, when the
// reader first searches, and serves until another help file is opened.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace help {

class ChmArchive;

// What is read from the help file for the index, whatever it holds: pages
// beyond the limit or larger than it are left out, longer words cut.
inline constexpr qsizetype kMaxSearchedPages = 5000;
inline constexpr qsizetype kMaxSearchedPageBytes = 4 * 1024 * 1024;
inline constexpr qsizetype kMaxWordLength = 64;
inline constexpr qsizetype kMaxQueryWords = 16;

// The words of <text>: runs of letters and digits, folded to one case, each
// once, in order of first appearance.
QStringList searchWords(const QString& text);

struct PageText
{
    QString title;
    QString text;
};
// The title and plain text of a page's HTML. Nothing the page refers to
// (style sheets, pictures) is loaded.
PageText pageText(const QByteArray& html);

struct SearchHit
{
    QString page; // stored object name, such as "/OhmsLawPower.htm"
    QString title;
};

class HelpSearchIndex
{
public:
    // Indexes every .htm and .html page of <archive>.
    void build(const ChmArchive& archive);
    void clear();
    bool isBuilt() const { return m_built; }
    // The pages holding every word of <query>, by title; none for a query
    // without words.
    QList<SearchHit> find(const QString& query) const;

private:
    bool m_built = false;
    QList<SearchHit> m_pages;
    // For each word, the numbers of the pages holding it, in rising order.
    QHash<QString, QList<qsizetype>> m_pagesOfWord;
};

} // namespace help
