#pragma once

// The main window: a topic tree on the left and the panels stacked in one
// rectangle on the right, one of them in front.
//
// Architecture: each panel is its own class (ui/calculator_panel.h) that owns
// its controls and handlers; this window only composes them, from the one
// panel table (app/panel_table.h) that lists every topic. It keeps the frame
// (background, logo, bottom buttons), the topic tree and panel switching,
// context help, the start-up order, the settings order and the close path.
// A hand-over from one panel to another is a signal of the source that the
// table connects to the target's public operation; the window then brings
// the target forward.

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class CalculatorPanel;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TAboutDialog;
class TOptionsDialog;

// Thrown by the constructor when start-up must end before the window exists
// (the disclaimer was refused, or the settings cannot be stored).
struct StartupAborted
{
    int exitStatus = 0;
};

class TFormMainApplication : public QWidget
{
    Q_OBJECT

public:
    explicit TFormMainApplication(QWidget* parent = nullptr);
    ~TFormMainApplication() override;

    // Builds the panels that are not in front at start-up, puts them into
    // their start state and gives them their settings. The window does so by
    // itself just after its first frame, and before anything needs them;
    // nothing can tell the difference from building them all at once.
    void finishBuilding();
    bool allPanelsBuilt() const { return m_allPanelsBuilt; }

    // Runs a handler; faults it raises are shown in the standard error box.
    void guarded(const std::function<void()>& handler);

    bool expandCategoryListWhenLaunched() const { return m_expandWhenLaunched; }
    bool autoExpandCategoryList() const { return m_autoExpand; }
    void setSingleExpand(bool on) { m_singleExpand = on; }
    bool singleExpand() const { return m_singleExpand; }

    // Brings a panel to the front, with its help page and its tree node.
    void showPanel(QWidget* panel);
    QWidget* frontPanel() const;
    const QString& currentHelpPage() const { return m_currentHelpPage; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Start-up and closing
    void buildFrame();
    void connectFrame();
    void startUp();
    bool checkDisclaimerAccepted();
    void showSplashOnce();
    // Asks the panels whether the program may close, then saves the
    // settings; false keeps the window open.
    bool agreesToClose();
    [[noreturn]] void abortStartup(int exitStatus);
    void releaseGlobals();

    // Dialogs and help
    void showAbout();
    void showOptions();
    void showHelpForFrontPanel();
    void launchHelp(const QString& page);

    // Settings
    void loadSettings();
    void saveSettings();
    void reportSettingsNotSaved(const QString& reason);
    void applyOptions(bool takeFromDialog);

    // Panels
    CalculatorPanel* buildPanel(int topic);
    void buildFrontPanel();
    void placeBottomRowLastInTabOrder();
    // Runs a hand-over's target operation and brings the target forward; a
    // fault in the operation leaves the source in front.
    void handOver(CalculatorPanel* target, const std::function<void()>& operation);

    // Topic tree
    void buildTopicTree();
    void connectTopicTree();
    void showSelectedTopic();
    // The panel a topic node shows, if any.
    CalculatorPanel* panelOfNode(const QTreeWidgetItem* node) const;
    // Selects the node of the panel in front, without running the tree's
    // selection handlers.
    void highlightTopicOf(CalculatorPanel* panel);
    void expandAll(bool expand);
    void toggleExpandAll();

    // Frame
    QWidget* m_background = nullptr;
    QWidget* m_logo = nullptr;
    QTreeWidget* m_tree = nullptr;
    QPushButton* m_expandButton = nullptr;
    QLabel* m_bottomText = nullptr;
    QPushButton* m_aboutButton = nullptr;
    QPushButton* m_optionsButton = nullptr;
    QPushButton* m_helpButton = nullptr;
    QPushButton* m_closeButton = nullptr;

    // Panels, in the rectangle right of the tree; only the one in front is
    // visible, so neither the keyboard nor a screen reader reaches the others.
    // One per topic of the panel table, in its order; until finishBuilding()
    // has run, only the one in front at start-up exists.
    QStackedWidget* m_stack = nullptr;
    QList<CalculatorPanel*> m_panels;
    bool m_allPanelsBuilt = false;
    // The settings file could not be read: it is left as it is, unwritten.
    bool m_settingsLeftAsFound = false;

    // The dialogs, each made when first needed: most sessions never open
    // them, and making them at start-up would cost the start-up time.
    TAboutDialog* m_aboutDialog = nullptr;
    TOptionsDialog* m_optionsDialog = nullptr;

    bool m_firstShowPending = false;
    QString m_currentHelpPage;
    bool m_nextClickExpands = true;
    bool m_expandWhenLaunched = true;
    bool m_autoExpand = false;
    bool m_singleExpand = false;
};
