#include "app/schematic_window.h"

#include "ui/form_builder.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

TFormSchematicGeneral* FormSchematicGeneral = nullptr;
TFormSchematicValves* FormSchematicValves = nullptr;
TFormSchematicConnectorsSwitchesRelays* FormSchematicConnectorsSwitchesRelays = nullptr;
TFormSchematicLogicGates* FormSchematicLogicGates = nullptr;

namespace {

// The outer sizes allow for a sizeable frame of 4 pixels round the window
// and a caption bar of 22 pixels.
constexpr QSize kFrameAllowance(8, 30);

template <typename Window> void release(Window*& global, Window* window)
{
    if (global == window)
        global = nullptr;
}

} // namespace

SchematicWindow::SchematicWindow(const char* objectName, const QString& caption, QSize outerSize,
                                 artwork::SymbolSheet sheet, QWidget* parent)
    : QScrollArea(parent), m_outerSize(outerSize)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowFlags(Qt::Window);
    // A reference window left open does not keep the program running once
    // the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(caption);
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidgetResizable(false);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);
    viewport()->setAutoFillBackground(true);
    setWidget(form::picture(nullptr, "Image1", QRect(QPoint(0, 0), artwork::sheetSize(sheet)),
                            [sheet] { return artwork::schematicSheet(sheet); }));
    resize(outerSize - kFrameAllowance);
}

void SchematicWindow::showInFront()
{
    if (!m_placed) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, m_outerSize,
                                     screen->availableGeometry())
                     .topLeft());
        m_placed = true;
    }
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

TFormSchematicGeneral::TFormSchematicGeneral(QWidget* parent)
    : SchematicWindow("FormSchematicGeneral", QStringLiteral("Schematics - General"), {611, 504},
                      artwork::SymbolSheet::General, parent)
{
    FormSchematicGeneral = this;
}

TFormSchematicGeneral::~TFormSchematicGeneral()
{
    release(FormSchematicGeneral, this);
}

TFormSchematicValves::TFormSchematicValves(QWidget* parent)
    : SchematicWindow("FormSchematicValves", QStringLiteral("Schematics - Valves and Tubes"), {527, 199},
                      artwork::SymbolSheet::Valves, parent)
{
    FormSchematicValves = this;
}

TFormSchematicValves::~TFormSchematicValves()
{
    release(FormSchematicValves, this);
}

TFormSchematicConnectorsSwitchesRelays::TFormSchematicConnectorsSwitchesRelays(QWidget* parent)
    : SchematicWindow("FormSchematicConnectorsSwitchesRelays",
                      QStringLiteral("Schematics - Connectors, Switches and Relays"), {618, 497},
                      artwork::SymbolSheet::ConnectorsSwitchesRelays, parent)
{
    FormSchematicConnectorsSwitchesRelays = this;
}

TFormSchematicConnectorsSwitchesRelays::~TFormSchematicConnectorsSwitchesRelays()
{
    release(FormSchematicConnectorsSwitchesRelays, this);
}

TFormSchematicLogicGates::TFormSchematicLogicGates(QWidget* parent)
    : SchematicWindow("FormSchematicLogicGates", QStringLiteral("Schematics - Logic Gates"), {441, 113},
                      artwork::SymbolSheet::LogicGates, parent)
{
    FormSchematicLogicGates = this;
}

TFormSchematicLogicGates::~TFormSchematicLogicGates()
{
    release(FormSchematicLogicGates, this);
}
