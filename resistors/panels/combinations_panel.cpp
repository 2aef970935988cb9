#include "resistors/panels/combinations_panel.h"

#include "core/numeric_text.h"
#include "maths/e_series.h"
#include "resistors/maths/combinations.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/numeric_field.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

namespace {

const QString kSeriesValue = QStringLiteral("Combinations Series");
const QStringList kSeriesNames = {QStringLiteral("E6"), QStringLiteral("E12"), QStringLiteral("E24"),
                                  QStringLiteral("E48"), QStringLiteral("E96")};

// A list of result lines the user can take away: Ctrl+C or the context
// menu's Copy take the selected line.
class ResultList : public QListWidget
{
public:
    explicit ResultList(QWidget* parent) : QListWidget(parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Copy)) {
            copySelectedLine();
            event->accept();
            return;
        }
        QListWidget::keyPressEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent* event) override
    {
        auto* menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        QAction* copy = menu->addAction(QStringLiteral("&Copy"), this, [this] { copySelectedLine(); });
        copy->setShortcut(QKeySequence::Copy);
        copy->setEnabled(currentItem() != nullptr);
        menu->popup(event->globalPos());
        event->accept();
    }

private:
    void copySelectedLine()
    {
        if (QListWidgetItem* line = currentItem())
            QGuiApplication::clipboard()->setText(line->text());
    }
};

QCheckBox* checkBox(QWidget* parent, const char* name, int x, int y, int w, const QString& caption,
                    const QString& hint)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(x, y, w, 17);
    box->setToolTip(hint);
    box->setChecked(true);
    return box;
}

} // namespace

ResistorCombinationsPanel::ResistorCombinationsPanel(QWidget* parent)
    : CalculatorPanel("PanelResistorCombinations", parent)
{
    buildControls();
    connectControls();
}

void ResistorCombinationsPanel::buildControls()
{
    QGroupBox* g = form::group(this, "GroupCombinations", 8, 8, 633, 384,
                               QStringLiteral(" Combinations of Standard Values "));
    form::instruction(
        g, "LabelCombinationsInstruction", 16, 22, 600, 32,
        QStringLiteral("Find the standard resistors that, two or three together, come closest to "
                       "the value you need. The parts range from 1 ohm to 10 M."));
    form::label(g, nullptr, 28, 62, QStringLiteral("&Target (ohms)"));
    m_target =
        form::field(g, "CombinationTarget", 28, 80, 133, QStringLiteral("Enter the resistance you need"));
    form::label(g, nullptr, 180, 62, QStringLiteral("&Series"));
    m_series = form::fixedList(g, "ComboCombinationSeries", 180, 80, 70, kSeriesNames, QStringLiteral("E24"),
                               QStringLiteral("Choose the series of standard values"));
    m_find = form::button(g, "BtnCombinationFind", 280, 78, 100, 25, QStringLiteral("Find"),
                          QStringLiteral("Find the combinations closest to the target"));
    m_twoInSeries = checkBox(g, "CheckCombinationTwoSeries", 28, 114, 130, QStringLiteral("Two in series"),
                             QStringLiteral("Try two resistors in series"));
    m_twoInParallel =
        checkBox(g, "CheckCombinationTwoParallel", 170, 114, 140, QStringLiteral("Two in parallel"),
                 QStringLiteral("Try two resistors in parallel"));
    m_three = checkBox(g, "CheckCombinationThree", 330, 114, 270, QStringLiteral("Three in any arrangement"),
                       QStringLiteral("Try three resistors in series, in parallel and in both together"));
    m_results = new ResultList(g);
    m_results->setObjectName(QStringLiteral("ListCombinations"));
    m_results->setGeometry(28, 144, 580, 228);
    m_results->setAccessibleName(QStringLiteral("Combinations found, closest first"));
    m_results->setToolTip(QStringLiteral("The closest combinations; Ctrl+C copies the selected line"));
}

void ResistorCombinationsPanel::connectControls()
{
    onClick(m_find, &ResistorCombinationsPanel::find);
    calculateOnEnter({m_target}, m_find);
    setTabOrder({m_target, m_series, m_twoInSeries, m_twoInParallel, m_three, m_find, m_results});
}

void ResistorCombinationsPanel::resetToStartState()
{
    m_target->clear();
    m_results->clear();
    for (QCheckBox* box : {m_twoInSeries, m_twoInParallel, m_three})
        box->setChecked(true);
}

void ResistorCombinationsPanel::find()
{
    m_results->clear();
    const FieldReading target = ReadNumericField(this, m_target, QStringLiteral("Target"));
    if (target.state == FieldState::Invalid)
        return;
    if (!target.given()) {
        ui::showNote(this, QStringLiteral("Error"),
                     QStringLiteral("Not enough values have been provided.\n\nEnsure that the target value "
                                    "is given."));
        return;
    }
    if (target.value < 0) {
        ui::showNote(this, QStringLiteral("Error"),
                     QStringLiteral("The target must be greater than zero.\n\nType the resistance you need, "
                                    "in ohms."));
        return;
    }
    const combinations::Arrangements arrangements{m_twoInSeries->isChecked(), m_twoInParallel->isChecked(),
                                                  m_three->isChecked()};
    if (!arrangements.twoInSeries && !arrangements.twoInParallel && !arrangements.three) {
        ui::showNote(this, QStringLiteral("Error"),
                     QStringLiteral("No arrangement has been chosen.\n\nTick at least one arrangement to "
                                    "try."));
        return;
    }
    const auto series = e_series::Series(m_series->currentIndex());
    const std::vector<double> values = combinations::standardValues(series);
    const combinations::Reach reach = combinations::reach(values, arrangements);
    // Near the ends the closest totals still help; beyond half the smallest
    // or twice the largest they miss by half the target or more, and far
    // enough out every miss rounds alike.
    if (target.value < reach.lowest / 2 || target.value > 2 * reach.highest) {
        const auto text = [](double ohms) { return QString::fromStdString(e_series::valueText(ohms)); };
        ui::showNote(
            this, QStringLiteral("Error"),
            numeric::withDecimalSeparator(
                QStringLiteral("%1 lies too far beyond what these parts can make.\n\nThe arrangements ticked "
                               "make %2 to %3 from parts of 1 ohm to 10 M.")
                    .arg(text(target.value), text(reach.lowest), text(reach.highest))));
        return;
    }
    const std::vector<combinations::Combination> found =
        combinations::closest(values, target.value, arrangements);
    QStringList lines;
    if (combinations::isStandardValue(series, target.value)) {
        lines.append(QStringLiteral("%1 is itself an %2 value: one resistor is enough")
                         .arg(QString::fromStdString(e_series::valueText(target.value)),
                              QLatin1String(e_series::name(series))));
    }
    for (const combinations::Combination& c : found)
        lines.append(QString::fromStdString(combinations::describe(c, target.value)));
    for (const QString& line : std::as_const(lines))
        m_results->addItem(numeric::withDecimalSeparator(line));
    if (m_results->count() > 0)
        m_results->setCurrentRow(0);
}

void ResistorCombinationsPanel::loadSettings(const settings::Key& key)
{
    loadListChoice(key, kSeriesValue, m_series);
}

bool ResistorCombinationsPanel::saveSettings(const settings::Key& key)
{
    return saveListChoice(key, kSeriesValue, m_series);
}
