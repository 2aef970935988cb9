#pragma once

// Checks shared by the series/parallel panels' tests: the resistor and the
// capacitor panel hold twin calculators (two parts and a total, any two give
// the third) that differ only in names, formulas and texts. Each check works
// on a panel already built and shown.

#include "tests/support/gui_test_helpers.h"
#include "tests/support/panel_harness.h"

#include <QRegularExpression>
#include <QTest>

namespace twoofthree {

struct Calculator
{
    const char* fields[3]; // first part, second part, total
    const char* calculate;
    const char* clearAll;
    const char* clears[3];
};

inline QStringList texts(PanelHost& h, const Calculator& c)
{
    return {h.text(c.fields[0]), h.text(c.fields[1]), h.text(c.fields[2])};
}

inline void typeAll(PanelHost& h, const Calculator& c, const QStringList& values)
{
    for (int i = 0; i < 3; ++i)
        h.type(c.fields[i], values.value(i));
}

// Types the three texts, presses Calculate and compares the fields and boxes.
inline void checkCalculation(PanelHost& h, const Calculator& c, const QStringList& typed,
                             const QStringList& expected, const QStringList& boxes)
{
    typeAll(h, c, typed);
    h.click(c.calculate);
    QCOMPARE(guitest::boxes(h.boxes), boxes);
    QCOMPARE(texts(h, c), expected);
    for (const char* field : c.fields)
        QVERIFY2(guitest::showsItsStart(h.field(field)), field);
    QCOMPARE(h.boxes.unownedBoxes(), 0);
}

// Calculating or clearing one calculator never reads or changes the other,
// even when the other holds texts it would reject. 100 and 100 give
// <combined> in the used calculator.
inline void checkIndependence(PanelHost& h, const Calculator& used, const Calculator& other, bool clear,
                              const QString& combined)
{
    const QStringList otherTexts{QStringLiteral("abc"), QStringLiteral("0"), QStringLiteral("7")};
    typeAll(h, other, otherTexts);
    typeAll(h, used, {QStringLiteral("100"), QStringLiteral("100")});
    h.click(clear ? used.clearAll : used.calculate);
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
    const QStringList expected = clear ? QStringList{"", "", ""} : QStringList{"100", "100", combined};
    QCOMPARE(texts(h, used), expected);
    QCOMPARE(texts(h, other), otherTexts);
}

// One field's clear button (which 0..2) or Clear All (which 3) empties only
// what it should.
inline void checkClearButton(PanelHost& h, const Calculator& c, const Calculator& other, int which,
                             const QStringList& expected)
{
    const QStringList filled{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    typeAll(h, c, filled);
    typeAll(h, other, filled);
    h.click(which == 3 ? c.clearAll : c.clears[which]);
    QCOMPARE(texts(h, c), expected);
    QCOMPARE(texts(h, other), filled);
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
}

// After a calculation, the nearest E24 value stands under the computed field
// only, and a new text in that field empties it.
inline void checkStandardValueLine(PanelHost& h, const Calculator& c, const QStringList& typed,
                                   const QStringList& expected, const QStringList& standard,
                                   const QStringList& boxes)
{
    typeAll(h, c, typed);
    h.click(c.calculate);
    auto lines = [&] {
        QStringList shown;
        for (const char* field : c.fields)
            shown.append(h.text(("LabelE24" + QByteArray(field)).constData()));
        return shown;
    };
    QCOMPARE(texts(h, c), expected);
    QCOMPARE(guitest::boxes(h.boxes), boxes);
    QCOMPARE(lines(), standard);
    const qsizetype computed = standard.indexOf(QRegularExpression(QStringLiteral(".+")));
    if (computed >= 0) {
        h.type(c.fields[computed], QStringLiteral("1"));
        QCOMPARE(lines(), (QStringList{"", "", ""}));
    }
}

} // namespace twoofthree
