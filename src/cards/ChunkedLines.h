#pragma once

#include <QString>
#include <QStringList>

#include <iterator>
#include <vector>

// A list of lines kept in chunks of a few thousand, each implicitly shared. A copy costs one
// reference count per chunk, and a change to either copy copies only the chunks it touches: a
// save can write a copy of a million lines on a worker thread while the learner moves lines in
// the original, and the move copies a few thousand lines, not a million.
class ChunkedLines
{
public:
    // Lines per chunk as the list is built; a chunk that grows to twice this is split.
    static constexpr qsizetype ChunkLines = 4096;

    class const_iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = QString;
        using difference_type = qsizetype;
        using pointer = const QString*;
        using reference = const QString&;

        const_iterator() = default;
        const_iterator(const std::vector<QStringList>* chunks, std::size_t chunk)
            : m_chunks(chunks), m_chunk(chunk)
        {}

        const QString& operator*() const { return (*m_chunks)[m_chunk].at(m_offset); }
        const QString* operator->() const { return &**this; }
        const_iterator& operator++()
        {
            if (++m_offset == (*m_chunks)[m_chunk].size()) {
                ++m_chunk;
                m_offset = 0;
            }
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const
        {
            return m_chunk == other.m_chunk && m_offset == other.m_offset;
        }

    private:
        const std::vector<QStringList>* m_chunks = nullptr;
        std::size_t m_chunk = 0;
        qsizetype m_offset = 0;
    };

    ChunkedLines() = default;
    explicit ChunkedLines(QStringList lines);

    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    const QString& at(qsizetype i) const;

    void append(const QString& line);
    void insert(qsizetype i, const QString& line);
    void replace(qsizetype i, const QString& line);
    void removeAt(qsizetype i);
    // As QList::move: the line at from ends at index to.
    void move(qsizetype from, qsizetype to);
    // Keeps the first size lines; the chunks past them go whole, without copying shared ones.
    void truncate(qsizetype size);

    QStringList toList() const;
    qsizetype indexOf(const QString& line) const;
    qsizetype lastIndexOf(const QString& line) const;
    bool contains(const QString& line) const { return indexOf(line) >= 0; }

    const_iterator begin() const { return {&m_chunks, 0}; }
    const_iterator end() const { return {&m_chunks, m_chunks.size()}; }

private:
    struct Place
    {
        std::size_t chunk;
        qsizetype offset;
    };

    Place place(qsizetype i) const;
    // Shifts the starts of the chunks after chunk by the given count of lines.
    void shiftAfter(std::size_t chunk, qsizetype by);

    // No chunk is empty; chunk k holds lines m_starts[k] to m_starts[k] + its size - 1.
    std::vector<QStringList> m_chunks;
    std::vector<qsizetype> m_starts;
    qsizetype m_size = 0;
};
