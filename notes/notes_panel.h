#pragma once

// The notes pad: a plain-text editor that opens and saves notes files.
//
// The pad remembers the current file, and the encoding that file was read in
// so that saving writes it back the same way (shell/notes_file.h). A big file
// is shown a piece at a time: the first screen at once, the rest in small
// pieces between the window's other events, with the pad read-only until the
// last piece is in. Meanwhile it counts as loaded: not modified, and saving it
// under another name first takes in the rest.

#include "notes/notes_file.h"
#include "ui/calculator_panel.h"

#include <QString>
#include <QTimer>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class NotesPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit NotesPanel(QWidget* parent = nullptr);

    void resetToStartState() override;

    // True when the pad holds changes that are not saved; the main window
    // asks before it closes.
    bool hasUnsavedText() const;
    // Asks, when the pad holds unsaved text, whether to close all the same.
    bool agreesToClose() override;

    // Full path of the current notes file; empty when none.
    const QString& fileName() const { return m_fileName; }
    // True while the pieces of a big file are still arriving.
    bool isLoading() const { return m_loader.isActive(); }

    void openFile();
    void saveFile();
    void saveFileAs();
    void clearContents();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void memoPadChanged();
    void showLoadedText(QString text);
    void appendNextPieces();
    qsizetype pieceEnd(qsizetype from, qsizetype length) const;
    void appendUpTo(qsizetype end);
    void finishLoading();
    void stopLoading();
    QString editorText() const;
    void writeTo(const QString& path);
    void showFileOpen(const QString& path);

    QPlainTextEdit* m_memoPad = nullptr;
    QPushButton* m_memoOpen = nullptr;
    QPushButton* m_memoSave = nullptr;
    QPushButton* m_memoSaveAs = nullptr;
    QPushButton* m_clearMemo = nullptr;
    QLabel* m_memoPadLabel = nullptr;

    QString m_fileName;
    notes::Encoding m_encoding = notes::Encoding::Utf8;

    // The part of a big file not yet in the pad.
    QString m_pending;
    qsizetype m_pendingFrom = 0;
    QTimer m_loader;
    bool m_appending = false;
};
