#pragma once

// One panel built alone, in a window of the main window's face, with a
// private settings folder and the message-box, file-dialog and help seams
// recorded: for the tests of a panel's own behaviour. Hand-overs between
// panels and start-up are tested through the real main window.
//
//     PanelHarness<OhmsLawPanel> h;
//     h.type("Voltage", "12");
//     h.click("BtnCalculate");
//     QCOMPARE(h.text("Current"), ...);

#include "tests/support/recorders.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class PanelHost
{
public:
    PanelHost();
    ~PanelHost();
    PanelHost(const PanelHost&) = delete;
    PanelHost& operator=(const PanelHost&) = delete;

    // The window the panel sits in, 650 x 400 like the main window's stack.
    QWidget& host() { return *m_host; }
    QString configDir() const { return m_config.path(); }

    template <typename W = QWidget> W* find(const char* name) const
    {
        W* w = m_host->findChild<W*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no widget named %s", name);
        return w;
    }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    QString text(const char* name) const;
    void type(const char* fieldName, const QString& text);
    void click(const char* buttonName);
    // Shows the window and waits until it is on the screen.
    bool show();

    BoxRecorder boxes;
    FileDialogStub files;
    HelpRecorder help;

private:
    QTemporaryDir m_config;
    QByteArray m_oldConfig;
    std::unique_ptr<QWidget> m_host;
};

template <typename Panel> class PanelHarness : public PanelHost
{
public:
    PanelHarness() : m_panel(new Panel(&host())) { m_panel->resetToStartState(); }
    Panel& panel() { return *m_panel; }

private:
    Panel* m_panel;
};
