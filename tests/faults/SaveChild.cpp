// A child process for the save fault tests, over a program folder given on the command line.
//
//   savechild loop <folder> <lines> <first>
//     Holds a dictionary "Big" of <lines> made-up lines turned to start at line <first>, then
//     saves it again and again, turning it by one line before each save, and prints
//     "saved <first>" after each save. Runs until it is killed.
//   savechild limited <folder>
//     Opens the dictionary "Animals", adds lines until the file no longer fits the file size
//     limit it was started with, and saves: prints "failed <message>" and whether memory held
//     its lines. Then waits for a line on its input, lifts the limit and saves again: prints
//     "saved" and exits 0.

#include "BigDictionary.h"
#include "cards/DataPaths.h"
#include "cards/DictionaryStore.h"
#include "cards/FileError.h"
#include "settings/SettingsRecord.h"

#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <sys/resource.h>

namespace {

int saveLoop(const QString& folder, qsizetype count, qsizetype first)
{
    DictionaryStore store(PrepareDataFolders(folder, folder));
    store.MyDictPath = store.paths().DictDir + QLatin1String("/Big.txt");
    store.MyDictSL.setLines(BigDictionary::turned(count, first));
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        store.MyDictSL.move(0, count - 1);
        first = (first + 1) % count;
        store.SaveDictionaryIfModified();
        std::printf("saved %lld\n", static_cast<long long>(first));
        std::fflush(stdout);
    }
}

int limitedSave(const QString& folder)
{
    // Writing past the limit must fail with an error, not end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    DictionaryStore store(PrepareDataFolders(folder, folder));
    store.LoadMyDict(QStringLiteral("Animals"), false);
    store.MyDictSL.BeginUpdate();
    for (int i = 0; i < 5000; ++i)
        store.MyDictSL.append(QStringLiteral("word %1 = слово %1").arg(i));
    store.MyDictSL.EndUpdate();
    const QStringList inMemory = store.MyDictSL.lines();
    try {
        store.SaveAll(defaultDataRecord());
        std::printf("saved under the limit\n");
        return 1;
    } catch (const FileError& error) {
        std::printf("failed %s\n", error.message().toUtf8().constData());
    }
    std::printf("memory %s\n", store.MyDictSL.lines() == inMemory ? "intact" : "changed");
    std::fflush(stdout);

    std::string go;
    std::getline(std::cin, go);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_FSIZE, &limit);
    store.SaveAll(defaultDataRecord());
    std::printf("saved\n");
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 5 && args[1] == QLatin1String("loop"))
            return saveLoop(args[2], args[3].toLongLong(), args[4].toLongLong());
        if (args.size() == 3 && args[1] == QLatin1String("limited"))
            return limitedSave(args[2]);
    } catch (const FileError& error) {
        std::printf("error %s\n", error.message().toUtf8().constData());
        return 2;
    }
    std::fprintf(stderr, "usage: savechild loop <folder> <lines> <first> | limited <folder>\n");
    return 2;
}
