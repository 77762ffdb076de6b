#include "cards/ChunkedLines.h"

#include <algorithm>

ChunkedLines::ChunkedLines(QStringList lines) : m_size(lines.size())
{
    m_chunks.reserve(std::size_t((m_size + ChunkLines - 1) / ChunkLines));
    for (qsizetype start = 0; start < m_size; start += ChunkLines) {
        const qsizetype end = std::min(m_size, start + ChunkLines);
        QStringList chunk;
        chunk.reserve(end - start);
        for (qsizetype i = start; i < end; ++i)
            chunk.append(std::move(lines[i]));
        m_chunks.push_back(std::move(chunk));
        m_starts.push_back(start);
    }
}

ChunkedLines::Place ChunkedLines::place(qsizetype i) const
{
    Q_ASSERT(i >= 0 && i < m_size);
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), i);
    const auto chunk = std::size_t(after - m_starts.begin()) - 1;
    return {chunk, i - m_starts[chunk]};
}

void ChunkedLines::shiftAfter(std::size_t chunk, qsizetype by)
{
    for (std::size_t k = chunk + 1; k < m_starts.size(); ++k)
        m_starts[k] += by;
}

const QString& ChunkedLines::at(qsizetype i) const
{
    const Place at = place(i);
    return m_chunks[at.chunk].at(at.offset);
}

void ChunkedLines::append(const QString& line)
{
    if (m_chunks.empty() || m_chunks.back().size() >= ChunkLines) {
        // Room for a whole chunk at once: a list read line by line grows without copying.
        QStringList chunk;
        chunk.reserve(ChunkLines);
        chunk.append(line);
        m_chunks.push_back(std::move(chunk));
        m_starts.push_back(m_size);
    } else {
        m_chunks.back().append(line);
    }
    ++m_size;
}

void ChunkedLines::insert(qsizetype i, const QString& line)
{
    if (i == m_size) {
        append(line);
        return;
    }
    const Place at = place(i);
    QStringList& chunk = m_chunks[at.chunk];
    chunk.insert(at.offset, line);
    ++m_size;
    shiftAfter(at.chunk, 1);
    if (chunk.size() < 2 * ChunkLines)
        return;
    // A chunk grown to twice the size is split in halves, so that a change to it stays cheap.
    QStringList upper = chunk.sliced(ChunkLines);
    chunk.resize(ChunkLines);
    const auto next = std::ptrdiff_t(at.chunk) + 1;
    m_starts.insert(m_starts.begin() + next, m_starts[at.chunk] + ChunkLines);
    m_chunks.insert(m_chunks.begin() + next, std::move(upper));
}

void ChunkedLines::replace(qsizetype i, const QString& line)
{
    const Place at = place(i);
    m_chunks[at.chunk].replace(at.offset, line);
}

void ChunkedLines::removeAt(qsizetype i)
{
    const Place at = place(i);
    QStringList& chunk = m_chunks[at.chunk];
    chunk.removeAt(at.offset);
    --m_size;
    shiftAfter(at.chunk, -1);
    if (!chunk.isEmpty())
        return;
    const auto emptied = std::ptrdiff_t(at.chunk);
    m_chunks.erase(m_chunks.begin() + emptied);
    m_starts.erase(m_starts.begin() + emptied);
}

void ChunkedLines::move(qsizetype from, qsizetype to)
{
    if (from == to)
        return;
    const QString line = at(from);
    removeAt(from);
    insert(to, line);
}

void ChunkedLines::truncate(qsizetype size)
{
    Q_ASSERT(size >= 0 && size <= m_size);
    m_size = size;
    while (!m_starts.empty() && m_starts.back() >= size) {
        m_chunks.pop_back();
        m_starts.pop_back();
    }
    if (!m_chunks.empty())
        m_chunks.back().resize(size - m_starts.back());
}

QStringList ChunkedLines::toList() const
{
    QStringList all;
    all.reserve(m_size);
    for (const QStringList& chunk : m_chunks)
        all.append(chunk);
    return all;
}

qsizetype ChunkedLines::indexOf(const QString& line) const
{
    for (std::size_t k = 0; k < m_chunks.size(); ++k) {
        const qsizetype offset = m_chunks[k].indexOf(line);
        if (offset >= 0)
            return m_starts[k] + offset;
    }
    return -1;
}

qsizetype ChunkedLines::lastIndexOf(const QString& line) const
{
    for (std::size_t k = m_chunks.size(); k-- > 0;) {
        const qsizetype offset = m_chunks[k].lastIndexOf(line);
        if (offset >= 0)
            return m_starts[k] + offset;
    }
    return -1;
}
