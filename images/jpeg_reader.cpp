#include "images/jpeg_reader.h"

#include <QThread>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

#include <jpeglib.h>

namespace jpeg {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return: it jumps back to the decoding function. Warnings about damaged data
// are dropped; the library fills what it cannot read and goes on.
struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void dropMessage(j_common_ptr)
{
}

// Three bytes a pixel, in the library's own order: the least memory to fill,
// and a view only ever converts the part it shows.
constexpr int kBytesPerPixel = 3;

struct Layout
{
    Header header;
    bool progressive = false;
};

std::optional<Layout> readLayout(const QByteArray& file)
{
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = jumpBack;
    errors.pub.output_message = dropMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return std::nullopt;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(file.constData()), file.size());
    jpeg_read_header(&cinfo, TRUE);
    Layout layout;
    layout.header.width = int(cinfo.image_width);
    layout.header.height = int(cinfo.image_height);
    layout.header.directlyDecodable =
        cinfo.jpeg_color_space != JCS_CMYK && cinfo.jpeg_color_space != JCS_YCCK;
    layout.progressive = cinfo.progressive_mode;
    jpeg_destroy_decompress(&cinfo);
    return layout;
}

// Decodes rows [first, first + count) of columns [x, x + width) into `out`,
// one row every bytesPerLine bytes. Only plain objects live in this frame,
// since an error jumps out of the library straight back here.
bool decodeRows(const unsigned char* data, std::size_t size, int first, int count, int x, int width,
                unsigned char* out, qsizetype bytesPerLine)
{
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = jumpBack;
    errors.pub.output_message = dropMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    // Columns right of the region are left out but for a margin of two block
    // columns, since the colour interpolation at a crop edge differs from the
    // whole picture's; those left of it are decoded all the same.
    constexpr int kEdgeMargin = 32;
    JDIMENSION left = 0;
    JDIMENSION decodedWidth = std::min(JDIMENSION(x + width + kEdgeMargin), cinfo.output_width);
    // Rows go straight into `out` only when they are exactly its width; a
    // part short of either edge is decoded through a row of its own.
    const bool cropped = x != 0 || JDIMENSION(width) != cinfo.output_width;
    JSAMPARRAY rowBuffer = nullptr;
    if (cropped) {
        if (decodedWidth != cinfo.output_width)
            jpeg_crop_scanline(&cinfo, &left, &decodedWidth);
        rowBuffer = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                               decodedWidth * kBytesPerPixel, 1);
    }
    if (first > 0)
        jpeg_skip_scanlines(&cinfo, JDIMENSION(first));
    const JDIMENSION end = JDIMENSION(first + count);
    while (cinfo.output_scanline < end) {
        unsigned char* target = out + qsizetype(cinfo.output_scanline - JDIMENSION(first)) * bytesPerLine;
        JSAMPROW row = cropped ? rowBuffer[0] : target;
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1)
            break;
        if (cropped)
            std::memcpy(target, row + (JDIMENSION(x) - left) * kBytesPerPixel,
                        std::size_t(width) * kBytesPerPixel);
    }
    const bool complete = cinfo.output_scanline >= end;
    jpeg_abort_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return complete;
}

const unsigned char* bytesOf(const QByteArray& file)
{
    return reinterpret_cast<const unsigned char*>(file.constData());
}

} // namespace

std::optional<Header> readHeader(const QByteArray& file)
{
    const std::optional<Layout> layout = readLayout(file);
    if (!layout || layout->header.width < 1 || layout->header.height < 1)
        return std::nullopt;
    return layout->header;
}

QImage decode(const QByteArray& file, int threads)
{
    const std::optional<Layout> layout = readLayout(file);
    if (!layout || !layout->header.directlyDecodable)
        return QImage();
    const int width = layout->header.width;
    const int height = layout->header.height;
    QImage image(width, height, QImage::Format_RGB888);
    if (image.isNull())
        return QImage();
    // A band of fewer rows than this costs more to start than it saves.
    constexpr int kMinBandRows = 512;
    const int bands = layout->progressive ? 1 : std::clamp(std::min(threads, height / kMinBandRows), 1, 8);
    unsigned char* bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    std::vector<char> ok(std::size_t(bands), 0);
    const auto runBand = [&](int band) {
        const int first = int(qint64(height) * band / bands);
        const int last = int(qint64(height) * (band + 1) / bands);
        ok[std::size_t(band)] = decodeRows(bytesOf(file), std::size_t(file.size()), first, last - first, 0,
                                           width, bits + qsizetype(first) * bytesPerLine, bytesPerLine);
    };
    std::vector<std::thread> workers;
    for (int band = 1; band < bands; ++band) {
        try {
            workers.emplace_back(runBand, band);
        } catch (const std::system_error&) {
            runBand(band); // no thread to spare: this one decodes the band
        }
    }
    runBand(0);
    for (std::thread& worker : workers)
        worker.join();
    if (std::find(ok.begin(), ok.end(), 0) != ok.end())
        return QImage();
    return image;
}

QImage decodeRegion(const QByteArray& file, const QRect& region)
{
    const std::optional<Layout> layout = readLayout(file);
    if (!layout || !layout->header.directlyDecodable)
        return QImage();
    const QRect part = region & QRect(0, 0, layout->header.width, layout->header.height);
    if (part.isEmpty())
        return QImage();
    QImage image(part.size(), QImage::Format_RGB888);
    if (image.isNull() || !decodeRows(bytesOf(file), std::size_t(file.size()), part.top(), part.height(),
                                      part.left(), part.width(), image.bits(), image.bytesPerLine()))
        return QImage();
    return image;
}

} // namespace jpeg
