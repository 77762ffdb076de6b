#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// An INI file in memory: sections "[name]" holding entries "key=value". Sections and entries
// keep the order in which they were read or added; names and keys compare without regard to
// letter case.
class IniFile
{
public:
    // Reads the lines of a file. Every line is trimmed; empty lines, lines starting with ";"
    // and lines before the first section are dropped, or, when leadingSection is given, read
    // as that section's. A section met again continues the first one. In an entry the key and
    // the value are trimmed separately; a line without "=" stays in its section, trimmed.
    static IniFile fromLines(const QStringList& lines, QStringView leadingSection = {});
    // For every section: "[name]", its lines as "key=value", then an empty line.
    QStringList toLines() const;

    bool hasSection(QStringView name) const { return sectionIndex(name) >= 0; }
    // The value of the first entry key in section.
    std::optional<QString> value(QStringView section, QStringView key) const;
    // Removes the first entry key of section, if there is one.
    void removeFirst(QStringView section, QStringView key);
    // Replaces the value of the first entry key, or adds the entry at the end of the section,
    // adding the section at the end of the file when it is missing.
    void setValue(QStringView section, const QString& key, const QString& value);

private:
    struct Line
    {
        // The whole line when it holds no "=".
        QString key;
        std::optional<QString> value;
    };
    struct Section
    {
        QString name;
        QList<Line> lines;
    };

    // Positions of a section in the file and of an entry in its section; -1 when missing.
    qsizetype sectionIndex(QStringView name) const;
    static qsizetype entryIndex(const Section& section, QStringView key);

    QList<Section> m_sections;
};
