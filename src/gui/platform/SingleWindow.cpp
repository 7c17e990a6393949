// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleWindow.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int Patience = 3000; // ms, for a window that is still starting

// The name both the lock and the window's socket go by: one per user and diary folder.
QString nameFor(const std::filesystem::path &folder)
{
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(folder, error);
    QByteArray key = QByteArray::fromStdString((error ? folder : canonical).string());
    key += QDir::homePath().toUtf8();
    return QStringLiteral("corvalo-") +
        QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
}

bool handOver(const QString &name, const QString &day)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(500))
        return false;
    socket.write(day.toUtf8() + '\n');
    return socket.waitForBytesWritten(1000);
}

} // namespace

SingleWindow::SingleWindow(QObject *parent) : QObject(parent)
{
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine())
                    return;
                emit asked(QString::fromUtf8(socket->readLine()).trimmed());
                socket->disconnectFromServer();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

SingleWindow::~SingleWindow() = default;

bool SingleWindow::claim(const std::filesystem::path &diaryFolder, const QString &day)
{
    const QString name = nameFor(diaryFolder);
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    m_lock =
        std::make_unique<QLockFile>(runtime + QLatin1Char('/') + name + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    for (int waited = 0; !m_lock->tryLock(0); waited += 100) {
        // Held by a live window: hand the request over. A window still starting has no socket
        // yet, so ask again for a while.
        if (handOver(name, day))
            return false;
        if (waited >= Patience) {
            // No answer from the lock's holder: rather two windows than none.
            break;
        }
        QThread::msleep(100);
    }
    QLocalServer::removeServer(name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(name);
    return true;
}

#include "moc_SingleWindow.cpp"
