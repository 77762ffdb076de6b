// How many word lists without a mark, in the 8-bit pages of their languages, read exactly right
// on an English UTF-8 locale, by size; and that UTF-8 and marked lists still read right.
// Usage: encoding_accuracy FIXTURES_FOLDER. Prints a Markdown table; exits with 1 when a list
// in UTF-8 or with a mark reads wrong.

#include "cards/LegacyEncoding.h"
#include "cards/TextFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringEncoder>
#include <QTextStream>

#include <cstdio>

namespace {

struct Source
{
    QString language;
    QString file;
    QByteArrayList pages;
};

// The word lists and their pages, from wordlists/pages.tsv.
QList<Source> sourcesIn(const QString& fixtures)
{
    QFile table(fixtures + QLatin1String("/wordlists/pages.tsv"));
    if (!table.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(table.fileName()),
                     qPrintable(table.errorString()));
        std::exit(2);
    }
    QList<Source> sources;
    for (const QByteArray& row : table.readAll().split('\n').mid(1)) {
        const QByteArrayList cells = row.split('\t');
        if (cells.size() == 3)
            sources.append({QString::fromUtf8(cells[1]),
                            fixtures + QLatin1String("/wordlists/") + QString::fromUtf8(cells[0]),
                            cells[2].split(' ')});
    }
    return sources;
}

constexpr int Sizes[] = {5, 10, 20, 50, 100, 1000};

const LegacyEncoding englishLocale{true, "windows-1252"};

// The lines of a source file (UTF-8, with or without a mark).
QStringList linesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        std::exit(2);
    }
    return TextFile::splitLines(TextFile::textOf(file.readAll(), englishLocale));
}

// The lists of one size: windows of consecutive lines spread evenly over the source, wrapping
// at its end, so that a list longer than the source repeats it.
QList<QString> listsOf(const QStringList& lines, int size)
{
    const int count = size >= 1000 ? 10 : std::min<int>(lines.size(), 100);
    QList<QString> lists;
    for (int i = 0; i < count; ++i) {
        const qsizetype offset = qsizetype(i) * lines.size() / count;
        QStringList list;
        for (int k = 0; k < size; ++k)
            list << lines[(offset + k) % lines.size()];
        lists << list.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
    }
    return lists;
}

bool readsRight(const QByteArray& bytes, const QString& text)
{
    return TextFile::textOf(bytes, englishLocale) == text;
}

QByteArray utf16(const QString& text, QStringConverter::Encoding order)
{
    return QStringEncoder(order).encode(text);
}

// How many of the list's forms that need no guessing read wrong: UTF-8 with and without a
// mark, UTF-16 LE and BE with and without a mark.
int unguessedWrong(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    const QByteArray le = utf16(text, QStringConverter::Utf16LE);
    const QByteArray be = utf16(text, QStringConverter::Utf16BE);
    const QList<QByteArray> forms{utf8, "\xEF\xBB\xBF" + utf8, le, "\xFF\xFE" + le,
                                  be,   "\xFE\xFF" + be};
    int wrong = 0;
    for (const QByteArray& form : forms)
        wrong += readsRight(form, text) ? 0 : 1;
    return wrong;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FIXTURES_FOLDER\n", argv[0]);
        return 2;
    }
    const QString fixtures = QString::fromLocal8Bit(argv[1]);
    QTextStream out(stdout);
    out << "| Language | Page |";
    for (int size : Sizes)
        out << ' ' << size << " lines |";
    out << "\n|---|---|";
    for (int i = 0; i < int(std::size(Sizes)); ++i)
        out << "---|";
    out << '\n';

    QList<int> rightBySize(std::size(Sizes));
    QList<int> totalBySize(std::size(Sizes));
    int unguessedFailures = 0;
    for (const Source& source : sourcesIn(fixtures)) {
        const QStringList lines = linesOf(source.file);
        for (const QByteArray& page : source.pages) {
            out << "| " << source.language << " | " << page << " |";
            for (int s = 0; s < int(std::size(Sizes)); ++s) {
                int right = 0;
                const QList<QString> lists = listsOf(lines, Sizes[s]);
                for (const QString& text : lists) {
                    QStringEncoder encoder(page.constData());
                    const QByteArray bytes = encoder.encode(text);
                    if (encoder.hasError()) {
                        std::fprintf(stderr, "%s cannot hold a %s list\n", page.constData(),
                                     qPrintable(source.language));
                        return 2;
                    }
                    right += readsRight(bytes, text) ? 1 : 0;
                    if (page == source.pages.first())
                        unguessedFailures += unguessedWrong(text);
                }
                rightBySize[s] += right;
                totalBySize[s] += int(lists.size());
                out << ' ' << right << '/' << lists.size() << " |";
            }
            out << '\n';
        }
    }
    out << "| **All** | |";
    for (int s = 0; s < int(std::size(Sizes)); ++s)
        out << " **" << rightBySize[s] << '/' << totalBySize[s] << "** |";
    out << "\n\nUTF-8 and UTF-16 lists, marked or not, read wrong: " << unguessedFailures << '\n';
    return unguessedFailures == 0 ? 0 : 1;
}
