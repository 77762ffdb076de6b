#include "shell/FileLauncher.h"

#include <QDesktopServices>
#include <QtTest>

#include <functional>

// Stands in for the desktop: records what would be opened.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

class TestFileLauncher : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensWithTheDesktop_data();
    void opensWithTheDesktop();

private:
    UrlCatcher m_catcher;
};

void TestFileLauncher::init()
{
    m_catcher.opened.clear();
    for (const char* scheme : {"file", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_catcher, "open");
}

void TestFileLauncher::cleanup()
{
    for (const char* scheme : {"file", "https"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

using Operation = std::function<void(const QString&)>;
Q_DECLARE_METATYPE(Operation)

void TestFileLauncher::opensWithTheDesktop_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QUrl>("url");
    const QString manual = QStringLiteral("/opt/My Cards #2/Data/Manual.html");
    const QUrl manualUrl = QUrl::fromLocalFile(manual);
    QTest::newRow("link to the manual")
        << Operation(&TFileLauncher::OpenHtmlLink) << manual << manualUrl;
    QTest::newRow("page file") << Operation(&TFileLauncher::OpenHtmlFile) << manual << manualUrl;
    QTest::newRow("document file")
        << Operation(&TFileLauncher::OpenPdfFile) << QStringLiteral("/tmp/a b.pdf")
        << QUrl::fromLocalFile(QStringLiteral("/tmp/a b.pdf"));
    QTest::newRow("web link") << Operation(&TFileLauncher::OpenHtmlLink)
                              << QStringLiteral("https://example.org/a?b=c#d")
                              << QUrl(QStringLiteral("https://example.org/a?b=c#d"));
    QTest::newRow("web document") << Operation(&TFileLauncher::OpenPDFLink)
                                  << QStringLiteral("https://example.org/m.pdf")
                                  << QUrl(QStringLiteral("https://example.org/m.pdf"));
}

void TestFileLauncher::opensWithTheDesktop()
{
    QFETCH(Operation, operation);
    QFETCH(QString, target);
    QFETCH(QUrl, url);
    operation(target);
    QCOMPARE(m_catcher.opened, QList<QUrl>{url});
    QVERIFY(!url.isLocalFile() || url.toLocalFile() == target);
}

QTEST_MAIN(TestFileLauncher)
#include "tst_filelauncher.moc"
