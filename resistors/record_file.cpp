#include "resistors/record_file.h"

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

QString appendLine(const QString& path, const QByteArray& line)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 sizeBefore = file.size();
    const qint64 written = file.write(line);
    if (written != line.size()) {
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
