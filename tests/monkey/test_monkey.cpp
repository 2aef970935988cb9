// The monkey over the real main window: thousands of random clicks, keys,
// list choices and texts over every panel and dialog. Whatever it does, the
// program must not crash, every message box must go through the program's
// box seam with a title, a text and buttons to answer it, no dialog may stay
// open that cannot be closed, and afterwards the settings file must still be
// read by the settings store and start the program again.
//
//   OHMBROOK_MONKEY_EVENTS   number of actions (default 2000)
//   OHMBROOK_MONKEY_SECONDS  time bound in seconds (default 120)
//   OHMBROOK_MONKEY_SEED     replays a run: the seed is printed at the start

#include "core/settings_store.h"
#include "tests/monkey/monkey.h"
#include "tests/support/main_window_harness.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>

namespace {

// Answers every question at random, and records it as the recorder does.
class RandomAnswers : public BoxRecorder
{
public:
    explicit RandomAnswers(quint64 seed) : m_random(seed) {}

    ui::BoxAnswer present(QWidget* owner, const ui::MessageBoxRequest& request) override
    {
        if (request.buttons == ui::BoxButtons::YesNo)
            answer(m_alwaysYes || m_random() % 2 ? ui::BoxAnswer::Yes : ui::BoxAnswer::No);
        return BoxRecorder::present(owner, request);
    }
    void alwaysYes() { m_alwaysYes = true; }

private:
    std::mt19937_64 m_random;
    bool m_alwaysYes = false;
};

int fromEnvironment(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// The files the file dialogs can answer with.
void makeFiles(const QString& folder)
{
    QFile notes(folder + QStringLiteral("/notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("A line of notes\r\nand \xe9 one more\r\n");
    notes.close();
    QFile garbage(folder + QStringLiteral("/garbage.bmp"));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    QByteArray bytes("BM");
    for (int i = 0; i < 4096; ++i)
        bytes.append(char(i * 7919 % 251));
    garbage.write(bytes);
    garbage.close();
    QFile(folder + QStringLiteral("/empty.jpg")).open(QIODevice::WriteOnly);
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(folder + QStringLiteral("/image.png")));
    QFile readOnly(folder + QStringLiteral("/read only.RES"));
    QVERIFY(readOnly.open(QIODevice::WriteOnly));
    readOnly.close();
    readOnly.setPermissions(QFileDevice::ReadOwner);
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void randomUseLeavesTheProgramSound();
};

void TestMonkey::randomUseLeavesTheProgramSound()
{
    bool seeded = false;
    const quint64 seed = qEnvironmentVariable("OHMBROOK_MONKEY_SEED").toULongLong(&seeded);
    const quint64 used = seeded ? seed : QRandomGenerator::system()->generate64();
    const Monkey::Limits limits{fromEnvironment("OHMBROOK_MONKEY_EVENTS", 2000),
                                fromEnvironment("OHMBROOK_MONKEY_SECONDS", 120)};
    std::fprintf(stderr, "monkey seed %llu: replay with OHMBROOK_MONKEY_SEED=%llu\n",
                 static_cast<unsigned long long>(used), static_cast<unsigned long long>(used));

    MainWindowHarness h;
    QTemporaryDir folder;
    makeFiles(folder.path());
    RandomAnswers boxes(used);
    TFormMainApplication& window = h.open();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    Monkey monkey(&window, h.files, folder.path(), used, limits);
    const int done = monkey.run();
    std::fprintf(stderr, "monkey: %d actions (%s), %lld boxes, %lld file dialogs\n", done,
                 qPrintable(monkey.summary()), static_cast<long long>(boxes.boxes().size()),
                 static_cast<long long>(h.files.requests().size()));
    QVERIFY2(monkey.faults().isEmpty(), qPrintable(monkey.faults().join(u'\n')));

    // Every box could be answered: it had a window, a title, a text and its
    // buttons.
    QCOMPARE(boxes.unownedBoxes(), 0);
    for (const RecordedBox& box : boxes.boxes()) {
        QVERIFY2(!box.title.trimmed().isEmpty(), qPrintable(box.text));
        QVERIFY2(!box.text.trimmed().isEmpty(), qPrintable(box.title));
        QVERIFY(box.buttons == ui::BoxButtons::Ok || box.buttons == ui::BoxButtons::YesNo);
    }

    // Closing writes the settings; the store reads them back, and the program
    // starts again from them without a word.
    boxes.alwaysYes();
    const qsizetype before = boxes.boxes().size();
    if (!window.isVisible())
        window.show();
    QVERIFY(window.close());
    // At most the question about unsaved notes, answered Yes.
    for (qsizetype i = before; i < boxes.boxes().size(); ++i)
        QCOMPARE(boxes.boxes().at(i).title, QStringLiteral("Warning"));
    const qsizetype afterClose = boxes.boxes().size();
    const auto key = settings::Key::openExisting(QString::fromLatin1(settings::kProgramKey));
    QVERIFY(key);
    QVERIFY(key->read(QStringLiteral("Accepted Disclaimer for Version 2.1.0.0")).exists());
    QVERIFY(key->read(QStringLiteral("Expand Category List When Launched")).isDword());
    QVERIFY(key->read(QStringLiteral("Auto Expand Category List")).isDword());
    h.close();
    h.open();
    QCOMPARE(boxes.boxes().size(), afterClose);
}

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
