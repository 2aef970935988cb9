#include "app/panel_table.h"

#include "app/schematic_window.h"
#include "app/shell_panels.h"
#include "capacitors/panels/capacitor_colour_panel.h"
#include "capacitors/panels/capacitor_digit_panel.h"
#include "capacitors/panels/capacitor_dropper_panel.h"
#include "capacitors/panels/capacitor_scale_panel.h"
#include "capacitors/panels/series_parallel_panel.h"
#include "images/image_panel.h"
#include "notes/notes_panel.h"
#include "power_frequency/panels/frequency_conversion_panel.h"
#include "power_frequency/panels/ohms_law_panel.h"
#include "power_frequency/panels/rc_time_panel.h"
#include "power_frequency/panels/reactance_panel.h"
#include "power_frequency/panels/regulator_panel.h"
#include "power_frequency/panels/resonance_panels.h"
#include "power_frequency/panels/timer555_panel.h"
#include "resistors/panels/colour_band_panel.h"
#include "resistors/panels/combinations_panel.h"
#include "resistors/panels/divider_panel.h"
#include "resistors/panels/dropper_panel.h"
#include "resistors/panels/series_parallel_panel.h"
#include "resistors/panels/smd_codes_panel.h"

#include <array>

namespace {

template <typename Panel> CalculatorPanel* make(QWidget* parent)
{
    return new Panel(parent);
}

template <typename Window> std::unique_ptr<SchematicWindow> makeWindow()
{
    return std::make_unique<Window>();
}

// The four symbol sheets, each with the window it opens on its own.
const SchematicPanel::Sheet kSheets[] = {
    {"PanelSchematicSymbolsGeneral", "Schematic Symbols - General", artwork::SymbolSheet::General,
     "BtnOpenSchematicGeneral", &makeWindow<TFormSchematicGeneral>},
    {"PanelSchematicSymbolsLogicGates", "Schematic Symbols - Logic Gates", artwork::SymbolSheet::LogicGates,
     "BtnOpenSchematicLogicGates", &makeWindow<TFormSchematicLogicGates>},
    {"PanelSchematicSymbolsValves", "Schematic Symbols - Valves (tubes)", artwork::SymbolSheet::Valves,
     "BtnOpenSchematicValvesTubes", &makeWindow<TFormSchematicValves>},
    {"PanelSchematicSymbolsConnectorsSwitchesRelays", "Schematic Symbols - Connectors, Switches and Relays",
     artwork::SymbolSheet::ConnectorsSwitchesRelays, "BtnOpenSchematicConnectorsSwitchesRelays",
     &makeWindow<TFormSchematicConnectorsSwitchesRelays>},
};

template <int Sheet> CalculatorPanel* schematic(QWidget* parent)
{
    return new SchematicPanel(kSheets[Sheet], parent);
}

// The order in which panels get their start state is the one the program
// has always used; the colour-band panel, in front, gets its own first.
const std::array<PanelTopic, 26> kTopics = {{
    {{"Resistors", "Colour Bands"}, &make<ColourBandPanel>, "ResistorColourBands.htm", 0, true},
    {{"Resistors", "Series/Parallel"}, &make<ResistorSeriesParallelPanel>, "ResistorsSeriesParallel.htm", 3},
    {{"Resistors", "In-line Dropper"}, &make<ResistorDropperPanel>, "ResistorInLineDropper.htm", 14},
    {{"Resistors", "SMD Codes"}, &make<ResistorSmdCodesPanel>, "ResistorSmdCodes.htm", 15},
    {{"Resistors", "Voltage Divider"}, &make<VoltageDividerPanel>, "ResistorDivider.htm", 16},
    {{"Resistors", "Combinations"}, &make<ResistorCombinationsPanel>, "ResistorCombinations.htm", 17},
    {{"Capacitors", "In-line Dropper"}, &make<CapacitorDropperPanel>, "CapacitorInLineDropper.htm", 11},
    {{"Capacitors", "Scale Compare"}, &make<CapacitorScalePanel>, "CapacitorScaleComparisons.htm", 6},
    {{"Capacitors", "Series/Parallel"},
     &make<CapacitorSeriesParallelPanel>,
     "CapacitorsSeriesParallel.htm",
     4},
    {{"Capacitors", "Values", "Colour Codes"}, &make<CapacitorColourPanel>, "CapacitorColourBands.htm", 1},
    {{"Capacitors", "Values", "Digit Values"}, &make<CapacitorDigitPanel>, "CapacitorDigitValues.htm", 5},
    {{"General", "Ohms Law/Power"}, &make<OhmsLawPanel>, "OhmsLawPower.htm", 2},
    {{"General", "Reactance"}, &make<ReactancePanel>, "GeneralReactance.htm", 10},
    {{"General", "555 Timer"}, &make<Timer555Panel>, "Timer555.htm", 18},
    {{"General", "Regulator"}, &make<RegulatorPanel>, "Regulator.htm", 19},
    {{"General", "RC Time Constant"}, &make<RcTimeConstantPanel>, "RcTimeConstant.htm", 20},
    {{"Frequencies", "Coil Frequency"}, &make<CoilFrequencyPanel>, "FrequencyCoil.htm", 9},
    {{"Frequencies", "Conversions"}, &make<FrequencyConversionPanel>, "FrequencyConversions.htm", 7},
    {{"Frequencies", "Resonance"}, &make<ResonancePanel>, "FrequencyResonance.htm", 8},
    {{"Schematic Symbols", "General"}, &schematic<0>, "SchematicSymbols.htm", -1},
    {{"Schematic Symbols", "Logic Gates"}, &schematic<1>, "SchematicSymbols.htm", -1},
    {{"Schematic Symbols", "Valves and Tubes"}, &schematic<2>, "SchematicSymbols.htm", -1},
    {{"Schematic Symbols", "Connectors etc."}, &schematic<3>, "SchematicSymbols.htm", -1},
    {{"Memo Notes"}, &make<NotesPanel>, "MemoNotes.htm", 13},
    {{"Load Images"}, &make<ImageViewerPanel>, "LoadImages.htm", 12},
    {{"Disclaimer"}, &make<DisclaimerPanel>, "", -1},
}};

template <typename Panel> Panel* find(const QList<CalculatorPanel*>& panels)
{
    for (CalculatorPanel* panel : panels) {
        if (auto* found = qobject_cast<Panel*>(panel))
            return found;
    }
    return nullptr;
}

} // namespace

std::span<const PanelTopic> panelTopics()
{
    return kTopics;
}

void connectHandOvers(const QList<CalculatorPanel*>& panels, QObject* context, const HandOverRunner& run)
{
    auto* colourBands = find<ColourBandPanel>(panels);
    auto* ohmsLaw = find<OhmsLawPanel>(panels);
    auto* resistorDropper = find<ResistorDropperPanel>(panels);
    // The dropper and the SMD code reader hand their resistance to the colour
    // bands. The target comes to the front even when it rejects the value, so
    // the user sees why.
    QObject::connect(
        resistorDropper, &ResistorDropperPanel::colourBandsRequested, context,
        [=](const QString& ohms) { run(colourBands, [=] { colourBands->findNearestBands(ohms); }); });
    QObject::connect(
        find<ResistorSmdCodesPanel>(panels), &ResistorSmdCodesPanel::colourBandsRequested, context,
        [=](const QString& ohms) { run(colourBands, [=] { colourBands->findNearestBands(ohms); }); });
    QObject::connect(resistorDropper, &ResistorDropperPanel::heatDissipationRequested, context,
                     [=](const QString& amps, const QString& ohms) {
                         run(ohmsLaw, [=] { ohmsLaw->calculateFromCurrentAndResistance(amps, ohms); });
                     });
    // The capacitor code and dropper panels hand their values to the scale
    // sheet.
    auto* scale = find<CapacitorScalePanel>(panels);
    const auto toScaleSheet = [=](capacitance::Unit unit, const QString& text) {
        run(scale, [=] { scale->convertHandedOverValue(unit, text); });
    };
    QObject::connect(find<CapacitorDigitPanel>(panels), &CapacitorDigitPanel::sendToScaleSheet, context,
                     toScaleSheet);
    QObject::connect(find<CapacitorColourPanel>(panels), &CapacitorColourPanel::sendToScaleSheet, context,
                     toScaleSheet);
    QObject::connect(find<CapacitorDropperPanel>(panels), &CapacitorDropperPanel::sendToScaleSheet, context,
                     toScaleSheet);
}
