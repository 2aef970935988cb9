#include "shell/main_window.h"

#include "resources/artwork/artwork.h"
#include "shell/form_builder.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>

namespace {

struct SchematicSheet
{
    const char* panelName;
    const char* helpPage;
    const char* caption;
    QSize picture;
    const char* buttonName;
};

QWidget* buildSchematicPanel(QWidget* window, const SchematicSheet& sheet, QPushButton*& button)
{
    QWidget* p = form::panel(window, sheet.panelName, QString::fromLatin1(sheet.helpPage));
    auto* scroll = new QScrollArea(p);
    scroll->setObjectName(QString::fromLatin1(sheet.panelName) + QStringLiteral("Scroll"));
    scroll->setGeometry(8, 8, 633, 353);
    scroll->setWidgetResizable(false);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QString name = QString::fromLatin1(sheet.panelName) + QStringLiteral("Image");
    const QSize size = sheet.picture;
    const QString caption = QString::fromLatin1(sheet.caption);
    QWidget* picture = form::picture(nullptr, name.toLatin1().constData(), QRect(QPoint(0, 0), size),
                                     [size, caption] { return artwork::schematicSheet(size, caption); });
    scroll->setWidget(picture);
    form::label(p, nullptr, 8, 372, QString::fromLatin1(sheet.caption));
    button = form::button(p, sheet.buttonName, 432, 368, 209, 25,
                          QStringLiteral("Open Schematics in Separate Window"),
                          QStringLiteral("Open the schematic symbols in a separate window"));
    return p;
}

} // namespace

void TFormMainApplication::buildShellPanels()
{
    PanelDisclaimer = form::panel(this, "PanelDisclaimer", QString());
    QGroupBox* box =
        form::group(PanelDisclaimer, "GroupDisclaimer", 96, 48, 433, 289, QStringLiteral(" Disclaimer "));
    DisclaimerText = form::textBlock(box, "DisclaimerText", 40, 40, 345, 217, QString());

    PanelMemoNotes = form::panel(this, "PanelMemoNotes", QStringLiteral("MemoNotes.htm"));
    MemoPad = new QPlainTextEdit(PanelMemoNotes);
    MemoPad->setObjectName(QStringLiteral("MemoPad"));
    MemoPad->setGeometry(8, 8, 633, 353);
    MemoPadLabel = form::label(PanelMemoNotes, "MemoPadLabel", 8, 372, QString());
    MemoPadLabel->resize(400, MemoPadLabel->height());

    PanelImages = form::panel(this, "PanelImages", QStringLiteral("LoadImages.htm"));
    ImageFileNameLabel = form::label(PanelImages, "ImageFileNameLabel", 8, 372, QString());
    ImageFileNameLabel->resize(400, ImageFileNameLabel->height());

    PanelSchematicSymbolsGeneral = buildSchematicPanel(this,
                                                       {"PanelSchematicSymbolsGeneral",
                                                        "SchematicSymbols.htm",
                                                        "Schematic Symbols - General",
                                                        {580, 952},
                                                        "BtnOpenSchematicGeneral"},
                                                       BtnOpenSchematicGeneral);
    PanelSchematicSymbolsLogicGates = buildSchematicPanel(this,
                                                          {"PanelSchematicSymbolsLogicGates",
                                                           "SchematicSymbols.htm",
                                                           "Schematic Symbols - Logic Gates",
                                                           {423, 77},
                                                           "BtnOpenSchematicLogicGates"},
                                                          BtnOpenSchematicLogicGates);
    PanelSchematicSymbolsValves = buildSchematicPanel(this,
                                                      {"PanelSchematicSymbolsValves",
                                                       "SchematicSymbols.htm",
                                                       "Schematic Symbols - Valves (tubes)",
                                                       {505, 160},
                                                       "BtnOpenSchematicValvesTubes"},
                                                      BtnOpenSchematicValvesTubes);
    PanelSchematicSymbolsConnectorsSwitchesRelays =
        buildSchematicPanel(this,
                            {"PanelSchematicSymbolsConnectorsSwitchesRelays",
                             "SchematicSymbols.htm",
                             "Schematic Symbols - Connectors, Switches and Relays",
                             {595, 451},
                             "BtnOpenSchematicConnectorsSwitchesRelays"},
                            BtnOpenSchematicConnectorsSwitchesRelays);
}

// The separate schematic windows are not part of the program yet; their
// buttons are wired so that the windows only have to be created.
void TFormMainApplication::BtnOpenSchematicGeneralClick()
{
}
void TFormMainApplication::BtnOpenSchematicLogicGatesClick()
{
}
void TFormMainApplication::BtnOpenSchematicValvesTubesClick()
{
}
void TFormMainApplication::BtnOpenSchematicConnectorsSwitchesRelaysClick()
{
}
