#pragma once

// The splash: the program's picture in a borderless window, shown modally
// the first time the main window appears. Its timer runs from the moment the
// splash is created and a tick while it is shown closes it, so it stays up
// for at most one interval.

#include <QDialog>

class QTimer;

class TSplash : public QDialog
{
    Q_OBJECT

public:
    explicit TSplash(QWidget* parent = nullptr);
    ~TSplash() override;

    static constexpr int kTimerInterval = 1500; // milliseconds

    // The timer's tick: closes the splash when it is shown.
    void closeWhenTimeIsUp();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* m_picture = nullptr;
    QTimer* m_timer = nullptr;
};

// The one splash, once it exists.
extern TSplash* Splash;
