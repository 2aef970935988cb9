#include "resistors/panels/colour_band_panel.h"

#include "core/settings_store.h"
#include "resistors/maths/record_file.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace {
const QString kLastSaveFileValue = QStringLiteral("Last Resistor Save File");
}

void ColourBandPanel::saveValues()
{
    ui::FileDialogRequest request;
    request.mode = ui::FileDialogRequest::Mode::Save;
    request.filters = {QStringLiteral("Resistor files (*.res)"), QStringLiteral("All files (*.*)")};
    request.defaultSuffix = QStringLiteral("RES");
    request.promptOverwrite = false;
    if (auto key = settings::Key::openExisting(QString::fromLatin1(settings::kProgramKey))) {
        const settings::Value last = key->read(kLastSaveFileValue);
        if (last.type == settings::Value::Type::String && !last.text.isEmpty())
            request.initialFile = last.text;
    }

    const std::optional<QString> chosen = ui::askForFile(this, request);
    if (!chosen || chosen->isEmpty())
        return;
    const QString path = *chosen;
    if (QFileInfo::exists(path) &&
        !ui::askYesNo(
            this, QStringLiteral("File Exists"),
            QStringLiteral("The specified file already exists.\n\nIf you continue, the new resistor "
                           "information will be appended to this file.\n\nDo you want to continue?")))
        return;

    QStringList bands;
    for (const QComboBox* list : m_bandLists)
        bands.append(list->currentText());
    const QByteArray line =
        record_file::recordLine(m_tagName->text(), bands, m_resValue->text(), m_toleranceValue->text());
    const QString failure = record_file::appendLine(path, line);
    if (!failure.isEmpty()) {
        ui::showMessageBox(this,
                           {QStringLiteral("Save Error"),
                            QStringLiteral("The resistor information could not be saved, because this file "
                                           "cannot be written:\n\n%1\n\n%2\n\nNothing was written.")
                                .arg(QDir::toNativeSeparators(path), failure),
                            ui::BoxButtons::Ok, ui::BoxIcon::Warning});
        return;
    }
    if (auto key = settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey))) {
        key->writeString(kLastSaveFileValue, QFileInfo(path).absoluteFilePath());
    }
}
