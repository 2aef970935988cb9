// ohmbrook-metafile-helper: draws one Windows metafile (libwmf) or enhanced
// metafile (libemf2svg) as SVG, renders that with QtSvg and writes the
// picture as raw pixels.
//
// The program starts one helper per picture, with limits on its memory, CPU
// time and output and a wall-clock timeout, so a hostile metafile that trips
// up the drawing libraries can only end this process. The protocol is in
// metafile_protocol.h.

#include "metafile_helper/confinement.h"
#include "metafile_helper/metafile_check.h"
#include "metafile_helper/metafile_protocol.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include <unistd.h>

namespace {

using metafile::ExitStatus;

std::optional<std::vector<unsigned char>> readInput()
{
    std::vector<unsigned char> bytes;
    unsigned char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got == 0)
            return bytes;
        if (got < 0)
            return std::nullopt;
        if (std::int64_t(bytes.size()) + got > metafile::kMaxInputBytes)
            return std::nullopt;
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
}

bool fits(std::int64_t width, std::int64_t height)
{
    return width > 0 && height > 0 && width <= metafile::kMaxSide && height <= metafile::kMaxSide &&
           width * height <= metafile::kMaxPixels;
}

bool writeAll(const void* data, std::size_t size)
{
    const auto* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t done = ::write(STDOUT_FILENO, p, size);
        if (done <= 0)
            return false;
        p += done;
        size -= std::size_t(done);
    }
    return true;
}

int writePicture(const QImage& image)
{
    unsigned char header[metafile::kHeaderBytes];
    std::memcpy(header, metafile::kPictureMagic, 8);
    for (int i = 0; i < 4; ++i) {
        header[8 + i] = static_cast<unsigned char>(std::uint32_t(image.width()) >> (8 * i));
        header[12 + i] = static_cast<unsigned char>(std::uint32_t(image.height()) >> (8 * i));
    }
    if (!writeAll(header, sizeof header))
        return metafile::kNotDrawn;
    for (int y = 0; y < image.height(); ++y) {
        if (!writeAll(image.constScanLine(y), std::size_t(image.width()) * 4))
            return metafile::kNotDrawn;
    }
    return metafile::kDrawn;
}

// Draws an SVG text into a white picture of the given size.
int drawSvg(const QByteArray& svg, std::int64_t width, std::int64_t height)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return metafile::kNotDrawn;
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return metafile::kNotDrawn;
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, double(width), double(height)));
    painter.end();
    return writePicture(image);
}

int drawWindowsMetafile(std::vector<unsigned char> input)
{
    std::optional<metafile::CheckedFile> checked = metafile::checkWindowsMetafile(std::move(input));
    if (!checked)
        return metafile::kMalformed;
    if (checked->statedSize && !fits(checked->statedSize->width, checked->statedSize->height))
        return metafile::kTooLarge;

    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI* api = nullptr;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None)
        return metafile::kNotDrawn;
    struct Release
    {
        wmfAPI* api;
        ~Release() { wmf_api_destroy(api); }
    } release{api};

    if (wmf_mem_open(api, checked->bytes.data(), long(checked->bytes.size())) != wmf_E_None)
        return metafile::kMalformed;
    wmfD_Rect bbox{};
    if (wmf_scan(api, 0, &bbox) != wmf_E_None)
        return metafile::kMalformed;
    unsigned int width = 0;
    unsigned int height = 0;
    if (wmf_display_size(api, &width, &height, 96, 96) != wmf_E_None)
        return metafile::kMalformed;
    if (!fits(width, height))
        return metafile::kTooLarge;
    if (checked->statedSize) {
        // A placeable file maps the rectangle its header names, not just the
        // part that holds drawing; the library measures in points.
        bbox.TL = {0, 0};
        bbox.BR = {float(checked->statedSize->width * 72.0 / 96.0),
                   float(checked->statedSize->height * 72.0 / 96.0)};
    }

    wmf_svg_t* device = WMF_SVG_GetData(api);
    device->out = wmf_stream_create(api, nullptr);
    device->bbox = bbox;
    device->width = width;
    device->height = height;
    device->flags |= WMF_SVG_INLINE_IMAGES;
    const wmf_error_t played = wmf_play(api, 0, &bbox);
    char* svg = nullptr;
    unsigned long svgLength = 0;
    wmf_stream_destroy(api, device->out, &svg, &svgLength);
    if (played != wmf_E_None || !svg)
        return metafile::kNotDrawn;
    return drawSvg(QByteArray(svg, qsizetype(svgLength)), width, height);
}

int drawEnhancedMetafile(std::vector<unsigned char> input)
{
    std::optional<metafile::CheckedFile> checked = metafile::checkEnhancedMetafile(std::move(input));
    if (!checked)
        return metafile::kMalformed;
    const metafile::PictureSize size = *checked->statedSize;
    if (!fits(size.width, size.height))
        return metafile::kTooLarge;

    generatorOptions options{};
    char noNamespace[] = "";
    options.nameSpace = noNamespace;
    options.svgDelimiter = true;
    options.emfplus = true;
    char* svg = nullptr;
    std::size_t svgLength = 0;
    const int converted = emf2svg(reinterpret_cast<char*>(checked->bytes.data()), checked->bytes.size(), &svg,
                                  &svgLength, &options);
    const QByteArray svgText = svg ? QByteArray(svg, qsizetype(svgLength)) : QByteArray();
    std::free(svg);
    if (!converted || svgText.isEmpty())
        return metafile::kMalformed;
    return drawSvg(svgText, size.width, size.height);
}

// Draws a little text, so that whatever drawing loads (font files, font
// engines, code) is loaded before the helper is confined.
void loadWhatDrawingNeeds()
{
    QFontDatabase::families();
    QSvgRenderer renderer(QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8'>"
                                     "<text x='0' y='8' font-family='serif'>Aa</text></svg>"));
    QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    renderer.render(&painter);
}

} // namespace

int main(int argc, char** argv)
{
    confinement::dropInheritance();
    const bool trying = argc == 3 && std::strcmp(argv[1], "try") == 0;
    // The benchmark's measure of what confinement costs; the program never
    // asks for it.
    const bool unconfined = argc == 3 && std::strcmp(argv[2], "unconfined") == 0;
    if (!trying && ((argc != 2 && !unconfined) ||
                    (std::strcmp(argv[1], "wmf") != 0 && std::strcmp(argv[1], "emf") != 0)))
        return metafile::kUsage;
    // Text in a drawing needs the font database, which needs an application
    // object; the offscreen platform needs no display.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    loadWhatDrawingNeeds();
    if (!unconfined && !confinement::confine())
        return metafile::kUnconfined;
    if (trying)
        return confinement::tryForbidden(argv[2]);
    std::optional<std::vector<unsigned char>> input = readInput();
    if (!input)
        return metafile::kTooLarge;
    if (std::strcmp(argv[1], "wmf") == 0)
        return drawWindowsMetafile(std::move(*input));
    return drawEnhancedMetafile(std::move(*input));
}
