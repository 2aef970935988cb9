#pragma once

// The help file's keyword index as the Index tab lists it: the entries of the
// compiled index file (.hhk), each keyword once with every page it leads to,
// top-level keywords in alphabetical order without regard to case, each
// followed by its sub-keywords in the file's order.

#include "help/chm_archive.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace help {

struct IndexKeyword
{
    QString name;
    int depth = 0; // 0 for a top-level keyword, 1 and more for sub-keywords
    // Stored object names, such as "/OhmsLawPower.htm", with the section an
    // entry points at when it does ("/CapacitorInLineDropper.htm#safety").
    QStringList pages;
};

// What is taken from the index file, whatever it holds: keywords beyond the
// limit are left out, longer names cut, deeper levels shown at the deepest.
inline constexpr qsizetype kMaxIndexKeywords = 20000;
inline constexpr qsizetype kMaxKeywordLength = 200;
inline constexpr qsizetype kMaxKeywordPages = 100;
inline constexpr int kMaxKeywordDepth = 4;

// Entries with the same name and level merge: a top-level keyword anywhere in
// the file, a sub-keyword with the one just before it. Links out of the
// archive lead to no page.
QList<IndexKeyword> buildKeywordIndex(const QList<SitemapEntry>& entries);

// The first keyword whose name starts with <typed>, without regard to case:
// a top-level one if any matches, else any; -1 when none does.
qsizetype findKeyword(const QList<IndexKeyword>& keywords, const QString& typed);

} // namespace help
