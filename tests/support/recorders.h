#pragma once

// Test doubles for the program's seams: message boxes, file dialogs and help.
// Each records what the user would have seen, in order, and answers from a
// script; an unscripted question is answered with the safe default (OK / No /
// cancel) so a forgotten answer can never hang a test.

#include "ui/file_dialog.h"
#include "ui/help_launcher.h"
#include "ui/message_box.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <optional>

struct RecordedBox
{
    QString title;
    QString text;
    ui::BoxButtons buttons;
    ui::BoxIcon icon;
};

class BoxRecorder : public ui::MessageBoxPresenter
{
public:
    BoxRecorder() { ui::setMessageBoxPresenter(this); }
    ~BoxRecorder() override { ui::setMessageBoxPresenter(nullptr); }

    ui::BoxAnswer present(QWidget* owner, const ui::MessageBoxRequest& request) override;

    void answer(ui::BoxAnswer a) { m_answers.enqueue(a); }
    const QList<RecordedBox>& boxes() const { return m_boxes; }
    QStringList titles() const;
    void clear() { m_boxes.clear(); }
    // The boxes' owners: every box must belong to a window.
    int unownedBoxes() const { return m_unowned; }

private:
    QQueue<ui::BoxAnswer> m_answers;
    QList<RecordedBox> m_boxes;
    int m_unowned = 0;
};

class FileDialogStub : public ui::FileDialogPresenter
{
public:
    FileDialogStub() { ui::setFileDialogPresenter(this); }
    ~FileDialogStub() override { ui::setFileDialogPresenter(nullptr); }

    std::optional<QString> present(QWidget* owner, const ui::FileDialogRequest& request) override;

    // The next dialog returns this path (std::nullopt: the user cancels).
    void choose(std::optional<QString> path) { m_choices.enqueue(path); }
    const QList<ui::FileDialogRequest>& requests() const { return m_requests; }

private:
    QQueue<std::optional<QString>> m_choices;
    QList<ui::FileDialogRequest> m_requests;
};

class HelpRecorder : public help::HelpPresenter
{
public:
    HelpRecorder() { help::setHelpPresenter(this); }
    ~HelpRecorder() override { help::setHelpPresenter(nullptr); }
    void display(const QString& path) override { paths.append(path); }
    QStringList paths;
};
