#include "shell/SingleInstance.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondCopyHandsOverToTheFirst();
    void copiesOfOtherFoldersAreIndependent();
};

void TestSingleInstance::secondCopyHandsOverToTheFirst()
{
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    QVERIFY(!first.handOverToRunningCopy());
    first.listen();
    QSignalSpy raised(&first, &SingleInstance::activationRequested);
    SingleInstance second(folder.path());
    QVERIFY(second.handOverToRunningCopy());
    QVERIFY(raised.wait(2000));
    QCOMPARE(raised.count(), 1);
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestSingleInstance::copiesOfOtherFoldersAreIndependent()
{
    QTemporaryDir one;
    QTemporaryDir other;
    SingleInstance first(one.path());
    first.listen();
    QVERIFY(!SingleInstance(other.path()).handOverToRunningCopy());
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
