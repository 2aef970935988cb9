#pragma once

// The splash: the program's picture in a borderless window, shown over the
// main window, centred on it, once the main window has drawn its first
// frame. Its timer runs from the moment the splash is created and closes it
// when it fires, so it is never up later than one interval after start-up
// (one that comes up after that is not shown at all). A click or a key
// closes it at once. While it is up it is modal: the main window cannot be
// used; when it closes, the main window has the focus.

#include <QDialog>

class QTimer;

class TSplash : public QDialog
{
    Q_OBJECT

public:
    explicit TSplash(QWidget* parent = nullptr);
    ~TSplash() override;

    static constexpr int kTimerInterval = 1500; // milliseconds

    // Shows the splash over window, centred on it, unless its time is up or
    // it has been shown before.
    void showOver(QWidget* window);
    bool timeIsUp() const { return m_timeIsUp; }

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The timer's tick: the splash's time is up; it closes if it is shown.
    void closeWhenTimeIsUp();
    void closeNow();

    QWidget* m_picture = nullptr;
    QTimer* m_timer = nullptr;
    bool m_timeIsUp = false;
    bool m_shown = false;
};

// The one splash, once it exists.
extern TSplash* Splash;
