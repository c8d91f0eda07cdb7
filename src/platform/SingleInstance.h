#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace platform {

// Keeps a second start of the editor on the same registry file from working beside the first: the
// first start listens on a local socket named after the user and the registry file; a later start
// finds it, asks it to raise its window and steps back.
//
// The socket lives in $XDG_RUNTIME_DIR when that is set, a folder no other user can enter, and in
// the temporary folder otherwise. A socket file left behind by a crashed instance is removed when
// nothing answers on it.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& registryPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only instance; it then listens for later starts. False when another
    // instance answered; it has been asked to raise its window.
    bool tryBecomePrimary();

    QString serverName() const { return m_serverName; }
    static QString serverNameFor(const QString& registryPath);

signals:
    void raiseRequested();

private:
    bool askPrimaryToRaise();
    void acceptConnections();
    void readRequest(QLocalSocket* socket);

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};

} // namespace platform
