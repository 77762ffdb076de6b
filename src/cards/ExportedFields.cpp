#include "cards/ExportedFields.h"

#include "cards/CardLine.h"

#include <QHash>

namespace ExportedFields {

namespace {

// The fields of a line split at a tab, trimmed.
QStringList tabFields(const QString& line)
{
    QStringList fields = line.split(u'\t');
    for (QString& field : fields)
        field = field.trimmed();
    return fields;
}

// The fields of a line split at separator, with CSV quoting: a field in double quotes may hold
// the separator, and two double quotes in it stand for one. Trimmed.
QStringList csvFields(const QString& line, QChar separator)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < line.size() && line[i + 1] == u'"')
                field += line[++i];
            else
                quoted = false;
        } else if (c == u'"' && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
        } else if (c == separator) {
            fields << field.trimmed();
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field.trimmed();
    return fields;
}

bool hasTwoFields(const QStringList& fields)
{
    return fields.size() >= 2 && !fields[0].isEmpty() && !fields[1].isEmpty();
}

QString cardOf(const QStringList& fields)
{
    QString card = fields[0] + QLatin1String(" = ") + fields[1];
    QStringList rest = fields.mid(2);
    rest.removeAll(QString());
    if (!rest.isEmpty())
        card += QLatin1String(" // ") + rest.join(QLatin1String(", "));
    return card;
}

// The fields of every line by split, when more than half of the lines that are not blank have
// two fields, and, with consistent, the same number of them.
std::optional<QList<QStringList>> fieldsOf(const QStringList& lines,
                                           const std::function<QStringList(const QString&)>& split,
                                           bool consistent)
{
    QList<QStringList> fields;
    QHash<qsizetype, qsizetype> linesByCount;
    qsizetype nonBlank = 0;
    for (const QString& line : lines) {
        fields << split(line);
        if (line.trimmed().isEmpty())
            continue;
        ++nonBlank;
        if (hasTwoFields(fields.last()))
            ++linesByCount[consistent ? fields.last().size() : 0];
    }
    qsizetype most = 0;
    for (qsizetype count : linesByCount)
        most = std::max(most, count);
    if (nonBlank == 0 || most * 2 <= nonBlank)
        return std::nullopt;
    return fields;
}

} // namespace

std::optional<QStringList> cardsOf(const QStringList& lines)
{
    if (std::any_of(lines.begin(), lines.end(),
                    [](const QString& line) { return IsVocabula(line); }))
        return std::nullopt;
    auto fields = fieldsOf(lines, tabFields, false);
    for (QChar separator : {u';', u','}) {
        if (fields)
            break;
        fields = fieldsOf(
            lines, [separator](const QString& line) { return csvFields(line, separator); }, true);
    }
    if (!fields)
        return std::nullopt;
    QStringList cards;
    for (qsizetype i = 0; i < lines.size(); ++i)
        cards << (hasTwoFields((*fields)[i]) ? cardOf((*fields)[i]) : lines[i]);
    return cards;
}

} // namespace ExportedFields
