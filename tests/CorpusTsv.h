#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

// Reads the corpus' TSV files: UTF-8, LF, a header row, cells escaped with \t, \\, \xHH and
// \uHHHH.
namespace CorpusTsv {

inline QString unescape(const QString& cell)
{
    QString out;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        if (cell[i] != u'\\' || i + 1 >= cell.size()) {
            out += cell[i];
            continue;
        }
        const QChar kind = cell[++i];
        if (kind == u't') {
            out += u'\t';
        } else if (kind == u'x' || kind == u'u') {
            const int digits = kind == u'x' ? 2 : 4;
            out += QChar(char16_t(cell.mid(i + 1, digits).toUShort(nullptr, 16)));
            i += digits;
        } else {
            out += kind;
        }
    }
    return out;
}

// Every row after the header, cells unescaped.
inline QList<QStringList> rows(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QList<QStringList> result;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QStringList cells = lines[i].split(u'\t');
        for (QString& cell : cells)
            cell = unescape(cell);
        result.append(cells);
    }
    return result;
}

inline QString fixture(const QString& relative)
{
    return QStringLiteral(VOCADRILL_FIXTURES "/") + relative;
}

} // namespace CorpusTsv
