// Runs the real window over a program folder in automatic mode for a given time, then closes
// it and checks that the files on disk hold what the window held. Prints the resident memory
// every ten seconds. Used by scripts/soak.sh under xvfb-run; never run by CTest.
//
//   vocadrill_soak <program folder> <seconds> [delay in ms, default 50]
//
// The folder must hold the dictionary Vocadrill/Big.txt; the window opens it at start.

#include "cards/DictionaryStore.h"
#include "cards/TextFile.h"
#include "save/SaveScheduler.h"
#include "shell/FormVocadrill.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

qint64 residentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) / 1024 : -1;
}

void pointAt(const QString& folder, const QString& dictionary)
{
    QFile pointer(folder + QLatin1String("/LastDictFileName"));
    if (pointer.open(QIODevice::WriteOnly))
        pointer.write((dictionary + QLatin1String("\r\n")).toUtf8());
}

// What the closed window left on disk agrees with what it held.
QStringList inconsistencies(TFormVocadrill& window)
{
    QStringList problems;
    DictionaryStore& store = window.store();
    if (TextFile::readLines(store.MyDictPath) != store.MyDictSL.lines())
        problems << QStringLiteral("the dictionary file differs from the lines in memory");
    const QStringList learnt = TextFile::readLines(store.paths().LearntPath);
    for (const QString& line : store.LearntSL.lines())
        if (!learnt.contains(line))
            problems << QStringLiteral("the learnt list lacks ") + line;
    const QByteArray progress = TextFile::readBytes(store.paths().LearntNumbersPath);
    if (!progress.contains("Big.txt=" + QByteArray::number(store.LearntNumber) + "\r\n"))
        problems << QStringLiteral("the progress store lacks %1").arg(store.LearntNumber);
    return problems;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: vocadrill_soak <program folder> <seconds> [delay ms]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int seconds = QByteArray(argv[2]).toInt();
    const QString delay = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("50");
    pointAt(folder, folder + QLatin1String("/Vocadrill/Big.txt"));

    TFormVocadrill window({folder, folder});
    window.show();

    // Every message box is an error of the run: noted and closed.
    QStringList errors;
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, [&errors] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            errors << box->text();
            box->accept();
        }
    });
    boxes.start(100);

    int saves = 0;
    QObject::connect(&window.saveScheduler(), &SaveScheduler::saveDue, [&saves] { ++saves; });
    window.findChild<QComboBox*>(QStringLiteral("pbDelayInMilliseconds"))->setCurrentText(delay);
    window.findChild<QCheckBox*>(QStringLiteral("cbAuto"))->setChecked(true);

    QElapsedTimer running;
    running.start();
    qint64 afterFirstMinute = 0;
    qint64 highest = 0;
    QTimer sample;
    QObject::connect(&sample, &QTimer::timeout, [&] {
        const qint64 kb = residentKb();
        const qint64 elapsed = running.elapsed() / 1000;
        if (elapsed >= 60 && afterFirstMinute == 0)
            afterFirstMinute = kb;
        if (afterFirstMinute > 0)
            highest = std::max(highest, kb);
        std::printf("%4llds  resident %7lld kB  learnt %6lld  lines %7lld  soon-saves %4d  "
                    "errors %lld\n",
                    elapsed, kb, qsizetype(window.store().LearntSL.count()),
                    qsizetype(window.store().MyDictSL.count()), saves, qsizetype(errors.size()));
        std::fflush(stdout);
        if (elapsed >= seconds)
            app.quit();
    });
    sample.start(10000);
    app.exec();

    window.findChild<QCheckBox*>(QStringLiteral("cbAuto"))->setChecked(false);
    window.close();
    const QStringList problems = inconsistencies(window);
    const qint64 growth = afterFirstMinute > 0 ? highest - afterFirstMinute : 0;
    std::printf("errors: %lld\n", qsizetype(errors.size()));
    for (const QString& error : errors)
        std::printf("  %s\n", qPrintable(error));
    std::printf("files after closing: %s\n", problems.isEmpty() ? "consistent" : "INCONSISTENT");
    for (const QString& problem : problems)
        std::printf("  %s\n", qPrintable(problem));
    std::printf("memory after the first minute: %lld kB, highest later: %lld kB, growth %lld kB\n",
                afterFirstMinute, highest, growth);
    // Memory counts as flat when it grew by less than a twentieth after the first minute.
    const bool flat = afterFirstMinute == 0 || growth * 20 < afterFirstMinute;
    return errors.isEmpty() && problems.isEmpty() && flat ? 0 : 1;
}
