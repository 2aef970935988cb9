#include "tests/monkey/monkey.h"

#include "tests/support/recorders.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace {

// A dialog gets this many actions before the monkey closes it itself.
constexpr int kStepsPerDialog = 12;

const char* const kSpecialTexts[] = {
    "",
    " ",
    "   ",
    "0",
    "-0",
    "00000",
    "1",
    "-1",
    "12",
    "0.5",
    ".5",
    "5.",
    "1,5",
    "1 000",
    "+7",
    "--3",
    "1e308",
    "1.7976931348623157e308",
    "1.8e308",
    "-1.8e308",
    "1e400",
    "1e-400",
    "4.9e-324",
    "2.2250738585072014e-308",
    "1e99999999999999999999",
    "-1e-99999999999999999999",
    "1e",
    "e5",
    "1e+",
    "0x1p3",
    "inf",
    "-inf",
    "nan",
    "NAN",
    "Infinity",
    "1/3",
    "12abc",
    "abc",
    "Red",
    "Green",
    "G",
    "No band",
    "Gold",
    "Silver",
    "%s%n%d",
    "\\",
    "\"",
    "'",
};

const char16_t* const kOtherScripts[] = {
    u"\u00b5F",      // micro farad
    u"\u03a9",       // ohm sign
    u"\u2126",       // ohm as a symbol
    u"\u0661\u0662", // Arabic-Indic digits
    u"\u0968",       // Devanagari two
    u"\u65e5\u672c", // CJK
    u"e\u0301",      // combining accent
    u"\u200b",       // zero-width space
    u"\u202e12",     // right-to-left override
    u"\ufffd",       // replacement character
    u"\u00a0",       // no-break space
    u"\U0001f600",   // outside the basic plane
    u"\u2212"
    u"5",      // minus sign
    u"\uff11", // full-width one
};

bool isWindowLike(const QWidget* w)
{
    const Qt::WindowType type = w->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

QPoint somewhereIn(const QWidget* w, std::mt19937_64& random)
{
    const int width = qMax(1, w->width()), height = qMax(1, w->height());
    return {std::uniform_int_distribution<int>(0, width - 1)(random),
            std::uniform_int_distribution<int>(0, height - 1)(random)};
}

} // namespace

Monkey::Monkey(QWidget* main, FileDialogStub& files, const QString& folder, quint64 seed, Limits limits)
    : m_main(main), m_files(files), m_folder(folder), m_random(seed), m_limits(limits)
{
}

int Monkey::run()
{
    m_clock.start();
    QTimer::singleShot(0, this, [this] { step(); });
    m_loop.exec();
    return m_done;
}

QString Monkey::summary() const
{
    QStringList parts;
    for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it)
        parts.append(QStringLiteral("%1 %2").arg(it.key()).arg(it.value()));
    return parts.join(QStringLiteral(", "));
}

void Monkey::step()
{
    if (m_finishing)
        return;
    if (m_done >= m_limits.events || m_clock.elapsed() > qint64(m_limits.seconds) * 1000) {
        m_finishing = true;
        finish();
        return;
    }
    ++m_done;
    // The next action is queued first: if this one opens a modal dialog, the
    // next runs inside the dialog's own event loop.
    QTimer::singleShot(0, this, [this] { step(); });
    act();
}

void Monkey::finish()
{
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        QTimer::singleShot(0, this, [this] { finish(); });
        return;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (!closeDialog(modal)) {
            m_faults.append(QStringLiteral("a dialog that cannot be closed: ") + modal->windowTitle());
            modal->hide();
        }
        QTimer::singleShot(0, this, [this] { finish(); });
        return;
    }
    m_loop.quit();
}

bool Monkey::closeDialog(QWidget* dialog)
{
    if (auto* d = qobject_cast<QDialog*>(dialog)) {
        d->reject();
        return true;
    }
    return dialog->close();
}

QWidget* Monkey::targetWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal != m_dialog) {
            m_dialog = modal;
            m_stepsInDialog = 0;
        }
        return modal;
    }
    m_dialog = nullptr;
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && isWindowLike(w))
            windows.append(w);
    if (windows.isEmpty())
        return nullptr;
    // In a fixed order, so that a seed replays the same run.
    std::sort(windows.begin(), windows.end(), [](const QWidget* a, const QWidget* b) {
        return std::make_pair(QString::fromLatin1(a->metaObject()->className()), a->objectName()) <
               std::make_pair(QString::fromLatin1(b->metaObject()->className()), b->objectName());
    });
    // The main window most of the time, another open window now and then.
    if (m_main && m_main->isVisible() && chance(85))
        return m_main;
    return windows.at(below(int(windows.size())));
}

template <typename W> QList<W*> Monkey::reachable(QWidget* window) const
{
    QList<W*> out;
    for (W* w : window->findChildren<W*>())
        if (w->isVisible() && w->isEnabled() && w->window() == window)
            out.append(w);
    return out;
}

void Monkey::act()
{
    offerFileChoice();
    if (QWidget* popup = QApplication::activePopupWidget()) {
        usePopup(popup);
        return;
    }
    if (m_main && !m_main->isVisible() && !QApplication::activeModalWidget()) {
        // The monkey closed the program's window; open it again and go on.
        ++m_counts[QStringLiteral("reopen")];
        m_main->show();
        return;
    }
    QWidget* window = targetWindow();
    if (!window)
        return;
    if (qobject_cast<QMessageBox*>(window) || qobject_cast<QFileDialog*>(window)) {
        m_faults.append(QStringLiteral("a box or file dialog outside the program's seams: ") +
                        window->windowTitle());
        closeDialog(window);
        return;
    }
    if (window == m_dialog && ++m_stepsInDialog > kStepsPerDialog) {
        ++m_counts[QStringLiteral("dialog closed")];
        closeDialog(window);
        return;
    }
    const int roll = below(100);
    if (roll < 20)
        clickButton(window);
    else if (roll < 34)
        chooseTopic(window);
    else if (roll < 56)
        typeText(window);
    else if (roll < 68)
        chooseFromList(window);
    else if (roll < 82)
        pressKey(window);
    else if (roll < 94)
        clickAnywhere(window);
    else
        moveSlider(window);
}

void Monkey::clickButton(QWidget* window)
{
    QList<QAbstractButton*> buttons = reachable<QAbstractButton>(window);
    if (buttons.isEmpty())
        return;
    // Mostly the buttons of the panel in front rather than the window's own
    // (About, Options, Help, Exit), which are always there.
    QList<QAbstractButton*> inner;
    for (QAbstractButton* b : buttons)
        if (b->parentWidget() != window)
            inner.append(b);
    if (!inner.isEmpty() && chance(75))
        buttons = inner;
    ++m_counts[QStringLiteral("button")];
    QAbstractButton* button = buttons.at(below(int(buttons.size())));
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void Monkey::chooseTopic(QWidget* window)
{
    QList<QTreeWidget*> trees = reachable<QTreeWidget>(window);
    if (trees.isEmpty())
        return clickButton(window);
    QTreeWidget* tree = trees.first();
    QList<QTreeWidgetItem*> items;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        items.append(*it);
    if (items.isEmpty())
        return;
    ++m_counts[QStringLiteral("topic")];
    // Any topic: its categories are opened first, as the user would.
    QTreeWidgetItem* item = items.at(below(int(items.size())));
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent())
        p->setExpanded(true);
    tree->scrollToItem(item);
    const QRect r = tree->visualItemRect(item);
    if (chance(80))
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    else // the expand arrow, or a double click on the text
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}

QString Monkey::randomText()
{
    QString text;
    const int pieces = 1 + below(chance(10) ? 6 : 2);
    for (int i = 0; i < pieces; ++i) {
        const int kind = below(10);
        if (kind < 4) {
            // A number in any of the forms a user might write it.
            const double mantissa = std::uniform_real_distribution<double>(-1000, 1000)(m_random);
            const int exponent = below(700) - 350;
            switch (below(4)) {
            case 0:
                text += QString::number(qint64(mantissa));
                break;
            case 1:
                text += QString::number(mantissa, 'f', below(8));
                break;
            case 2:
                text += QString::number(mantissa, 'g', 1 + below(17)) + u'e' + QString::number(exponent);
                break;
            default:
                text += QString::number(std::abs(mantissa), 'g', 1 + below(17));
            }
        } else if (kind < 8) {
            text += QString::fromUtf8(kSpecialTexts[below(int(std::size(kSpecialTexts)))]);
        } else if (kind < 9) {
            text += QString::fromUtf16(kOtherScripts[below(int(std::size(kOtherScripts)))]);
        } else {
            // A long run, past every field's limit.
            text += QString(100 + below(200), QChar(u"9e. -"[below(5)]));
        }
    }
    return text;
}

void Monkey::typeText(QWidget* window)
{
    QList<QLineEdit*> fields = reachable<QLineEdit>(window);
    if (fields.isEmpty())
        return pressKey(window);
    ++m_counts[QStringLiteral("text")];
    QLineEdit* field = fields.at(below(int(fields.size())));
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, field->rect().center());
    if (chance(70))
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    const QString text = randomText();
    bool typable = true;
    for (QChar c : text)
        typable = typable && c.unicode() >= 0x20 && c.unicode() < 0x7f;
    // Plain characters are typed key by key; anything else is pasted.
    if (typable && text.size() < 40)
        QTest::keyClicks(field, text);
    else
        field->insert(text);
    if (chance(40))
        QTest::keyClick(field, chance(50) ? Qt::Key_Return : Qt::Key_Enter);
}

void Monkey::chooseFromList(QWidget* window)
{
    QList<QComboBox*> lists = reachable<QComboBox>(window);
    if (lists.isEmpty())
        return clickAnywhere(window);
    ++m_counts[QStringLiteral("list")];
    QComboBox* list = lists.at(below(int(lists.size())));
    if (chance(30)) {
        // Open the drop-down; a later action picks from it or closes it.
        QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier,
                          QPoint(list->width() - 6, list->height() / 2));
        return;
    }
    list->setFocus(Qt::MouseFocusReason);
    const int presses = 1 + below(4);
    const Qt::Key key = chance(50) ? Qt::Key_Down : Qt::Key_Up;
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(list, key);
}

void Monkey::pressKey(QWidget* window)
{
    static const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::NoModifier},
        {Qt::Key_Tab, Qt::NoModifier},    {Qt::Key_Backtab, Qt::ShiftModifier},
        {Qt::Key_Space, Qt::NoModifier},  {Qt::Key_F1, Qt::NoModifier},
        {Qt::Key_Up, Qt::NoModifier},     {Qt::Key_Down, Qt::NoModifier},
        {Qt::Key_PageUp, Qt::NoModifier}, {Qt::Key_PageDown, Qt::NoModifier},
        {Qt::Key_Home, Qt::NoModifier},   {Qt::Key_End, Qt::NoModifier},
        {Qt::Key_Delete, Qt::NoModifier}, {Qt::Key_Backspace, Qt::NoModifier},
        {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_A, Qt::ControlModifier},
        {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_Escape, Qt::NoModifier},
        {Qt::Key_Q, Qt::ControlModifier},
    };
    // Closing keys (Escape, Ctrl+Q) are rarer than the others.
    auto [key, modifiers] = keys[below(int(std::size(keys)))];
    if ((key == Qt::Key_Escape || key == Qt::Key_Q) && chance(70))
        key = Qt::Key_Tab, modifiers = Qt::NoModifier;
    if (key == Qt::Key_V && chance(50))
        QApplication::clipboard()->setText(randomText());
    ++m_counts[QStringLiteral("key")];
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
}

void Monkey::clickAnywhere(QWidget* window)
{
    QList<QWidget*> widgets = reachable<QWidget>(window);
    widgets.append(window);
    ++m_counts[QStringLiteral("click")];
    QWidget* w = widgets.at(below(int(widgets.size())));
    const QPoint at = somewhereIn(w, m_random);
    if (chance(10))
        QTest::mouseClick(w, Qt::RightButton, Qt::NoModifier, at);
    else if (chance(15))
        QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, at);
    else
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
}

void Monkey::moveSlider(QWidget* window)
{
    QList<QAbstractSlider*> sliders = reachable<QAbstractSlider>(window);
    if (sliders.isEmpty())
        return clickAnywhere(window);
    ++m_counts[QStringLiteral("slider")];
    QAbstractSlider* slider = sliders.at(below(int(sliders.size())));
    static const Qt::Key keys[] = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                   Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};
    if (chance(50))
        QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, somewhereIn(slider, m_random));
    else
        QTest::keyClick(slider, keys[below(int(std::size(keys)))]);
}

void Monkey::usePopup(QWidget* popup)
{
    ++m_counts[QStringLiteral("popup")];
    if (chance(30)) {
        QTest::keyClick(popup, Qt::Key_Escape);
        if (QApplication::activePopupWidget() == popup)
            popup->close();
        return;
    }
    QList<QWidget*> inside = popup->findChildren<QWidget*>();
    inside.append(popup);
    QWidget* w = inside.at(below(int(inside.size())));
    if (w->isVisible())
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, somewhereIn(w, m_random));
    else
        popup->close();
}

void Monkey::offerFileChoice()
{
    // One answer waits at a time; a dialog shown with none waiting is
    // cancelled by the stub.
    if (m_files.requests().size() != m_fileRequestsSeen) {
        m_fileRequestsSeen = m_files.requests().size();
        m_fileChoiceQueued = false;
    }
    if (m_fileChoiceQueued || !chance(30))
        return;
    static const char* const names[] = {
        "notes.txt",       "record.RES", "new file.txt",  "image.png",         "garbage.bmp", "empty.jpg",
        "no folder/x.txt", "",           "read only.RES", "\u00b5 \u03a9.txt",
    };
    const QString name = QString::fromUtf8(names[below(int(std::size(names)))]);
    m_files.choose(m_folder + u'/' + name);
    m_fileChoiceQueued = true;
}
