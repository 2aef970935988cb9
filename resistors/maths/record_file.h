#pragma once

// The resistor record file: plain text, one line appended per save, never a
// rewrite of earlier lines.
//
//   <tag>: Bands - <b1>,<b2>,<b3>,<b4>,<b5> - Value: <ohms> ohms <tolerance>CR LF
//
// Texts are written as the controls hold them (UTF-8), without quoting, and
// every line ends with CR LF whatever the platform. A line break inside a text
// (pasted into a list, say) becomes a blank, so one save is always one line.

#include <QString>
#include <QStringList>

namespace record_file {

QByteArray recordLine(const QString& tag, const QStringList& bandTexts, const QString& ohmsText,
                      const QString& toleranceText);

// Appends one whole line with a single write and flushes it to disk. The line
// always starts a line of its own: after a last line left without a line
// break (a file edited by hand, say) the CR LF is written first. On any
// failure the file is left as it was (a partly written line is cut off again)
// and the reason is returned; an empty result means success.
QString appendLine(const QString& path, const QByteArray& line);

} // namespace record_file
