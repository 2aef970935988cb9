#include "shell/form_builder.h"

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

// A result the user can take away: Tab reaches it once it shows a value and
// selects it whole, and Ctrl+C or the context menu's Copy take the selected
// part, or the whole value when nothing is selected.
class ResultText : public QLabel
{
public:
    explicit ResultText(QWidget* parent) : QLabel(parent)
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
    auto* g = make<QGroupBox>(parent, name);
    g->setTitle(caption);
    g->setGeometry(x, y, w, h);
    return g;
}

QLabel* label(QWidget* parent, const char* name, int x, int y, const QString& text)
{
    auto* l = make<QLabel>(parent, name);
    l->setText(text);
    l->setTextFormat(Qt::PlainText);
    l->move(x, y);
    l->adjustSize();
    return l;
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
    l->adjustSize();
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
    QPushButton* b = button(parent, name, x, y, 9, 9, QString(), QStringLiteral("Clear this field"));
    b->setFocusPolicy(Qt::NoFocus);
    b->setStyleSheet(QStringLiteral("QPushButton { border: 1px solid #808080; background: #e8e8e8; }"
                                    "QPushButton:pressed { background: #b0b0b0; }"));
    return b;
}

QWidget* picture(QWidget* parent, const char* name, const QRect& geometry, std::function<QPixmap()> draw)
{
    auto* w = new LazyPicture(parent, std::move(draw));
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
    auto* c = make<QComboBox>(parent, name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    // Lists match their items case-sensitively, so completion does too. The
    // completions are offered in a popup and never written into the text:
    // the list's text is what the user typed until a whole name is typed or
    // picked, so a half-typed "G" cannot already stand for "Green".
    c->completer()->setCaseSensitivity(Qt::CaseSensitive);
    c->completer()->setCompletionMode(QCompleter::PopupCompletion);
    c->addItems(items);
    c->setGeometry(x, y, w, 21);
    c->setToolTip(hint);
    const int index = c->findText(initialText, Qt::MatchExactly | Qt::MatchCaseSensitive);
    c->setCurrentIndex(index);
    c->setEditText(initialText);
    return c;
}

} // namespace form
