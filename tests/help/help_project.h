#pragma once

// Reads the help project file (Ohmbrook2Help.hhp) the way the tests need it:
// the [FILES] list and the "Main Window" line of [WINDOWS]. Kept apart from
// the program's own reader of the compiled file, so each checks the other.

#include <QFile>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace help_test {

inline QString helpSourceDir()
{
    return QStringLiteral(OHMBROOK_HELP_SOURCE_DIR);
}

inline QStringList projectSection(const QString& section)
{
    QFile file(helpSourceDir() + QStringLiteral("/Ohmbrook2Help.hhp"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines;
    QString current;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']'))
            current = line.mid(1, line.size() - 2);
        else if (current == section && !line.isEmpty())
            lines.append(line);
    }
    return lines;
}

inline QString projectOption(const QString& key)
{
    for (const QString& line : projectSection(QStringLiteral("OPTIONS"))) {
        if (line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    }
    return {};
}

struct ProjectWindow
{
    QString caption;
    QRect geometry;
};

inline ProjectWindow projectWindow(const QString& name)
{
    static const QRegularExpression rect(
        QStringLiteral(R"(\[\s*(-?\d+)\s*,\s*(-?\d+)\s*,\s*(-?\d+)\s*,\s*(-?\d+)\s*\])"));
    static const QRegularExpression caption(QStringLiteral("=\\s*\"([^\"]*)\""));
    for (const QString& line : projectSection(QStringLiteral("WINDOWS"))) {
        if (!line.startsWith(name + u'='))
            continue;
        ProjectWindow window;
        window.caption = caption.match(line).captured(1);
        const auto m = rect.match(line);
        if (m.hasMatch()) {
            const QPoint topLeft(m.captured(1).toInt(), m.captured(2).toInt());
            const QPoint bottomRight(m.captured(3).toInt(), m.captured(4).toInt());
            window.geometry =
                QRect(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
        }
        return window;
    }
    return {};
}

// The pages the program asks for by name: one per panel, plus the welcome
// and Options pages.
inline const QStringList& programPages()
{
    static const QStringList pages = {
        QStringLiteral("Welcome.htm"),
        QStringLiteral("Options.htm"),
        QStringLiteral("ResistorColourBands.htm"),
        QStringLiteral("ResistorsSeriesParallel.htm"),
        QStringLiteral("ResistorInLineDropper.htm"),
        QStringLiteral("CapacitorInLineDropper.htm"),
        QStringLiteral("CapacitorScaleComparisons.htm"),
        QStringLiteral("CapacitorsSeriesParallel.htm"),
        QStringLiteral("CapacitorColourBands.htm"),
        QStringLiteral("CapacitorDigitValues.htm"),
        QStringLiteral("OhmsLawPower.htm"),
        QStringLiteral("GeneralReactance.htm"),
        QStringLiteral("FrequencyCoil.htm"),
        QStringLiteral("FrequencyConversions.htm"),
        QStringLiteral("FrequencyResonance.htm"),
        QStringLiteral("SchematicSymbols.htm"),
        QStringLiteral("MemoNotes.htm"),
        QStringLiteral("LoadImages.htm"),
        QStringLiteral("ResistorSmdCodes.htm"),
        QStringLiteral("ResistorDivider.htm"),
        QStringLiteral("ResistorCombinations.htm"),
        QStringLiteral("Timer555.htm"),
        QStringLiteral("Regulator.htm"),
        QStringLiteral("RcTimeConstant.htm"),
    };
    return pages;
}

} // namespace help_test
