#include "app/main_window.h"

#include "app/about_dialog.h"
#include "app/all_panels.h"
#include "app/options_dialog.h"
#include "app/schematic_window.h"
#include "app/splash.h"
#include "artwork/artwork.h"
#include "core/app_info.h"
#include "core/checked_math.h"
#include "core/settings_store.h"
#include "ui/fault_guard.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>

namespace {

// The window that owns the arithmetic domain-error boxes while it exists.
TFormMainApplication* g_domainErrorOwner = nullptr;

const QString kAcceptedDisclaimerName = QStringLiteral("Accepted Disclaimer for Version ");

void reportDomainErrorThroughMainWindow(const char* function, const char* kind)
{
    ui::showNote(g_domainErrorOwner, QString::fromLatin1(app::kApplicationTitle),
                 QStringLiteral("%1: %2 error").arg(QLatin1String(function), QLatin1String(kind)));
}

// Why the settings could not be written.

} // namespace

TFormMainApplication::TFormMainApplication(QWidget* parent) : QWidget(parent)
{
    g_domainErrorOwner = this;
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
    buildFrontPanel();
    buildTopicTree();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }

    // Start state, in a fixed order.
    CurrentHelpPage.clear();
    if (!CheckDisclaimerAccepted())
        abortStartup(0);
    ImageBackground->setGeometry(0, 0, width(), height());
    ShowPanel(m_colourBands);
    m_colourBands->resetToStartState();

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
    // The other panels are built once the first frame is on the screen.
    ImageBackground->installEventFilter(this);
}

bool TFormMainApplication::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ImageBackground && event->type() == QEvent::Paint) {
        ImageBackground->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this, [this] { guarded([this] { finishBuilding(); }); }, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

TFormMainApplication::~TFormMainApplication()
{
    releaseGlobals();
}

void TFormMainApplication::releaseGlobals()
{
    checked::setDomainReporter(nullptr);
    if (g_domainErrorOwner == this)
        g_domainErrorOwner = nullptr;
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
    ImageBackground =
        form::paintedArea(this, "ImageBackground", QRect(0, 0, 830, 530), &artwork::paintBackground);
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
    const std::pair<QPushButton*, void (TFormMainApplication::*)()> buttons[] = {
        {BtnClose, &TFormMainApplication::BtnCloseClick},
        {About, &TFormMainApplication::AboutClick},
        {BtnOptions, &TFormMainApplication::BtnOptionsClick},
        {BtnHelp, &TFormMainApplication::BtnHelpClick},
        {BtnExpandCategories, &TFormMainApplication::BtnExpandCategoriesClick},
    };
    for (const auto& [button, member] : buttons) {
        const auto handler = member; // clang 14 cannot capture a structured binding
        connect(button, &QPushButton::clicked, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    }

    // Ctrl+Q quits through the same path as Exit, questions included.
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, BtnClose, &QPushButton::click);

    m_panels = new QStackedWidget(this);
    m_panels->setObjectName(QStringLiteral("PanelStack"));
    m_panels->setGeometry(168, 72, 650, 400);
}

void TFormMainApplication::guarded(const std::function<void()>& handler)
{
    runGuarded(this, handler);
}

bool TFormMainApplication::CheckDisclaimerAccepted()
{
    const QString valueName = kAcceptedDisclaimerName + QLatin1String(app::kVersionText);
    auto key = settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey));
    if (!key && !settings::undecodableFile().isEmpty()) {
        // A file that cannot be read stays as it is, and this run goes on
        // with the default settings: said once, here, and not again at close.
        m_settingsLeftAsFound = true;
        ui::showMessageBox(
            this,
            {QString::fromLatin1(app::kApplicationTitle),
             QStringLiteral("Ohmbrook cannot read its settings file:\n\n%1\n\n%2\n\nOhmbrook starts with "
                            "its default settings, and the settings of this session are not kept.")
                 .arg(QDir::toNativeSeparators(settings::settingsFilePath()), settings::undecodableFile()),
             ui::BoxButtons::Ok, ui::BoxIcon::Warning});
    } else if (!key) {
        // The settings cannot be stored: say so, and why, rather than vanish silently.
        ui::showMessageBox(
            this, {QString::fromLatin1(app::kApplicationTitle),
                   QStringLiteral("Ohmbrook cannot store its settings in this file:\n\n%1\n\n%2"
                                  "\n\nPut this right, then start Ohmbrook again.")
                       .arg(QDir::toNativeSeparators(settings::settingsFilePath()), settings::lastFailure()),
                   ui::BoxButtons::Ok, ui::BoxIcon::Critical});
        abortStartup(1);
    }
    if (key && key->read(valueName).exists())
        return true;
    const QString question =
        QStringLiteral("Before using Ohmbrook, you must first agree to the terms of this disclaimer.\n\n") +
        DisclaimerPanel::disclaimerText() +
        QStringLiteral("\n\nDo you agree with and understand these conditions, and want to run Ohmbrook?");
    if (!ui::askYesNo(this, QStringLiteral("Accept Disclaimer"), question))
        return false;
    if (key) {
        key->writeString(valueName, QStringLiteral("yes"));
        key->close();
    }
    return true;
}

void TFormMainApplication::FormShow()
{
    if (!FirstShowPending)
        return;
    FirstShowPending = false;
    // Modal until its own timer closes it, at most one interval later.
    if (Splash)
        Splash->exec();
}

void TFormMainApplication::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    // Should the first frame not come (a window that starts minimised), the
    // other panels are built a moment later all the same.
    if (!m_allPanelsBuilt)
        QTimer::singleShot(1000, this, [this] { guarded([this] { finishBuilding(); }); });
    guarded([this] { FormShow(); });
}

void TFormMainApplication::FormCloseQuery(bool& canClose)
{
    if (m_notes && m_notes->hasUnsavedText()) {
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
    if (!m_aboutDialog)
        m_aboutDialog = new TAboutDialog(this);
    ui::makeModalToItsWindow(m_aboutDialog);
    m_aboutDialog->exec();
}

void TFormMainApplication::BtnOptionsClick()
{
    if (!OptionsDialog) {
        OptionsDialog = new TOptionsDialog(this);
        connect(OptionsDialog, &TOptionsDialog::optionsClosed, this,
                [this] { guarded([this] { OptionsChanged(true); }); });
        connect(OptionsDialog, &TOptionsDialog::helpRequested, this,
                [this](const QString& page) { guarded([this, page] { LaunchHelp(page); }); });
    }
    OptionsDialog->SetOptionStates(ExpandCategoryListWhenLaunched, AutoExpandCategoryList);
    ui::makeModalToItsWindow(OptionsDialog);
    OptionsDialog->exec();
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
    // The frequency conversion panel takes its settings when it is built.
    m_colourBands->loadSettings(*key);
    key->close();
}

void TFormMainApplication::SaveSettings()
{
    // Every value is attempted; the first failure is told once, and closing
    // goes on. Every panel with settings must exist to give its values.
    finishBuilding();
    if (m_settingsLeftAsFound)
        return;
    QString failure;
    auto check = [&failure](bool ok) {
        if (!ok && failure.isEmpty())
            failure = settings::lastFailure();
        return ok;
    };
    bool saved = false;
    if (auto key = settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey))) {
        saved = check(key->writeDword(QStringLiteral("Expand Category List When Launched"),
                                      ExpandCategoryListWhenLaunched ? 1 : 0));
        saved = check(key->writeDword(QStringLiteral("Auto Expand Category List"),
                                      AutoExpandCategoryList ? 1 : 0)) &&
                saved;
        saved = check(m_frequencyConversions->saveSettings(*key)) && saved;
        saved = check(m_colourBands->saveSettings(*key)) && saved;
        key->close();
    } else {
        check(false);
    }
    if (!saved)
        reportSettingsNotSaved(failure);
}

void TFormMainApplication::reportSettingsNotSaved(const QString& reason)
{
    ui::showMessageBox(
        this,
        {QString::fromLatin1(app::kApplicationTitle),
         QStringLiteral("Ohmbrook could not save its settings in this file:\n\n%1\n\n%2\n\nThe options "
                        "and slider ranges of this session are not kept.")
             .arg(QDir::toNativeSeparators(settings::settingsFilePath()),
                  reason.isEmpty() ? QStringLiteral("The file or its folder cannot be written.") : reason),
         ui::BoxButtons::Ok, ui::BoxIcon::Warning});
}

void TFormMainApplication::OptionsChanged(bool takeFromDialog)
{
    if (takeFromDialog && OptionsDialog) {
        ExpandCategoryListWhenLaunched = OptionsDialog->expandCategoryListWhenLaunched();
        AutoExpandCategoryList = OptionsDialog->autoExpandCategoryList();
    }
    setSingleExpand(AutoExpandCategoryList);
}
