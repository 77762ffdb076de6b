#include "shell/SingleInstance.h"

#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

// Connects to the running copy and sends the pieces one after the other; true when the
// connection was made. The running copy is left to end the connection.
bool send(QLocalSocket& client, const QString& name, const QList<QByteArray>& pieces)
{
    client.connectToServer(name);
    if (!client.waitForConnected(2000))
        return false;
    for (const QByteArray& piece : pieces) {
        client.write(piece);
        client.waitForBytesWritten(2000);
    }
    return true;
}

} // namespace

class TestSingleInstanceChannel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void onlyTheMessageActivates_data();
    void onlyTheMessageActivates();
    void extraConnectionsAreDropped();
    void anotherUserCannotConnect();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<SingleInstance> m_running;
};

void TestSingleInstanceChannel::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_running = std::make_unique<SingleInstance>(m_folder->path());
    m_running->setConnectionTimeout(100);
    m_running->listen();
}

void TestSingleInstanceChannel::cleanup()
{
    m_running.reset();
    m_folder.reset();
}

void TestSingleInstanceChannel::onlyTheMessageActivates_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<int>("activations");
    QTest::newRow("the message") << QList<QByteArray>{"activate\n"} << 1;
    QTest::newRow("the message in pieces") << QList<QByteArray>{"act", "iva", "te\n"} << 1;
    QTest::newRow("the message twice") << QList<QByteArray>{"activate\nactivate\n"} << 1;
    QTest::newRow("nothing") << QList<QByteArray>{} << 0;
    QTest::newRow("half the message") << QList<QByteArray>{"activ"} << 0;
    QTest::newRow("a wrong letter") << QList<QByteArray>{"activatE\n"} << 0;
    QTest::newRow("a wrong start") << QList<QByteArray>{"\nactivate\n"} << 0;
    QTest::newRow("a megabyte") << QList<QByteArray>{QByteArray(1 << 20, 'a')} << 0;
    QTest::newRow("binary") << QList<QByteArray>{QByteArray("\0\xff\x80\r\n", 5)} << 0;
}

// Whatever a connection sends, the running copy ends it by itself: at the message, at the first
// wrong byte, or when it has waited long enough.
void TestSingleInstanceChannel::onlyTheMessageActivates()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(int, activations);
    QSignalSpy raised(m_running.get(), &SingleInstance::activationRequested);
    QLocalSocket client;
    QSignalSpy ended(&client, &QLocalSocket::disconnected);
    QVERIFY(send(client, m_running->serverName(), pieces));
    if (client.state() != QLocalSocket::UnconnectedState)
        QVERIFY(ended.wait(5000));
    QTRY_COMPARE(m_running->openConnections(), 0);
    QCOMPARE(raised.count(), activations);
}

void TestSingleInstanceChannel::extraConnectionsAreDropped()
{
    std::vector<std::unique_ptr<QLocalSocket>> silent;
    for (int i = 0; i < 3 * SingleInstance::MaxConnections; ++i) {
        silent.push_back(std::make_unique<QLocalSocket>());
        QVERIFY(send(*silent.back(), m_running->serverName(), {}));
    }
    QTRY_VERIFY(m_running->openConnections() > 0);
    QVERIFY(m_running->openConnections() <= SingleInstance::MaxConnections);
    QTRY_COMPARE(m_running->openConnections(), 0);

    QSignalSpy raised(m_running.get(), &SingleInstance::activationRequested);
    SingleInstance second(m_folder->path());
    QVERIFY(second.handOverToRunningCopy());
    QVERIFY(raised.wait(5000));
}

// The socket lies in a folder only its user may enter.
void TestSingleInstanceChannel::anotherUserCannotConnect()
{
    if (geteuid() != 0)
        QSKIP("needs root to run a client as another user");
    const QString python = QStandardPaths::findExecutable("python3", {"/usr/bin"});
    if (QStandardPaths::findExecutable("setpriv").isEmpty() || python.isEmpty())
        QSKIP("needs setpriv and the system's python3");
    QSignalSpy raised(m_running.get(), &SingleInstance::activationRequested);
    QProcess client;
    client.start("setpriv",
                 {"--reuid=65534", "--regid=65534", "--clear-groups", python, "-c",
                  "import socket, sys\n"
                  "s = socket.socket(socket.AF_UNIX)\n"
                  "try:\n"
                  "    s.connect(sys.argv[1]); s.sendall(b'activate\\n'); print('connected')\n"
                  "except OSError as e:\n"
                  "    print('refused', e.errno)\n",
                  m_running->serverName()});
    QVERIFY(client.waitForFinished(10000));
    QCOMPARE(client.readAllStandardOutput().trimmed(), QByteArray("refused 13"));
    QTest::qWait(0);
    QCOMPARE(raised.count(), 0);
}

QTEST_GUILESS_MAIN(TestSingleInstanceChannel)
#include "tst_singleinstancechannel.moc"
