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
    m_picture = form::picture(this, "Image1", QRect(0, 0, 350, 232), &artwork::splash);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("SplashTimer"));
    m_timer->setInterval(kTimerInterval);
    connect(m_timer, &QTimer::timeout, this, &TSplash::closeWhenTimeIsUp);
    m_timer->start();
}

TSplash::~TSplash()
{
    if (Splash == this)
        Splash = nullptr;
}

void TSplash::closeWhenTimeIsUp()
{
    if (!isVisible())
        return;
    // The splash is shown once per run; with it gone the timer has nothing
    // left to do, so it stops rather than wake the program every interval.
    m_timer->stop();
    done(QDialog::Accepted);
}

void TSplash::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Shown again after its timer stopped: the same limit applies.
    if (!m_timer->isActive())
        m_timer->start();
}
