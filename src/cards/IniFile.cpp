#include "cards/IniFile.h"

#include "cards/CardLine.h"

IniFile IniFile::fromLines(const QStringList& lines, QStringView leadingSection)
{
    IniFile ini;
    qsizetype current = -1;
    for (const QString& raw : lines) {
        const QStringView line = TrimControls(raw);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = TrimControls(line.sliced(1, line.size() - 2)).toString();
            current = ini.sectionIndex(name);
            if (current < 0) {
                current = ini.m_sections.size();
                ini.m_sections.append({name, {}});
            }
            continue;
        }
        if (current < 0 && leadingSection.isEmpty())
            continue;
        if (current < 0) {
            current = ini.m_sections.size();
            ini.m_sections.append({leadingSection.toString(), {}});
        }
        QList<Line>& entries = ini.m_sections[current].lines;
        const qsizetype separator = line.indexOf(u'=');
        if (separator < 0)
            entries.append({line.toString(), std::nullopt});
        else
            entries.append({TrimControls(line.first(separator)).toString(),
                            TrimControls(line.sliced(separator + 1)).toString()});
    }
    return ini;
}

QStringList IniFile::toLines() const
{
    QStringList lines;
    for (const Section& section : m_sections) {
        lines.append(u'[' + section.name + u']');
        for (const Line& line : section.lines)
            lines.append(line.value ? line.key + u'=' + *line.value : line.key);
        lines.append(QString());
    }
    return lines;
}

std::optional<QString> IniFile::value(QStringView section, QStringView key) const
{
    const qsizetype s = sectionIndex(section);
    if (s < 0)
        return std::nullopt;
    const qsizetype e = entryIndex(m_sections.at(s), key);
    if (e < 0)
        return std::nullopt;
    return m_sections.at(s).lines.at(e).value;
}

void IniFile::removeFirst(QStringView section, QStringView key)
{
    const qsizetype s = sectionIndex(section);
    if (s < 0)
        return;
    const qsizetype e = entryIndex(m_sections.at(s), key);
    if (e >= 0)
        m_sections[s].lines.removeAt(e);
}

void IniFile::setValue(QStringView section, const QString& key, const QString& value)
{
    qsizetype s = sectionIndex(section);
    if (s < 0) {
        s = m_sections.size();
        m_sections.append({section.toString(), {}});
    }
    QList<Line>& lines = m_sections[s].lines;
    const qsizetype e = entryIndex(m_sections.at(s), key);
    if (e >= 0)
        lines[e].value = value;
    else
        lines.append({key, value});
}

qsizetype IniFile::sectionIndex(QStringView name) const
{
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        if (m_sections.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype IniFile::entryIndex(const Section& section, QStringView key)
{
    for (qsizetype i = 0; i < section.lines.size(); ++i) {
        const Line& line = section.lines.at(i);
        if (line.value && line.key.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
