// What the help says, rather than how it is stored: the index finds the
// terms users search for on the pages that explain them, at the section
// that does when there is one, and every page writes each unit one way only
// (kHz, MHz, k, MΩ, µF, mA, A, V, ppm/K, "1 %", 100000 without a thousands
// comma). The program's own words quoted as it shows them
// (<span class="ui">, and its results, <span class="result">), other
// spellings named as such (<span class="alt">), typed examples (<code>) and
// comments are left out of the unit check.

#include "help/chm_archive.h"
#include "tests/help/help_project.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTest>

using help::ChmArchive;

namespace {

// The text a reader sees: tags dropped, entities decoded. Quotations and
// examples that keep their own spelling are dropped first when asked.
QString readableText(QString html, bool dropQuotations)
{
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression quotation(
        QStringLiteral(R"RX(<span\s+class="(?:ui|alt|result)">.*?</span>|<code>.*?</code>)RX"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression entity(QStringLiteral("&(#?\\w+);"));
    static const QHash<QString, QString> named = {
        {QStringLiteral("micro"), QStringLiteral("µ")}, {QStringLiteral("Omega"), QStringLiteral("Ω")},
        {QStringLiteral("nbsp"), QStringLiteral(" ")},  {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},    {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")}, {QStringLiteral("times"), QStringLiteral("×")},
        {QStringLiteral("minus"), QStringLiteral("−")},
    };
    html.remove(comment);
    if (dropQuotations)
        html.replace(quotation, QStringLiteral(" "));
    html.replace(tag, QStringLiteral(" "));
    QString text;
    qsizetype from = 0;
    for (const auto& m : entity.globalMatch(html)) {
        text += html.mid(from, m.capturedStart() - from);
        const QString name = m.captured(1);
        if (name.startsWith(u'#'))
            text += QChar(name.mid(1).toInt());
        else
            text += named.value(name, QStringLiteral(" "));
        from = m.capturedEnd();
    }
    text += html.mid(from);
    return text.simplified();
}

// Each unit spelling the help does not use, with the one it uses instead.
// A match equal to the accepted spelling itself is not a fault.
struct Misspelling
{
    QRegularExpression pattern;
    QString accepted;
    QString use;
};

const QList<Misspelling>& misspellings()
{
    static const auto rx = [](const char* p) { return QRegularExpression(QString::fromUtf8(p)); };
    static const QList<Misspelling> list = {
        {rx("(?<![A-Za-z])[uU][fF](?![A-Za-z])"), {}, QStringLiteral("µF")},
        {rx("(?i)(?<![a-z])mfd(?![a-z])"), {}, QStringLiteral("µF")},
        {rx("(?<![A-Za-z])MF(?![A-Za-z])"), {}, QStringLiteral("µF")},
        {rx("(?<![A-Za-z])[kK] ?[hH][zZ](?![A-Za-z])"), QStringLiteral("kHz"), QStringLiteral("kHz")},
        {rx("(?<![A-Za-z])[mM] ?[hH][zZ](?![A-Za-z])"), QStringLiteral("MHz"), QStringLiteral("MHz")},
        {rx("\\d ?[kKmM][cC](?![A-Za-z])"), {}, QStringLiteral("kHz or MHz")},
        {rx("(?i)(?<![a-z])k ?ohms?(?![a-z])"), {}, QStringLiteral("k")},
        {rx("(?<![A-Za-z])[kK] ?Ω"), {}, QStringLiteral("k")},
        {rx("\\d ?K(?![A-Za-z])"), {}, QStringLiteral("k")},
        {rx("(?i)\\d ?kilohms?(?![a-z])"), {}, QStringLiteral("k")},
        {rx("(?<![A-Za-z])[MG] ?ohms?(?![a-z])"), {}, QStringLiteral("MΩ or GΩ")},
        {rx("\\d ?(?:ma|MA|Ma)(?![A-Za-z])"), {}, QStringLiteral("mA")},
        {rx("(?i)(?<![a-z])(?:milliamps?|mamps?)(?![a-z])"), {}, QStringLiteral("mA")},
        {rx("(?i)(?<![a-z])(?:amps?|volts?)(?![a-z])"), {}, QStringLiteral("A or V")},
        {rx("(?i)ppm ?/ ?(?:deg|°|c(?![a-z]))"), {}, QStringLiteral("ppm/K")},
        {rx("\\d%"), {}, QStringLiteral("a space before %")},
        {rx("\\d,\\d{3}(?!\\d)"), {}, QStringLiteral("100000 or 100 000")},
    };
    return list;
}

QStringList unitFaults(const QString& html)
{
    const QString text = readableText(html, true);
    QStringList faults;
    for (const Misspelling& m : misspellings()) {
        for (const auto& hit : m.pattern.globalMatch(text)) {
            const QString found = hit.captured().trimmed();
            if (!m.accepted.isEmpty() && found == m.accepted)
                continue;
            faults.append(QStringLiteral("\"%1\" (write %2) in: ...%3...")
                              .arg(found, m.use, text.mid(qMax(0, hit.capturedStart() - 30), 70)));
        }
    }
    return faults;
}

QByteArray sourceFile(const QString& name)
{
    QFile file(help_test::helpSourceDir() + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestHelpText : public QObject
{
    Q_OBJECT

private:
    ChmArchive m_archive;
    QList<help::SitemapEntry> m_index;

private slots:
    void initTestCase()
    {
        QVERIFY2(m_archive.open(QStringLiteral(OHMBROOK_HELP_CHM)), OHMBROOK_HELP_CHM);
        const auto index = m_archive.read(u'/' + help_test::projectOption(QStringLiteral("Index file")));
        QVERIFY(index);
        m_index = help::parseSitemap(*index);
        QVERIFY(!m_index.isEmpty());
    }

    // The checker itself: a misspelling is caught, the spellings in use and
    // the quotations it must leave alone are not.
    void unitCheckerTellsSpellings_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<bool>("fault");
        QTest::newRow("4.7K") << QString::fromUtf8("a 4.7K resistor") << true;
        QTest::newRow("1 K ohm") << QString::fromUtf8("1 K ohm") << true;
        QTest::newRow("4.7 k") << QString::fromUtf8("a 4.7 k resistor, 10 k to 1 M&Omega;") << false;
        QTest::newRow("10 kΩ") << QString::fromUtf8("a 10 k&Omega; resistor") << true;
        QTest::newRow("1 kilohm") << QString::fromUtf8("1000 ohms (1 kilohm)") << true;
        QTest::newRow("999 G ohms") << QString::fromUtf8("up to 999 G ohms") << true;
        QTest::newRow("999 GΩ") << QString::fromUtf8("up to 999 G&Omega;") << false;
        QTest::newRow("10 uF") << QString::fromUtf8("10 uF") << true;
        QTest::newRow("10 &micro;F") << QString::fromUtf8("10 &micro;F") << false;
        QTest::newRow("mfd in text") << QString::fromUtf8("rated 1 mfd") << true;
        QTest::newRow("mfd named as another spelling")
            << QString::fromUtf8("<span class=\"alt\">mfd</span>") << false;
        QTest::newRow("panel caption quoted")
            << QString::fromUtf8("<b><span class=\"ui\">Value in K ohms</span></b>") << false;
        QTest::newRow("typed example") << QString::fromUtf8("<code>1uF</code> is refused") << false;
        QTest::newRow("KHz") << QString::fromUtf8("93989 KHz") << true;
        QTest::newRow("kHz, MHz") << QString::fromUtf8("7000 kHz or 7 MHz") << false;
        QTest::newRow("159 kc") << QString::fromUtf8("about 159 kc") << true;
        QTest::newRow("20 ma") << QString::fromUtf8("20 ma") << true;
        QTest::newRow("milliamps") << QString::fromUtf8("in milliamps") << true;
        QTest::newRow("20 mA") << QString::fromUtf8("20 mA") << false;
        QTest::newRow("amps") << QString::fromUtf8("a current of 20 amps") << true;
        QTest::newRow("volts") << QString::fromUtf8("on 5 volts") << true;
        QTest::newRow("A, V, voltage") << QString::fromUtf8("20 A at 5 V, the voltage") << false;
        QTest::newRow("ppm/degrees C") << QString::fromUtf8("100 ppm/degrees C") << true;
        QTest::newRow("ppm/K") << QString::fromUtf8("100 ppm/K") << false;
        QTest::newRow("1%") << QString::fromUtf8("a 1% resistor") << true;
        QTest::newRow("1 %") << QString::fromUtf8("a 1 % resistor") << false;
        QTest::newRow("100,000 pF") << QString::fromUtf8("100,000 pF") << true;
        QTest::newRow("100000 pF, 100 000 pF")
            << QString::fromUtf8("100000 pF or 100 000 pF, 1, 2 or 3") << false;
        QTest::newRow("decimal comma typed") << QString::fromUtf8("<code>0,001</code> is read") << false;
        QTest::newRow("result quoted as shown")
            << QString::fromUtf8("<span class=\"result\">rated at 200 volts, 5% (3200 pF)</span>") << false;
        QTest::newRow("code 104K in a comment") << QString::fromUtf8("<!-- 104K -->") << false;
    }
    void unitCheckerTellsSpellings()
    {
        QFETCH(QString, html);
        QFETCH(bool, fault);
        QCOMPARE(!unitFaults(html).isEmpty(), fault);
    }

    void pageWritesUnitsOneWay_data()
    {
        QTest::addColumn<QString>("page");
        for (const QString& file : help_test::projectSection(QStringLiteral("FILES"))) {
            if (file.endsWith(QLatin1String(".htm")))
                QTest::newRow(qPrintable(file)) << file;
        }
    }
    void pageWritesUnitsOneWay()
    {
        QFETCH(QString, page);
        const QByteArray html = sourceFile(page);
        QVERIFY(!html.isEmpty());
        const QStringList faults = unitFaults(QString::fromUtf8(html));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
    }

    // A keyword is found by an index entry named by it ("LED" or "LED
    // resistor"), which leads to the page that explains it, to an anchor
    // that exists there (the one named, for "page#section"), and the page
    // uses the word.
    void indexKeywordReachesPage_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("word");
        const struct
        {
            const char* keyword;
            const char* page;
            const char* word;
        } rows[] = {
            {"LED", "ResistorInLineDropper.htm", "LED"},
            {"zener", "CapacitorInLineDropper.htm", "zener"},
            {"wattage", "OhmsLawPower.htm", "wattage"},
            {"power rating", "OhmsLawPower.htm", "power rating"},
            {"standard values", "ResistorColourBands.htm", "standard value"},
            {"E12", "ResistorColourBands.htm#standard", "E12"},
            {"E24", "ResistorColourBands.htm#standard", "E24"},
            {"E96", "ResistorColourBands.htm#standard", "E96"},
            {"ohms law", "OhmsLawPower.htm", "Ohm's law"},
            {"color", "ResistorColourBands.htm", "colour"},
            {"megohm", "ResistorColourBands.htm", "megohm"},
            {"MΩ", "Welcome.htm#units", "MΩ"},
            {"current", "OhmsLawPower.htm", "current"},
            {"voltage", "OhmsLawPower.htm", "voltage"},
            {"inductance", "FrequencyResonance.htm", "inductance"},
            {"henry", "FrequencyResonance.htm", "henries"},
            {"farad", "CapacitorScaleComparisons.htm", "farad"},
            {"pF", "CapacitorScaleComparisons.htm", "pF"},
            {"nF", "CapacitorScaleComparisons.htm", "nF"},
            {"104", "CapacitorDigitValues.htm", "104"},
            {"inductor", "GeneralReactance.htm", "inductor"},
            {"µF", "CapacitorScaleComparisons.htm", "µF"},
            {"mfd", "CapacitorScaleComparisons.htm", "mfd"},
            {"mA", "Welcome.htm", "mA"},
            {"kHz", "FrequencyConversions.htm", "kHz"},
            {"MHz", "FrequencyConversions.htm", "MHz"},
            {"five-band resistor", "ResistorColourBands.htm#schemes", "five-band"},
            {"three-digit colour code", "ResistorColourBands.htm#schemes", "three-digit"},
            {"precision resistor", "ResistorColourBands.htm", "precision resistor"},
            {"mains", "CapacitorInLineDropper.htm", "mains"},
            {"transformerless", "CapacitorInLineDropper.htm", "transformerless"},
            {"safety", "CapacitorInLineDropper.htm#safety", "safety"},
            {"safety", "ResistorInLineDropper.htm#safety", "safety"},
            {"isolation", "CapacitorInLineDropper.htm", "isolat"},
            {"bleeder resistor", "CapacitorInLineDropper.htm", "bleeder resistor"},
            {"X2 capacitor", "CapacitorInLineDropper.htm", "X2"},
            {"prefixes", "Welcome.htm#prefixes", "prefix"},
            {"4k7", "Welcome.htm#prefixes", "4k7"},
            {"SMD codes", "ResistorSmdCodes.htm", "SMD"},
            {"EIA-96", "ResistorSmdCodes.htm", "EIA-96"},
            {"potential divider", "ResistorDivider.htm", "divider"},
            {"combinations of standard values", "ResistorCombinations.htm", "standard"},
            {"astable", "Timer555.htm", "astable"},
            {"adjustable regulator", "Regulator.htm", "regulator"},
            {"tau (time constant)", "RcTimeConstant.htm", "time constant"},
        };
        for (const auto& r : rows)
            QTest::addRow("%s > %s", r.keyword, r.page)
                << QString::fromUtf8(r.keyword) << QString::fromLatin1(r.page) << QString::fromUtf8(r.word);
    }
    void indexKeywordReachesPage()
    {
        QFETCH(QString, keyword);
        QFETCH(QString, page);
        QFETCH(QString, word);
        const QString wantedAnchor = page.section(u'#', 1);
        page = page.section(u'#', 0, 0);
        QStringList reached;
        for (const help::SitemapEntry& entry : std::as_const(m_index)) {
            const bool named =
                entry.name.compare(keyword, Qt::CaseInsensitive) == 0 ||
                (entry.name.startsWith(keyword, Qt::CaseInsensitive) &&
                 (entry.name.at(keyword.size()) == u' ' || entry.name.at(keyword.size()) == u','));
            if (!named)
                continue;
            const QString target = ChmArchive::resolveLink(QStringLiteral("/"), entry.local);
            reached.append(entry.local);
            const QString anchor = entry.local.section(u'#', 1);
            if (target != u'/' + page || (!wantedAnchor.isEmpty() && anchor != wantedAnchor))
                continue;
            const QByteArray html = m_archive.read(target).value_or(QByteArray());
            QVERIFY2(!html.isEmpty(), qPrintable(entry.local + QStringLiteral(" is not in the help file")));
            if (!anchor.isEmpty())
                QVERIFY2(html.contains(QStringLiteral("name=\"%1\"").arg(anchor).toUtf8()),
                         qPrintable(entry.local + QStringLiteral(": no such anchor")));
            QVERIFY2(readableText(QString::fromUtf8(html), false).contains(word, Qt::CaseInsensitive),
                     qPrintable(page + QStringLiteral(" never says ") + word));
            return;
        }
        QFAIL(qPrintable(QStringLiteral("no index entry for \"%1\" leads to %2 (found: %3)")
                             .arg(keyword, page + (wantedAnchor.isEmpty() ? QString() : u'#' + wantedAnchor),
                                  reached.join(QStringLiteral(", ")))));
    }
};

QTEST_GUILESS_MAIN(TestHelpText)
#include "test_help_text.moc"
