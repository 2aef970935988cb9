#include "shell/main_window.h"

#include "resources/artwork/artwork.h"
#include "shell/checked_math.h"
#include "shell/fault_guard.h"
#include "shell/form_builder.h"
#include "shell/message_box.h"
#include "shell/settings_store.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>

TFormMainApplication* FormMainApplication = nullptr;

namespace {

const QString kDisclaimerText = QStringLiteral(
    "Ohmbrook is provided as it is, without warranty of any kind, either expressed or implied, "
    "including any warranty that its results are correct or fit for a particular purpose. You use it "
    "entirely at your own risk.\n\n"
    "Mains voltages can kill. Never work on equipment connected to the mains unless you are qualified "
    "to do so, and remember that circuits such as capacitive droppers are not isolated from the mains.\n\n"
    "Check every result yourself, against the data sheets of the parts you use, before you build "
    "anything with it.");

const QString kAcceptedDisclaimerName = QStringLiteral("Accepted Disclaimer for Version ");

void reportDomainErrorThroughMainWindow(const char* function, const char* kind)
{
    ui::showNote(FormMainApplication, QString::fromLatin1(TFormMainApplication::kApplicationTitle),
                 QStringLiteral("%1: %2 error").arg(QLatin1String(function), QLatin1String(kind)));
}

} // namespace

TFormMainApplication::TFormMainApplication(QWidget* parent) : QWidget(parent)
{
    FormMainApplication = this;
    checked::setDomainReporter(&reportDomainErrorThroughMainWindow);

    setObjectName(QStringLiteral("FormMainApplication"));
    setWindowTitle(QStringLiteral("Ohmbrook"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(830, 530);
    // The layout is laid out in pixels for a small sans-serif face; a
    // metric-compatible font keeps every caption inside its control.
    QFont face(QStringLiteral("Liberation Sans"));
    face.setStyleHint(QFont::SansSerif);
    face.setPixelSize(12);
    setFont(face);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    buildFrame();
    buildShellPanels();
    buildColourBandPanel();
    buildResistorSeriesParallelPanel();
    buildResistorDropperPanel();
    buildCapacitorPanels();
    buildOhmsLawPanel();
    buildFrequencyPanels();
    buildReactancePanel();
    buildTopicTree();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }

    // Start state, in a fixed order.
    CapToleranceColour.clear();
    CapRatingValue.clear();
    MemoFileName.clear();
    CurrentHelpPage.clear();
    DisclaimerText->setText(kDisclaimerText);
    if (!CheckDisclaimerAccepted())
        abortStartup(0);
    ImageBackground->setGeometry(0, 0, width(), height());
    ShowPanel(PanelResistorColourBands);
    FormatBufferSize = 500;
    MemoFileName.clear();

    ResValueFieldsHeld = false;
    Digit1 = 0;
    Digit2 = 0;
    Multiplier = 0.1;
    TolerancePercent = 0.1;
    ComboRes1Change();
    ComboRes2Change();
    ComboRes3Change();
    ComboRes4Change();
    ComboRes5Change();

    CapDigit1 = 0;
    CapDigit2 = 0;
    CapMultiplier = 0;

    ClearPowerValuesClick();
    ClearParResClick();
    ClearSerCapClick();

    BtnClearAllResSeriesClick();
    BtnClearParCapAllClick();
    BtnCalcFreqClearAllClick();
    BtnFreqCoilClearAllClick();
    BtnReactanceIndClearAllClick();
    BtnReactanceCapClearAllClick();

    ImageFileNameLabel->setText(QStringLiteral("No image file currently open"));
    MemoPad->setPlainText(QString());
    MemoPadLabel->setText(QStringLiteral("No file currently open"));

    DropperInLineClearClick();

    LoadSettings();
    if (ExpandCategoryListWhenLaunched) {
        expandAll(true);
        NextClickExpands = false;
        BtnExpandCategories->setText(QStringLiteral("Fully Collapse"));
    } else {
        NextClickExpands = true;
        BtnExpandCategories->setText(QStringLiteral("Fully Expand"));
    }
    FirstShowPending = true;
}

TFormMainApplication::~TFormMainApplication()
{
    releaseGlobals();
}

void TFormMainApplication::releaseGlobals()
{
    checked::setDomainReporter(nullptr);
    if (FormMainApplication == this)
        FormMainApplication = nullptr;
}

void TFormMainApplication::abortStartup(int exitStatus)
{
    // The destructor does not run for a window whose constructor throws, so
    // nothing may keep pointing at it.
    releaseGlobals();
    throw StartupAborted{exitStatus};
}

void TFormMainApplication::buildFrame()
{
    ImageBackground = form::picture(this, "ImageBackground", QRect(0, 0, 830, 530), &artwork::background);
    Image1 = form::picture(this, "Image1", QRect(728, 8, 95, 50), &artwork::logo);

    TreeViewTopicSelect = new QTreeWidget(this);
    TreeViewTopicSelect->setObjectName(QStringLiteral("TreeViewTopicSelect"));
    TreeViewTopicSelect->setGeometry(8, 72, 153, 385);

    BtnExpandCategories =
        form::button(this, "BtnExpandCategories", 8, 459, 153, 23, QStringLiteral("Fully Expand"),
                     QStringLiteral("Click to expand all of the categories"));

    LabelBottomText = new QLabel(this);
    LabelBottomText->setObjectName(QStringLiteral("LabelBottomText"));
    LabelBottomText->setText(
        QStringLiteral("* NOTE:  Ensure that you read the disclaimer before using this software"));
    LabelBottomText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LabelBottomText->setGeometry(160, 502, 505, 16);

    About = form::button(this, "About", 16, 496, 65, 25, QStringLiteral("About"));
    BtnOptions = form::button(this, "BtnOptions", 88, 496, 65, 25, QStringLiteral("Options"),
                              QStringLiteral("Click to set options for Ohmbrook"));
    BtnHelp = form::button(this, "BtnHelp", 672, 496, 65, 25, QStringLiteral("Help"));
    BtnHelp->setIcon(QIcon(artwork::helpGlyph()));
    BtnClose = form::button(this, "BtnClose", 744, 496, 65, 25, QStringLiteral("Exit"),
                            QStringLiteral("Click to exit Ohmbrook"));
    connectFrame();
}

void TFormMainApplication::connectFrame()
{
    onClick(BtnClose, &TFormMainApplication::BtnCloseClick);
    onClick(About, &TFormMainApplication::AboutClick);
    onClick(BtnOptions, &TFormMainApplication::BtnOptionsClick);
    onClick(BtnHelp, &TFormMainApplication::BtnHelpClick);
    onClick(BtnExpandCategories, &TFormMainApplication::BtnExpandCategoriesClick);
}

void TFormMainApplication::onClick(QAbstractButton* button, void (TFormMainApplication::*handler)())
{
    connect(button, &QAbstractButton::clicked, this,
            [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
}

void TFormMainApplication::onClearClick(QWidget* panel, const char* buttonName,
                                        void (TFormMainApplication::*handler)())
{
    auto* button = panel->findChild<QAbstractButton*>(QString::fromLatin1(buttonName));
    Q_ASSERT(button);
    onClick(button, handler);
}

void TFormMainApplication::clearField(QLineEdit* field)
{
    field->setText(QString());
}

void TFormMainApplication::guarded(const std::function<void()>& handler)
{
    runGuarded(this, handler);
}

bool TFormMainApplication::CheckDisclaimerAccepted()
{
    const QString valueName = kAcceptedDisclaimerName + QLatin1String(kVersionText);
    auto key = settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey));
    if (!key) {
        // The settings cannot be stored: say so rather than vanish silently.
        ui::showMessageBox(
            this,
            {QString::fromLatin1(kApplicationTitle),
             QStringLiteral("Ohmbrook cannot store its settings, because this folder cannot be "
                            "created or written:\n\n%1\n\nCheck that the folder exists and that you may "
                            "write to it, then start Ohmbrook again.")
                 .arg(QDir::toNativeSeparators(settings::settingsFolder())),
             ui::BoxButtons::Ok, ui::BoxIcon::Critical});
        abortStartup(1);
    }
    if (key->read(valueName).exists())
        return true;
    const QString question =
        QStringLiteral("Before using Ohmbrook, you must first agree to the terms of this disclaimer.\n\n") +
        DisclaimerText->text() +
        QStringLiteral("\n\nDo you agree with and understand these conditions, and want to run Ohmbrook?");
    if (!ui::askYesNo(this, QStringLiteral("Accept Disclaimer"), question))
        return false;
    key->writeString(valueName, QStringLiteral("yes"));
    key->close();
    return true;
}

void TFormMainApplication::FormShow()
{
    if (FirstShowPending)
        FirstShowPending = false;
}

void TFormMainApplication::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        guarded([this] { FormShow(); });
}

void TFormMainApplication::FormCloseQuery(bool& canClose)
{
    if (MemoPad->document()->isModified()) {
        canClose = ui::askYesNo(
            this, QStringLiteral("Warning"),
            QStringLiteral("The current memo text is not saved.\n\nAre you sure you want to exit?"));
    }
    SaveSettings();
}

void TFormMainApplication::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    guarded([&] { FormCloseQuery(canClose); });
    if (canClose)
        event->accept();
    else
        event->ignore();
}

void TFormMainApplication::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        BtnClose->click();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        guarded([this] { FormHelp(); });
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFormMainApplication::BtnCloseClick()
{
    close();
}

void TFormMainApplication::AboutClick()
{
}

void TFormMainApplication::BtnOptionsClick()
{
}

void TFormMainApplication::LoadSettings()
{
    ExpandCategoryListWhenLaunched = true;
    AutoExpandCategoryList = false;
    auto key = settings::Key::openExisting(QString::fromLatin1(settings::kProgramKey));
    if (!key)
        return;
    const settings::Value expand = key->read(QStringLiteral("Expand Category List When Launched"));
    if (expand.isDword() && expand.dword == 0)
        ExpandCategoryListWhenLaunched = false;
    const settings::Value autoExpand = key->read(QStringLiteral("Auto Expand Category List"));
    if (autoExpand.isDword() && autoExpand.dword != 0)
        AutoExpandCategoryList = true;
    OptionsChanged(false);
    key->close();
}

void TFormMainApplication::SaveSettings()
{
    auto key = settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey));
    if (!key)
        return;
    key->writeDword(QStringLiteral("Expand Category List When Launched"),
                    ExpandCategoryListWhenLaunched ? 1 : 0);
    key->writeDword(QStringLiteral("Auto Expand Category List"), AutoExpandCategoryList ? 1 : 0);
    key->close();
}

void TFormMainApplication::OptionsChanged(bool /*takeFromDialog*/)
{
    setSingleExpand(AutoExpandCategoryList);
}
