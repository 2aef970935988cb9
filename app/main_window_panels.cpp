// The main window's panels: building them into the stack (the one in front
// first, the others just after the window's first frame), the hand-overs
// between them, their start state and bringing one to the front.

#include "app/main_window.h"

#include "app/all_panels.h"
#include "app/schematic_window.h"
#include "core/settings_store.h"
#include "ui/accessibility.h"
#include "ui/fault_guard.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>

void TFormMainApplication::buildFrontPanel()
{
    // Each panel is made inside the stack, so it has the window's face while
    // it sizes its captions: a caption sized in the desktop's own font first
    // would be clipped when the window's face is wider.
    m_colourBands = new ColourBandPanel(m_panels);
    m_colourBands->setHelpPage(QStringLiteral("ResistorColourBands.htm"));
    m_panels->addWidget(m_colourBands);
    a11y::nameControlsWhenShown(m_colourBands);
    placeBottomRowLastInTabOrder();
}

void TFormMainApplication::placeBottomRowLastInTabOrder()
{
    // Tab runs down the left column (the tree, then its button), through the
    // panel in front and along the bottom row, left to right.
    QWidget* last = previousInFocusChain();
    while (last != this && last->focusPolicy() == Qt::NoFocus)
        last = last->previousInFocusChain();
    CalculatorPanel::setTabOrder({last, About, BtnOptions, BtnHelp, BtnClose});
}

void TFormMainApplication::finishBuilding()
{
    if (m_allPanelsBuilt)
        return;
    m_allPanelsBuilt = true;
    QWidget* stack = m_panels;
    m_disclaimer = new DisclaimerPanel(stack);
    m_notes = new NotesPanel(stack);
    m_images = new ImageViewerPanel(stack);
    m_schematicGeneral = new SchematicPanel({"PanelSchematicSymbolsGeneral", "Schematic Symbols - General",
                                             artwork::SymbolSheet::General, "BtnOpenSchematicGeneral"},
                                            stack);
    m_schematicLogicGates =
        new SchematicPanel({"PanelSchematicSymbolsLogicGates", "Schematic Symbols - Logic Gates",
                            artwork::SymbolSheet::LogicGates, "BtnOpenSchematicLogicGates"},
                           stack);
    m_schematicValves =
        new SchematicPanel({"PanelSchematicSymbolsValves", "Schematic Symbols - Valves (tubes)",
                            artwork::SymbolSheet::Valves, "BtnOpenSchematicValvesTubes"},
                           stack);
    m_schematicConnectors = new SchematicPanel({"PanelSchematicSymbolsConnectorsSwitchesRelays",
                                                "Schematic Symbols - Connectors, Switches and Relays",
                                                artwork::SymbolSheet::ConnectorsSwitchesRelays,
                                                "BtnOpenSchematicConnectorsSwitchesRelays"},
                                               stack);
    m_resistorsSeriesParallel = new ResistorSeriesParallelPanel(stack);
    m_resistorDropper = new ResistorDropperPanel(stack);
    m_capacitorDigitValues = new CapacitorDigitPanel(stack);
    m_capacitorColourCodes = new CapacitorColourPanel(stack);
    m_capacitorScale = new CapacitorScalePanel(stack);
    m_capacitorsSeriesParallel = new CapacitorSeriesParallelPanel(stack);
    m_capacitorDropper = new CapacitorDropperPanel(stack);
    m_ohmsLaw = new OhmsLawPanel(stack);
    m_frequencyConversions = new FrequencyConversionPanel(stack);
    m_resonance = new ResonancePanel(stack);
    m_coilFrequency = new CoilFrequencyPanel(stack);
    m_reactance = new ReactancePanel(stack);
    const std::pair<CalculatorPanel*, const char*> pages[] = {
        {m_notes, "MemoNotes.htm"},
        {m_images, "LoadImages.htm"},
        {m_schematicGeneral, "SchematicSymbols.htm"},
        {m_schematicLogicGates, "SchematicSymbols.htm"},
        {m_schematicValves, "SchematicSymbols.htm"},
        {m_schematicConnectors, "SchematicSymbols.htm"},
        {m_resistorsSeriesParallel, "ResistorsSeriesParallel.htm"},
        {m_resistorDropper, "ResistorInLineDropper.htm"},
        {m_capacitorDigitValues, "CapacitorDigitValues.htm"},
        {m_capacitorColourCodes, "CapacitorColourBands.htm"},
        {m_capacitorScale, "CapacitorScaleComparisons.htm"},
        {m_capacitorsSeriesParallel, "CapacitorsSeriesParallel.htm"},
        {m_capacitorDropper, "CapacitorInLineDropper.htm"},
        {m_ohmsLaw, "OhmsLawPower.htm"},
        {m_frequencyConversions, "FrequencyConversions.htm"},
        {m_resonance, "FrequencyResonance.htm"},
        {m_coilFrequency, "FrequencyCoil.htm"},
        {m_reactance, "GeneralReactance.htm"},
    };
    for (const auto& [panel, page] : pages)
        panel->setHelpPage(QString::fromLatin1(page));

    // The stack keeps the panels in the program's own order, the colour-band
    // panel (made first) among them.
    CalculatorPanel* const order[] = {m_disclaimer,
                                      m_notes,
                                      m_images,
                                      m_schematicGeneral,
                                      m_schematicLogicGates,
                                      m_schematicValves,
                                      m_schematicConnectors,
                                      m_colourBands,
                                      m_resistorsSeriesParallel,
                                      m_resistorDropper,
                                      m_capacitorDigitValues,
                                      m_capacitorColourCodes,
                                      m_capacitorScale,
                                      m_capacitorsSeriesParallel,
                                      m_capacitorDropper,
                                      m_ohmsLaw,
                                      m_frequencyConversions,
                                      m_resonance,
                                      m_coilFrequency,
                                      m_reactance};
    for (int i = 0; i < int(std::size(order)); ++i) {
        if (order[i] == m_colourBands)
            continue;
        m_panels->insertWidget(i, order[i]);
        a11y::nameControlsWhenShown(order[i]);
    }
    placeBottomRowLastInTabOrder();

    connectHandOvers();
    connectSchematicWindows();

    // The start state, in the order in which the program has always set it
    // (the colour-band panel, first in that order, has its own already).
    for (CalculatorPanel* panel : std::initializer_list<CalculatorPanel*>{
             m_capacitorColourCodes, m_ohmsLaw, m_resistorsSeriesParallel, m_capacitorsSeriesParallel,
             m_capacitorDigitValues, m_capacitorScale, m_frequencyConversions, m_resonance, m_coilFrequency,
             m_reactance, m_capacitorDropper, m_images, m_notes, m_resistorDropper})
        panel->resetToStartState();
    if (auto key = settings::Key::openExisting(QString::fromLatin1(settings::kProgramKey))) {
        m_frequencyConversions->loadSettings(*key);
        key->close();
    }
}

void TFormMainApplication::connectHandOvers()
{
    connect(m_resistorDropper, &ResistorDropperPanel::colourBandsRequested, this,
            [this](const QString& ohms) {
                // The colour-band panel comes to the front even when the value is
                // rejected there, so the user sees why.
                handOver(m_colourBands, [this, ohms] { m_colourBands->findNearestBands(ohms); });
            });
    connect(m_resistorDropper, &ResistorDropperPanel::heatDissipationRequested, this,
            [this](const QString& amps, const QString& ohms) {
                handOver(m_ohmsLaw,
                         [this, amps, ohms] { m_ohmsLaw->calculateFromCurrentAndResistance(amps, ohms); });
            });
    // The capacitor code and dropper panels hand their values to the scale
    // sheet, which comes to the front even when it rejects the value.
    const auto toScaleSheet = [this](capacitance::Unit unit, const QString& text) {
        handOver(m_capacitorScale,
                 [this, unit, text] { m_capacitorScale->convertHandedOverValue(unit, text); });
    };
    connect(m_capacitorDigitValues, &CapacitorDigitPanel::sendToScaleSheet, this, toScaleSheet);
    connect(m_capacitorColourCodes, &CapacitorColourPanel::sendToScaleSheet, this, toScaleSheet);
    connect(m_capacitorDropper, &CapacitorDropperPanel::sendToScaleSheet, this, toScaleSheet);
}

template <typename Window>
void TFormMainApplication::showSchematicWindow(std::unique_ptr<SchematicWindow>& window)
{
    if (!window)
        window = std::make_unique<Window>();
    window->showInFront();
}

void TFormMainApplication::connectSchematicWindows()
{
    const auto opens = [this](SchematicPanel* panel, const std::function<void()>& show) {
        connect(panel, &SchematicPanel::separateWindowRequested, this, [this, show] { guarded(show); });
    };
    opens(m_schematicGeneral, [this] { showSchematicWindow<TFormSchematicGeneral>(m_formSchematicGeneral); });
    opens(m_schematicLogicGates,
          [this] { showSchematicWindow<TFormSchematicLogicGates>(m_formSchematicLogicGates); });
    opens(m_schematicValves, [this] { showSchematicWindow<TFormSchematicValves>(m_formSchematicValves); });
    opens(m_schematicConnectors, [this] {
        showSchematicWindow<TFormSchematicConnectorsSwitchesRelays>(m_formSchematicConnectorsSwitchesRelays);
    });
}

void TFormMainApplication::handOver(CalculatorPanel* target, const std::function<void()>& operation)
{
    runGuarded(this, [&] {
        operation();
        ShowPanel(target);
    });
}

void TFormMainApplication::ShowPanel(QWidget* panel)
{
    auto* page = qobject_cast<CalculatorPanel*>(panel);
    if (!page || m_panels->indexOf(page) < 0)
        return;
    m_panels->setCurrentWidget(page);
    CurrentHelpPage = page->helpPage();
    if (TreeViewTopicSelect->topLevelItemCount() > 0)
        highlightTopicOf(page);
}

QWidget* TFormMainApplication::frontPanel() const
{
    return m_panels->currentWidget();
}
