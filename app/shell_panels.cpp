#include "app/shell_panels.h"

#include "app/schematic_window.h"
#include "artwork/artwork.h"
#include "ui/form_builder.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

DisclaimerPanel::DisclaimerPanel(QWidget* parent) : CalculatorPanel("PanelDisclaimer", parent)
{
    QGroupBox* box = form::group(this, "GroupDisclaimer", 96, 48, 433, 289, QStringLiteral(" Disclaimer "));
    m_text = form::textBlock(box, "DisclaimerText", 40, 40, 345, 217, QString());
    m_text->setText(app::disclaimerText());
}

QString app::disclaimerText()
{
    return QStringLiteral(
        "Ohmbrook is provided as it is, without warranty of any kind, either expressed or implied, "
        "including any warranty that its results are correct or fit for a particular purpose. You use it "
        "entirely at your own risk.\n\n"
        "Mains voltages can kill. Never work on equipment connected to the mains unless you are qualified "
        "to do so, and remember that circuits such as capacitive droppers are not isolated from the "
        "mains.\n\n"
        "Check every result yourself, against the data sheets of the parts you use, before you build "
        "anything with it.");
}

QString DisclaimerPanel::shownText() const
{
    return m_text->text();
}

SchematicPanel::SchematicPanel(const Sheet& sheet, QWidget* parent)
    : CalculatorPanel(sheet.panelName, parent), m_makeWindow(sheet.makeWindow)
{
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QString::fromLatin1(sheet.panelName) + QStringLiteral("Scroll"));
    scroll->setGeometry(8, 8, 633, 353);
    scroll->setWidgetResizable(false);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QString name = QString::fromLatin1(sheet.panelName) + QStringLiteral("Image");
    const artwork::SymbolSheet symbols = sheet.symbols;
    const QString caption = QString::fromLatin1(sheet.caption);
    QWidget* picture =
        form::picture(nullptr, name.toLatin1().constData(), QRect(QPoint(0, 0), artwork::sheetSize(symbols)),
                      [symbols] { return artwork::schematicSheet(symbols); });
    scroll->setWidget(picture);
    form::label(this, nullptr, 8, 368, caption);
    QPushButton* open = form::button(this, sheet.buttonName, 412, 368, 229, 25,
                                     QStringLiteral("Open Schematics in Separate Window"),
                                     QStringLiteral("Open the schematic symbols in a separate window"));
    onClick(open, &SchematicPanel::showSeparateWindow);
}

SchematicPanel::~SchematicPanel() = default;

void SchematicPanel::showSeparateWindow()
{
    if (!m_window)
        m_window = m_makeWindow();
    m_window->showInFront();
}
