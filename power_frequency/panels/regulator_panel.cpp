#include "power_frequency/panels/regulator_panel.h"

#include "artwork/artwork.h"
#include "core/checked_math.h"
#include "core/numeric_text.h"
#include "maths/e_series.h"
#include "power_frequency/maths/regulator.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/numeric_field.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

const QString kSeriesSetting = QStringLiteral("Regulator Series");

const e_series::Series kSeries[] = {e_series::Series::E12, e_series::Series::E24, e_series::Series::E96};

// The field holds microamps; the maths work in amps.
constexpr double kMicroampsPerAmp = 1e6;

// A number for the best-pair and warning lines: a few decimals, the user's
// decimal separator.
QString shortNumber(double value, int decimals)
{
    return numeric::withDecimalSeparator(QString::number(value, 'f', decimals));
}

} // namespace

RegulatorPanel::RegulatorPanel(QWidget* parent) : CalculatorPanel("PanelRegulator", parent)
{
    buildControls();
    buildResults();
    connectControls();
}

void RegulatorPanel::buildControls()
{
    QGroupBox* g =
        form::group(this, "GroupRegulator", 8, 8, 633, 244, QStringLiteral(" Adjustable Regulator "));
    form::instruction(
        g, "LabelRegulatorInstruction", 16, 20, 600, 30,
        QStringLiteral("Input any two of R1, R2 and Vout to calculate the third; Vout alone "
                       "gives the best standard pair. Vin and the load current check the load."));
    const struct
    {
        const char* name;
        QString caption;
        const char* hint;
        QLineEdit** member;
    } fields[] = {
        {"RegulatorVref", QStringLiteral("V&ref (volts)"), "The regulator's reference voltage", &m_vref},
        {"RegulatorIadj", QString::fromUtf8("I&adj (\u00b5A)"),
         "The current out of the adjust pin (in microamps)", &m_iadj},
        {"RegulatorR1", QStringLiteral("R&1 (ohms)"), "Enter R1, from the output to the adjust pin", &m_r1},
        {"RegulatorR2", QStringLiteral("R&2 (ohms)"), "Enter R2, from the adjust pin to ground", &m_r2},
        {"RegulatorVout", QStringLiteral("V&out (volts)"), "Enter the output voltage", &m_vout},
        {"RegulatorVin", QStringLiteral("V&in (volts)"), "Enter the input voltage", &m_vin},
        {"RegulatorIload", QStringLiteral("&Load current (amps)"), "Enter the load current (in amps)",
         &m_iload},
    };
    int y = 54;
    for (const auto& f : fields) {
        form::label(g, nullptr, 16, y + 3, f.caption);
        *f.member = form::field(g, f.name, 150, y, 110, QString::fromLatin1(f.hint));
        y += 26;
    }
    form::picture(g, "ImageRegulatorCircuit", QRect(282, 48, 340, 150), &artwork::regulatorCircuit);
    form::label(g, nullptr, 290, 211, QStringLiteral("&Series"));
    QStringList names;
    for (e_series::Series series : kSeries)
        names.append(QLatin1String(e_series::name(series)));
    m_series = form::fixedList(g, "ComboRegulatorSeries", 340, 208, 62, names, QStringLiteral("E24"),
                               QStringLiteral("The standard series the best pair is chosen from"));
    m_calculate = form::button(g, "BtnRegulatorCalculate", 452, 206, 80, 25, QStringLiteral("Calculate"),
                               QStringLiteral("Calculate the missing value, the best pair and the load"));
    m_clearAll = form::button(g, "BtnRegulatorClear", 540, 206, 80, 25, QStringLiteral("Clear All"),
                              QStringLiteral("Clear all the fields and results"));
}

void RegulatorPanel::buildResults()
{
    QGroupBox* g = form::group(this, "GroupRegulatorResults", 8, 258, 633, 135, QStringLiteral(" Results "));
    form::label(g, nullptr, 16, 26, QStringLiteral("Best pair:"));
    m_bestPair = form::resultLabel(g, "RegulatorBestPair", 150, 26);
    form::label(g, nullptr, 16, 50, QStringLiteral("Dissipation (watts):"));
    m_dissipation = form::resultLabel(g, "RegulatorDissipation", 150, 50);
    m_warnings = form::textBlock(g, "LabelRegulatorWarnings", 16, 76, 600, 52, QString());
    QPalette red = m_warnings->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    m_warnings->setPalette(red);
}

void RegulatorPanel::connectControls()
{
    onClick(m_calculate, &RegulatorPanel::calculate);
    onClick(m_clearAll, &RegulatorPanel::clearAll);
    calculateOnEnter({m_vref, m_iadj, m_r1, m_r2, m_vout, m_vin, m_iload}, m_calculate);
    // A new series shows at once, for the Vout the pair was chosen for.
    connect(m_series, &QComboBox::currentIndexChanged, this, [this] { guarded([this] { showBestPair(); }); });
    setTabOrder({m_vref, m_iadj, m_r1, m_r2, m_vout, m_vin, m_iload, m_series, m_calculate, m_clearAll,
                 m_bestPair, m_dissipation});
}

void RegulatorPanel::calculate()
{
    const std::optional<double> vref =
        ReadStrictNumericField(this, m_vref, QStringLiteral("Reference Voltage"));
    if (!vref)
        return;
    const std::optional<double> microamps =
        ReadStrictNumericField(this, m_iadj, QStringLiteral("Adjust Current"));
    if (!microamps)
        return;
    const LenientReadings r = ReadNumericFields(this, {{m_r1, QStringLiteral("R1")},
                                                       {m_r2, QStringLiteral("R2")},
                                                       {m_vout, QStringLiteral("Output Voltage")},
                                                       {m_vin, QStringLiteral("Input Voltage")},
                                                       {m_iload, QStringLiteral("Load Current")}});
    if (r.errorSeen)
        return;
    auto given = [&](int i) {
        return r.fields[i].given() ? std::optional<double>(r.fields[i].value) : std::nullopt;
    };
    const int dividerCount =
        int(given(0).has_value()) + int(given(1).has_value()) + int(given(2).has_value());
    if (dividerCount > 2) {
        ui::showNote(
            this, QStringLiteral("Error"),
            QStringLiteral("Too many values have been provided.\n\nEnsure that only two values are given."));
        return;
    }
    if (dividerCount < 2 && !(dividerCount == 1 && given(2))) {
        ui::showNote(
            this, QStringLiteral("Error"),
            QStringLiteral("Not enough values have been provided.\n\nEnsure that 2 values are given, "
                           "or Vout alone for the best pair."));
        return;
    }
    const double adjustAmps = checked::div(*microamps, kMicroampsPerAmp);
    if (!valuesPossible(*vref, adjustAmps, given(0), given(1), given(2), given(3), given(4)))
        return;
    const std::optional<regulator::Divider> d =
        dividerCount == 2 ? regulator::solve(given(0), given(1), given(2), *vref, adjustAmps) : std::nullopt;
    if (dividerCount == 2 ? !d : !(r.fields[2].value > *vref)) {
        ui::showNote(this, QStringLiteral("Invalid Input Values"),
                     QStringLiteral("No resistor pair gives these values.\n\nEnsure that R1 and R2 are "
                                    "greater than zero and that Vout is above Vref."));
        return;
    }
    double vout = r.fields[2].value;
    if (d) {
        vout = d->voutVolts;
        if (!given(0))
            m_r1->setText(FormatResult(d->r1Ohms));
        else if (!given(1))
            m_r2->setText(FormatResult(d->r2Ohms));
        else
            m_vout->setText(FormatResult(vout));
    }
    m_pairRequest.reset();
    if (given(2))
        m_pairRequest = PairRequest{vout, *vref, adjustAmps};
    showBestPair();
    showLoad(vout, given(3), given(4));
}

bool RegulatorPanel::valuesPossible(double vref, double adjustAmps, std::optional<double> r1,
                                    std::optional<double> r2, std::optional<double> vout,
                                    std::optional<double> vin, std::optional<double> loadAmps)
{
    const QString title = QStringLiteral("Invalid Input Values");
    if (!(vref > 0) || !(adjustAmps >= 0)) {
        ui::showNote(this, title,
                     numeric::withDecimalSeparator(QString::fromUtf8(
                         "Vref must be greater than zero and Iadj zero or more.\n\nThe common parts hold "
                         "1.25 V across R1 and let 50 \u00b5A out of the adjust pin.")));
        return false;
    }
    if ((vin && !(*vin > 0)) || (loadAmps && !(*loadAmps > 0))) {
        ui::showNote(this, title, QStringLiteral("Vin and the load current must be greater than zero."));
        return false;
    }
    // R1 carries Vref / R1 into R2 on top of Iadj, so Iadj x R2 must stay
    // below Vout - Vref.
    if (!r1 && r2 && vout && *vout > vref && *r2 > 0 && checked::mul(adjustAmps, *r2) >= *vout - vref) {
        ui::showNote(this, title,
                     QStringLiteral("No R1 gives this Vout with this R2.\n\nThe adjust current through R2 "
                                    "alone raises the output %1 V above Vref, as far as Vout or beyond: "
                                    "choose a smaller R2.")
                         .arg(FormatResult(checked::mul(adjustAmps, *r2))));
        return false;
    }
    return true;
}

void RegulatorPanel::showBestPair()
{
    m_bestPair->clear();
    if (!m_pairRequest)
        return;
    const e_series::Series series = kSeries[std::max(0, m_series->currentIndex())];
    const std::optional<regulator::StandardPair> pair =
        regulator::bestPair(series, m_pairRequest->vout, m_pairRequest->vref, m_pairRequest->adjustAmps);
    if (!pair) {
        m_bestPair->setText(QStringLiteral("none: no pair of the series reaches this Vout"));
    } else {
        const auto ohms = [](double value) {
            QString text = QString::fromStdString(e_series::valueText(value));
            return text.back().isDigit() ? text + QString::fromUtf8(" \u2126")
                                         : text + QString::fromUtf8("\u2126");
        };
        const auto signedNumber = [](double value) {
            return (value >= 0 ? QStringLiteral("+") : QString()) + shortNumber(value, 2);
        };
        m_bestPair->setText(numeric::withDecimalSeparator(
            QStringLiteral("%1: R1 = %2, R2 = %3 give %4 V (%5 mV, %6 %)")
                .arg(QLatin1String(e_series::name(series)), ohms(pair->r1Ohms), ohms(pair->r2Ohms),
                     shortNumber(pair->voutVolts, 4), signedNumber(pair->errorVolts * 1000),
                     signedNumber(pair->errorPercent))));
    }
    m_bestPair->adjustSize();
}

void RegulatorPanel::showLoad(double vout, std::optional<double> vin, std::optional<double> loadAmps)
{
    m_dissipation->clear();
    QStringList warnings;
    if (vin) {
        const double headroom = checked::sub(*vin, vout);
        if (headroom < regulator::kDropoutVolts)
            warnings.append(QStringLiteral("Vin - Vout is %1 V: below about 3 V the regulator drops out and "
                                           "cannot hold its output.")
                                .arg(shortNumber(headroom, 2)));
        if (loadAmps && headroom > 0) {
            const double watts = regulator::dissipationWatts(*vin, vout, *loadAmps);
            m_dissipation->setText(FormatResult(watts));
            if (watts > regulator::kFreeAirWatts)
                warnings.append(
                    QStringLiteral("The regulator turns %1 W into heat: above about 1 W it needs a "
                                   "heatsink.")
                        .arg(shortNumber(watts, 2)));
        }
    }
    m_dissipation->adjustSize();
    m_warnings->setText(warnings.join(u'\n'));
}

void RegulatorPanel::clearResults()
{
    m_pairRequest.reset();
    m_bestPair->clear();
    m_dissipation->clear();
    m_warnings->clear();
}

void RegulatorPanel::clearAll()
{
    for (QLineEdit* field : {m_r1, m_r2, m_vout, m_vin, m_iload})
        field->clear();
    m_vref->setText(FormatResult(regulator::kReferenceVolts));
    m_iadj->setText(FormatResult(regulator::kAdjustAmps * kMicroampsPerAmp));
    clearResults();
}

void RegulatorPanel::loadSettings(const settings::Key& key)
{
    loadListChoice(key, kSeriesSetting, m_series);
}

bool RegulatorPanel::saveSettings(const settings::Key& key)
{
    return saveListChoice(key, kSeriesSetting, m_series);
}
