// Takes the user guide's screenshots from the real window.
//
//     vocadrill_screenshots DATA_FOLDER OUTPUT_FOLDER
//
// The window starts for the first time in a temporary program folder holding a copy of
// DATA_FOLDER as its Data folder, so it shows exactly what a learner sees on the first start.
#include "cards/LearningHistory.h"
#include "ScreenshotTour.h"
#include "shell/FormVocadrill.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

bool copyTree(const QString& from, const QString& to)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

// Four weeks of learning before today, so that the progress view has days to show.
void writeSampleHistory(const QString& path)
{
    LearningHistory history;
    const QDate today = QDate::currentDate();
    for (int back = 28; back >= 1; --back) {
        if (back % 9 == 4)
            continue;
        const qint64 learnt = 4 + (back * 7) % 11;
        history.add(today.addDays(-back), "500 common words.txt",
                    {.shown = learnt * 6, .learnt = learnt, .seconds = learnt * 90});
        if (back % 3 == 0)
            history.add(today.addDays(-back), "Irregular verbs.txt",
                        {.shown = 30, .learnt = 3 + back % 5, .seconds = 600});
    }
    writeHistoryFile(path, history);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: vocadrill_screenshots DATA_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    QTemporaryDir program(QDir::tempPath() + "/vocadrill-XXXXXX");
    const QString data = QDir(args[1]).absolutePath();
    if (!copyTree(data, QDir(program.path()).filePath("Data")) || !QDir().mkpath(args[2])) {
        std::fprintf(stderr, "cannot prepare the program folder\n");
        return 1;
    }
    writeSampleHistory(QDir(program.path()).filePath("Data/History.txt"));

    // The file dialogs open in the current folder: a documents folder with a word list in it.
    const QString documents = QDir(program.path()).filePath("Documents");
    QDir().mkpath(documents);
    QFile words(QDir(documents).filePath("Animals.txt"));
    if (words.open(QIODevice::WriteOnly))
        words.write("cat = кошка\r\ndog = собака\r\nhorse = лошадь\r\n");
    words.close();
    QDir::setCurrent(documents);

    TFormVocadrill window({program.path(), program.path()});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window did not appear\n");
        return 1;
    }

    ScreenshotTour tour(window, args[2]);
    tour.run();
    for (const QString& path : tour.saved())
        std::printf("saved %s\n", qPrintable(path));
    for (const QString& reason : tour.skipped())
        std::printf("skipped %s\n", qPrintable(reason));
    return 0;
}
