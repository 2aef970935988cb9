#pragma once

// The settings file on disk, below the settings store's text format: the
// folder it lives in, the lock that keeps two copies of the program from
// losing each other's writes, reading the file and replacing it whole.
//
// Every failure is recorded as one sentence naming the file or folder where
// it was met and the reason (settings::lastFailure()).

#include <QByteArray>
#include <QString>

namespace settings::io {

// A settings file larger than this is not read (it cannot be ours).
inline constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

void clearFailure();
void recordFailure(const QString& sentence);
QString failure();

// The file a write really replaces: the settings file, or the file its
// symbolic links lead to.
QString resolveLinks(const QString& path);

// Creates the folder and every missing folder above it.
bool makeFolder(const QString& folder);

// An exclusive lock on "<file>.lock" beside the settings file. The kernel
// drops it when its holder ends, however it ends, so a copy killed while
// saving never blocks the next one.
class FileLock
{
public:
    FileLock() = default;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    // Waits up to timeoutMs for a running copy to finish its write.
    bool acquire(const QString& settingsFile, int timeoutMs);

private:
    int m_fd = -1;
    QByteArray m_path;
};

// Reads the whole file into bytes; a missing file reads as empty. Fails, with
// the reason in failure, on a file that exists but cannot be read, is a
// folder or is too large. Records nothing: a read that fails is no failed write.
bool readFile(const QString& path, QByteArray& bytes, QString& failure);

// Writes bytes to a new file beside path and renames it over path, keeping
// the old file's permissions; removes what earlier writes that were cut off
// left behind. Call only while holding the FileLock.
bool replaceFile(const QString& path, const QByteArray& bytes);

} // namespace settings::io
