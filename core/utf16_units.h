#pragma once

// UTF-16 text kept code unit by code unit, for the files the program writes
// back as it read them: a lone surrogate stays what it was, where a decoder
// would turn it into a replacement character.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace utf16 {

// The code units of bytes (an odd last byte is left out).
QString unitsOf(QByteArrayView bytes, bool bigEndian);
// The bytes of text's code units, without a byte order mark.
QByteArray bytesOf(const QString& text, bool bigEndian);

} // namespace utf16
