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

    OKBtn = form::button(this, "OKBtn", 129, 224, 87, 25, QStringLiteral("OK"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 329, 201);

    Label1 = form::label(this, "Label1", 32, 32, QString());
    Label1->setFont(artwork::face(12, true));
    Label2 = form::label(this, "Label2", 32, 64, QString());
    Label3 = form::label(this, "Label3", 32, 80, QString());
    Label4 = form::label(this, "Label4", 32, 112, QString());
    Label5 = form::label(this, "Label5", 32, 128, QString());
    Image1 = form::picture(this, "Image1", QRect(257, 16, 70, 55), &artwork::aboutLogo);
    Label6 = form::textBlock(this, "Label6", 33, 161, 264, 32, QString());

    Label1->setText(QStringLiteral("Ohmbrook  Version ") + QLatin1String(app::kVersionText));
    Label2->setText(QStringLiteral("Electronics calculator"));
    Label3->setText(QStringLiteral("for hobbyists and technicians."));
    Label4->setText(QStringLiteral("Freeware: free to use, copy and pass on."));
    Label5->setText(QStringLiteral("Provided as it is, with no warranty."));
    Label6->setText(QStringLiteral("Help: press F1 or the Help button; the help file "
                                   "Ohmbrook2Help.chm is in the program's folder."));
    for (QLabel* label : {Label1, Label2, Label3, Label4, Label5})
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
