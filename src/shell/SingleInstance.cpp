#include "shell/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

const QByteArray activateMessage("activate\n");

QString userName()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? qEnvironmentVariable("LOGNAME") : user;
}

} // namespace

SingleInstance::SingleInstance(const QString& exeDir, QObject* parent) : QObject(parent)
{
    const QByteArray folder =
        QCryptographicHash::hash(exeDir.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_name = QStringLiteral("vocadrill-%1-%2").arg(userName(), QString::fromLatin1(folder));
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
    if (!m_server->listen(m_name)) {
        // A socket left by a copy that crashed: nobody answered on it, so take it over.
        QLocalServer::removeServer(m_name);
        m_server->listen(m_name);
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().startsWith(activateMessage.trimmed()))
                    emit activationRequested();
                socket->deleteLater();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QLocalSocket::deleteLater);
        }
    });
}
