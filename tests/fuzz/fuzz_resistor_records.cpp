// The resistor record line and the colour-band lists.
//
// Input: one byte choosing what is checked, then its data:
//   0: a typed band name (UTF-8). Each band list takes it exactly when one of
//      its items is spelt that way.
//   1: a resistance (8 bytes of a double). The nearest bands are items of
//      their lists, and for values written ("%f") as 1 up to 1e9 ohms they
//      stand for the value cut to two significant digits.
//   2: the record's texts (tag, five bands, value, tolerance) separated by
//      byte 0x1F. The record is one CR LF-terminated line of UTF-8 holding
//      every text, line breaks turned into blanks.
//   3: the bytes of an existing record file. Appending keeps them all and
//      puts the record on a line of its own, adding only the line break
//      they lack.

#include "resistors/maths/colour_bands.h"
#include "resistors/maths/record_file.h"
#include "tests/fuzz/fuzz_check.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

using fuzzcheck::expect;
using fuzzcheck::shown;

namespace {

template <typename Table> void checkMatch(const Table& table, const std::string& text)
{
    const std::optional<int> i = colour_bands::match(table, text);
    bool spelt = false;
    for (const auto& band : table)
        spelt = spelt || band.item == text;
    expect(i.has_value() == spelt, "a band list takes exactly the names of its items",
           shown(QString::fromStdString(text)));
    if (i)
        expect(table[std::size_t(*i)].item == text, "a band list takes the item spelt as typed",
               shown(QString::fromStdString(text)));
}

void checkBandNames(const QByteArray& typed)
{
    // As the panel reads a list's text.
    const std::string text = QString::fromUtf8(typed).toStdString();
    checkMatch(colour_bands::kDigitBands, text);
    checkMatch(colour_bands::kMultiplierBands, text);
    checkMatch(colour_bands::kToleranceBands, text);
    checkMatch(colour_bands::kTempCoeffBands, text);
}

void checkNearestBands(double ohms)
{
    const colour_bands::NearestBands bands = colour_bands::nearestBands(ohms);
    const QString detail = shown(ohms);
    for (const std::optional<int>& digit : {bands.digit1, bands.digit2})
        expect(!digit || (*digit >= 0 && *digit < int(colour_bands::kDigitBands.size())),
               "a nearest digit band is an item of its list", detail);
    expect(!bands.multiplierIndex || (*bands.multiplierIndex >= 0 &&
                                      *bands.multiplierIndex < int(colour_bands::kMultiplierBands.size())),
           "the nearest multiplier band is an item of its list", detail);
    // The value as "%f" writes it, six decimals, which may carry it up to
    // the next step (9.9999999 is "10.000000").
    char text[400];
    std::snprintf(text, sizeof text, "%f", ohms);
    const double written = std::strtod(text, nullptr);
    if (!(written >= 1 && written < 1e9))
        return;
    expect(bands.digit1 && bands.digit2 && bands.multiplierIndex, "every band is chosen from 1 to 1e9 ohms",
           detail);
    const double multiplier = colour_bands::kMultiplierBands[std::size_t(*bands.multiplierIndex)].multiplier;
    const double shownValue = (*bands.digit1 * 10 + *bands.digit2) * multiplier;
    expect(shownValue <= written * (1 + 1e-12) && written < shownValue + multiplier * (1 + 1e-12),
           "the nearest bands are the value cut to two digits",
           detail + QStringLiteral(" gives ") + shown(shownValue));
}

void checkRecordLine(const QByteArray& input)
{
    QStringList texts;
    for (const QByteArray& part : input.split('\x1f'))
        texts.append(QString::fromUtf8(part));
    while (texts.size() < 8)
        texts.append(QString());
    const QByteArray line = record_file::recordLine(texts[0], texts.mid(1, 5), texts[6], texts[7]);
    expect(line.endsWith("\r\n") && line.count('\n') == 1 && line.count('\r') == 1,
           "a record is one line ending in CR LF", QString::fromUtf8(line));
    const QString decoded = QString::fromUtf8(line.chopped(2));
    expect(decoded.toUtf8() == line.chopped(2), "a record is UTF-8", QString::fromUtf8(line));
    for (QString text : texts.mid(0, 8)) {
        text.replace(u'\r', u' ').replace(u'\n', u' ');
        expect(decoded.contains(text), "a record holds every text", shown(text) + u' ' + shown(decoded));
    }
}

std::unique_ptr<QTemporaryDir> folder;

void checkAppend(const QByteArray& before)
{
    const QString path = folder->filePath(QStringLiteral("records.RES"));
    {
        QFile file(path);
        expect(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(before) == before.size(),
               "the fuzzer can write the record file");
    }
    const QByteArray line = "Resistor: Bands - Brown,Black,Red,Gold,No band - Value: 1000 ohms 5 %\r\n";
    const QString failure = record_file::appendLine(path, line);
    expect(failure.isEmpty(), "a record can be appended to any file", failure);
    QFile file(path);
    expect(file.open(QIODevice::ReadOnly), "the record file reads back");
    const QByteArray after = file.readAll();
    expect(after.startsWith(before) && after.endsWith(line), "appending keeps the file and adds the record");
    const QByteArray added = after.sliced(before.size(), after.size() - before.size() - line.size());
    const QByteArray needed = before.isEmpty() || before.endsWith('\n') ? QByteArray()
                              : before.endsWith('\r')                   ? QByteArray("\n")
                                                                        : QByteArray("\r\n");
    expect(added == needed, "the record starts its own line with no more than the missing line break",
           QString::fromLatin1(added.toHex()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    folder = std::make_unique<QTemporaryDir>(base + QStringLiteral("/ohmbrook-fuzz-XXXXXX"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray input(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    switch (data[0] % 4) {
    case 0:
        checkBandNames(input);
        break;
    case 1: {
        if (input.size() != sizeof(double))
            return -1;
        double ohms = 0;
        std::memcpy(&ohms, input.constData(), sizeof ohms);
        checkNearestBands(ohms);
        break;
    }
    case 2:
        checkRecordLine(input);
        break;
    case 3:
        checkAppend(input);
        break;
    }
    return 0;
}
