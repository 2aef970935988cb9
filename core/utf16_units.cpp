#include "core/utf16_units.h"

namespace utf16 {

QString unitsOf(QByteArrayView bytes, bool bigEndian)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = quint8(bytes[i]);
        const auto second = quint8(bytes[i + 1]);
        *out++ = QChar(bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first));
    }
    return text;
}

QByteArray bytesOf(const QString& text, bool bigEndian)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        if (bigEndian)
            bytes.append(high).append(low);
        else
            bytes.append(low).append(high);
    }
    return bytes;
}

} // namespace utf16
