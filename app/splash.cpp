#include "app/splash.h"

#include "artwork/artwork.h"
#include "ui/form_builder.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>

TSplash* Splash = nullptr;

TSplash::TSplash(QWidget* parent) : QDialog(parent)
{
    Splash = this;
    setObjectName(QStringLiteral("Splash"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(350, 232);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    m_picture = form::picture(this, "Image1", QRect(0, 0, 350, 232), &artwork::splash);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("SplashTimer"));
    m_timer->setInterval(kTimerInterval);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &TSplash::closeWhenTimeIsUp);
    m_timer->start();
}

TSplash::~TSplash()
{
    if (Splash == this)
        Splash = nullptr;
}

void TSplash::showOver(QWidget* window)
{
    if (m_timeIsUp || m_shown)
        return;
    m_shown = true;
    move(window->geometry().center() - rect().center());
    // The main window gets the keyboard back when the splash goes.
    QPointer<QWidget> owner = window;
    connect(this, &QDialog::finished, window, [owner] {
        if (owner) {
            owner->activateWindow();
            owner->raise();
        }
    });
    show();
    raise();
    activateWindow();
}

void TSplash::closeWhenTimeIsUp()
{
    m_timeIsUp = true;
    if (isVisible())
        closeNow();
}

void TSplash::closeNow()
{
    m_timer->stop();
    done(QDialog::Accepted);
}

void TSplash::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Shown when its time is already up (by exec, say): it goes at once.
    if (m_timeIsUp)
        QTimer::singleShot(0, this, &TSplash::closeNow);
}

void TSplash::mousePressEvent(QMouseEvent* event)
{
    QDialog::mousePressEvent(event);
    closeNow();
}

void TSplash::keyPressEvent(QKeyEvent* event)
{
    event->accept();
    closeNow();
}
