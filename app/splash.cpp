#include "app/splash.h"

#include "artwork/artwork.h"
#include "ui/form_builder.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>

TSplash* Splash = nullptr;

TSplash::TSplash(QWidget* parent) : QDialog(parent)
{
    Splash = this;
    setObjectName(QStringLiteral("Splash"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(350, 232);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    Image1 = form::picture(this, "Image1", QRect(0, 0, 350, 232), &artwork::splash);

    SplashTimer = new QTimer(this);
    SplashTimer->setObjectName(QStringLiteral("SplashTimer"));
    SplashTimer->setInterval(kTimerInterval);
    connect(SplashTimer, &QTimer::timeout, this, &TSplash::SplashTimerTimer);
    SplashTimer->start();
}

TSplash::~TSplash()
{
    if (Splash == this)
        Splash = nullptr;
}

void TSplash::SplashTimerTimer()
{
    if (!isVisible())
        return;
    // The splash is shown once per run; with it gone the timer has nothing
    // left to do, so it stops rather than wake the program every interval.
    SplashTimer->stop();
    done(QDialog::Accepted);
}

void TSplash::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Shown again after its timer stopped: the same limit applies.
    if (!SplashTimer->isActive())
        SplashTimer->start();
}
