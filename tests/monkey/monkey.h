#pragma once

// A monkey: random clicks, keys, list choices and texts over whatever window
// the user could reach next (the main window, a shown schematic window, or the
// modal dialog in front), driven from the event loop one action at a time so
// that an action opening a modal dialog goes on inside it. Every choice comes
// from one seeded generator, so a run replays from its seed.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <random>

class FileDialogStub;
class QWidget;

class Monkey : public QObject
{
public:
    struct Limits
    {
        int events = 2000;
        int seconds = 120;
    };

    // main: the window that is re-shown when an action closes it. files: a
    // folder the file dialogs answer from.
    Monkey(QWidget* main, FileDialogStub& files, const QString& folder, quint64 seed, Limits limits);

    // Runs until the events are used up or the time is over, then closes any
    // dialog left open. Returns the number of actions done.
    int run();

    // What went wrong that is not a crash: a real message box or file dialog
    // that bypassed the program's seams, a dialog that would not close.
    const QStringList& faults() const { return m_faults; }
    // How often each kind of action ran, for the log.
    QString summary() const;

    // Texts a user might type or paste: numbers, huge and tiny exponents,
    // blanks, signs and letters, and text from other scripts.
    QString randomText();

private:
    void step();
    void finish();
    void act();
    QWidget* targetWindow();
    bool closeDialog(QWidget* dialog);
    void clickButton(QWidget* window);
    void chooseTopic(QWidget* window);
    void typeText(QWidget* window);
    void chooseFromList(QWidget* window);
    void pressKey(QWidget* window);
    void clickAnywhere(QWidget* window);
    void moveSlider(QWidget* window);
    void usePopup(QWidget* popup);
    void offerFileChoice();

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename W> QList<W*> reachable(QWidget* window) const;

    QPointer<QWidget> m_main;
    FileDialogStub& m_files;
    QString m_folder;
    std::mt19937_64 m_random;
    Limits m_limits;
    QElapsedTimer m_clock;
    QEventLoop m_loop;
    int m_done = 0;
    bool m_finishing = false;
    int m_stepsInDialog = 0;
    QPointer<QWidget> m_dialog;
    qsizetype m_fileRequestsSeen = 0;
    bool m_fileChoiceQueued = false;
    QStringList m_faults;
    QMap<QString, int> m_counts;
};
