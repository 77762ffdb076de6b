#include "cards/TextFile.h"

#include "cards/ChunkedLines.h"
#include "cards/CodePageDetection.h"
#include "cards/FileError.h"
#include "cards/UnmarkedUtf16.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFile {

namespace {

constexpr QStringConverter::Flags decoderFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

QString decodeWith(QStringDecoder decoder, QByteArrayView bytes, bool* failed)
{
    QString text = decoder.decode(bytes);
    if (failed)
        *failed = decoder.hasError();
    return text;
}

QString decodeUtf8(QByteArrayView bytes, bool* failed)
{
    return decodeWith(QStringDecoder(QStringConverter::Utf8, decoderFlags), bytes, failed);
}

QString decode8Bit(QByteArrayView bytes, const LegacyEncoding& encoding, bool* failed)
{
    QStringDecoder decoder(detectCodePage(bytes, encoding.codePage).constData(), decoderFlags);
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringConverter::Latin1, decoderFlags);
    return decodeWith(std::move(decoder), bytes, failed);
}

QString decodeWithoutMark(QByteArrayView bytes, const LegacyEncoding& encoding, bool preferUtf8,
                          bool* failed)
{
    if (const auto order = unmarkedUtf16Of(bytes))
        return decodeWith(QStringDecoder(*order, decoderFlags), bytes, failed);
    if (preferUtf8 || encoding.utf8Locale) {
        bool broken = false;
        QString text = decodeUtf8(bytes, &broken);
        if (!broken) {
            if (failed)
                *failed = false;
            return text;
        }
    }
    return decode8Bit(bytes, encoding, failed);
}

QString decodeMarked(QByteArrayView bytes, const LegacyEncoding& encoding, bool preferUtf8,
                     bool* failed)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decodeUtf8(bytes.sliced(3), failed);
    if (bytes.startsWith("\xFF\xFE"))
        return decodeWith(QStringDecoder(QStringConverter::Utf16LE, decoderFlags), bytes.sliced(2),
                          failed);
    if (bytes.startsWith("\xFE\xFF"))
        return decodeWith(QStringDecoder(QStringConverter::Utf16BE, decoderFlags), bytes.sliced(2),
                          failed);
    return decodeWithoutMark(bytes, encoding, preferUtf8, failed);
}

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw FileError(QStringLiteral("%1: %2").arg(path, reason));
}

// Opens a file for an atomic rewrite. A folder that vanished while the program ran is made
// again, so that what is in memory still reaches the disk.
void openForWriting(QSaveFile& file, const QString& path)
{
    if (file.open(QIODevice::WriteOnly))
        return;
    const QString folder = QFileInfo(path).absolutePath();
    if (QFileInfo::exists(folder) || !QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());
}

// Writes all of bytes. A short write is continued, so that a disk that fills up or a size
// limit reports its own error on the next call instead of an unknown one.
void writeAll(QSaveFile& file, const QString& path, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0)
            fail(path, file.errorString());
        bytes = bytes.sliced(written);
    }
}

void commit(QSaveFile& file, const QString& path)
{
    if (!file.commit())
        fail(path, file.errorString());
}

// Calls line with each line of text, which ends with a line break or is the end of the file's
// text, as a view of it.
template <typename Line> void forEachLine(QStringView text, Line&& line)
{
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        line(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        line(text.sliced(start));
}

// Appends the lines of text that keep accepts to a QStringList or ChunkedLines; returns how many
// it refused.
template <typename Lines>
qsizetype appendLines(QStringView text, Lines& lines, bool (*keep)(QStringView) = nullptr)
{
    qsizetype refused = 0;
    forEachLine(text, [&lines, &refused, keep](QStringView line) {
        if (!keep || keep(line))
            lines.append(line.toString());
        else
            ++refused;
    });
    return refused;
}

QStringView beforeNul(QStringView text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.first(nul);
}

// How many bytes of a file are read and decoded at a time; their text fits the processor's cache.
constexpr qsizetype PieceBytes = 1 << 18;

// Where the whole lines of bytes end: just after the last line break, not counting a CR at the
// very end, which may be the first half of a CR LF. No UTF-8 sequence holds a CR or LF byte.
// The bytes before from hold no break but perhaps a CR at from - 1, so a line longer than a
// piece is scanned once, not once per piece.
qsizetype wholeLinesEnd(QByteArrayView bytes, qsizetype from)
{
    for (qsizetype i = bytes.size() - 1; i >= std::max<qsizetype>(from - 1, 0); --i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && i + 1 < bytes.size()))
            return i + 1;
    }
    return 0;
}

// The bytes of whole UTF-16 code units.
QByteArrayView wholeUnits(QByteArrayView bytes)
{
    return bytes.first(bytes.size() - bytes.size() % 2);
}

// Reads the lines of a file of UTF-8 text, marked or, on a UTF-8 locale, unmarked, a piece at
// a time: neither the file's bytes nor its text are ever held whole, and each piece is split
// while it is still in the cache. The same two buffers serve every piece, so a long file costs
// no fresh memory beyond its lines. False, with lines unchanged, when the file is not such text.
template <typename Lines>
bool readUtf8Lines(QFile& file, const LegacyEncoding& encoding, bool (*keep)(QStringView),
                   Lines& lines, qsizetype& refused)
{
    Lines read;
    qsizetype refusedHere = 0;
    // Room for a piece and the unfinished line kept before it.
    QByteArray bytes;
    bytes.reserve(2 * PieceBytes);
    QString text;
    text.reserve(2 * PieceBytes);
    bool first = true;
    bool ended = false;
    for (;;) {
        const qsizetype kept = bytes.size();
        bytes.resize(kept + PieceBytes);
        const qint64 got = file.read(bytes.data() + kept, PieceBytes);
        if (got < 0)
            fail(file.fileName(), file.errorString());
        bytes.truncate(kept + got);
        if (first) {
            first = false;
            if (bytes.startsWith("\xEF\xBB\xBF"))
                bytes.remove(0, 3);
            else if (!encoding.utf8Locale || bytes.startsWith("\xFF\xFE") ||
                     bytes.startsWith("\xFE\xFF") || unmarkedUtf16Of(wholeUnits(bytes)))
                return false;
        }
        const bool atEnd = got == 0;
        const qsizetype end = atEnd ? bytes.size() : wholeLinesEnd(bytes, kept);
        QStringDecoder decoder(QStringConverter::Utf8, decoderFlags);
        text.resize(decoder.requiredSpace(end));
        text.truncate(decoder.appendToBuffer(text.data(), QByteArrayView(bytes).first(end)) -
                      text.constData());
        // Bytes after a NUL are not read as lines, but they must still be UTF-8.
        if (decoder.hasError())
            return false;
        if (!ended) {
            const QStringView before = beforeNul(text);
            ended = before.size() < text.size();
            refusedHere += appendLines(before, read, keep);
        }
        // The rest moves to the front rather than the front being dropped, which would leave
        // the buffer's room behind it and make the next piece allocate a new one.
        std::copy(bytes.cbegin() + end, bytes.cend(), bytes.begin());
        bytes.truncate(bytes.size() - end);
        if (atEnd)
            break;
    }
    lines = std::move(read);
    refused = refusedHere;
    return true;
}

void openForReading(QFile& file)
{
    if (!file.open(QIODevice::ReadOnly))
        fail(file.fileName(), file.errorString());
}

QByteArray readAll(QFile& file)
{
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(file.fileName(), file.errorString());
    return bytes;
}

} // namespace

QString decode(QByteArrayView bytes, const LegacyEncoding& encoding, bool* failed)
{
    return decodeMarked(bytes, encoding, false, failed);
}

QString decodeForced(QByteArrayView bytes, const LegacyEncoding& encoding)
{
    return decode8Bit(bytes, encoding, nullptr);
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    appendLines(beforeNul(text), lines);
    return lines;
}

QList<QStringView> lineViews(QStringView text)
{
    QList<QStringView> lines;
    forEachLine(beforeNul(text), [&lines](QStringView line) { lines.append(line); });
    return lines;
}

QString textOf(QByteArrayView bytes, const LegacyEncoding& encoding)
{
    bool failed = false;
    QString text = decode(bytes, encoding, &failed);
    return failed ? decodeForced(bytes, encoding) : text;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    openForReading(file);
    return readAll(file);
}

namespace {

template <typename Lines>
Lines readLinesAs(const QString& path, const LegacyEncoding& encoding,
                  bool (*keep)(QStringView line), ReadForm* form)
{
    QFile file(path);
    openForReading(file);
    Lines lines;
    ReadForm read;
    if (!readUtf8Lines(file, encoding, keep, lines, read.refusedLines)) {
        if (!file.seek(0))
            fail(path, file.errorString());
        const QByteArray bytes = readAll(file);
        read.utf8 = std::all_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) < 0x80; });
        read.refusedLines = appendLines(beforeNul(textOf(bytes, encoding)), lines, keep);
    }
    if (form)
        *form = read;
    return lines;
}

} // namespace

QStringList readLines(const QString& path, const LegacyEncoding& encoding,
                      bool (*keep)(QStringView line), ReadForm* form)
{
    return readLinesAs<QStringList>(path, encoding, keep, form);
}

ChunkedLines readChunkedLines(const QString& path, const LegacyEncoding& encoding,
                              bool (*keep)(QStringView line), ReadForm* form)
{
    return readLinesAs<ChunkedLines>(path, encoding, keep, form);
}

QString readOnePath(const QString& path, const LegacyEncoding& encoding)
{
    const QByteArray bytes = readBytes(path);
    bool failed = false;
    QString text = decodeMarked(bytes, encoding, true, &failed);
    if (failed)
        text = decodeForced(bytes, encoding);
    const QString joined = splitLines(text).join(QLatin1String("\r\n"));
    qsizetype begin = 0;
    qsizetype end = joined.size();
    while (begin < end && joined.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && joined.at(end - 1).unicode() <= 0x20)
        --end;
    return joined.mid(begin, end - begin);
}

namespace {

template <typename Lines> void writeLinesOf(const QString& path, const Lines& lines)
{
    QSaveFile file(path);
    openForWriting(file, path);
    QStringEncoder encoder(QStringConverter::Utf8);
    QByteArray chunk("\xEF\xBB\xBF");
    constexpr qsizetype chunkSize = 1 << 20;
    chunk.reserve(chunkSize + 4096);
    for (const QString& line : lines) {
        chunk += encoder.encode(line);
        chunk += "\r\n";
        if (chunk.size() >= chunkSize) {
            writeAll(file, path, chunk);
            chunk.clear();
        }
    }
    writeAll(file, path, chunk);
    commit(file, path);
}

} // namespace

void writeLines(const QString& path, const QStringList& lines)
{
    writeLinesOf(path, lines);
}

void writeLines(const QString& path, const ChunkedLines& lines)
{
    writeLinesOf(path, lines);
}

void writeOnePath(const QString& path, const QString& text)
{
    writeBytes(path, text.isEmpty() ? QByteArray() : text.toUtf8() + "\r\n");
}

void writeBytes(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    openForWriting(file, path);
    writeAll(file, path, bytes);
    commit(file, path);
}

void copyFile(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        fail(from, source.errorString());
    QSaveFile copy(to);
    openForWriting(copy, to);
    QByteArray chunk;
    while (!(chunk = source.read(1 << 20)).isEmpty())
        writeAll(copy, to, chunk);
    if (source.error() != QFileDevice::NoError)
        fail(from, source.errorString());
    commit(copy, to);
}

} // namespace TextFile
