#include "cards/DictionaryBackups.h"

#include "cards/FileError.h"
#include "cards/FileNames.h"
#include "cards/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString stampFormat = QStringLiteral("yyyy-MM-dd HH.mm.ss");

QString dictNameOf(const QString& dictPath)
{
    return QFileInfo(dictPath).completeBaseName();
}

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw FileError(QStringLiteral("%1: %2").arg(path, reason));
}

} // namespace

DictionaryBackups::DictionaryBackups(QString folder, Clock clock)
    : m_folder(std::move(folder)), m_clock(std::move(clock))
{}

void DictionaryBackups::beforeRewrite(const QString& dictPath)
{
    const QString key = QFileInfo(dictPath).absoluteFilePath();
    if (m_done.contains(key))
        return;
    if (!QFileInfo(dictPath).isFile()) {
        // Nothing to keep; a file that appears later is not this run's to back up.
        m_done.insert(key);
        return;
    }
    if (!QDir().mkpath(m_folder))
        fail(m_folder, QStringLiteral("cannot create the folder"));

    const QString name = dictNameOf(dictPath);
    const QString stem = m_folder + u'/' + name + u' ' + m_clock().toString(stampFormat);
    QString target = stem + QLatin1String(".txt");
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = NumberedTxtName(stem, n);
    TextFile::copyFile(dictPath, target);
    m_done.insert(key);

    QStringList copies = backupsOf(name);
    while (copies.size() > Kept)
        QFile::remove(m_folder + u'/' + copies.takeFirst());
}

QStringList DictionaryBackups::backupsOf(const QString& dictName) const
{
    static const QRegularExpression tail(
        QStringLiteral(R"(^ (\d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d)(?: \((\d+)\))?\.txt$)"));
    struct Copy
    {
        QString stamp;
        int n;
        QString file;
    };
    QList<Copy> copies;
    const QString prefix = dictName + u' ';
    const QStringList files = QDir(m_folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString& file : files) {
        if (!file.startsWith(prefix))
            continue;
        const QRegularExpressionMatch match = tail.match(QStringView(file).sliced(dictName.size()));
        if (match.hasMatch()) {
            const int n = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
            copies.append({match.captured(1), n, file});
        }
    }
    std::sort(copies.begin(), copies.end(), [](const Copy& a, const Copy& b) {
        return a.stamp != b.stamp ? a.stamp < b.stamp : a.n < b.n;
    });
    QStringList names;
    for (const Copy& copy : copies)
        names.append(copy.file);
    return names;
}
