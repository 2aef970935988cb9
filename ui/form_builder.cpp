#include "ui/form_builder.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>

#include <algorithm>
#include <memory>

namespace form {

namespace {

class LazyPicture : public QWidget
{
public:
    LazyPicture(QWidget* parent, std::function<QPixmap()> draw) : QWidget(parent), m_draw(std::move(draw)) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_draw) {
            m_pixmap = m_draw();
            m_draw = nullptr;
        }
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_pixmap);
    }

private:
    std::function<QPixmap()> m_draw;
    QPixmap m_pixmap;
};

// A label that sizes itself to its text the first time it is shown, or when
// something needs its size first: labels on panels the user never opens are
// never measured. The size is the one its text had when it was made, as
// though it had been sized then; a label that was given a size meanwhile
// keeps it.
class TextLabel : public QLabel
{
public:
    explicit TextLabel(QWidget* parent) : QLabel(parent) {}

    void fitWhenShown()
    {
        // An empty text costs nothing to measure, and code that places a
        // label by its line height may read it at once.
        if (isVisible() || text().isEmpty()) {
            adjustSize();
            return;
        }
        m_fitText = text();
        m_sizeAsked = size();
        m_fitPending = true;
    }

    void fitIfPending()
    {
        if (!m_fitPending)
            return;
        m_fitPending = false;
        if (size() != m_sizeAsked)
            return;
        if (text() == m_fitText) {
            adjustSize();
            return;
        }
        const QString shown = text();
        setText(m_fitText);
        adjustSize();
        setText(shown);
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            fitIfPending();
        return QLabel::event(event);
    }

private:
    QString m_fitText;
    QSize m_sizeAsked;
    bool m_fitPending = false;
};

// A group box whose caption is given when it is first shown, or when
// something needs it first: measuring a caption is what a group box costs.
class CaptionedGroup : public QGroupBox
{
public:
    CaptionedGroup(QWidget* parent, const QString& caption) : QGroupBox(parent), m_caption(caption) {}

    void captionIfPending()
    {
        if (m_captioned)
            return;
        m_captioned = true;
        setTitle(m_caption);
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            captionIfPending();
        return QGroupBox::event(event);
    }

private:
    QString m_caption;
    bool m_captioned = false;
};

// The small clear button beside a field: a grey square with a darker edge,
// darker still while pressed, painted directly.
class ClearButton : public QPushButton
{
public:
    explicit ClearButton(QWidget* parent) : QPushButton(parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
        painter.fillRect(rect().adjusted(1, 1, -1, -1),
                         isDown() ? QColor(0xb0, 0xb0, 0xb0) : QColor(0xe8, 0xe8, 0xe8));
    }
};

// A drop-down list with editable text whose completions are set up the first
// time it takes the focus, which is before the user can type into it: lists
// on panels the user never opens cost nothing for them.
class EditableList : public QComboBox
{
public:
    explicit EditableList(QWidget* parent) : QComboBox(parent)
    {
        // The text line is given directly rather than through setEditable(),
        // which would also build the drop-down's popup at once; the popup is
        // made when it is first opened. A list gets a completer of its own
        // from its text line unless the line already has one: a shared one
        // that never completes stands in until the first focus.
        static QCompleter* const placeholder = new QCompleter(qApp);
        auto* line = new QLineEdit(this);
        line->setPalette(palette());
        line->setCompleter(placeholder);
        setLineEdit(line);
        line->setCompleter(nullptr);
    }

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        // A list made fixed (setEditable(false)) has no text to complete.
        if (lineEdit() && !completer())
            offerCompletions();
        QComboBox::focusInEvent(event);
    }

private:
    void offerCompletions()
    {
        // Lists match their items case-sensitively, so completion does too.
        // The completions are offered in a popup and never written into the
        // text: the list's text is what the user typed until a whole name is
        // typed or picked, so a half-typed "G" cannot already stand for
        // "Green".
        auto* completions = new QCompleter(model(), lineEdit());
        completions->setCaseSensitivity(Qt::CaseSensitive);
        completions->setCompletionMode(QCompleter::PopupCompletion);
        setCompleter(completions);
    }
};

// An area that runs its painting function on every paint (see paintedArea()).
class PaintedArea : public QWidget
{
public:
    PaintedArea(QWidget* parent, std::function<void(QPainter&)> paint)
        : QWidget(parent), m_paint(std::move(paint))
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_paint(painter);
    }

private:
    std::function<void(QPainter&)> m_paint;
};

// A result the user can take away: Tab reaches it once it shows a value and
// selects it whole, and Ctrl+C or the context menu's Copy take the selected
// part, or the whole value when nothing is selected.
class ResultText : public TextLabel
{
public:
    explicit ResultText(QWidget* parent) : TextLabel(parent)
    {
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        const bool byTab = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
        if (byTab && text().isEmpty()) {
            // Nothing to read or copy yet: Tab goes on past it.
            focusNextPrevChild(event->reason() == Qt::TabFocusReason);
            return;
        }
        QLabel::focusInEvent(event);
        if (byTab)
            setSelection(0, int(text().size()));
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Copy)) {
            copy();
            event->accept();
            return;
        }
        QLabel::keyPressEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent* event) override
    {
        auto* menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        QAction* copyAction = menu->addAction(QStringLiteral("&Copy"), this, [this] { copy(); });
        copyAction->setShortcut(QKeySequence::Copy);
        copyAction->setEnabled(!text().isEmpty());
        QAction* selectAll = menu->addAction(QStringLiteral("Select &All"), this,
                                             [this] { setSelection(0, int(text().size())); });
        selectAll->setEnabled(!text().isEmpty());
        menu->popup(event->globalPos());
        event->accept();
    }

private:
    void copy()
    {
        if (text().isEmpty())
            return;
        // A selection across lines comes back with paragraph separators.
        QString copied = hasSelectedText() ? selectedText() : text();
        copied.replace(QChar::ParagraphSeparator, u'\n');
        QGuiApplication::clipboard()->setText(copied);
    }
};

template <typename W> W* make(QWidget* parent, const char* name)
{
    auto* w = new W(parent);
    if (name && *name)
        w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

QGroupBox* group(QWidget* parent, const char* name, int x, int y, int w, int h, const QString& caption)
{
    auto* g = new CaptionedGroup(parent, caption);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(x, y, w, h);
    return g;
}

QLabel* label(QWidget* parent, const char* name, int x, int y, const QString& text)
{
    auto* l = make<TextLabel>(parent, name);
    l->setText(text);
    l->setTextFormat(Qt::PlainText);
    l->move(x, y);
    l->fitWhenShown();
    return l;
}

void fitToText(QLabel* label)
{
    if (auto* lazy = dynamic_cast<TextLabel*>(label))
        lazy->fitWhenShown();
    else
        label->adjustSize();
}

void measureNow(QWidget* root)
{
    for (QGroupBox* group : root->findChildren<QGroupBox*>())
        if (auto* lazy = dynamic_cast<CaptionedGroup*>(group))
            lazy->captionIfPending();
    for (QLabel* label : root->findChildren<QLabel*>())
        if (auto* lazy = dynamic_cast<TextLabel*>(label))
            lazy->fitIfPending();
}

QLabel* textBlock(QWidget* parent, const char* name, int x, int y, int w, int h, const QString& text)
{
    auto* l = make<QLabel>(parent, name);
    l->setText(text);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(x, y, w, h);
    return l;
}

QLabel* instruction(QWidget* parent, const char* name, int x, int y, int w, int h, const QString& text)
{
    QLabel* l = textBlock(parent, name, x, y, w, h, text);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, kInstructionColour);
    l->setPalette(pal);
    return l;
}

QLabel* resultLabel(QWidget* parent, const char* name, int x, int y)
{
    auto* l = make<ResultText>(parent, name);
    l->setTextFormat(Qt::PlainText);
    l->move(x, y);
    l->fitWhenShown();
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, kResultColour);
    l->setPalette(pal);
    return l;
}

QLineEdit* field(QWidget* parent, const char* name, int x, int y, int w, const QString& hint, int maxLength)
{
    auto* f = make<QLineEdit>(parent, name);
    f->setGeometry(x, y, w, 21);
    f->setMaxLength(maxLength);
    f->setToolTip(hint);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Base, QToolTip::palette().color(QPalette::ToolTipBase));
    pal.setColor(QPalette::Text, QToolTip::palette().color(QPalette::ToolTipText));
    f->setPalette(pal);
    // A value the program writes (a result, a hand-over) is shown from its
    // first digit: QLineEdit leaves the cursor after the last character, so
    // a value wider than the field would show only its end. What the user
    // types keeps the cursor where the typing is.
    auto typed = std::make_shared<bool>(false);
    QObject::connect(f, &QLineEdit::textEdited, f, [typed] { *typed = true; });
    QObject::connect(f, &QLineEdit::textChanged, f, [f, typed] {
        if (!*typed)
            f->setCursorPosition(0);
        *typed = false;
    });
    return f;
}

QPushButton* button(QWidget* parent, const char* name, int x, int y, int w, int h, const QString& caption,
                    const QString& hint)
{
    auto* b = make<QPushButton>(parent, name);
    b->setText(caption);
    b->setGeometry(x, y, w, h);
    b->setAutoDefault(false);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}

QPushButton* clearButton(QWidget* parent, const char* name, int x, int y)
{
    auto* b = make<ClearButton>(parent, name);
    b->setGeometry(x, y, 9, 9);
    b->setAutoDefault(false);
    b->setToolTip(QStringLiteral("Clear this field"));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QWidget* picture(QWidget* parent, const char* name, const QRect& geometry, std::function<QPixmap()> draw)
{
    auto* w = new LazyPicture(parent, std::move(draw));
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    return w;
}

QWidget* paintedArea(QWidget* parent, const char* name, const QRect& geometry,
                     std::function<void(QPainter&)> paint)
{
    auto* w = new PaintedArea(parent, std::move(paint));
    // It paints every pixel, so what lies under it is never painted.
    w->setAttribute(Qt::WA_OpaquePaintEvent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    return w;
}

QRadioButton* radio(QWidget* parent, const char* name, int x, int y, int w, const QString& caption)
{
    auto* r = make<QRadioButton>(parent, name);
    r->setText(caption);
    r->setGeometry(x, y, w, 17);
    return r;
}

QComboBox* comboBox(QWidget* parent, const char* name, int x, int y, int w, const QStringList& items,
                    const QString& initialText, const QString& hint)
{
    QComboBox* c = make<EditableList>(parent, name);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    c->setGeometry(x, y, w, 21);
    c->setToolTip(hint);
    const int index = c->findText(initialText, Qt::MatchExactly | Qt::MatchCaseSensitive);
    c->setCurrentIndex(index);
    if (index < 0) // an item chosen has put its text in the line already
        c->setEditText(initialText);
    return c;
}

QComboBox* fixedList(QWidget* parent, const char* name, int x, int y, int w, const QStringList& items,
                     const QString& initialText, const QString& hint)
{
    auto* c = make<QComboBox>(parent, name);
    c->addItems(items);
    c->setCurrentIndex(std::max(0, int(items.indexOf(initialText))));
    c->setGeometry(x, y, w, 21);
    c->setToolTip(hint);
    return c;
}

} // namespace form
