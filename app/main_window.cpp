#include "app/main_window.h"

#include "app/about_dialog.h"
#include "app/options_dialog.h"
#include "app/schematic_window.h"
#include "app/shell_panels.h"
#include "app/splash.h"
#include "artwork/artwork.h"
#include "core/app_info.h"
#include "core/checked_math.h"
#include "core/settings_store.h"
#include "ui/calculator_panel.h"
#include "ui/fault_guard.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/numeric_field.h"

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
    connectFrame();
    buildFrontPanel();
    buildTopicTree();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    startUp();
}

void TFormMainApplication::startUp()
{
    // Start state, in a fixed order.
    m_currentHelpPage.clear();
    if (!checkDisclaimerAccepted())
        abortStartup(0);
    m_background->setGeometry(0, 0, width(), height());
    for (CalculatorPanel* panel : std::as_const(m_panels)) {
        if (panel) {
            showPanel(panel);
            panel->resetToStartState();
        }
    }

    loadSettings();
    if (m_expandWhenLaunched) {
        expandAll(true);
        m_nextClickExpands = false;
        m_expandButton->setText(QStringLiteral("Fully Collapse"));
    } else {
        m_nextClickExpands = true;
        m_expandButton->setText(QStringLiteral("Fully Expand"));
    }
    m_firstShowPending = true;
    // The other panels are built once the first frame is on the screen.
    m_background->installEventFilter(this);
}

bool TFormMainApplication::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_background && event->type() == QEvent::Paint) {
        // The first frame is on the screen: the splash comes up over it, and
        // once it is drawn too the hidden panels are built.
        m_background->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this,
            [this] {
                guarded([this] { showSplashOnce(); });
                if (Splash && Splash->isVisible())
                    Splash->installEventFilter(this);
                else
                    guarded([this] { finishBuilding(); });
            },
            Qt::QueuedConnection);
    } else if (watched == Splash && event->type() == QEvent::Paint) {
        Splash->removeEventFilter(this);
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
    m_background =
        form::paintedArea(this, "ImageBackground", QRect(0, 0, 830, 530), &artwork::paintBackground);
    m_logo = form::picture(this, "Image1", QRect(728, 8, 95, 50), &artwork::logo);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("TreeViewTopicSelect"));
    m_tree->setGeometry(8, 72, 153, 385);

    m_expandButton =
        form::button(this, "BtnExpandCategories", 8, 459, 153, 23, QStringLiteral("Fully Expand"),
                     QStringLiteral("Click to expand all of the categories"));

    m_bottomText = new QLabel(this);
    m_bottomText->setObjectName(QStringLiteral("LabelBottomText"));
    m_bottomText->setText(
        QStringLiteral("* NOTE:  Ensure that you read the disclaimer before using this software"));
    m_bottomText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_bottomText->setGeometry(160, 502, 505, 16);

    m_aboutButton = form::button(this, "About", 16, 496, 65, 25, QStringLiteral("About"));
    m_optionsButton = form::button(this, "BtnOptions", 88, 496, 65, 25, QStringLiteral("Options"),
                                   QStringLiteral("Click to set options for Ohmbrook"));
    m_helpButton = form::button(this, "BtnHelp", 672, 496, 65, 25, QStringLiteral("Help"));
    m_helpButton->setIcon(QIcon(artwork::helpGlyph()));
    m_aboutButton->setAccessibleDescription(QStringLiteral("Show the version of Ohmbrook"));
    m_helpButton->setAccessibleDescription(QStringLiteral("Open the help page of the calculator in front"));
    m_closeButton = form::button(this, "BtnClose", 744, 496, 65, 25, QStringLiteral("Exit"),
                                 QStringLiteral("Click to exit Ohmbrook"));

    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("PanelStack"));
    m_stack->setGeometry(168, 72, 650, 400);
}

void TFormMainApplication::connectFrame()
{
    const std::pair<QPushButton*, void (TFormMainApplication::*)()> buttons[] = {
        {m_aboutButton, &TFormMainApplication::showAbout},
        {m_optionsButton, &TFormMainApplication::showOptions},
        {m_helpButton, &TFormMainApplication::showHelpForFrontPanel},
        {m_expandButton, &TFormMainApplication::toggleExpandAll},
    };
    for (const auto& [button, member] : buttons) {
        const auto handler = member; // clang 14 cannot capture a structured binding
        connect(button, &QPushButton::clicked, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    }
    connect(m_closeButton, &QPushButton::clicked, this, [this] { guarded([this] { close(); }); });
    // Ctrl+Q quits through the same path as Exit, questions included.
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, m_closeButton, &QPushButton::click);
}

void TFormMainApplication::guarded(const std::function<void()>& handler)
{
    runGuarded(this, handler);
}

bool TFormMainApplication::checkDisclaimerAccepted()
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
        app::disclaimerText() +
        QStringLiteral("\n\nDo you agree with and understand these conditions, and want to run Ohmbrook?");
    if (!ui::askYesNo(this, QStringLiteral("Accept Disclaimer"), question))
        return false;
    if (key)
        key->writeString(valueName, QStringLiteral("yes"));
    return true;
}

void TFormMainApplication::showSplashOnce()
{
    if (!m_firstShowPending)
        return;
    m_firstShowPending = false;
    // Over the window's first frame, modal until its own timer or the user
    // closes it.
    if (Splash)
        Splash->showOver(this);
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
}

bool TFormMainApplication::agreesToClose()
{
    // Every panel must exist to be asked and to give its settings.
    finishBuilding();
    bool agreed = true;
    for (CalculatorPanel* panel : std::as_const(m_panels))
        agreed = agreed && panel->agreesToClose();
    saveSettings();
    return agreed;
}

void TFormMainApplication::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    guarded([&] { canClose = agreesToClose(); });
    if (canClose)
        event->accept();
    else
        event->ignore();
}

void TFormMainApplication::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_closeButton->click();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        guarded([this] { showHelpForFrontPanel(); });
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFormMainApplication::showAbout()
{
    if (!m_aboutDialog)
        m_aboutDialog = new TAboutDialog(this);
    ui::makeModalToItsWindow(m_aboutDialog);
    m_aboutDialog->exec();
}

void TFormMainApplication::showOptions()
{
    if (!m_optionsDialog) {
        m_optionsDialog = new TOptionsDialog(this);
        connect(m_optionsDialog, &TOptionsDialog::optionsClosed, this,
                [this] { guarded([this] { applyOptions(true); }); });
        connect(m_optionsDialog, &TOptionsDialog::helpRequested, this,
                [this](const QString& page) { guarded([this, page] { launchHelp(page); }); });
    }
    m_optionsDialog->setOptionStates(m_expandWhenLaunched, m_autoExpand, ui::readUnitPrefixes());
    ui::makeModalToItsWindow(m_optionsDialog);
    m_optionsDialog->exec();
}

void TFormMainApplication::loadSettings()
{
    m_expandWhenLaunched = true;
    m_autoExpand = false;
    ui::setReadUnitPrefixes(true);
    auto key = settings::Key::openExisting(QString::fromLatin1(settings::kProgramKey));
    if (!key)
        return;
    const settings::Value expand = key->read(QStringLiteral("Expand Category List When Launched"));
    if (expand.isDword() && expand.dword == 0)
        m_expandWhenLaunched = false;
    const settings::Value autoExpand = key->read(QStringLiteral("Auto Expand Category List"));
    if (autoExpand.isDword() && autoExpand.dword != 0)
        m_autoExpand = true;
    const settings::Value prefixes = key->read(QStringLiteral("Read Unit Prefixes"));
    ui::setReadUnitPrefixes(!(prefixes.isDword() && prefixes.dword == 0));
    applyOptions(false);
    // The other panels take their settings when they are built.
    for (CalculatorPanel* panel : std::as_const(m_panels)) {
        if (panel)
            panel->loadSettings(*key);
    }
}

void TFormMainApplication::saveSettings()
{
    // Every value is attempted; the first failure is told once, and closing
    // goes on.
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
                                      m_expandWhenLaunched ? 1 : 0));
        saved = check(key->writeDword(QStringLiteral("Auto Expand Category List"), m_autoExpand ? 1 : 0)) &&
                saved;
        saved =
            check(key->writeDword(QStringLiteral("Read Unit Prefixes"), ui::readUnitPrefixes() ? 1 : 0)) &&
            saved;
        for (CalculatorPanel* panel : std::as_const(m_panels))
            saved = check(panel->saveSettings(*key)) && saved;
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

void TFormMainApplication::applyOptions(bool takeFromDialog)
{
    if (takeFromDialog && m_optionsDialog) {
        m_expandWhenLaunched = m_optionsDialog->expandCategoryListWhenLaunched();
        m_autoExpand = m_optionsDialog->autoExpandCategoryList();
        ui::setReadUnitPrefixes(m_optionsDialog->readUnitPrefixes());
    }
    setSingleExpand(m_autoExpand);
}
