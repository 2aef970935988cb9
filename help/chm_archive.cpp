#include "help/chm_archive.h"

#include "help/help_file_digest.h"

#include <chm_lib.h>

#include <QCryptographicHash>
#include <QFile>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <utility>
#include <vector>

namespace help {

namespace {

// The fixed layout of one window definition in #WINDOWS; every text is an
// offset into #STRINGS.
constexpr int kWindowsHeaderSize = 8;
constexpr int kOffsetTypeName = 0x08;
constexpr int kOffsetCaption = 0x14;
constexpr int kOffsetWindowRect = 0x20;
constexpr int kOffsetNavigationWidth = 0x4C;
constexpr int kOffsetContentsFile = 0x60;
constexpr int kOffsetIndexFile = 0x64;
constexpr int kOffsetDefaultPage = 0x68;
constexpr int kOffsetHomePage = 0x6C;
constexpr int kSmallestWindowEntry = 0x70;

// The container: an ITSF header, a directory (an ITSP header and chunks of
// entries, the listing chunks chained by their "next" numbers) and the content
// of section 0, in which the compressed section is one more object.
constexpr quint64 kItsfV2HeaderSize = 0x58;
constexpr quint64 kItsfV3HeaderSize = 0x60;
constexpr quint64 kItsfDirectoryOffset = 0x48;
constexpr quint64 kItsfDirectoryLength = 0x50;
constexpr quint64 kItsfContentOffset = 0x58;
constexpr quint64 kItspHeaderSize = 0x54;
constexpr quint64 kItspHeaderSizeField = 0x08;
constexpr quint64 kItspChunkSize = 0x10;
constexpr quint64 kItspFirstListingChunk = 0x20;
constexpr quint64 kListingHeaderSize = 0x14;
constexpr quint64 kListingFreeSpace = 0x04;
constexpr quint64 kListingNextChunk = 0x10;
// Seven bits a byte: nine bytes hold any 63-bit number.
constexpr int kLongestEncodedNumber = 9;

constexpr auto kResetTable = "::DataSpace/Storage/MSCompressed/Transform/"
                             "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";
constexpr quint64 kResetTableSize = 0x28;
constexpr quint64 kResetTableUncompressedLength = 0x10;
// LZX shrinks text a few times over; no sound help file expands its
// compressed section by more than this factor over the whole file.
constexpr quint64 kMaxExpansion = 64;
// Compressed objects are read in steps, so memory grows only with the bytes
// actually decompressed, whatever length the directory states.
constexpr quint64 kReadStep = 64 * 1024;

constexpr quint64 kSectionUncompressed = 0;
constexpr quint64 kSectionCompressed = 1;

// Little-endian numbers; zero when the bytes are not all there.
quint64 readLittleEndian(const QByteArray& bytes, quint64 at, int size)
{
    if (at > quint64(bytes.size()) || quint64(size) > quint64(bytes.size()) - at)
        return 0;
    quint64 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[qsizetype(at) + i]);
    return value;
}

quint32 readUInt32(const QByteArray& bytes, quint64 at)
{
    return quint32(readLittleEndian(bytes, at, 4));
}

qint32 readInt32(const QByteArray& bytes, quint64 at)
{
    return static_cast<qint32>(readUInt32(bytes, at));
}

quint64 readUInt64(const QByteArray& bytes, quint64 at)
{
    return readLittleEndian(bytes, at, 8);
}

bool hasSignature(const QByteArray& bytes, quint64 at, const char (&signature)[5])
{
    return at <= quint64(bytes.size()) && quint64(bytes.size()) - at >= 4 &&
           QByteArrayView(bytes).sliced(qsizetype(at), 4) == QByteArrayView(signature, 4);
}

// A directory number: seven bits a byte, most significant first, the high bit
// set on every byte but the last. <at> moves past it; reading stops at <end>.
std::optional<quint64> readEncodedNumber(const QByteArray& bytes, quint64& at, quint64 end)
{
    quint64 value = 0;
    for (int i = 0; i < kLongestEncodedNumber && at < end; ++i) {
        const quint8 byte = quint8(bytes[qsizetype(at++)]);
        value = (value << 7) | (byte & 0x7F);
        if ((byte & 0x80) == 0)
            return value;
    }
    return std::nullopt;
}

// Whether [start, start + length) lies within [0, limit).
bool fitsWithin(quint64 start, quint64 length, quint64 limit)
{
    return start <= limit && length <= limit - start;
}

// Where the parts of the container lie, as its ITSF and ITSP headers state
// it; nothing when the headers are damaged.
struct DirectoryLayout
{
    quint64 dataOffset;
    quint64 chunksBegin;
    quint64 chunkSize;
    quint64 chunkCount;
    qint64 firstListingChunk;
};

std::optional<DirectoryLayout> readDirectoryLayout(const QByteArray& bytes)
{
    const quint64 size = quint64(bytes.size());
    if (!hasSignature(bytes, 0, "ITSF"))
        return std::nullopt;
    const quint32 version = readUInt32(bytes, 4);
    const quint64 headerSize = version == 3 ? kItsfV3HeaderSize : kItsfV2HeaderSize;
    if ((version != 2 && version != 3) || size < headerSize)
        return std::nullopt;
    const quint64 directoryOffset = readUInt64(bytes, kItsfDirectoryOffset);
    const quint64 directoryLength = readUInt64(bytes, kItsfDirectoryLength);
    if (!fitsWithin(directoryOffset, directoryLength, size))
        return std::nullopt;
    const quint64 dataOffset =
        version == 3 ? readUInt64(bytes, kItsfContentOffset) : directoryOffset + directoryLength;
    if (dataOffset > size)
        return std::nullopt;

    if (directoryLength < kItspHeaderSize || !hasSignature(bytes, directoryOffset, "ITSP"))
        return std::nullopt;
    const quint64 itspSize = readUInt32(bytes, directoryOffset + kItspHeaderSizeField);
    const quint64 chunkSize = readUInt32(bytes, directoryOffset + kItspChunkSize);
    if (itspSize < kItspHeaderSize || itspSize > directoryLength || chunkSize <= kListingHeaderSize)
        return std::nullopt;
    return DirectoryLayout{dataOffset, directoryOffset + itspSize, chunkSize,
                           (directoryLength - itspSize) / chunkSize,
                           readInt32(bytes, directoryOffset + kItspFirstListingChunk)};
}

// The entries of the listing chunk at <begin> into <entries>, and the names
// of the stored files among them into <names>. The number of the next chunk,
// or nothing when the chunk is damaged or repeats a name.
template <typename Entries>
std::optional<qint64> readListingChunk(const QByteArray& bytes, quint64 begin, quint64 chunkSize,
                                       Entries& entries, QStringList& names)
{
    if (!hasSignature(bytes, begin, "PMGL"))
        return std::nullopt;
    const quint64 freeSpace = readUInt32(bytes, begin + kListingFreeSpace);
    if (freeSpace > chunkSize - kListingHeaderSize)
        return std::nullopt;
    const quint64 end = begin + chunkSize - freeSpace;
    quint64 at = begin + kListingHeaderSize;
    while (at < end) {
        const auto nameLength = readEncodedNumber(bytes, at, end);
        if (!nameLength || *nameLength == 0 || *nameLength > end - at)
            return std::nullopt;
        const QString name = QString::fromUtf8(bytes.constData() + at, qsizetype(*nameLength));
        at += *nameLength;
        const auto section = readEncodedNumber(bytes, at, end);
        const auto start = readEncodedNumber(bytes, at, end);
        const auto length = readEncodedNumber(bytes, at, end);
        if (!section || !start || !length || entries.contains(name))
            return std::nullopt;
        entries.insert(name, {*section, *start, *length});
        if (!name.startsWith(QLatin1String("::")) && !name.endsWith(u'/'))
            names.append(name);
    }
    return readInt32(bytes, begin + kListingNextChunk);
}

// The listing chunks, in chain order. Each chunk may be visited once: a chain
// that loops or leaves the directory is damage.
template <typename Entries>
bool readListing(const QByteArray& bytes, const DirectoryLayout& layout, Entries& entries, QStringList& names)
{
    std::vector<bool> visited(layout.chunkCount, false);
    qint64 chunk = layout.firstListingChunk;
    while (chunk != -1) {
        if (chunk < 0 || quint64(chunk) >= layout.chunkCount || visited[chunk])
            return false;
        visited[chunk] = true;
        const auto next = readListingChunk(bytes, layout.chunksBegin + quint64(chunk) * layout.chunkSize,
                                           layout.chunkSize, entries, names);
        if (!next)
            return false;
        chunk = *next;
    }
    return true;
}

// A sealed in-memory file holding <bytes>, opened by chmlib through its
// /proc path; the descriptor is closed once chmlib holds its own.
chmFile* openSealedCopy(const QByteArray& bytes)
{
    const int fd = memfd_create("help", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0)
        return nullptr;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n <= 0)
            break;
        written += n;
    }
    chmFile* chm = nullptr;
    if (written == bytes.size() &&
        fcntl(fd, F_ADD_SEALS, F_SEAL_WRITE | F_SEAL_GROW | F_SEAL_SHRINK | F_SEAL_SEAL) == 0)
        chm = chm_open(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData());
    ::close(fd);
    return chm;
}

QString stringAt(const QByteArray& strings, quint32 offset)
{
    if (offset == 0 || offset >= quint32(strings.size()))
        return {};
    const qsizetype end = strings.indexOf('\0', offset);
    return QString::fromUtf8(strings.mid(offset, (end < 0 ? strings.size() : end) - offset));
}

} // namespace

std::optional<ChmWindowDefinition> parseWindowDefinition(const QByteArray& windows, const QByteArray& strings,
                                                         const QString& name)
{
    const quint64 count = readUInt32(windows, 0);
    const quint64 entrySize = readUInt32(windows, 4);
    if (entrySize < kSmallestWindowEntry || quint64(windows.size()) < kWindowsHeaderSize)
        return std::nullopt;
    // No more entries than the bytes hold, whatever the stated count.
    const quint64 entries = qMin(count, (quint64(windows.size()) - kWindowsHeaderSize) / entrySize);
    for (quint64 i = 0; i < entries; ++i) {
        const quint64 at = kWindowsHeaderSize + i * entrySize;
        const auto text = [&](int offset) { return stringAt(strings, readUInt32(windows, at + offset)); };
        if (text(kOffsetTypeName) != name)
            continue;
        ChmWindowDefinition def;
        def.name = name;
        def.caption = text(kOffsetCaption);
        def.contentsFile = text(kOffsetContentsFile);
        def.indexFile = text(kOffsetIndexFile);
        def.defaultPage = text(kOffsetDefaultPage);
        def.homePage = text(kOffsetHomePage);
        // Edges far outside the screen give an invalid rectangle, which the
        // window ignores; the arithmetic stays within 64 bits.
        const qint64 left = readInt32(windows, at + kOffsetWindowRect);
        const qint64 top = readInt32(windows, at + kOffsetWindowRect + 4);
        const qint64 right = readInt32(windows, at + kOffsetWindowRect + 8);
        const qint64 bottom = readInt32(windows, at + kOffsetWindowRect + 12);
        constexpr qint64 kLargestEdge = 1 << 20;
        if (qAbs(left) < kLargestEdge && qAbs(top) < kLargestEdge && qAbs(right) < kLargestEdge &&
            qAbs(bottom) < kLargestEdge)
            def.geometry = QRect(QPoint(int(left), int(top)), QSize(int(right - left), int(bottom - top)));
        def.navigationWidth = readInt32(windows, at + kOffsetNavigationWidth);
        return def;
    }
    return std::nullopt;
}

ChmArchive::ChmArchive(const QString& fileName)
{
    open(fileName);
}

ChmArchive::~ChmArchive()
{
    close();
}

ChmArchive::ChmArchive(ChmArchive&& other) noexcept
{
    *this = std::move(other);
}

ChmArchive& ChmArchive::operator=(ChmArchive&& other) noexcept
{
    if (this != &other) {
        close();
        m_open = std::exchange(other.m_open, false);
        m_failure = std::exchange(other.m_failure, Failure::None);
        m_fileName = std::move(other.m_fileName);
        m_bytes = std::move(other.m_bytes);
        m_dataOffset = std::exchange(other.m_dataOffset, 0);
        m_compressedLength = std::exchange(other.m_compressedLength, 0);
        m_entries = std::move(other.m_entries);
        m_names = std::move(other.m_names);
        m_chm = std::exchange(other.m_chm, nullptr);
        m_chmTried = std::exchange(other.m_chmTried, false);
        other.close();
    }
    return *this;
}

bool ChmArchive::open(const QString& fileName)
{
    return open(fileName, builtHelpFileDigest());
}

bool ChmArchive::open(const QString& fileName, const HelpFileDigest& expected)
{
    close();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        m_failure = Failure::Unreadable;
        return false;
    }
    // The size is checked before reading, so nothing larger than the expected
    // file is ever read into memory.
    m_failure = Failure::Damaged;
    if (file.size() != expected.size)
        return false;
    m_bytes = file.read(expected.size);
    if (m_bytes.size() != expected.size || !file.atEnd() ||
        QCryptographicHash::hash(m_bytes, QCryptographicHash::Sha256).toHex() != expected.sha256 ||
        !readContainer()) {
        close();
        m_failure = Failure::Damaged;
        return false;
    }
    m_fileName = fileName;
    m_failure = Failure::None;
    m_open = true;
    return true;
}

bool ChmArchive::readContainer()
{
    const auto layout = readDirectoryLayout(m_bytes);
    if (!layout || !readListing(m_bytes, *layout, m_entries, m_names))
        return false;
    m_dataOffset = layout->dataOffset;

    // The compressed section's length, as its reset table states it.
    const quint64 size = quint64(m_bytes.size());
    const Entry resetTable = m_entries.value(QString::fromLatin1(kResetTable), Entry{~quint64(0), 0, 0});
    if (resetTable.section == kSectionUncompressed && resetTable.length >= kResetTableSize) {
        if (const auto table = readEntry(resetTable)) {
            const quint64 stated = readUInt64(*table, kResetTableUncompressedLength);
            m_compressedLength = size <= ~quint64(0) / kMaxExpansion ? qMin(stated, size * kMaxExpansion) : 0;
        }
    }
    return true;
}

void ChmArchive::close()
{
    if (m_chm)
        chm_close(m_chm);
    m_chm = nullptr;
    m_chmTried = false;
    m_open = false;
    m_failure = Failure::None;
    m_fileName.clear();
    m_bytes.clear();
    m_dataOffset = 0;
    m_compressedLength = 0;
    m_entries.clear();
    m_names.clear();
}

QStringList ChmArchive::objectNames() const
{
    return m_names;
}

bool ChmArchive::contains(const QString& objectName) const
{
    return m_names.contains(objectName);
}

std::optional<QByteArray> ChmArchive::read(const QString& objectName) const
{
    if (!m_open || !contains(objectName))
        return std::nullopt;
    return readEntry(m_entries.value(objectName));
}

std::optional<QByteArray> ChmArchive::readEntry(const Entry& entry) const
{
    if (entry.section == kSectionUncompressed) {
        const quint64 size = quint64(m_bytes.size());
        if (!fitsWithin(entry.start, entry.length, size - m_dataOffset))
            return std::nullopt;
        return m_bytes.mid(qsizetype(m_dataOffset + entry.start), qsizetype(entry.length));
    }
    if (entry.section == kSectionCompressed)
        return readCompressed(entry);
    return std::nullopt;
}

std::optional<QByteArray> ChmArchive::readCompressed(const Entry& entry) const
{
    if (!fitsWithin(entry.start, entry.length, m_compressedLength))
        return std::nullopt;
    QByteArray bytes;
    if (entry.length == 0)
        return bytes;
    chmFile* chm = decompressor();
    if (!chm)
        return std::nullopt;
    chmUnitInfo info{};
    info.start = entry.start;
    info.length = entry.length;
    info.space = CHM_COMPRESSED;
    for (quint64 done = 0; done < entry.length;) {
        const quint64 step = qMin(kReadStep, entry.length - done);
        bytes.resize(qsizetype(done + step));
        const LONGINT64 got = chm_retrieve_object(
            chm, &info, reinterpret_cast<unsigned char*>(bytes.data() + done), done, LONGINT64(step));
        if (got != LONGINT64(step))
            return std::nullopt;
        done += step;
    }
    return bytes;
}

chmFile* ChmArchive::decompressor() const
{
    if (!m_chmTried && m_open) {
        m_chmTried = true;
        m_chm = openSealedCopy(m_bytes);
    }
    return m_chm;
}

} // namespace help
