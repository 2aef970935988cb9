#include "ui/file_dialog.h"

#include "ui/message_box.h"

#include <QFileDialog>
#include <QFileInfo>

namespace ui {

namespace {

class QtFileDialogPresenter : public FileDialogPresenter
{
public:
    std::optional<QString> present(QWidget* owner, const FileDialogRequest& request) override
    {
        QFileDialog dialog(owner, request.title);
        const bool save = request.mode == FileDialogRequest::Mode::Save;
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setNameFilters(request.filters);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
        if (!request.initialFile.isEmpty()) {
            const QFileInfo info(request.initialFile);
            if (info.isAbsolute())
                dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
        makeModalToItsWindow(&dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first();
    }
};

QtFileDialogPresenter g_realPresenter;
FileDialogPresenter* g_presenter = &g_realPresenter;

} // namespace

void setFileDialogPresenter(FileDialogPresenter* presenter)
{
    g_presenter = presenter ? presenter : &g_realPresenter;
}

std::optional<QString> askForFile(QWidget* owner, const FileDialogRequest& request)
{
    return g_presenter->present(owner, request);
}

} // namespace ui
