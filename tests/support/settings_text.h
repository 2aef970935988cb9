#pragma once

// A settings value as one comparable text, so tests can compare type and
// content at once: "missing", "other", "string:<text>" or "dword:<decimal>".

#include "shell/settings_store.h"

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
