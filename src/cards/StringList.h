#pragma once

#include "cards/ChunkedLines.h"

#include <QObject>
#include <QStringList>

#include <utility>

// An ordered list of lines that signals every change. Between BeginUpdate and EndUpdate the
// signal is held back, and the outermost EndUpdate signals once for the whole batch. The lines
// are kept in shared chunks, so that a copy of a long list for another thread costs nothing.
class StringList : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // All lines in one list, made for the call.
    QStringList lines() const { return m_lines.toList(); }
    // The lines as they are kept: a copy is cheap, and a change to the list does not touch it.
    const ChunkedLines& chunked() const { return m_lines; }
    qsizetype count() const { return m_lines.size(); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    const QString& at(qsizetype i) const { return m_lines.at(i); }

    void BeginUpdate();
    void EndUpdate();

    void setLines(QStringList lines);
    void setLines(ChunkedLines lines);
    void append(const QString& line);
    void insert(qsizetype i, const QString& line);
    void replace(qsizetype i, const QString& line);
    void removeAt(qsizetype i);
    void move(qsizetype from, qsizetype to);
    void clear();

    // Gives all lines as one list for a batch edit of the whole; the change is signalled like
    // any other.
    template <typename Edit> void edit(Edit&& change)
    {
        QStringList all = std::exchange(m_lines, {}).toList();
        change(all);
        m_lines = ChunkedLines(std::move(all));
        changed();
    }

signals:
    void Changed();

private:
    void changed();

    ChunkedLines m_lines;
    int m_updateCount = 0;
};
