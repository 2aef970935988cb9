#pragma once

// A settings value as one comparable text, so tests can compare type and
// content at once: "missing", "other", "string:<text>" or "dword:<decimal>".

#include "core/settings_store.h"

inline QString describe(const settings::Value& v)
{
    switch (v.type) {
    case settings::Value::Type::Missing:
        return QStringLiteral("missing");
    case settings::Value::Type::Other:
        return QStringLiteral("other");
    case settings::Value::Type::String:
        return QStringLiteral("string:") + v.text;
    case settings::Value::Type::Dword:
        return QStringLiteral("dword:") + QString::number(v.dword);
    }
    return QString();
}

// The values the first close writes after the stored ones, in their order,
// when nothing was changed.
inline constexpr const char* kFirstCloseValues = "\"Expand Category List When Launched\"=dword:00000001\n"
                                                 "\"Auto Expand Category List\"=dword:00000000\n"
                                                 "\"Read Unit Prefixes\"=dword:00000001\n"
                                                 "\"Resistor Colour Band Digits\"=dword:00000002\n"
                                                 "\"Voltage Divider Series\"=\"E24\"\n"
                                                 "\"Combinations Series\"=\"E24\"\n"
                                                 "\"Regulator Series\"=\"E24\"\n"
                                                 "\"Freq Convert Slide Bar Mega Min\"=dword:00000001\n"
                                                 "\"Freq Convert Slide Bar Mega Max\"=dword:000003e8\n"
                                                 "\"Freq Convert Slide Bar Kilo Min\"=dword:00000001\n"
                                                 "\"Freq Convert Slide Bar Kilo Max\"=dword:000003e8\n"
                                                 "\"Freq Convert Slide Bar Meters Min\"=dword:00000001\n"
                                                 "\"Freq Convert Slide Bar Meters Max\"=dword:000003e8\n";
