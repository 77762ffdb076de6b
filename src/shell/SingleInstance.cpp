#include "shell/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QByteArray activateMessage("activate\n");

// The user's private runtime folder (mode 0700), where no other user can put a socket of the
// same name first; empty when there is none.
QString runtimeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

// Whether the process at the other end of a local socket runs as this user.
bool peerIsThisUser(qintptr descriptor)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
           credentials.uid == geteuid();
}

} // namespace

SingleInstance::SingleInstance(const QString& exeDir, QObject* parent) : QObject(parent)
{
    const QByteArray folder =
        QCryptographicHash::hash(exeDir.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString name =
        QStringLiteral("vocadrill-%1-%2").arg(geteuid()).arg(QLatin1String(folder));
    const QString runtime = runtimeFolder();
    m_name = runtime.isEmpty() ? name : runtime + u'/' + name;
}

bool SingleInstance::handOverToRunningCopy()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(500))
        return false;
    socket.write(activateMessage);
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->setMaxPendingConnections(MaxConnections);
    if (!m_server->listen(m_name)) {
        // A socket left by a copy that crashed: nobody answered on it, so take it over.
        QLocalServer::removeServer(m_name);
        m_server->listen(m_name);
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection())
            acceptConnection(socket);
    });
}

namespace {

void drop(QLocalSocket* socket)
{
    socket->abort();
    socket->deleteLater();
}

} // namespace

void SingleInstance::acceptConnection(QLocalSocket* socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (m_open >= MaxConnections || !peerIsThisUser(socket->socketDescriptor())) {
        drop(socket);
        return;
    }
    ++m_open;
    connect(socket, &QObject::destroyed, this, [this] { --m_open; });
    socket->setReadBufferSize(activateMessage.size());
    QTimer::singleShot(m_timeoutMs, socket, [socket] { drop(socket); });

    auto received = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, received] {
        *received += socket->read(activateMessage.size() - received->size());
        if (!activateMessage.startsWith(*received)) {
            drop(socket);
            return;
        }
        if (received->size() == activateMessage.size()) {
            drop(socket);
            emit activationRequested();
        }
    });
}
