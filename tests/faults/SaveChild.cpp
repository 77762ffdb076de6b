// A child process for the save fault tests, over a program folder given on the command line.
//
//   savechild serve <folder> <lines>
//     Makes a dictionary "Big" of <lines> made-up lines once and prints "ready". Then for every
//     number <first> read from its input it forks a saver, prints "saver <pid>", and waits for
//     it to end before it prints "ended". The saver turns the lines to start at line <first>,
//     then saves them again and again, turning them by one line before each save, and prints
//     "saved <first>" after each save, until it is killed. Forking spares each saver the making
//     of the lines, so that the kills come quickly.
//   savechild limited <folder>
//     Opens the dictionary "Animals", adds lines until the file no longer fits the file size
//     limit it was started with, and saves: prints "failed <message>" and whether memory held
//     its lines. Then waits for a line on its input, lifts the limit and saves again: prints
//     "saved" and exits 0.

#include "BigDictionary.h"
#include "cards/DataPaths.h"
#include "cards/DictionaryStore.h"
#include "cards/FileError.h"
#include "save/SaveAll.h"
#include "settings/SettingsRecord.h"

#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

[[noreturn]] void saveLoop(DictionaryStore& store, qsizetype first)
{
    QStringList lines = store.MyDictSL.lines();
    std::rotate(lines.begin(), lines.begin() + first, lines.end());
    store.MyDictSL.setLines(std::move(lines));
    const qsizetype count = store.MyDictSL.count();
    for (;;) {
        store.MyDictSL.move(0, count - 1);
        first = (first + 1) % count;
        store.SaveDictionaryIfModified();
        std::printf("saved %lld\n", static_cast<long long>(first));
        std::fflush(stdout);
    }
}

int serve(const QString& folder, qsizetype count)
{
    DictionaryStore store(PrepareDataFolders(folder, folder));
    store.MyDictPath = store.paths().DictDir + QLatin1String("/Big.txt");
    store.MyDictSL.setLines(BigDictionary::turned(count, 0));
    std::printf("ready\n");
    std::fflush(stdout);
    long long first = 0;
    while (std::scanf("%lld", &first) == 1) {
        const pid_t saver = fork();
        if (saver == 0)
            saveLoop(store, qsizetype(first));
        std::printf("saver %d\n", int(saver));
        std::fflush(stdout);
        waitpid(saver, nullptr, 0);
        std::printf("ended\n");
        std::fflush(stdout);
    }
    return 0;
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
        SaveAll(store, defaultDataRecord());
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
    SaveAll(store, defaultDataRecord());
    std::printf("saved\n");
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 4 && args[1] == QLatin1String("serve"))
            return serve(args[2], args[3].toLongLong());
        if (args.size() == 3 && args[1] == QLatin1String("limited"))
            return limitedSave(args[2]);
    } catch (const FileError& error) {
        std::printf("error %s\n", error.message().toUtf8().constData());
        return 2;
    }
    std::fprintf(stderr, "usage: savechild serve <folder> <lines> | limited <folder>\n");
    return 2;
}
