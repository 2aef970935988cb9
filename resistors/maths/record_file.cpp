#include "resistors/maths/record_file.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace record_file {

QByteArray recordLine(const QString& tag, const QStringList& bandTexts, const QString& ohmsText,
                      const QString& toleranceText)
{
    QString line = tag + QStringLiteral(": Bands - ") + bandTexts.join(u',') + QStringLiteral(" - Value: ") +
                   ohmsText + QStringLiteral(" ohms ") + toleranceText;
    // A line break inside a text would split the record in two; texts are
    // otherwise written exactly as shown.
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    return line.toUtf8() + "\r\n";
}

namespace {

// What must come before a new record so that it starts a line of its own:
// nothing after a line break or in an empty file, the missing LF after a
// lone CR, a whole CR LF after an unfinished last line.
QByteArray lineBreakNeededAtEnd(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 || !file.seek(file.size() - 1))
        return QByteArray();
    char last = '\n';
    file.getChar(&last);
    if (last == '\n')
        return QByteArray();
    return last == '\r' ? QByteArray("\n") : QByteArray("\r\n");
}

} // namespace

QString appendLine(const QString& path, const QByteArray& line)
{
    const QByteArray bytes = lineBreakNeededAtEnd(path) + line;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 sizeBefore = file.size();
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        const QString reason = file.errorString();
        file.resize(sizeBefore);
        return reason.isEmpty() ? QStringLiteral("The disk may be full.") : reason;
    }
    if (::fsync(file.handle()) != 0 && errno != EINVAL) {
        const QString reason = QString::fromLocal8Bit(strerror(errno));
        file.resize(sizeBefore);
        return reason;
    }
    return QString();
}

} // namespace record_file
