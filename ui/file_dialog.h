#pragma once

// The one way the program asks the user for a file name.
//
// The real presenter shows a Qt file dialog; tests install one that answers
// with a chosen path (or a cancel) and records what was asked.

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace ui {

struct FileDialogRequest
{
    enum class Mode
    {
        Open,
        Save
    };
    Mode mode = Mode::Open;
    QString title;         // empty: the dialog's own default title
    QStringList filters;   // "Resistor files (*.res *.RES)", ...
    QString defaultSuffix; // appended when the typed name has none
    QString initialFile;   // full path or bare name, may be empty
    bool promptOverwrite = false;
};

class FileDialogPresenter
{
public:
    virtual ~FileDialogPresenter() = default;
    // The chosen file, or empty when the user cancelled.
    virtual std::optional<QString> present(QWidget* owner, const FileDialogRequest& request) = 0;
};

void setFileDialogPresenter(FileDialogPresenter* presenter);

std::optional<QString> askForFile(QWidget* owner, const FileDialogRequest& request);

} // namespace ui
