#pragma once

// Frame controls of the main window and the shell's own panels.

class QLabel;
class QPushButton;
class QTreeWidget;
class QWidget;
class QGroupBox;
class QScrollArea;
class QPlainTextEdit;

struct ShellWidgets
{
    QWidget* ImageBackground = nullptr;
    QWidget* Image1 = nullptr;
    QTreeWidget* TreeViewTopicSelect = nullptr;
    QPushButton* BtnExpandCategories = nullptr;
    QLabel* LabelBottomText = nullptr;
    QPushButton* About = nullptr;
    QPushButton* BtnOptions = nullptr;
    QPushButton* BtnHelp = nullptr;
    QPushButton* BtnClose = nullptr;

    QWidget* PanelDisclaimer = nullptr;
    QLabel* DisclaimerText = nullptr;

    QWidget* PanelMemoNotes = nullptr;
    QPlainTextEdit* MemoPad = nullptr;
    QLabel* MemoPadLabel = nullptr;
    QWidget* PanelImages = nullptr;
    QLabel* ImageFileNameLabel = nullptr;

    QWidget* PanelSchematicSymbolsGeneral = nullptr;
    QWidget* PanelSchematicSymbolsLogicGates = nullptr;
    QWidget* PanelSchematicSymbolsValves = nullptr;
    QWidget* PanelSchematicSymbolsConnectorsSwitchesRelays = nullptr;
    QPushButton* BtnOpenSchematicGeneral = nullptr;
    QPushButton* BtnOpenSchematicLogicGates = nullptr;
    QPushButton* BtnOpenSchematicValvesTubes = nullptr;
    QPushButton* BtnOpenSchematicConnectorsSwitchesRelays = nullptr;
};
