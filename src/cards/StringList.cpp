#include "cards/StringList.h"

void StringList::BeginUpdate()
{
    ++m_updateCount;
}

void StringList::EndUpdate()
{
    if (m_updateCount > 0 && --m_updateCount == 0)
        emit Changed();
}

void StringList::setLines(QStringList lines)
{
    setLines(ChunkedLines(std::move(lines)));
}

void StringList::setLines(ChunkedLines lines)
{
    m_lines = std::move(lines);
    changed();
}

void StringList::append(const QString& line)
{
    m_lines.append(line);
    changed();
}

void StringList::insert(qsizetype i, const QString& line)
{
    m_lines.insert(i, line);
    changed();
}

void StringList::replace(qsizetype i, const QString& line)
{
    m_lines.replace(i, line);
    changed();
}

void StringList::removeAt(qsizetype i)
{
    m_lines.removeAt(i);
    changed();
}

void StringList::move(qsizetype from, qsizetype to)
{
    m_lines.move(from, to);
    changed();
}

void StringList::clear()
{
    m_lines = {};
    changed();
}

void StringList::changed()
{
    if (m_updateCount == 0)
        emit Changed();
}
