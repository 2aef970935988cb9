#pragma once

// What the fuzz targets share: a property that fails prints what it met and
// aborts, so libFuzzer keeps the input as a crash and the run fails.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzzcheck {

[[noreturn]] inline void fail(const char* property, const QString& detail)
{
    std::fprintf(stderr, "Property broken: %s\n%s\n", property, detail.toUtf8().constData());
    std::abort();
}

inline void expect(bool holds, const char* property, const QString& detail = QString())
{
    if (!holds)
        fail(property, detail);
}

// A text that shows every character of a fuzzed string, invisible ones too.
inline QString shown(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out + u'"';
}

inline QString shown(double value)
{
    return QString::number(value, 'g', 17);
}

} // namespace fuzzcheck
