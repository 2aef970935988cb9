#pragma once

// Builds the real main window for a GUI test: a private settings folder
// (XDG_CONFIG_HOME) with the disclaimer already accepted, and the recorders
// installed so every box, dialog and help request can be asserted on.

#include "app/main_window.h"
#include "tests/support/recorders.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class MainWindowHarness
{
public:
    // acceptDisclaimer: store the acceptance first, so no question is asked.
    explicit MainWindowHarness(bool acceptDisclaimer = true);
    ~MainWindowHarness();

    // Constructs the window, with all its panels unless told to leave the
    // hidden ones to the window; StartupAborted propagates to the caller.
    TFormMainApplication& open();
    void leaveHiddenPanelsToTheWindow() { m_finishBuilding = false; }
    TFormMainApplication& window() { return *m_window; }
    void close() { m_window.reset(); }

    QString configDir() const { return m_config.path(); }
    QString settingsFile() const;
    // Raw text of the settings file ("" when it does not exist).
    QString settingsText() const;

    template <typename W = QWidget> W* find(const char* name)
    {
        W* w = m_window->findChild<W*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no widget named %s", name);
        return w;
    }
    QLineEdit* field(const char* name) { return find<QLineEdit>(name); }
    QString text(const char* name);
    void type(const char* fieldName, const QString& text);
    void click(const char* buttonName);

    BoxRecorder boxes;
    FileDialogStub files;
    HelpRecorder help;

private:
    QTemporaryDir m_config;
    QByteArray m_oldConfig;
    std::unique_ptr<TFormMainApplication> m_window;
    bool m_finishBuilding = true;
};
