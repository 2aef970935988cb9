// The settings store's text format on real files in a private
// XDG_CONFIG_HOME: opening and creating the key, value types, escapes, files
// written by hand, damaged files and what is written after them.

#include "core/settings_store.h"
#include "tests/support/settings_folder.h"
#include "tests/support/settings_text.h"

#include <QTest>

#include <memory>

using namespace settingstest;

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<SettingsFolder>(); }
    void cleanup() { m_folder.reset(); }

    void openExisting_data();
    void openExisting();
    void openOrCreateMakesFileWithHeaderAndSection();
    void openOrCreateLeavesExistingKeyAlone();
    void openOrCreateAddsSectionToOtherKeys();
    void roundTrip_data();
    void roundTrip();
    void stringAndDwordToldApart();
    void rewriteReplacesValueAndType();
    void namesIgnoreCase();
    void escapesOnDisk_data();
    void escapesOnDisk();
    void otherTypes_data();
    void otherTypes();
    void utf16FileWithBom();
    void unknownLinesSurvive_data();
    void unknownLinesSurvive();
    void damagedFile_data();
    void damagedFile();
    void writesAfterADamagedEnding_data();
    void writesAfterADamagedEnding();
    void encodingsAndForeignBytesKept_data();
    void encodingsAndForeignBytesKept();
    void repeatedKeysAndNames_data();
    void repeatedKeysAndNames();
    void undecodableFileIsNeverWritten_data();
    void undecodableFileIsNeverWritten();

private:
    QString folder() const { return m_folder->folder(); }
    QString file() const { return m_folder->file(); }
    void writeFile(const QByteArray& bytes) { QVERIFY(m_folder->write(bytes)); }
    QByteArray fileBytes() const { return m_folder->bytes(); }

    std::unique_ptr<SettingsFolder> m_folder;
};

void TestSettingsStore::openExisting_data()
{
    QTest::addColumn<bool>("haveFile");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("opens");

    QTest::newRow("no file") << false << QByteArray() << false;
    QTest::newRow("empty file") << true << QByteArray() << false;
    QTest::newRow("header only") << true << kHeader << false;
    QTest::newRow("other key only") << true << kHeader + "[HKEY_CURRENT_USER\\Software\\Other]\n" << false;
    QTest::newRow("key with a longer name")
        << true << kHeader + "[HKEY_CURRENT_USER\\Software\\Tarvolen\\OhmbrookX]\n"
        << false;
    QTest::newRow("same path under another hive")
        << true << kHeader + "[HKEY_LOCAL_MACHINE\\Software\\Tarvolen\\Ohmbrook]\n"
        << false;
    QTest::newRow("key present") << true << kHeader + kSection << true;
    QTest::newRow("key in other letter case")
        << true << kHeader + "[hkey_current_user\\SOFTWARE\\tarvolen\\ohmbrook]\n"
        << true;
    QTest::newRow("only a subkey present")
        << true << kHeader + "[HKEY_CURRENT_USER\\Software\\Tarvolen\\Ohmbrook\\Sub]\n"
        << true;
}

void TestSettingsStore::openExisting()
{
    QFETCH(bool, haveFile);
    QFETCH(QByteArray, content);
    QFETCH(bool, opens);
    if (haveFile)
        writeFile(content);
    QCOMPARE(settings::Key::openExisting(kKey).has_value(), opens);
    // Opening for reading never creates anything.
    QCOMPARE(QFile::exists(file()), haveFile);
    if (haveFile)
        QCOMPARE(fileBytes(), content);
}

void TestSettingsStore::openOrCreateMakesFileWithHeaderAndSection()
{
    QVERIFY(!QFile::exists(folder()));
    const auto key = settings::Key::openOrCreate(kKey);
    QVERIFY(key.has_value());
    QCOMPARE(fileBytes(), kHeader + kSection);
    QVERIFY(settings::Key::openExisting(kKey).has_value());
    QCOMPARE(describe(key->read(QStringLiteral("Anything"))), QStringLiteral("missing"));
}

void TestSettingsStore::openOrCreateLeavesExistingKeyAlone()
{
    const QByteArray content = kHeader + kSection + "\"Auto Expand Category List\"=dword:00000001\n";
    writeFile(content);
    QVERIFY(settings::Key::openOrCreate(kKey).has_value());
    QCOMPARE(fileBytes(), content);
}

void TestSettingsStore::openOrCreateAddsSectionToOtherKeys()
{
    const QByteArray other = kHeader + "[HKEY_CURRENT_USER\\Software\\Other]\n\"A\"=\"b\"\n";
    writeFile(other);
    QVERIFY(settings::Key::openOrCreate(kKey).has_value());
    QCOMPARE(fileBytes(), other + "\n" + kSection);
}

void TestSettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isDword");
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("number");

    QTest::newRow("yes") << "Accepted Disclaimer for Version 2.1.0.0" << false << "yes" << 0u;
    QTest::newRow("empty string") << "Last Resistor Save File" << false << "" << 0u;
    QTest::newRow("path with backslashes")
        << "Last Resistor Save File" << false << "C:\\Parts\\list.RES" << 0u;
    QTest::newRow("quotes inside") << "Q" << false << "say \"hi\"" << 0u;
    QTest::newRow("trailing backslash") << "T" << false << "C:\\" << 0u;
    QTest::newRow("equals and brackets") << "E" << false << "[a]=\"b\"" << 0u;
    QTest::newRow("non-ASCII text") << "U" << false
                                    << QString::fromUtf8("4,7 \xc2\xb5"
                                                         "F \xce\xa9")
                                    << 0u;
    QTest::newRow("line break in text") << "M" << false << "first\nsecond" << 0u;
    QTest::newRow("line break, byte order mark first")
        << "B" << false << QString(QChar(0xFEFF) + QStringLiteral("a\nb")) << 0u;
    QTest::newRow("NUL at the end of the text")
        << "N" << false << QString(QStringLiteral("a") + QChar(0)) << 0u;
    QTest::newRow("name with quote and backslash") << "odd \"name\\" << false << "v" << 0u;
    QTest::newRow("dword zero") << "Expand Category List When Launched" << true << "" << 0u;
    QTest::newRow("dword one") << "Auto Expand Category List" << true << "" << 1u;
    QTest::newRow("dword 1000") << "Freq Convert Slide Bar Mega Max" << true << "" << 1000u;
    QTest::newRow("dword all bits") << "Freq Convert Slide Bar Kilo Min" << true << "" << 0xFFFFFFFFu;
}

void TestSettingsStore::roundTrip()
{
    QFETCH(QString, name);
    QFETCH(bool, isDword);
    QFETCH(QString, text);
    QFETCH(uint, number);
    const auto key = settings::Key::openOrCreate(kKey);
    QVERIFY(key.has_value());
    QVERIFY(isDword ? key->writeDword(name, number) : key->writeString(name, text));
    // A fresh open reads the file again.
    const auto again = settings::Key::openExisting(kKey);
    QVERIFY(again.has_value());
    const QString expected =
        isDword ? QStringLiteral("dword:") + QString::number(number) : QStringLiteral("string:") + text;
    QCOMPARE(describe(again->read(name)), expected);
}

void TestSettingsStore::stringAndDwordToldApart()
{
    const auto key = settings::Key::openOrCreate(kKey);
    QVERIFY(key->writeString(QStringLiteral("AsText"), QStringLiteral("1")));
    QVERIFY(key->writeDword(QStringLiteral("AsNumber"), 1));
    const settings::Value text = key->read(QStringLiteral("AsText"));
    const settings::Value number = key->read(QStringLiteral("AsNumber"));
    QVERIFY(!text.isDword());
    QCOMPARE(describe(text), QStringLiteral("string:1"));
    QVERIFY(number.isDword());
    QCOMPARE(describe(number), QStringLiteral("dword:1"));
    QCOMPARE(fileBytes(), kHeader + kSection + "\"AsText\"=\"1\"\n\"AsNumber\"=dword:00000001\n");
}

void TestSettingsStore::rewriteReplacesValueAndType()
{
    const auto key = settings::Key::openOrCreate(kKey);
    QVERIFY(key->writeString(QStringLiteral("V"), QStringLiteral("text")));
    QVERIFY(key->writeDword(QStringLiteral("W"), 2));
    QVERIFY(key->writeDword(QStringLiteral("V"), 0xAB));
    QCOMPARE(describe(key->read(QStringLiteral("V"))), QStringLiteral("dword:171"));
    QCOMPARE(fileBytes(), kHeader + kSection + "\"V\"=dword:000000ab\n\"W\"=dword:00000002\n");
}

void TestSettingsStore::namesIgnoreCase()
{
    const auto key = settings::Key::openOrCreate(kKey);
    QVERIFY(key->writeDword(QStringLiteral("Auto Expand Category List"), 1));
    QCOMPARE(describe(key->read(QStringLiteral("AUTO EXPAND CATEGORY LIST"))), QStringLiteral("dword:1"));
    QVERIFY(key->writeDword(QStringLiteral("auto expand category list"), 0));
    QCOMPARE(describe(key->read(QStringLiteral("Auto Expand Category List"))), QStringLiteral("dword:0"));
    QCOMPARE(fileBytes().count("dword:"), 1);
}

void TestSettingsStore::escapesOnDisk_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("backslash doubled") << "C:\\a" << QByteArray("\"S\"=\"C:\\\\a\"");
    QTest::newRow("quote escaped") << "a\"b" << QByteArray("\"S\"=\"a\\\"b\"");
    QTest::newRow("plain text untouched") << "yes" << QByteArray("\"S\"=\"yes\"");
}

void TestSettingsStore::escapesOnDisk()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, line);
    const auto key = settings::Key::openOrCreate(kKey);
    QVERIFY(key->writeString(QStringLiteral("S"), text));
    QCOMPARE(fileBytes(), kHeader + kSection + line + "\n");
    QCOMPARE(describe(key->read(QStringLiteral("S"))), QStringLiteral("string:") + text);
}

void TestSettingsStore::otherTypes_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");

    QTest::newRow("binary") << QByteArray("hex:01,02,03") << "other";
    QTest::newRow("expandable string") << QByteArray("hex(2):25,00,41,00,25,00,00,00") << "other";
    QTest::newRow("multi-string over two lines") << QByteArray("hex(7):41,00,00,00,\\\n  00,00") << "other";
    QTest::newRow("qword") << QByteArray("hex(b):01,00,00,00,00,00,00,00") << "other";
    QTest::newRow("dword written as hex(4)") << QByteArray("hex(4):e8,03,00,00") << "dword:1000";
    QTest::newRow("string written as hex(1)") << QByteArray("hex(1):79,00,65,00,73,00,00,00") << "string:yes";
    QTest::newRow("upper-case dword") << QByteArray("DWORD:0000000A") << "dword:10";
    QTest::newRow("deleted value") << QByteArray("-") << "missing";
}

void TestSettingsStore::otherTypes()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    writeFile(kHeader + kSection + "\"Before\"=\"b\"\n\"Value\"=" + data + "\n\"After\"=dword:00000003\n");
    const auto key = settings::Key::openExisting(kKey);
    QVERIFY(key.has_value());
    QCOMPARE(describe(key->read(QStringLiteral("Value"))), expected);
    QCOMPARE(describe(key->read(QStringLiteral("Before"))), QStringLiteral("string:b"));
    QCOMPARE(describe(key->read(QStringLiteral("After"))), QStringLiteral("dword:3"));
}

void TestSettingsStore::utf16FileWithBom()
{
    const QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                        "[HKEY_CURRENT_USER\\Software\\Tarvolen\\Ohmbrook]\r\n"
                                        "\"Accepted Disclaimer for Version 2.1.0.0\"=\"yes\"\r\n"
                                        "\"Freq Convert Slide Bar Kilo Max\"=dword:00000bb8\r\n"
                                        "\"Note\"=\"") +
                         QString::fromUtf8("\xce\xa9") + QStringLiteral("\"\r\n");
    QByteArray bytes("\xFF\xFE");
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    writeFile(bytes);
    const auto key = settings::Key::openExisting(kKey);
    QVERIFY(key.has_value());
    QCOMPARE(describe(key->read(QStringLiteral("Accepted Disclaimer for Version 2.1.0.0"))),
             QStringLiteral("string:yes"));
    QCOMPARE(describe(key->read(QStringLiteral("Freq Convert Slide Bar Kilo Max"))),
             QStringLiteral("dword:3000"));
    QCOMPARE(describe(key->read(QStringLiteral("Note"))),
             QStringLiteral("string:") + QString::fromUtf8("\xce\xa9"));

    // Writing into such a file keeps every value it held.
    QVERIFY(key->writeDword(QStringLiteral("Auto Expand Category List"), 1));
    QCOMPARE(describe(key->read(QStringLiteral("Freq Convert Slide Bar Kilo Max"))),
             QStringLiteral("dword:3000"));
    QCOMPARE(describe(key->read(QStringLiteral("Note"))),
             QStringLiteral("string:") + QString::fromUtf8("\xce\xa9"));
    QCOMPARE(describe(key->read(QStringLiteral("Auto Expand Category List"))), QStringLiteral("dword:1"));
}

void TestSettingsStore::unknownLinesSurvive_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    // Each case writes "Auto Expand Category List" = 1 and
    // "Expand Category List When Launched" = 0.
    const QByteArray other = "[HKEY_CURRENT_USER\\Software\\Other]\n"
                             "\"Keep\"=hex(7):41,00,00,00,\\\n"
                             "  00,00\n"
                             "@=\"default\"\n";
    const QByteArray mine = "\"Weird\"=qword:0000000000000001\n"
                            "  indented junk line  \n"
                            "\"Expand Category List When Launched\"=dword:00000001\n"
                            "\"Unknown Type\"=hex(b):01,02,03,04,05,06,07,08\n";
    const QByteArray mineAfter = "\"Weird\"=qword:0000000000000001\n"
                                 "  indented junk line  \n"
                                 "\"Expand Category List When Launched\"=dword:00000000\n"
                                 "\"Unknown Type\"=hex(b):01,02,03,04,05,06,07,08\n"
                                 "\"Auto Expand Category List\"=dword:00000001\n";
    const QByteArray sub = "[HKEY_CURRENT_USER\\Software\\Tarvolen\\Ohmbrook\\Sub]\n\"X\"=\"y\"\n";

    QTest::newRow("blank lines between sections")
        << kHeader + other + "\n" + kSection + mine + "\n" + sub
        << kHeader + other + "\n" + kSection + mineAfter + "\n" + sub;
    QTest::newRow("comment right before a section") << kHeader + "; written by hand\n" + kSection + mine
                                                    << kHeader + "; written by hand\n" + kSection + mineAfter;
    QTest::newRow("sections without blank lines between")
        << kHeader + other + kSection + mine + sub << kHeader + other + kSection + mineAfter + sub;
    QTest::newRow("several blank lines after the section")
        << kHeader + kSection + mine + "\n\n\n" + sub << kHeader + kSection + mineAfter + "\n\n\n" + sub;
    const auto crlf = [](QByteArray text) { return text.replace("\n", "\r\n"); };
    QTest::newRow("CR LF line ends are kept") << crlf(kHeader + other + "\n" + kSection + mine)
                                              << crlf(kHeader + other + "\n" + kSection + mineAfter);
}

void TestSettingsStore::unknownLinesSurvive()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    writeFile(before);
    const auto key = settings::Key::openOrCreate(kKey);
    QVERIFY(key.has_value());
    QVERIFY(key->writeDword(QStringLiteral("Auto Expand Category List"), 1));
    QVERIFY(key->writeDword(QStringLiteral("Expand Category List When Launched"), 0));
    QCOMPARE(fileBytes(), after);
}

void TestSettingsStore::damagedFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    const QByteArray good = "\"Good\"=\"yes\"\n";
    QTest::newRow("garbage lines around a value")
        << kHeader + kSection + "this is not a value\n" + good + "=====\n\"\n"
        << "Good"
        << "string:yes";
    QTest::newRow("unterminated quote in the data")
        << kHeader + kSection + "\"Broken\"=\"yes\n" + good << "Broken"
        << "missing";
    QTest::newRow("value after an unterminated quote")
        << kHeader + kSection + "\"Broken\"=\"yes\n" + good << "Good"
        << "string:yes";
    QTest::newRow("unterminated quote in the name")
        << kHeader + kSection + "\"Broken=dword:00000001\n" + good << "Broken"
        << "missing";
    QTest::newRow("dword that is not hexadecimal") << kHeader + kSection + "\"D\"=dword:zz\n" + good << "D"
                                                   << "missing";
    QTest::newRow("dword with nine digits") << kHeader + kSection + "\"D\"=dword:123456789\n" + good << "D"
                                            << "missing";
    QTest::newRow("dword of nine digits, the first a zero")
        << kHeader + kSection + "\"D\"=dword:000000001\n" + good << "D"
        << "missing";
    QTest::newRow("hex(4) of five bytes is no dword")
        << kHeader + kSection + "\"H\"=hex(4):01,00,00,00,00\n" + good << "H"
        << "other";
    QTest::newRow("dword without digits") << kHeader + kSection + "\"D\"=dword:\n" + good << "D"
                                          << "missing";
    QTest::newRow("bad hex list") << kHeader + kSection + "\"H\"=hex:zz,01\n" + good << "H"
                                  << "missing";
    QTest::newRow("text after the closing quote") << kHeader + kSection + "\"S\"=\"a\" junk\n" + good << "S"
                                                  << "missing";
    QTest::newRow("no equals sign") << kHeader + kSection + "\"S\" \"a\"\n" + good << "Good"
                                    << "string:yes";
    QTest::newRow("invalid UTF-8 bytes") << kHeader + kSection + "\"Bad\"=\"\xC3\x28\xA0\"\n" + good << "Good"
                                         << "string:yes";
    QTest::newRow("control characters and NUL")
        << kHeader + kSection + QByteArray("\x01\x02\x00\x7f\n", 5) + good << "Good"
        << "string:yes";
    QTest::newRow("missing header") << kSection + good << "Good"
                                    << "string:yes";
    QTest::newRow("section never closed")
        << kHeader + "[HKEY_CURRENT_USER\\Software\\Tarvolen\\Ohmbrook\n" + good << "Good"
        << "nokey";
    QTest::newRow("values before any section") << kHeader + good << "Good"
                                               << "nokey";
}

void TestSettingsStore::damagedFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    writeFile(content);
    try {
        const auto key = settings::Key::openExisting(kKey);
        QCOMPARE(key.has_value(), expected != QLatin1String("nokey"));
        if (key)
            QCOMPARE(describe(key->read(name)), expected);

        // The damaged file never stops a write, and the values it held are kept.
        const auto writable = settings::Key::openOrCreate(kKey);
        QVERIFY(writable.has_value());
        QVERIFY(writable->writeDword(QStringLiteral("New"), 7));
        QCOMPARE(describe(writable->read(QStringLiteral("New"))), QStringLiteral("dword:7"));
        if (key)
            QCOMPARE(describe(writable->read(name)), expected);
    } catch (...) {
        QFAIL("the settings store threw on a damaged file");
    }
}

void TestSettingsStore::writesAfterADamagedEnding_data()
{
    QTest::addColumn<QByteArray>("content");

    const QByteArray other = "[HKEY_CURRENT_USER\\Software\\Other]\n";
    const QByteArray cut = "\"Colours\"=hex:01,02,\\";
    QTest::newRow("hex list cut after its backslash") << kHeader + kSection + cut + "\n";
    QTest::newRow("... without a final line break") << kHeader + kSection + cut;
    QTest::newRow("... with CR LF line ends") << kHeader + kSection + cut + "\r\n";
    QTest::newRow("... then a blank line") << kHeader + kSection + cut + "\n\n";
    QTest::newRow("... then a line of blanks") << kHeader + kSection + cut + "\n   \n";
    QTest::newRow("... after a whole continuation line")
        << kHeader + kSection + "\"Colours\"=hex:01,\\\n  02,\\\n";
    QTest::newRow("... in another key, so a new section follows") << kHeader + other + cut + "\n";
    QTest::newRow("default value cut") << kHeader + kSection + "@=hex(2):41,00,\\\n";
    QTest::newRow("unterminated quote") << kHeader + kSection + "\"S\"=\"abc";
    QTest::newRow("unclosed section header") << kHeader + "[HKEY_CURRENT_USER\\Software\\Other";
    QTest::newRow("NUL bytes") << kHeader + kSection + QByteArray("\"S\"=\"a\0\0", 8);
    QTest::newRow("carriage return only") << kHeader + kSection + "\"S\"=\"a\"\r";
}

void TestSettingsStore::writesAfterADamagedEnding()
{
    QFETCH(QByteArray, content);
    writeFile(content);
    // Whatever the file ends with, the values written after it read back.
    const auto key = settings::Key::openOrCreate(kKey);
    QVERIFY(key.has_value());
    QVERIFY(
        key->writeString(QStringLiteral("Accepted Disclaimer for Version 2.1.0.0"), QStringLiteral("yes")));
    QVERIFY(key->writeDword(QStringLiteral("Auto Expand Category List"), 1));
    const auto sub = settings::Key::openOrCreate(kKey + QStringLiteral("\\Sub"));
    QVERIFY(sub.has_value());
    QVERIFY(sub->writeDword(QStringLiteral("Inner"), 5));

    const auto again = settings::Key::openExisting(kKey);
    QVERIFY(again.has_value());
    QCOMPARE(describe(again->read(QStringLiteral("Accepted Disclaimer for Version 2.1.0.0"))),
             QStringLiteral("string:yes"));
    QCOMPARE(describe(again->read(QStringLiteral("Auto Expand Category List"))), QStringLiteral("dword:1"));
    const auto subAgain = settings::Key::openExisting(kKey + QStringLiteral("\\Sub"));
    QVERIFY(subAgain.has_value());
    QCOMPARE(describe(subAgain->read(QStringLiteral("Inner"))), QStringLiteral("dword:5"));
}

namespace {

QByteArray utf16(const QByteArray& utf8, bool bigEndian)
{
    QByteArray out(bigEndian ? "\xFE\xFF" : "\xFF\xFE");
    for (const QChar c : QString::fromUtf8(utf8)) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        out.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return out;
}

} // namespace

void TestSettingsStore::encodingsAndForeignBytesKept_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    // Each case writes "Auto Expand Category List" = 1 and reads "Note".
    const QByteArray mine = "\"Note\"=\"\xCE\xA9\"\r\n";
    const QByteArray added = "\"Auto Expand Category List\"=dword:00000001\r\n";
    const auto crlf = [](QByteArray text) { return text.replace("\n", "\r\n"); };
    const QByteArray text = crlf(kHeader + kSection) + mine;
    QTest::newRow("UTF-16 big-endian") << utf16(text, true) << utf16(text + added, true);
    QTest::newRow("UTF-16 little-endian") << utf16(text, false) << utf16(text + added, false);
    QTest::newRow("UTF-8 with a byte order mark") << "\xEF\xBB\xBF" + text << "\xEF\xBB\xBF" + text + added;
    const QByteArray latin1 = "; r\xE9glages \xE0 la main\n"
                              "[HKEY_CURRENT_USER\\Software\\Other]\n\"Name\"=\"Andr\xE9\"\n\n";
    QTest::newRow("Latin-1 lines of others kept byte for byte")
        << kHeader + latin1 + kSection + "\"Note\"=\"\xCE\xA9\"\n"
        << kHeader + latin1 + kSection +
               "\"Note\"=\"\xCE\xA9\"\n\"Auto Expand Category List\"=dword:00000001\n";
}

void TestSettingsStore::encodingsAndForeignBytesKept()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    writeFile(before);
    const auto key = settings::Key::openOrCreate(kKey);
    QVERIFY(key.has_value());
    QCOMPARE(describe(key->read(QStringLiteral("Note"))), QStringLiteral(u"string:\u03A9"));
    QVERIFY(key->writeDword(QStringLiteral("Auto Expand Category List"), 1));
    QCOMPARE(fileBytes(), after);
}

void TestSettingsStore::repeatedKeysAndNames_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("read");
    QTest::addColumn<QByteArray>("after");

    // Each case reads "D", then writes it as 9.
    const QByteArray other = "[HKEY_CURRENT_USER\\Software\\Other]\n\"D\"=dword:00000005\n";
    QTest::newRow("name given twice: the later stands, one copy after a write")
        << kHeader + kSection + "\"D\"=dword:00000001\n\"X\"=\"x\"\n\"d\"=dword:00000002\n"
        << "dword:2" << kHeader + kSection + "\"X\"=\"x\"\n\"D\"=dword:00000009\n";
    QTest::newRow("key given twice: the later section's value stands")
        << kHeader + kSection + "\"D\"=dword:00000001\n" + other + kSection + "\"D\"=dword:00000003\n"
        << "dword:3" << kHeader + kSection + other + kSection + "\"D\"=dword:00000009\n";
    QTest::newRow("key given twice, the value only in the first")
        << kHeader + kSection + "\"D\"=dword:00000001\n" + kSection + "\"E\"=\"e\"\n"
        << "dword:1" << kHeader + kSection + "\"D\"=dword:00000009\n" + kSection + "\"E\"=\"e\"\n";
    QTest::newRow("a later deletion stands") << kHeader + kSection + "\"D\"=dword:00000001\n\"D\"=-\n"
                                             << "missing" << kHeader + kSection + "\"D\"=dword:00000009\n";
}

void TestSettingsStore::repeatedKeysAndNames()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, read);
    QFETCH(QByteArray, after);
    writeFile(before);
    const auto key = settings::Key::openOrCreate(kKey);
    QVERIFY(key.has_value());
    QCOMPARE(describe(key->read(QStringLiteral("D"))), read);
    QVERIFY(key->writeDword(QStringLiteral("D"), 9));
    QCOMPARE(fileBytes(), after);
    QCOMPARE(describe(key->read(QStringLiteral("D"))), QStringLiteral("dword:9"));
}

void TestSettingsStore::undecodableFileIsNeverWritten_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("UTF-16 with an odd byte count") << utf16(kHeader + kSection, false) + "x";
    QTest::newRow("UTF-32") << QByteArray("\xFF\xFE\0\0W\0\0\0", 8);
}

void TestSettingsStore::undecodableFileIsNeverWritten()
{
    QFETCH(QByteArray, content);
    writeFile(content);
    QVERIFY(settings::undecodableFile().contains(file()));
    QVERIFY(!settings::Key::openExisting(kKey).has_value());
    QVERIFY(!settings::Key::openOrCreate(kKey).has_value());
    QVERIFY(settings::lastFailure().contains(QStringLiteral("left as it is")));
    QCOMPARE(fileBytes(), content);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
