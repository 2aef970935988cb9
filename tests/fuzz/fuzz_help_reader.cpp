// The help reader past its size and hash check: any container opened as its
// own expected bytes (as a file with the right digest but damaged contents
// would be), then every object, the window definition and the contents and
// index files read as the help window reads them. Any other input is read as
// a contents file and as the #WINDOWS and #STRINGS objects.
//
// Faults are all the sanitizers' to find; the properties are only that what
// the reader lists it can be asked about.
//
// Compressed objects are left out. They are decompressed by chmlib, which
// trusts the file's compression tables (a zero or huge block length in the
// reset table divides by zero or overflows its buffers) and is only ever
// given the help file whose SHA-256 the program carries. Every reset table's
// name is spoiled before the bytes are opened, so the reader finds no
// compressed section and never calls chmlib.

#include "help/chm_archive.h"
#include "help/help_file_digest.h"
#include "tests/fuzz/fuzz_check.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

using fuzzcheck::expect;

namespace {

// Enough to reach every object of a small help file while keeping one run
// short when a damaged directory lists thousands.
constexpr qsizetype kMaxObjectsRead = 64;
const QString kWindowName = QStringLiteral("Main Window");

std::unique_ptr<QTemporaryDir> folder;

void checkSitemap(const QByteArray& html, const help::ChmArchive* archive)
{
    for (const help::SitemapEntry& entry : help::parseSitemap(html)) {
        expect(entry.depth >= 0 && entry.depth <= help::kMaxSitemapDepth,
               "a contents entry's depth is bounded", QString::number(entry.depth));
        const QString object = help::ChmArchive::resolveLink(QStringLiteral("/"), entry.local);
        expect(object.isEmpty() || object.startsWith(u'/'), "a link resolves to an archive path", object);
        if (archive && !object.isEmpty())
            archive->contains(object);
    }
}

void checkContainer(QByteArray bytes)
{
    bytes.replace("InstanceData/ResetTable", "InstanceData/ResetTablE");
    const QString path = folder->filePath(QStringLiteral("help.chm"));
    {
        QFile file(path);
        expect(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
               "the fuzzer can write the help file");
    }
    const QByteArray sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    help::ChmArchive archive;
    if (!archive.open(path, help::HelpFileDigest{bytes.size(), sha256.constData()}))
        return;
    const QStringList names = archive.objectNames();
    for (qsizetype i = 0; i < names.size() && i < kMaxObjectsRead; ++i) {
        expect(archive.contains(names[i]), "every object listed is there", names[i]);
        const std::optional<QByteArray> object = archive.read(names[i]);
        if (object && (names[i].endsWith(QLatin1String(".hhc")) || names[i].endsWith(QLatin1String(".hhk"))))
            checkSitemap(*object, &archive);
    }
    archive.windowDefinition(kWindowName);
    archive.contentsFile(kWindowName);
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
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (bytes.startsWith("ITSF")) {
        checkContainer(bytes);
        return 0;
    }
    checkSitemap(bytes, nullptr);
    help::parseWindowDefinition(bytes, bytes, kWindowName);
    return 0;
}
