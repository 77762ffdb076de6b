#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One running copy per user and program folder. A second copy hands over to the first, which
// raises its window, and ends without touching a data file.
//
// The channel is a local socket in the user's private runtime folder, open to the same user
// only. The running copy reads at most one short fixed message from a connection and drops
// anything else: a wrong byte, a connection of another user, one that stays silent too long, or
// one more than a few at a time. It never waits on a connection, so the window never blocks.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // Connections that may be open at once; more are dropped at once.
    static constexpr int MaxConnections = 4;

    explicit SingleInstance(const QString& exeDir, QObject* parent = nullptr);

    // Asks a running copy to come to the front; true when there is one.
    bool handOverToRunningCopy();
    // Becomes the running copy and listens for later ones.
    void listen();

    // The full name of the socket.
    QString serverName() const { return m_name; }
    // How long a connection may take to send the message, in milliseconds.
    void setConnectionTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    int openConnections() const { return m_open; }

signals:
    void activationRequested();

private:
    void acceptConnection(QLocalSocket* socket);

    QString m_name;
    QLocalServer* m_server = nullptr;
    int m_timeoutMs = 2000;
    int m_open = 0;
};
