// The settings file on disk: a write replaces the file whole, follows a
// link, says why it failed, and other copies of the program writing at the
// same time or killed while writing lose nothing and block nothing.

#include "core/settings_store.h"
#include "tests/support/settings_folder.h"
#include "tests/support/settings_text.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/stat.h>

using namespace settingstest;

namespace {

struct stat statOf(const QString& path)
{
    struct stat st = {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<SettingsFolder>(); }
    void cleanup() { m_folder.reset(); }

    void writeLeavesNoTemporaryFile();
    void readOnlyFileIsReplacedWhole();
    void linkedFileStaysALink();
    void unwritableFolder_data();
    void unwritableFolder();
    void twoWritersInTwoProcesses();
    void lockLeftByAKilledCopyDoesNotBlock();
    void killedWriterLeavesAWholeFile();

private:
    QString folder() const { return m_folder->folder(); }
    QString file() const { return m_folder->file(); }
    void writeFile(const QByteArray& bytes) { QVERIFY(m_folder->write(bytes)); }
    QByteArray fileBytes() const { return m_folder->bytes(); }
    QStringList folderEntries() const
    {
        return QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QProcessEnvironment helperEnvironment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder->path());
        return env;
    }

    std::unique_ptr<SettingsFolder> m_folder;
};

void TestSettingsFile::writeLeavesNoTemporaryFile()
{
    const auto key = settings::Key::openOrCreate(kKey);
    QVERIFY(key->writeString(QStringLiteral("Last Resistor Save File"), QStringLiteral("/tmp/a.RES")));
    QVERIFY(key->writeDword(QStringLiteral("Auto Expand Category List"), 1));
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("Ohmbrook.reg")});
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Tarvolen")});
}

void TestSettingsFile::readOnlyFileIsReplacedWhole()
{
    // A new file takes the old one's place, so a write never leaves half a
    // file behind, even in a file its owner made read-only.
    writeFile(kHeader + kSection + "\"Kept\"=\"yes\"\n");
    QVERIFY(::chmod(QFile::encodeName(file()).constData(), 0440) == 0);
    const ino_t before = statOf(file()).st_ino;
    const auto key = settings::Key::openOrCreate(kKey);
    QVERIFY(key.has_value());
    QVERIFY(key->writeDword(QStringLiteral("Added"), 2));
    QVERIFY(statOf(file()).st_ino != before);
    QCOMPARE(fileBytes(), kHeader + kSection + "\"Kept\"=\"yes\"\n\"Added\"=dword:00000002\n");
    QCOMPARE(statOf(file()).st_mode & 07777, 0440u);
}

void TestSettingsFile::linkedFileStaysALink()
{
    // Settings kept elsewhere and linked into place: the write goes to the
    // linked file, and the link stays.
    const QString elsewhere = m_folder->path() + QStringLiteral("/kept/Ohmbrook.reg");
    QVERIFY(QDir().mkpath(folder()));
    QVERIFY(QDir().mkpath(m_folder->path() + QStringLiteral("/kept")));
    QVERIFY(QFile::link(elsewhere, file()));
    QVERIFY(settings::Key::openOrCreate(kKey)->writeDword(QStringLiteral("Linked"), 1));
    QVERIFY(QFileInfo(file()).isSymLink());
    QCOMPARE(describe(settings::Key::openExisting(kKey)->read(QStringLiteral("Linked"))),
             QStringLiteral("dword:1"));
    QFile f(elsewhere);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), kHeader + kSection + "\"Linked\"=dword:00000001\n");
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("Ohmbrook.reg")});
}

void TestSettingsFile::unwritableFolder_data()
{
    // "%1" stands for the private config folder of the test.
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("failure");

    QTest::newRow("settings folder name taken by a file")
        << "file-as-folder"
        << "%1/Tarvolen is a file where a folder is needed.";
    QTest::newRow("config home is a file") << "file-as-home"
                                           << "%1/home-file is a file where a folder is needed.";
    QTest::newRow("config home inside a file") << "home-in-file"
                                               << "%1/home-file is a file where a folder is needed.";
    QTest::newRow("settings file name taken by a folder")
        << "folder-as-file"
        << "%1/Tarvolen/Ohmbrook.reg is a folder where the settings file is needed.";
    QTest::newRow("config home name too long")
        << "long-home"
        << "The folder %1/" + QString(300, u'x') +
               " cannot be created: " + QString::fromLocal8Bit(std::strerror(ENAMETOOLONG)) + ".";
    QTest::newRow("settings file over 16 MiB")
        << "huge-file"
        << "%1/Tarvolen/Ohmbrook.reg is larger than 16 MiB, too large for a settings file.";
}

void TestSettingsFile::unwritableFolder()
{
    QFETCH(QString, how);
    QFETCH(QString, failure);
    // Each case fails in a way that file permissions play no part in, so it
    // holds for the superuser as well.
    const QString homeFile = m_folder->path() + QStringLiteral("/home-file");
    if (how == QLatin1String("file-as-folder")) {
        QFile blocker(folder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else if (how == QLatin1String("file-as-home") || how == QLatin1String("home-in-file")) {
        QFile blocker(homeFile);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        qputenv("XDG_CONFIG_HOME",
                (how == QLatin1String("file-as-home") ? homeFile : homeFile + "/config").toUtf8());
    } else if (how == QLatin1String("folder-as-file")) {
        QVERIFY(QDir().mkpath(file()));
    } else if (how == QLatin1String("long-home")) {
        qputenv("XDG_CONFIG_HOME", (m_folder->path() + u'/' + QString(300, u'x')).toUtf8());
    } else {
        writeFile(kHeader + kSection + QByteArray(16 * 1024 * 1024, ' '));
    }
    QVERIFY(!settings::Key::openOrCreate(kKey).has_value());
    QCOMPARE(settings::lastFailure(), failure.arg(m_folder->path()));
    QVERIFY(!settings::Key::openExisting(kKey).has_value());
}

void TestSettingsFile::twoWritersInTwoProcesses()
{
    constexpr int kCount = 25;
    // Both programs start from an existing key, so each of their writes is a
    // read-modify-write of the same file.
    QVERIFY(settings::Key::openOrCreate(kKey).has_value());
    QProcess first;
    QProcess second;
    for (QProcess* p : {&first, &second}) {
        p->setProcessEnvironment(helperEnvironment());
        p->setProcessChannelMode(QProcess::ForwardedChannels);
    }
    first.start(QStringLiteral(SETTINGS_WRITER_HELPER), {QStringLiteral("First"), QString::number(kCount)});
    second.start(QStringLiteral(SETTINGS_WRITER_HELPER), {QStringLiteral("Second"), QString::number(kCount)});
    QVERIFY(first.waitForFinished(100000));
    QVERIFY(second.waitForFinished(100000));
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);

    const auto key = settings::Key::openExisting(kKey);
    QVERIFY(key.has_value());
    for (int i = 0; i < kCount; ++i) {
        QCOMPARE(describe(key->read(QStringLiteral("First %1").arg(i))), QStringLiteral("dword:%1").arg(i));
        QCOMPARE(describe(key->read(QStringLiteral("Second %1").arg(i))), QStringLiteral("dword:%1").arg(i));
    }
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("Ohmbrook.reg")});
}

void TestSettingsFile::lockLeftByAKilledCopyDoesNotBlock()
{
    // A copy killed while it held the lock leaves its lock file behind, empty
    // when the kill came before the lock file was written.
    writeFile(kHeader + kSection);
    QFile lock(file() + QStringLiteral(".lock"));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.close();
    const auto key = settings::Key::openExisting(kKey);
    QVERIFY(key.has_value());
    QElapsedTimer clock;
    clock.start();
    QVERIFY(key->writeDword(QStringLiteral("After"), 1));
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
    QCOMPARE(describe(key->read(QStringLiteral("After"))), QStringLiteral("dword:1"));
    QCOMPARE(folderEntries(), QStringList{QStringLiteral("Ohmbrook.reg")});
}

void TestSettingsFile::killedWriterLeavesAWholeFile()
{
    constexpr int kKills = 20;
    const auto key = settings::Key::openOrCreate(kKey);
    QVERIFY(key.has_value());
    QVERIFY(key->writeString(QStringLiteral("Kept"), QStringLiteral("yes")));
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess writer;
        writer.setProcessEnvironment(helperEnvironment());
        writer.start(QStringLiteral(SETTINGS_WRITER_HELPER),
                     {QStringLiteral("Killed"), QStringLiteral("forever")});
        // The helper says when its first write is done; from then on it is
        // always somewhere inside a write, and the kill lands at a different
        // point each time.
        QVERIFY(writer.waitForReadyRead(20000));
        QTest::qSleep(kill % 5);
        writer.kill();
        QVERIFY(writer.waitForFinished(20000));

        const QByteArray bytes = fileBytes();
        QVERIFY2(bytes.startsWith(kHeader + kSection) && bytes.endsWith("\n"), bytes.constData());
        QCOMPARE(describe(key->read(QStringLiteral("Kept"))), QStringLiteral("string:yes"));
        QVERIFY(key->read(QStringLiteral("Killed")).isDword());

        QElapsedTimer clock;
        clock.start();
        QVERIFY(key->writeDword(QStringLiteral("After"), std::uint32_t(kill)));
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
        // Whatever the killed copy left half done is cleared by this write.
        QCOMPARE(folderEntries(), QStringList{QStringLiteral("Ohmbrook.reg")});
    }
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
