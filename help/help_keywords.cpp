#include "help/help_keywords.h"

#include <QHash>

#include <algorithm>

namespace help {

namespace {

constexpr qsizetype kMaxSectionLength = 200;

// A top-level keyword and the sub-keywords that follow it.
struct KeywordGroup
{
    IndexKeyword keyword;
    QList<IndexKeyword> subKeywords;
};

void addPage(IndexKeyword& keyword, const QString& page)
{
    if (!page.isEmpty() && keyword.pages.size() < kMaxKeywordPages && !keyword.pages.contains(page))
        keyword.pages.append(page);
}

// The page an entry leads to, with the section it points at ("page#name"),
// so the index opens the page there.
QString pageAndSection(const QString& local)
{
    const QString page = ChmArchive::resolveLink(QStringLiteral("/"), local);
    const qsizetype hash = local.indexOf(u'#');
    if (page.isEmpty() || hash < 0)
        return page;
    const QString section = local.mid(hash + 1).trimmed().left(kMaxSectionLength);
    return section.isEmpty() ? page : page + u'#' + section;
}

} // namespace

QList<IndexKeyword> buildKeywordIndex(const QList<SitemapEntry>& entries)
{
    QList<KeywordGroup> groups;
    QHash<QString, qsizetype> groupOfName;
    // The group of the last top-level entry: the sub-keywords that follow
    // belong to it, also when its keyword appeared earlier in the file.
    qsizetype current = -1;
    qsizetype kept = 0;
    for (const SitemapEntry& entry : entries) {
        const QString name = entry.name.simplified().left(kMaxKeywordLength);
        if (name.isEmpty())
            continue;
        const QString page = pageAndSection(entry.local);
        const int depth = qBound(0, entry.depth, kMaxKeywordDepth);
        if (depth == 0 || current < 0) {
            const QString key = name.toCaseFolded();
            current = groupOfName.value(key, -1);
            if (current < 0) {
                if (kept >= kMaxIndexKeywords)
                    continue;
                ++kept;
                current = groups.size();
                groupOfName.insert(key, current);
                groups.append(KeywordGroup{IndexKeyword{name, 0, {}}, {}});
            }
            addPage(groups[current].keyword, page);
            continue;
        }
        QList<IndexKeyword>& subs = groups[current].subKeywords;
        if (subs.isEmpty() || subs.last().depth != depth || subs.last().name != name) {
            if (kept >= kMaxIndexKeywords)
                continue;
            ++kept;
            subs.append(IndexKeyword{name, depth, {}});
        }
        addPage(subs.last(), page);
    }

    std::stable_sort(groups.begin(), groups.end(), [](const KeywordGroup& a, const KeywordGroup& b) {
        return a.keyword.name.compare(b.keyword.name, Qt::CaseInsensitive) < 0;
    });
    QList<IndexKeyword> keywords;
    keywords.reserve(kept);
    for (const KeywordGroup& group : std::as_const(groups)) {
        keywords.append(group.keyword);
        keywords.append(group.subKeywords);
    }
    return keywords;
}

qsizetype findKeyword(const QList<IndexKeyword>& keywords, const QString& typed)
{
    if (typed.isEmpty())
        return -1;
    qsizetype anyLevel = -1;
    for (qsizetype i = 0; i < keywords.size(); ++i) {
        if (!keywords[i].name.startsWith(typed, Qt::CaseInsensitive))
            continue;
        if (keywords[i].depth == 0)
            return i;
        if (anyLevel < 0)
            anyLevel = i;
    }
    return anyLevel;
}

} // namespace help
