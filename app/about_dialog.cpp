#include "app/about_dialog.h"

#include "artwork/artwork.h"
#include "core/app_info.h"
#include "ui/form_builder.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

TAboutDialog* AboutDialog = nullptr;

TAboutDialog::TAboutDialog(QWidget* parent) : QDialog(parent)
{
    AboutDialog = this;
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QStringLiteral("About"));
    // A title bar with no close box and no system menu: OK is the way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(artwork::face(12));
    setFixedSize(346, 258);

    m_okButton = form::button(this, "OKBtn", 129, 224, 87, 25, QStringLiteral("OK"));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    m_bevel = new QFrame(this);
    m_bevel->setObjectName(QStringLiteral("Bevel1"));
    m_bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_bevel->setGeometry(8, 8, 329, 201);

    m_titleLabel = form::label(this, "Label1", 32, 32, QString());
    m_titleLabel->setFont(artwork::face(12, true));
    m_line2 = form::label(this, "Label2", 32, 64, QString());
    m_line3 = form::label(this, "Label3", 32, 80, QString());
    m_line4 = form::label(this, "Label4", 32, 112, QString());
    m_line5 = form::label(this, "Label5", 32, 128, QString());
    m_logo = form::picture(this, "Image1", QRect(257, 16, 70, 55), &artwork::aboutLogo);
    m_helpNote = form::textBlock(this, "Label6", 33, 161, 264, 32, QString());

    m_titleLabel->setText(QStringLiteral("Ohmbrook  Version ") + QLatin1String(app::kVersionText));
    m_line2->setText(QStringLiteral("Electronics calculator"));
    m_line3->setText(QStringLiteral("for hobbyists and technicians."));
    m_line4->setText(QStringLiteral("Freeware: free to use, copy and pass on."));
    m_line5->setText(QStringLiteral("Provided as it is, with no warranty."));
    m_helpNote->setText(QStringLiteral("Help: press F1 or the Help button; the help file "
                                       "Ohmbrook2Help.chm is in the program's folder."));
    for (QLabel* label : {m_titleLabel, m_line2, m_line3, m_line4, m_line5})
        label->adjustSize();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry())
                 .topLeft());
}

TAboutDialog::~TAboutDialog()
{
    if (AboutDialog == this)
        AboutDialog = nullptr;
}
