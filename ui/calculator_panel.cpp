#include "ui/calculator_panel.h"

#include "core/settings_store.h"
#include "ui/accessibility.h"

#include "ui/fault_guard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>

CalculatorPanel::CalculatorPanel(const char* objectName, QWidget* parent) : QWidget(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    resize(650, 400);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void CalculatorPanel::guarded(const std::function<void()>& handler)
{
    runGuarded(window(), handler);
}

void CalculatorPanel::connectClearButton(const char* buttonName, QLineEdit* field)
{
    auto* button = findChild<QAbstractButton*>(QString::fromLatin1(buttonName));
    Q_ASSERT(button);
    // A screen reader names the button after the field it clears.
    button->setProperty(a11y::kClearsField, QVariant::fromValue<QObject*>(field));
    connect(button, &QAbstractButton::clicked, this, [this, field] { guarded([field] { field->clear(); }); });
}

void CalculatorPanel::calculateOnEnter(std::initializer_list<QLineEdit*> fields, QAbstractButton* button)
{
    for (QLineEdit* field : fields)
        connect(field, &QLineEdit::returnPressed, button, &QAbstractButton::click);
}

void CalculatorPanel::setTabOrder(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void CalculatorPanel::loadListChoice(const settings::Key& key, const QString& valueName, QComboBox* list)
{
    const settings::Value stored = key.read(valueName);
    if (stored.type != settings::Value::Type::String)
        return;
    const int index = list->findText(stored.text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
}

bool CalculatorPanel::saveListChoice(const settings::Key& key, const QString& valueName,
                                     const QComboBox* list)
{
    return key.writeString(valueName, list->currentText());
}
