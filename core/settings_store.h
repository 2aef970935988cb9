#pragma once

// Per-user settings with the semantics of a registry key.
//
// Values live under keys such as \Software\Tarvolen\Ohmbrook (below
// HKEY_CURRENT_USER) and are either strings, 32-bit numbers (DWORDs) or values
// of some other type, which callers must be able to tell apart. On disk they are
// one human-readable text file per user, $XDG_CONFIG_HOME/Tarvolen/Ohmbrook.reg,
// in the registry export format:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Tarvolen\Ohmbrook]
//   "Expand Category List When Launched"=dword:00000001
//   "Last Resistor Save File"="/home/me/parts.RES"
//
// Every operation reads the file afresh; every write replaces it atomically
// (temporary file, then rename) while holding a lock on a lock file, so a
// crash never leaves half a file and two running copies never lose each
// other's values. The kernel drops the lock of a copy that dies, so a killed
// copy never blocks the next one. Lines the store does not understand are
// written back byte for byte, in the file's own encoding (UTF-8, or UTF-16 in
// either byte order); where a key or a value is given more than once the last
// copy stands, as in a registry import, and a write leaves one copy. A damaged file never fails an operation:
// what can be read is used, the rest is missing; a file that exists but cannot be read is never written over.

#include <QString>

#include <cstdint>
#include <optional>

namespace settings {

inline constexpr const char* kProgramKey = "\\Software\\Tarvolen\\Ohmbrook";

// Where the settings file lives ($XDG_CONFIG_HOME/Tarvolen/Ohmbrook.reg).
QString settingsFilePath();
QString settingsFolder();

// Why the last write or key creation failed, as one sentence naming the file
// or folder it failed on and the reason met there; empty when the last one
// succeeded.
QString lastFailure();

// When the settings file holds bytes that are no text the store can read and
// write back unharmed (UTF-32, or UTF-16 with an odd number of bytes): one
// sentence naming it. Such a file reads as empty and is never written.
QString undecodableFile();

struct Value
{
    enum class Type
    {
        Missing,
        String,
        Dword,
        Other
    };
    Type type = Type::Missing;
    QString text;            // for String
    std::uint32_t dword = 0; // for Dword

    bool isDword() const { return type == Type::Dword; }
    bool exists() const { return type != Type::Missing; }
};

// An open key: a path below HKEY_CURRENT_USER. Holding one keeps nothing open
// on disk; it only names the key.
class Key
{
public:
    // Opens an existing key; empty when the key does not exist.
    static std::optional<Key> openExisting(const QString& path);
    // Opens the key, creating it (and the file) when needed; empty when it
    // can be neither opened nor created.
    static std::optional<Key> openOrCreate(const QString& path);

    Value read(const QString& name) const;
    bool writeString(const QString& name, const QString& text) const;
    bool writeDword(const QString& name, std::uint32_t value) const;

    const QString& path() const { return m_path; }

private:
    explicit Key(QString path) : m_path(std::move(path)) {}
    QString m_path;
};

} // namespace settings
