#include "core/settings_store_io.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settings::io {

namespace {

QString& lastFailureText()
{
    static QString text;
    return text;
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Closes a descriptor when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    // Closes now, so that a write error the close reports is seen.
    bool close() { return ::close(release()) == 0; }

private:
    int m_fd;
};

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// The temporary files of writes that were cut off (a killed or crashed
// copy); none can belong to a running write, since all of them hold the lock.
void removeLeftovers(const QString& folder, const QString& prefix)
{
    const QStringList names =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (name.startsWith(prefix))
            QFile::remove(folder + u'/' + name);
    }
}

bool heldTooLong(const QString& lockPath)
{
    recordFailure(QStringLiteral("%1 is held by another copy of Ohmbrook, which has not finished writing.")
                      .arg(lockPath));
    return false;
}

} // namespace

void clearFailure()
{
    lastFailureText().clear();
}

void recordFailure(const QString& sentence)
{
    lastFailureText() = sentence;
}

QString failure()
{
    return lastFailureText();
}

QString resolveLinks(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

bool makeFolder(const QString& folder)
{
    QString path;
    for (const QString& part : QDir::cleanPath(folder).split(u'/', Qt::SkipEmptyParts)) {
        path += u'/' + part;
        const QByteArray native = QFile::encodeName(path);
        struct stat st = {};
        const bool found = ::stat(native.constData(), &st) == 0;
        int error = errno;
        if (!found) {
            if (::mkdir(native.constData(), 0777) == 0)
                continue;
            // Another copy may have made it meanwhile.
            if (errno != EEXIST)
                error = errno;
            else if (::stat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode))
                continue;
            recordFailure(QStringLiteral("The folder %1 cannot be created: %2.").arg(path, errorText(error)));
            return false;
        }
        if (!S_ISDIR(st.st_mode)) {
            recordFailure(QStringLiteral("%1 is a file where a folder is needed.").arg(path));
            return false;
        }
    }
    return true;
}

FileLock::~FileLock()
{
    if (m_fd < 0)
        return;
    // Removed while still held: a copy that opened it meanwhile sees that it
    // is gone once it gets the lock, and takes a new one.
    ::unlink(m_path.constData());
    ::close(m_fd);
}

bool FileLock::acquire(const QString& settingsFile, int timeoutMs)
{
    const QString path = settingsFile + QStringLiteral(".lock");
    m_path = QFile::encodeName(path);
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        Descriptor fd(::open(m_path.constData(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666));
        if (fd.get() < 0) {
            recordFailure(QStringLiteral("%1 cannot be opened: %2.").arg(path, errorText(errno)));
            return false;
        }
        while (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                recordFailure(QStringLiteral("%1 cannot be locked: %2.").arg(path, errorText(errno)));
                return false;
            }
            if (clock.hasExpired(timeoutMs))
                return heldTooLong(path);
            QThread::msleep(5);
        }
        struct stat held = {};
        struct stat named = {};
        if (::fstat(fd.get(), &held) == 0 && ::stat(m_path.constData(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            m_fd = fd.release();
            return true;
        }
        // The copy before us removed the file we locked; try the new one.
        if (clock.hasExpired(timeoutMs))
            return heldTooLong(path);
    }
}

bool readFile(const QString& path, QByteArray& bytes, QString& failure)
{
    bytes.clear();
    // Not blocking on open: a named pipe in the file's place must not hang us.
    Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT)
            return true;
        failure = QStringLiteral("%1 cannot be read: %2.").arg(path, errorText(errno));
        return false;
    }
    struct stat st = {};
    if (::fstat(fd.get(), &st) != 0) {
        failure = QStringLiteral("%1 cannot be read: %2.").arg(path, errorText(errno));
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        failure = QStringLiteral("%1 is a folder where the settings file is needed.").arg(path);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        failure = QStringLiteral("%1 is not an ordinary file.").arg(path);
        return false;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0)
            return true;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            failure = QStringLiteral("%1 cannot be read: %2.").arg(path, errorText(errno));
            return false;
        }
        if (bytes.size() + n > kMaxFileSize) {
            failure = QStringLiteral("%1 is larger than %2 MiB, too large for a settings file.")
                          .arg(path)
                          .arg(kMaxFileSize / (1024 * 1024));
            return false;
        }
        bytes.append(buffer, n);
    }
}

bool replaceFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    const QString prefix = info.fileName() + QStringLiteral(".saving-");
    const QByteArray target = QFile::encodeName(path);
    struct stat old = {};
    const bool hadFile = ::stat(target.constData(), &old) == 0;

    QByteArray temporary;
    int created = -1;
    for (int attempt = 0; created < 0 && attempt < 100; ++attempt) {
        temporary = QFile::encodeName(folder + u'/' + prefix +
                                      QString::number(QRandomGenerator::global()->generate(), 16));
        created = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (created < 0 && errno != EEXIST)
            break;
    }
    if (created < 0) {
        recordFailure(
            QStringLiteral("A new file beside %1 cannot be created: %2.").arg(path, errorText(errno)));
        return false;
    }
    Descriptor fd(created);
    // The new file keeps the old one's permissions, read-only included; it
    // reaches the disk before it takes the old one's place.
    const bool written = writeAll(fd.get(), bytes) &&
                         (!hadFile || ::fchmod(fd.get(), old.st_mode & 07777) == 0) && ::fsync(fd.get()) == 0;
    const int writeError = errno;
    if (!fd.close() || !written) {
        recordFailure(QStringLiteral("A new file beside %1 cannot be written: %2.")
                          .arg(path, errorText(written ? errno : writeError)));
        ::unlink(temporary.constData());
        return false;
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        recordFailure(QStringLiteral("%1 cannot be replaced: %2.").arg(path, errorText(errno)));
        ::unlink(temporary.constData());
        return false;
    }
    removeLeftovers(folder, prefix);
    return true;
}

} // namespace settings::io
