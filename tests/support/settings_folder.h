#pragma once

// A private settings folder for a test: XDG_CONFIG_HOME points into a
// temporary folder for the fixture's lifetime, with the settings file's
// lines every test starts from.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace settingstest {

inline const QString kKey = QStringLiteral("\\Software\\Tarvolen\\Ohmbrook");
inline const QByteArray kHeader = "Windows Registry Editor Version 5.00\n\n";
inline const QByteArray kSection = "[HKEY_CURRENT_USER\\Software\\Tarvolen\\Ohmbrook]\n";

class SettingsFolder
{
public:
    SettingsFolder() : m_old(qgetenv("XDG_CONFIG_HOME")) { qputenv("XDG_CONFIG_HOME", path().toUtf8()); }
    ~SettingsFolder() { qputenv("XDG_CONFIG_HOME", m_old); }
    SettingsFolder(const SettingsFolder&) = delete;
    SettingsFolder& operator=(const SettingsFolder&) = delete;

    QString path() const { return m_dir.path(); }
    QString folder() const { return path() + QStringLiteral("/Tarvolen"); }
    QString file() const { return folder() + QStringLiteral("/Ohmbrook.reg"); }

    // Writes the settings file as a user or another program would.
    bool write(const QByteArray& bytes) const
    {
        QFile f(file());
        return QDir().mkpath(folder()) && f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    // The settings file's bytes ("" when it cannot be read).
    QByteArray bytes() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

} // namespace settingstest
