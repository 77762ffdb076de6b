#pragma once

#include <QObject>
#include <QStringList>

// An ordered list of lines that signals every change. Between BeginUpdate and EndUpdate the
// signal is held back, and the outermost EndUpdate signals once for the whole batch.
class StringList : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    const QStringList& lines() const { return m_lines; }
    qsizetype count() const { return m_lines.size(); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    const QString& at(qsizetype i) const { return m_lines.at(i); }

    void BeginUpdate();
    void EndUpdate();

    void setLines(QStringList lines);
    void append(const QString& line);
    void insert(qsizetype i, const QString& line);
    void replace(qsizetype i, const QString& line);
    void removeAt(qsizetype i);
    void move(qsizetype from, qsizetype to);
    void clear();

    // Gives direct access for a batch edit; the change is signalled like any other.
    template <typename Edit> void edit(Edit&& change)
    {
        change(m_lines);
        changed();
    }

signals:
    void Changed();

private:
    void changed();

    QStringList m_lines;
    int m_updateCount = 0;
};
