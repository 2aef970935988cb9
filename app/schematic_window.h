#pragma once

// The four reference windows of schematic symbols. Each shows one sheet, the
// same picture as its schematic panel, at its natural size on white, with
// scroll bars when the window is smaller than the sheet. Closing one only
// hides it, so it comes back with the size and scroll position it had.

#include "artwork/artwork.h"

#include <QScrollArea>

class SchematicWindow : public QScrollArea
{
    Q_OBJECT

public:
    // Shows the window beside the main window without blocking it; one that
    // is already open comes to the front, restored if it was minimised. The
    // first showing centres it on the screen.
    void showInFront();

protected:
    // outerSize includes the window frame and caption bar.
    SchematicWindow(const char* objectName, const QString& caption, QSize outerSize,
                    artwork::SymbolSheet sheet, QWidget* parent);

private:
    QSize m_outerSize;
    bool m_placed = false;
};

class TFormSchematicGeneral : public SchematicWindow
{
    Q_OBJECT

public:
    explicit TFormSchematicGeneral(QWidget* parent = nullptr);
    ~TFormSchematicGeneral() override;
};

class TFormSchematicValves : public SchematicWindow
{
    Q_OBJECT

public:
    explicit TFormSchematicValves(QWidget* parent = nullptr);
    ~TFormSchematicValves() override;
};

class TFormSchematicConnectorsSwitchesRelays : public SchematicWindow
{
    Q_OBJECT

public:
    explicit TFormSchematicConnectorsSwitchesRelays(QWidget* parent = nullptr);
    ~TFormSchematicConnectorsSwitchesRelays() override;
};

class TFormSchematicLogicGates : public SchematicWindow
{
    Q_OBJECT

public:
    explicit TFormSchematicLogicGates(QWidget* parent = nullptr);
    ~TFormSchematicLogicGates() override;
};

// Each window, once it exists.
extern TFormSchematicGeneral* FormSchematicGeneral;
extern TFormSchematicValves* FormSchematicValves;
extern TFormSchematicConnectorsSwitchesRelays* FormSchematicConnectorsSwitchesRelays;
extern TFormSchematicLogicGates* FormSchematicLogicGates;
