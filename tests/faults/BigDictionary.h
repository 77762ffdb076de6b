#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A large dictionary made on the spot, every line distinct, so that a file of it tells which
// line stands first: line k is "word0000k = слово0000k". Used by the save-loop child and by
// the test that kills it.
namespace BigDictionary {

inline QString line(qsizetype k)
{
    char16_t digits[7];
    for (int i = 6; i >= 0; --i, k /= 10)
        digits[i] = char16_t(u'0' + k % 10);
    const QStringView number(digits, 7);
    QString text;
    text.reserve(26);
    text += u"word";
    text += number;
    text += u" = слово";
    text += number;
    return text;
}

// The lines turned so that line `first` stands first.
inline QStringList turned(qsizetype count, qsizetype first)
{
    QStringList lines;
    lines.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        lines.append(line((first + i) % count));
    return lines;
}

// The file the program writes for those lines: UTF-8 with a mark, CR LF after every line.
inline QByteArray fileBytes(const QStringList& lines)
{
    QByteArray bytes("\xEF\xBB\xBF");
    bytes.reserve(lines.size() * 28);
    for (const QString& l : lines)
        bytes += l.toUtf8() + "\r\n";
    return bytes;
}

} // namespace BigDictionary
