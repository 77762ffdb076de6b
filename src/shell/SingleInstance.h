#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running copy per user and program folder. A second copy hands over to the first, which
// raises its window, and ends without touching a data file.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString& exeDir, QObject* parent = nullptr);

    // Asks a running copy to come to the front; true when there is one.
    bool handOverToRunningCopy();
    // Becomes the running copy and listens for later ones.
    void listen();

signals:
    void activationRequested();

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
};
