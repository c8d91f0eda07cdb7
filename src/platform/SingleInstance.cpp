#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace platform {

namespace {

const QByteArray raiseRequest = QByteArrayLiteral("raise\n");
constexpr int connectTimeoutMs = 1000;

} // namespace

SingleInstance::SingleInstance(const QString& registryPath, QObject* parent)
    : QObject(parent), m_serverName(serverNameFor(registryPath)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverNameFor(const QString& registryPath) {
    // The same registry file reached through another relative path or a link is the same
    // installation and must meet the same guard.
    const QFileInfo info(registryPath);
    const QString canonical = info.canonicalFilePath();
    const QString key = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
    const QByteArray hash =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    const QString name =
        QStringLiteral("orbis-config-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty() && QFileInfo(runtimeDir).isDir())
        return QDir(runtimeDir).filePath(name);
    return name;
}

bool SingleInstance::tryBecomePrimary() {
    if (m_server)
        return true;
    if (askPrimaryToRaise())
        return false;

    // Nothing answered, so a socket file still there belongs to an instance that crashed.
    QLocalServer::removeServer(m_serverName);
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_serverName)) {
        delete server;
        // Another start won the race between our look and our listen.
        if (askPrimaryToRaise())
            return false;
        // Without a socket the guard cannot work; starting unguarded is better than not at all.
        return true;
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return true;
}

bool SingleInstance::askPrimaryToRaise() {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(connectTimeoutMs))
        return false;
    socket.write(raiseRequest);
    socket.waitForBytesWritten(connectTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // The request may have arrived before the connection was taken.
        readRequest(socket);
    }
}

void SingleInstance::readRequest(QLocalSocket* socket) {
    while (socket->canReadLine()) {
        if (socket->readLine() == raiseRequest)
            emit raiseRequested();
    }
    // Whoever connects sends one short line; anything longer is not one of us.
    if (socket->bytesAvailable() > raiseRequest.size())
        socket->abort();
}

} // namespace platform
