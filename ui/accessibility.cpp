#include "ui/accessibility.h"

#include "ui/form_builder.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QSlider>
#include <QVariant>

#include <algorithm>
#include <climits>

namespace a11y {

bool isInput(const QWidget* w);

namespace {

bool isResult(const QLabel* label)
{
    return label->textInteractionFlags() & Qt::TextSelectableByMouse;
}

QString captionText(const QLabel* label)
{
    QString text = label->text().simplified();
    text.remove(u'&');
    while (text.endsWith(u':') || text.endsWith(u' '))
        text.chop(1);
    return text;
}

bool canCaption(const QLabel* label, const QWidget* control)
{
    return label != control && !isResult(label) && !label->wordWrap() && !captionText(label).isEmpty();
}

// The nearest plain label on the control's line that ends before it.
QLabel* captionOnLineBefore(const QWidget* control)
{
    const QRect r = control->geometry();
    QLabel* best = nullptr;
    int bestDistance = 160;
    for (QLabel* label : control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect l = label->geometry();
        if (!canCaption(label, control) || std::abs(l.center().y() - r.center().y()) > 10 ||
            l.right() >= r.left())
            continue;
        if (r.left() - l.right() < bestDistance) {
            best = label;
            bestDistance = r.left() - l.right();
        }
    }
    return best;
}

// The plain label that captions control: one just above it that overlaps it
// sideways, or one on its line (for a result, only one before it), the
// nearest first. A result's caption stands before it on its line when there
// is one: the label above a result is most often the unit of the line above.
QLabel* captionOf(const QWidget* control, bool before)
{
    if (before) {
        if (QLabel* onItsLine = captionOnLineBefore(control))
            return onItsLine;
    }
    const QRect r = control->geometry();
    QLabel* best = nullptr;
    int bestDistance = INT_MAX;
    for (QLabel* label : control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!canCaption(label, control))
            continue;
        const QRect l = label->geometry();
        int distance = INT_MAX;
        const bool overlapsSideways = l.left() < r.right() && l.right() > r.left();
        if (overlapsSideways && l.bottom() <= r.top() + 4 && l.bottom() >= r.top() - 26)
            distance = r.top() - l.bottom();
        else if (std::abs(l.center().y() - r.center().y()) <= 10 && (!before || l.right() < r.left()))
            distance = l.right() < r.left() ? r.left() - l.right() : l.left() - r.right();
        if (distance >= 0 && distance < bestDistance && distance < 160) {
            best = label;
            bestDistance = distance;
        }
    }
    return best;
}

// Watches its page (its parent) and names the page's controls when the page
// is first shown, then goes.
class NameOnShow : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            nameControlsFromCaptions(static_cast<QWidget*>(watched));
            deleteLater();
        }
        return false;
    }
};

// A list's own edit line carries the list's name, and a clear button the
// name of the field it empties, not its group's caption.
void nameListEditorsAndClearButtons(QWidget* root)
{
    for (QComboBox* list : root->findChildren<QComboBox*>()) {
        QLineEdit* editor = list->lineEdit();
        if (!editor || !editor->accessibleName().isEmpty())
            continue;
        const QString name = list->accessibleName().isEmpty() ? list->toolTip() : list->accessibleName();
        editor->setAccessibleName(name);
        editor->setAccessibleDescription(list->accessibleDescription());
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        const auto* field = qvariant_cast<QObject*>(button->property(kClearsField));
        const auto* fieldWidget = qobject_cast<const QWidget*>(field);
        if (fieldWidget && button->accessibleName().isEmpty() && !fieldWidget->accessibleName().isEmpty())
            button->setAccessibleName(QStringLiteral("Clear ") + fieldWidget->accessibleName());
    }
}

QString groupTitleOf(const QWidget* w, const QWidget* root)
{
    for (const QWidget* p = w->parentWidget(); p && p != root; p = p->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(p))
            return group->title().simplified();
    }
    return QString();
}

// Controls of one page that a screen reader would read alike (the series and
// the parallel calculator's Calculate, two fields captioned the same) get
// their group's title, and where that does not tell them apart, their place.
void tellAlikeNamesApart(QWidget* root)
{
    QMap<QString, QList<QWidget*>> byName;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<const QAbstractButton*>(w);
        if ((!button && !isInput(w)) || !w->isVisibleTo(root))
            continue;
        QString name = w->accessibleName();
        if (name.isEmpty() && button)
            name = button->text().remove(u'&').simplified();
        if (!name.isEmpty())
            byName[name].append(w);
    }
    for (auto it = byName.cbegin(); it != byName.cend(); ++it) {
        QList<QWidget*> alike = it.value();
        if (alike.size() < 2)
            continue;
        // Numbered in reading order: by line, then from the left.
        std::sort(alike.begin(), alike.end(), [root](const QWidget* a, const QWidget* b) {
            const QPoint pa = a->mapTo(root, QPoint(0, 0));
            const QPoint pb = b->mapTo(root, QPoint(0, 0));
            return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
        });
        QMap<QString, int> perGroup;
        for (QWidget* w : alike)
            ++perGroup[groupTitleOf(w, root)];
        QMap<QString, int> counted;
        for (QWidget* w : alike) {
            const QString group = groupTitleOf(w, root);
            QString name = it.key();
            if (perGroup.value(group) > 1)
                name += u' ' + QString::number(++counted[group]);
            if (!group.isEmpty() && perGroup.size() > 1)
                name += QStringLiteral(", ") + group;
            w->setAccessibleName(name);
        }
    }
}

} // namespace

bool isInput(const QWidget* w)
{
    if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QSlider*>(w))
        return true;
    // A combo box's own edit line is named through the combo box; a disabled
    // field that takes no focus is a colour swatch, named by its panel.
    const auto* edit = qobject_cast<const QLineEdit*>(w);
    return edit && !qobject_cast<const QComboBox*>(w->parentWidget()) && edit->focusPolicy() != Qt::NoFocus;
}

bool isResultLabel(const QWidget* w)
{
    const auto* label = qobject_cast<const QLabel*>(w);
    return label && isResult(label);
}

bool isNamedInput(const QWidget* w)
{
    return isInput(w) && w->isEnabled();
}

void nameControlsFromCaptions(QWidget* root)
{
    // Captions are found by their size, which labels take when first shown.
    form::measureNow(root);
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->parentWidget())
            continue;
        if (isInput(w) && w->accessibleName().isEmpty()) {
            if (w->accessibleDescription().isEmpty() && !w->toolTip().isEmpty())
                w->setAccessibleDescription(w->toolTip());
            if (QLabel* caption = captionOf(w, false)) {
                w->setAccessibleName(captionText(caption));
                if (!caption->buddy())
                    caption->setBuddy(w);
            } else if (!w->toolTip().isEmpty()) {
                w->setAccessibleName(w->toolTip());
            }
        } else if (isResultLabel(w) && w->accessibleDescription().isEmpty()) {
            // A result's name is the value it shows; its caption says what it is.
            if (QLabel* caption = captionOf(w, true))
                w->setAccessibleDescription(captionText(caption));
        }
    }
    nameListEditorsAndClearButtons(root);
    tellAlikeNamesApart(root);
}

void nameControlsWhenShown(QWidget* page)
{
    page->installEventFilter(new NameOnShow(page));
}

} // namespace a11y
