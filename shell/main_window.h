#pragma once

// The main window: a topic tree on the left and twenty calculator panels
// stacked in one rectangle on the right, one of them in front.
//
// Architecture: the window's controls are plain members grouped by subsystem
// (the *Widgets base structs), built in code at fixed positions. Each
// subsystem's handlers live in that subsystem's folder
// (resistors/colour_band_handlers.cpp, power_frequency/ohms_law_handlers.cpp,
// ...): a handler reads its fields with the shared readers of
// shell/numeric_field.h, calls one pure function of the subsystem's maths and
// writes the formatted results. Every handler started by the user runs inside
// guarded(), which shows arithmetic faults and other errors in the standard
// error box and lets the program go on. Handlers call each other directly for
// hand-overs between panels, exactly as a user's click would.

#include "capacitors/capacitor_widgets.h"
#include "power_frequency/power_frequency_widgets.h"
#include "resistors/resistor_widgets.h"
#include "shell/shell_widgets.h"

#include <QString>
#include <QWidget>

#include <functional>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QTreeWidgetItem;

// Thrown by the constructor when start-up must end before the window exists
// (the disclaimer was refused, or the settings cannot be stored).
struct StartupAborted
{
    int exitStatus = 0;
};

class TFormMainApplication : public QWidget,
                             protected ShellWidgets,
                             protected ResistorWidgets,
                             protected CapacitorWidgets,
                             protected PowerFrequencyWidgets
{
    Q_OBJECT

public:
    explicit TFormMainApplication(QWidget* parent = nullptr);
    ~TFormMainApplication() override;

    static constexpr const char* kApplicationTitle = "Tarvolen Ohmbrook";
    static constexpr const char* kVersionText = "2.1.0.0";

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
    QWidget* frontPanel() const { return m_frontPanel; }
    const QString& currentHelpPage() const { return CurrentHelpPage; }
    void BtnOpenSchematicGeneralClick();
    void BtnOpenSchematicLogicGatesClick();
    void BtnOpenSchematicValvesTubesClick();
    void BtnOpenSchematicConnectorsSwitchesRelaysClick();

    // Resistor colour bands
    void ComboRes1Change();
    void ComboRes2Change();
    void ComboRes3Change();
    void ComboRes4Change();
    void ComboRes5Change();
    void ShowColourBandValue();
    void Calc5Change();
    // Value to colour bands
    void CalculateResValuesClick();
    void ConfirmResValuesClick();
    void ClearResValuesClick();
    void BtnClearResValueClick() { clearField(ResValue); }
    void BtnClearResValueKClick() { clearField(ResValueK); }
    void BtnClearResValueMClick() { clearField(ResValueM); }
    // Record file
    void SaveValuesClick();
    // Resistors in series and parallel
    void CalcParResClick();
    void ClearParResClick();
    void BtnCalculateResSeriesClick();
    void BtnClearAllResSeriesClick();
    void BtnClearParRes1Click() { clearField(ParRes1); }
    void BtnClearParRes2Click() { clearField(ParRes2); }
    void BtnClearParResTotalClick() { clearField(ParResTotal); }
    void BtnClearSerRes1Click() { clearField(SerRes1); }
    void BtnClearSerRes2Click() { clearField(SerRes2); }
    void BtnClearSerResTotalClick() { clearField(SerResTotal); }
    // In-line resistor dropper
    void DropperInLineCalculateClick();
    void DropperInLineClearClick();
    void DropperInLineGetColourBandsClick();
    void BtnCalcHeatDissipationClick();
    void BtnClearDropperInLineVSourceClick() { clearField(DropperInLineVSource); }
    void BtnClearDropperInLineVForwardClick() { clearField(DropperInLineVForward); }
    void BtnClearDropperInLineIForwardClick() { clearField(DropperInLineIForward); }

    // Capacitors in series and parallel
    void CalcSerCapClick();
    void ClearSerCapClick();
    void BtnCalcParCapClick();
    void BtnClearParCapAllClick();
    void BtnClearSerCap1Click() { clearField(SerCap1); }
    void BtnClearSerCap2Click() { clearField(SerCap2); }
    void BtnClearSerCapTotalClick() { clearField(SerCapTotal); }
    void BtnClearParCap1Click() { clearField(ParCap1); }
    void BtnClearParCap2Click() { clearField(ParCap2); }
    void BtnClearParCapTotalClick() { clearField(ParCapTotal); }

    // Ohm's law and power
    void CalculatePowerCaluesClick();
    void ClearPowerValuesClick();
    void BtnClearVoltageClick() { clearField(Voltage); }
    void BtnClearCurrentClick() { clearField(Current); }
    void BtnClearResistanceClick() { clearField(Resistance); }
    void BtnClearWattsClick() { clearField(Watts); }
    // Resonance and coil frequency
    void BtnCalcFreqResonanceClick();
    void BtnCalcFreqClearAllClick();
    void BtnFreqCoilCalcClick();
    void BtnFreqCoilClearAllClick();
    void BtnFreqResonanceInductanceClearClick() { clearField(FreqResonanceInductance); }
    void BtnFreqResonanceCapacitanceClearClick() { clearField(FreqResonanceCapacitance); }
    void BtnClearFreqCoilTurnsClick() { clearField(FreqCoilTurns); }
    void BtnClearFreqCoilWidthClick() { clearField(FreqCoilWidth); }
    // Reactance
    void BtnReactanceIndCalcClick();
    void BtnReactanceIndClearAllClick();
    void BtnReactanceCapCalcClick();
    void BtnReactanceCapClearAllClick();
    void BtnClearReactanceInductFreqClick() { clearField(ReactanceInductFreq); }
    void BtnClearReactanceInductInductanceClick() { clearField(ReactanceInductInductance); }
    void BtnClearReactanceCapFreqClick() { clearField(ReactanceCapFreq); }
    void BtnClearReactanceCapCapacitanceClick() { clearField(ReactanceCapCapacitance); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Construction: each function builds one panel (or the frame) and wires
    // its signals; the per-subsystem ones live beside that subsystem's handlers.
    void buildFrame();
    void connectFrame();
    void buildTopicTree();
    void connectTopicTree();
    void buildShellPanels();
    void buildColourBandPanel();
    void buildResistorSeriesParallelPanel();
    void buildResistorDropperPanel();
    void buildCapacitorPanels();
    void buildOhmsLawPanel();
    void buildFrequencyPanels();
    void buildReactancePanel();

    // Wires a button's click to a handler, inside the guard.
    void onClick(QAbstractButton* button, void (TFormMainApplication::*handler)());
    // Wires a single-field clear button (found by object name below a panel)
    // to its handler.
    void onClearClick(QWidget* panel, const char* buttonName, void (TFormMainApplication::*handler)());
    static void clearField(QLineEdit* field);
    [[noreturn]] void abortStartup(int exitStatus);
    void releaseGlobals();
    void expandAll(bool expand);

    // Band lists: the list's current text drives the band state.
    void selectBandItem(QComboBox* list, int index);

    int FormatBufferSize = 500;
    bool FirstShowPending = false;
    QString CurrentHelpPage;
    bool NextClickExpands = true;
    bool ExpandCategoryListWhenLaunched = true;
    bool AutoExpandCategoryList = false;
    QString MemoFileName;

    // Colour-band state of the resistor panel.
    int Digit1 = 0;
    int Digit2 = 0;
    double Multiplier = 0.1;
    double TolerancePercent = 0.1;
    bool ResValueFieldsHeld = false;

    // Colour-band state of the capacitor colour-code panel.
    int CapDigit1 = 0;
    int CapDigit2 = 0;
    double CapMultiplier = 0;
    QString CapToleranceColour;
    QString CapRatingValue;

    QWidget* m_frontPanel = nullptr;
    bool m_singleExpand = false;
    QTreeWidgetItem* m_previousSelection = nullptr;
};

// The one main window, once it exists.
extern TFormMainApplication* FormMainApplication;
