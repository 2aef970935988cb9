#include "notes/notes_panel.h"

#include "ui/file_dialog.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QStringList kNotesFilters = {QStringLiteral("Text files (*.txt)"), QStringLiteral("All files (*)")};

// A big file arrives in pieces of about this many characters: the first one
// fills the first screen, the others are put in while the window keeps
// answering, as many per turn of the event loop as fit in the time budget.
constexpr qsizetype kPieceChars = 64 * 1024;
constexpr qint64 kTurnBudgetMs = 25;

} // namespace

NotesPanel::NotesPanel(QWidget* parent) : CalculatorPanel("PanelMemoNotes", parent)
{
    m_memoPad = new QPlainTextEdit(this);
    m_memoPad->setObjectName(QStringLiteral("MemoPad"));
    m_memoPad->setAccessibleName(QStringLiteral("Notes"));
    m_memoPad->setGeometry(16, 24, 617, 297);
    m_memoPad->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memoPad->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memoPad->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the pad's buttons, so the keyboard is never kept in it.
    m_memoPad->setTabChangesFocus(true);
    m_memoOpen = form::button(this, "MemoOpen", 16, 336, 97, 25, QStringLiteral("Open"));
    m_memoSave = form::button(this, "MemoSave", 128, 336, 97, 25, QStringLiteral("Save"));
    m_memoSaveAs = form::button(this, "MemoSaveAs", 240, 336, 97, 25, QStringLiteral("Save As"));
    m_clearMemo = form::button(this, "ClearMemo", 536, 336, 97, 25, QStringLiteral("Clear Contents"));
    m_memoPadLabel = form::label(this, "MemoPadLabel", 16, 368, QString());
    m_memoPadLabel->resize(617, m_memoPadLabel->height());

    onClick(m_memoOpen, &NotesPanel::openFile);
    onClick(m_memoSave, &NotesPanel::saveFile);
    onClick(m_memoSaveAs, &NotesPanel::saveFileAs);
    onClick(m_clearMemo, &NotesPanel::clearContents);
    connect(m_memoPad, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_appending)
            guarded([this] { memoPadChanged(); });
    });
    // Typing into a big file still arriving: the rest is put in at once, and
    // the key then goes to the pad as usual, so nothing typed is lost.
    m_memoPad->installEventFilter(this);
    m_loader.setInterval(0);
    connect(&m_loader, &QTimer::timeout, this, [this] { guarded([this] { appendNextPieces(); }); });

    resetToStartState();
}

bool NotesPanel::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == m_memoPad && isLoading() && (type == QEvent::KeyPress || type == QEvent::InputMethod))
        guarded([this] { finishLoading(); });
    return CalculatorPanel::eventFilter(watched, event);
}

void NotesPanel::resetToStartState()
{
    stopLoading();
    m_fileName.clear();
    m_encoding = notes::Encoding::Utf8;
    m_memoPad->setPlainText(QString());
    m_memoPadLabel->setText(QStringLiteral("No file currently open"));
    m_memoPadLabel->setToolTip(QString());
}

bool NotesPanel::hasUnsavedText() const
{
    return m_memoPad->document()->isModified();
}

bool NotesPanel::agreesToClose()
{
    return !hasUnsavedText() ||
           ui::askYesNo(
               window(), QStringLiteral("Warning"),
               QStringLiteral("The current memo text is not saved.\n\nAre you sure you want to exit?"));
}

void NotesPanel::openFile()
{
    if (hasUnsavedText() &&
        !ui::askYesNo(window(), QStringLiteral("Warning"),
                      QStringLiteral("The current memo text is not saved.\n\nAre you sure you want to open a "
                                     "file (this will overwrite the unsaved text)?")))
        return;
    ui::FileDialogRequest request;
    request.mode = ui::FileDialogRequest::Mode::Open;
    request.filters = kNotesFilters;
    const std::optional<QString> chosen = ui::askForFile(window(), request);
    if (!chosen || chosen->isEmpty())
        return;
    // Read the whole file first: a file that cannot be read changes nothing.
    notes::DecodedNotes loaded = notes::readNotesFile(*chosen);
    const qsizetype unkept = notes::unkeptCharacters(loaded.text);
    showLoadedText(std::move(loaded.text));
    m_encoding = loaded.encoding;
    showFileOpen(*chosen);
    m_fileName = *chosen;
    if (unkept > 0)
        ui::showMessageBox(
            window(),
            {QStringLiteral("Warning"),
             QStringLiteral("The file \"%1\" holds %2 paragraph or frame separator characters (U+2029, "
                            "U+FDD0, U+FDD1), which the notes pad shows as line breaks.\n\nIf you save the "
                            "file, they are written as line breaks.")
                 .arg(QDir::toNativeSeparators(*chosen))
                 .arg(unkept),
             ui::BoxButtons::Ok, ui::BoxIcon::Warning});
}

void NotesPanel::saveFileAs()
{
    ui::FileDialogRequest request;
    request.mode = ui::FileDialogRequest::Mode::Save;
    request.filters = kNotesFilters;
    request.defaultSuffix = QStringLiteral("TXT");
    request.promptOverwrite = true;
    const std::optional<QString> chosen = ui::askForFile(window(), request);
    if (!chosen || chosen->isEmpty())
        return;
    finishLoading();
    writeTo(*chosen);
    showFileOpen(*chosen);
    m_fileName = *chosen;
    m_memoPad->document()->setModified(false);
}

void NotesPanel::saveFile()
{
    // Save is enabled only while a file is current; the check keeps a call
    // from code just as safe.
    if (!hasUnsavedText() || m_fileName.isEmpty())
        return;
    writeTo(m_fileName);
    m_memoPad->document()->setModified(false);
}

void NotesPanel::clearContents()
{
    stopLoading();
    m_memoPad->setPlainText(QString());
    m_memoPad->document()->setModified(true);
}

void NotesPanel::memoPadChanged()
{
    m_memoSave->setEnabled(!m_fileName.isEmpty());
}

void NotesPanel::writeTo(const QString& path)
{
    notes::Encoding encoding = m_encoding;
    const QByteArray bytes = notes::encodeNotes(editorText(), encoding);
    notes::writeNotesFile(path, bytes);
    m_encoding = encoding;
}

QString NotesPanel::editorText() const
{
    // The raw text, not toPlainText(), which would turn no-break spaces into
    // plain ones.
    QString text = m_memoPad->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

void NotesPanel::showFileOpen(const QString& path)
{
    const QString text = QStringLiteral("File open: %1").arg(path);
    const QString shown =
        m_memoPadLabel->fontMetrics().elidedText(text, Qt::ElideMiddle, m_memoPadLabel->width());
    m_memoPadLabel->setText(shown);
    m_memoPadLabel->setToolTip(shown == text ? QString() : path);
}

void NotesPanel::showLoadedText(QString text)
{
    stopLoading();
    m_pending = std::move(text);
    // The first piece replaces the text as a whole file would (the change
    // handler runs, as for any loaded text); the later pieces only add to it.
    const qsizetype firstEnd = pieceEnd(0, kPieceChars);
    m_memoPad->setPlainText(m_pending.left(firstEnd));
    if (firstEnd == m_pending.size()) {
        m_pending = QString();
        return;
    }
    m_pendingFrom = firstEnd;
    m_memoPad->setUndoRedoEnabled(false);
    m_memoPad->setReadOnly(true);
    m_loader.start();
}

void NotesPanel::appendNextPieces()
{
    QElapsedTimer turn;
    turn.start();
    while (m_pendingFrom < m_pending.size() && turn.elapsed() < kTurnBudgetMs)
        appendUpTo(pieceEnd(m_pendingFrom, kPieceChars));
    if (m_pendingFrom >= m_pending.size())
        stopLoading();
}

qsizetype NotesPanel::pieceEnd(qsizetype from, qsizetype length) const
{
    const qsizetype size = m_pending.size();
    const qsizetype end = std::min(size, from + length);
    if (end == size)
        return end;
    // End the piece after a line break, or at least not inside a surrogate
    // pair.
    const qsizetype lineEnd = m_pending.lastIndexOf(u'\n', end - 1);
    if (lineEnd >= from)
        return lineEnd + 1;
    return m_pending.at(end - 1).isHighSurrogate() ? end - 1 : end;
}

void NotesPanel::appendUpTo(qsizetype end)
{
    QTextCursor cursor(m_memoPad->document());
    cursor.movePosition(QTextCursor::End);
    m_appending = true;
    cursor.insertText(m_pending.mid(m_pendingFrom, end - m_pendingFrom));
    m_appending = false;
    m_memoPad->document()->setModified(false);
    m_pendingFrom = end;
}

void NotesPanel::finishLoading()
{
    if (!isLoading())
        return;
    appendUpTo(m_pending.size());
    stopLoading();
}

void NotesPanel::stopLoading()
{
    m_loader.stop();
    m_pending = QString();
    m_pendingFrom = 0;
    if (m_memoPad->isReadOnly()) {
        m_memoPad->setReadOnly(false);
        m_memoPad->setUndoRedoEnabled(true);
    }
}
