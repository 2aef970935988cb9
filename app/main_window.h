#pragma once

// The main window: a topic tree on the left and twenty panels stacked in one
// rectangle on the right, one of them in front.
//
// Architecture: each panel is its own class (shell/calculator_panel.h) that
// owns its controls and handlers; this window only composes them. It keeps
// the frame (background, logo, bottom buttons), the topic tree and panel
// switching, context help, the start-up order, the settings order and the
// close path. It is the one place that knows every panel: a hand-over from
// one panel to another is a signal of the source that this window connects
// to the target's public operation, before it brings the target forward.

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class CalculatorPanel;
class CapacitorColourPanel;
class CapacitorDigitPanel;
class CapacitorDropperPanel;
class CapacitorScalePanel;
class CapacitorSeriesParallelPanel;
class CoilFrequencyPanel;
class ColourBandPanel;
class DisclaimerPanel;
class FrequencyConversionPanel;
class ImageViewerPanel;
class NotesPanel;
class OhmsLawPanel;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class ReactancePanel;
class ResistorDropperPanel;
class ResistorSeriesParallelPanel;
class ResonancePanel;
class SchematicPanel;
class SchematicWindow;
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

    // Start-up and lifecycle
    bool CheckDisclaimerAccepted();
    void FormShow();
    void FormCloseQuery(bool& canClose);
    void BtnCloseClick();
    void AboutClick();
    void BtnOptionsClick();

    // Settings
    void LoadSettings();
    void SaveSettings();
    void OptionsChanged(bool takeFromDialog);
    bool expandCategoryListWhenLaunched() const { return ExpandCategoryListWhenLaunched; }
    bool autoExpandCategoryList() const { return AutoExpandCategoryList; }

    // Topic tree, panels and help
    void ShowPanel(QWidget* panel);
    void ShowSelectedTreeTopic();
    void TreeViewTopicSelectChange();
    void TreeViewTopicSelectClick();
    void BtnExpandCategoriesClick();
    void BtnHelpClick();
    void FormHelp();
    void LaunchHelp(const QString& page);
    void setSingleExpand(bool on);
    bool singleExpand() const { return m_singleExpand; }
    QWidget* frontPanel() const;
    const QString& currentHelpPage() const { return CurrentHelpPage; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFrame();
    void buildFrontPanel();
    void placeBottomRowLastInTabOrder();
    void connectHandOvers();
    void connectSchematicWindows();
    // Shows a schematic window, making it the first time.
    template <typename Window> void showSchematicWindow(std::unique_ptr<SchematicWindow>& window);
    void buildTopicTree();
    void connectTopicTree();
    // The panel a topic node shows, if any.
    CalculatorPanel* panelOfNode(const QTreeWidgetItem* node) const;
    // Selects the node of the panel in front, without running the tree's
    // selection handlers.
    void highlightTopicOf(CalculatorPanel* panel);
    // One warning naming the settings file and the reason; closing goes on.
    void reportSettingsNotSaved(const QString& reason);
    [[noreturn]] void abortStartup(int exitStatus);
    void releaseGlobals();
    void expandAll(bool expand);
    // Runs a hand-over's target operation and brings the target forward; a
    // fault in the operation leaves the source in front.
    void handOver(CalculatorPanel* target, const std::function<void()>& operation);

    // Frame
    QWidget* ImageBackground = nullptr;
    QWidget* Image1 = nullptr;
    QTreeWidget* TreeViewTopicSelect = nullptr;
    QPushButton* BtnExpandCategories = nullptr;
    QLabel* LabelBottomText = nullptr;
    QPushButton* About = nullptr;
    QPushButton* BtnOptions = nullptr;
    QPushButton* BtnHelp = nullptr;
    QPushButton* BtnClose = nullptr;

    // Panels, in the rectangle right of the tree; only the one in front is
    // visible, so neither the keyboard nor a screen reader reaches the others.
    // Until finishBuilding() has run, only the colour-band panel exists.
    QStackedWidget* m_panels = nullptr;
    bool m_allPanelsBuilt = false;
    // The settings file could not be read: it is left as it is, unwritten.
    bool m_settingsLeftAsFound = false;
    DisclaimerPanel* m_disclaimer = nullptr;
    NotesPanel* m_notes = nullptr;
    ImageViewerPanel* m_images = nullptr;
    SchematicPanel* m_schematicGeneral = nullptr;
    SchematicPanel* m_schematicLogicGates = nullptr;
    SchematicPanel* m_schematicValves = nullptr;
    SchematicPanel* m_schematicConnectors = nullptr;
    ColourBandPanel* m_colourBands = nullptr;
    ResistorSeriesParallelPanel* m_resistorsSeriesParallel = nullptr;
    ResistorDropperPanel* m_resistorDropper = nullptr;
    CapacitorDigitPanel* m_capacitorDigitValues = nullptr;
    CapacitorColourPanel* m_capacitorColourCodes = nullptr;
    CapacitorScalePanel* m_capacitorScale = nullptr;
    CapacitorSeriesParallelPanel* m_capacitorsSeriesParallel = nullptr;
    CapacitorDropperPanel* m_capacitorDropper = nullptr;
    OhmsLawPanel* m_ohmsLaw = nullptr;
    FrequencyConversionPanel* m_frequencyConversions = nullptr;
    ResonancePanel* m_resonance = nullptr;
    CoilFrequencyPanel* m_coilFrequency = nullptr;
    ReactancePanel* m_reactance = nullptr;

    // The secondary windows, each made when first needed: no one can tell
    // that from making them all at start-up, which would cost the start-up
    // time. The schematic windows are top-level windows of their own, so they
    // can go behind the main window.
    TAboutDialog* m_aboutDialog = nullptr;
    std::unique_ptr<SchematicWindow> m_formSchematicGeneral;
    std::unique_ptr<SchematicWindow> m_formSchematicValves;
    std::unique_ptr<SchematicWindow> m_formSchematicConnectorsSwitchesRelays;
    std::unique_ptr<SchematicWindow> m_formSchematicLogicGates;

    bool FirstShowPending = false;
    QString CurrentHelpPage;
    bool NextClickExpands = true;
    bool ExpandCategoryListWhenLaunched = true;
    bool AutoExpandCategoryList = false;
    bool m_singleExpand = false;
    // Built on first use: most sessions never open it.
    TOptionsDialog* OptionsDialog = nullptr;
};

// The one main window, once it exists.
extern TFormMainApplication* FormMainApplication;
