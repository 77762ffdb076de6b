#include "DataFolder.h"

#include "BenchTable.h"
#include "cards/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace {

void copyWorkload(const QString& workloadFile, const QString& target)
{
    const QString source = QString::fromStdString(BenchTable::workload(workloadFile.toStdString()));
    QFile::remove(target);
    if (!QFile::copy(source, target))
        throw std::runtime_error("cannot copy " + source.toStdString());
}

} // namespace

DataFolder::DataFolder()
{
    QDir().mkpath(documentsDir());
    m_paths = PrepareDataFolders(exeDir(), documentsDir());
}

QString DataFolder::addDictionary(const QString& workloadFile)
{
    const QString path = m_paths.DictDir + u'/' + QFileInfo(workloadFile).fileName();
    copyWorkload(workloadFile, path);
    return path;
}

void DataFolder::setPhonetic(const QString& workloadFile)
{
    QDir().mkpath(m_paths.UserPhoneticDir);
    copyWorkload(workloadFile, m_paths.UserPhoneticDir + QStringLiteral("/Phonetic.txt"));
    m_paths = PrepareDataFolders(exeDir(), documentsDir());
}

void DataFolder::setLearnt(const QString& workloadFile)
{
    QDir().mkpath(m_paths.LearntDir);
    copyWorkload(workloadFile, m_paths.LearntPath);
}

void DataFolder::setLastDictionary(const QString& path)
{
    TextFile::writeOnePath(m_paths.LastDictFilePath, path);
}
