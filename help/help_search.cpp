#include "help/help_search.h"

#include "help/chm_archive.h"

#include <QFileInfo>
#include <QSet>
#include <QTextDocument>

#include <algorithm>

namespace help {

namespace {

// A document that loads nothing a page refers to: a plain QTextDocument would
// read style sheets and pictures from the local file system.
class TextOnlyDocument : public QTextDocument
{
public:
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

bool isPage(const QString& name)
{
    return name.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1String(".html"), Qt::CaseInsensitive);
}

} // namespace

QStringList searchWords(const QString& text)
{
    QStringList words;
    QSet<QString> seen;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool inWord = i < text.size() && text[i].isLetterOrNumber();
        if (inWord && start < 0)
            start = i;
        if (inWord || start < 0)
            continue;
        const QString word = text.mid(start, qMin(i - start, kMaxWordLength)).toCaseFolded();
        start = -1;
        if (!seen.contains(word)) {
            seen.insert(word);
            words.append(word);
        }
    }
    return words;
}

PageText pageText(const QByteArray& html)
{
    TextOnlyDocument document;
    document.setHtml(QString::fromUtf8(html));
    return {document.metaInformation(QTextDocument::DocumentTitle).simplified(), document.toPlainText()};
}

void HelpSearchIndex::build(const ChmArchive& archive)
{
    clear();
    m_built = true;
    for (const QString& name : archive.objectNames()) {
        if (m_pages.size() >= kMaxSearchedPages)
            break;
        if (!isPage(name))
            continue;
        const auto bytes = archive.read(name);
        if (!bytes || bytes->size() > kMaxSearchedPageBytes)
            continue;
        const PageText page = pageText(*bytes);
        const qsizetype number = m_pages.size();
        m_pages.append({name, page.title.isEmpty() ? QFileInfo(name).completeBaseName() : page.title});
        for (const QString& word : searchWords(page.title + u'\n' + page.text))
            m_pagesOfWord[word].append(number);
    }
}

void HelpSearchIndex::clear()
{
    m_built = false;
    m_pages.clear();
    m_pagesOfWord.clear();
}

QList<SearchHit> HelpSearchIndex::find(const QString& query) const
{
    const QStringList words = searchWords(query).mid(0, kMaxQueryWords);
    if (words.isEmpty())
        return {};
    QList<qsizetype> found = m_pagesOfWord.value(words.first());
    for (qsizetype w = 1; w < words.size() && !found.isEmpty(); ++w) {
        const QList<qsizetype> other = m_pagesOfWord.value(words[w]);
        QList<qsizetype> both;
        std::set_intersection(found.cbegin(), found.cend(), other.cbegin(), other.cend(),
                              std::back_inserter(both));
        found = both;
    }
    QList<SearchHit> hits;
    for (const qsizetype number : std::as_const(found))
        hits.append(m_pages[number]);
    std::stable_sort(hits.begin(), hits.end(), [](const SearchHit& a, const SearchHit& b) {
        return a.title.compare(b.title, Qt::CaseInsensitive) < 0;
    });
    return hits;
}

} // namespace help
