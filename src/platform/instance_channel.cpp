// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/instance_channel.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include "core/settings_keys.h"
#include "platform/instance_lock.h"

namespace pixora {

struct MessageHook::Connection {
    QPointer<QLocalSocket> socket;
    std::vector<uint8_t> buffer;
    // The header first; once it is read and judged, the header plus the data it announces.
    size_t wanted = HandOffHeaderSize;
};

std::string ChannelKey(std::string_view caption) {
    const size_t bracket = caption.find(" [");
    return std::string(bracket == std::string_view::npos ? caption : caption.substr(0, bracket));
}

QString ChannelPath(const QString& runtimeFolder, std::string_view caption) {
    if (runtimeFolder.isEmpty()) {
        return QString();
    }
    const std::string key = ChannelKey(caption);
    // The readable part is for people looking at the folder; the hash tells apart keys that
    // differ only in characters a file name should not carry.
    QString readable;
    for (char ch : key) {
        if (readable.size() >= 24) {
            break;
        }
        const bool plain = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') ||
                           (ch >= '0' && ch <= '9') || ch == '-' || ch == '_';
        readable += plain ? QChar(ch) : QChar('_');
    }
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray(key.data(), static_cast<qsizetype>(key.size())),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(8);
    return runtimeFolder + "/pixora-" + readable + "-" + QString::fromLatin1(hash) + "-" +
           QString::number(getuid()) + ".sock";
}

QString ChannelPath(std::string_view caption) {
    return ChannelPath(InstanceRuntimeFolder(), caption);
}

std::optional<uid_t> PeerUid(int socketDescriptor) {
    if (socketDescriptor < 0) {
        return std::nullopt;
    }
    struct ucred credentials {};
    socklen_t length = sizeof credentials;
    if (getsockopt(socketDescriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0 ||
        length != sizeof credentials) {
        return std::nullopt;
    }
    return credentials.uid;
}

bool AcceptPeer(std::optional<uid_t> peer, uid_t ownUid) {
    return peer.has_value() && *peer == ownUid;
}

std::vector<uint8_t> RaiseOnlyMessage() {
    // Tag 1, length 1, then the zero byte alone: a file hand-over without a file.
    return {1, 0, 0, 0, 1, 0, 0, 0, 0};
}

bool HandOffTo(const QString& socketPath, const std::string& path,
               const HandOffTimeouts& timeouts) {
    if (socketPath.isEmpty()) {
        return false;
    }
    const std::vector<uint8_t> message =
        path.empty() ? RaiseOnlyMessage() : EncodeHandOff(path).value_or(RaiseOnlyMessage());

    QLocalSocket socket;
    QElapsedTimer clock;
    clock.start();
    // The running instance takes its lock a moment before it listens; a start that falls in
    // between tries again for a short while instead of giving up at once.
    for (;;) {
        socket.connectToServer(socketPath);
        const int left = timeouts.connectMs - static_cast<int>(clock.elapsed());
        if (socket.waitForConnected(std::max(left, 0))) {
            break;
        }
        const auto error = socket.error();
        socket.abort();
        if ((error != QLocalSocket::ServerNotFoundError &&
             error != QLocalSocket::ConnectionRefusedError) ||
            clock.elapsed() + 50 > timeouts.connectMs) {
            return false;
        }
        QThread::msleep(50);
    }
    // Our runtime folder is closed to others, but a listener of another user must never get a
    // path of ours even where it is not.
    if (!AcceptPeer(PeerUid(static_cast<int>(socket.socketDescriptor())), getuid())) {
        socket.abort();
        return false;
    }

    clock.restart();
    const auto remaining = [&] {
        return std::max(timeouts.acknowledgeMs - static_cast<int>(clock.elapsed()), 0);
    };
    socket.write(reinterpret_cast<const char*>(message.data()),
                 static_cast<qint64>(message.size()));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remaining())) {
            return false;
        }
    }
    while (socket.bytesAvailable() < 1) {
        if (remaining() == 0 || !socket.waitForReadyRead(remaining())) {
            return false;
        }
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == HandOffAcknowledgement;
}

bool HandOffCommandLine(SettingsStore& store, const std::string& path,
                        const HandOffTimeouts& timeouts) {
    return HandOffTo(ChannelPath(ReadText(store, keys::CurrentAppname)), path, timeouts);
}

SecondStartOutcome RunSecondStart(SettingsStore& store, UserInterface& ui, const std::string& path,
                                  const HandOffTimeouts& timeouts) {
    if (DecideSecondStart(store) == SecondStartAction::Beep) {
        ui.Beep();
        return SecondStartOutcome::Beeped;
    }
    const bool delivered = HandOffCommandLine(store, path, timeouts);
    ui.ProcessEvents();
    return delivered ? SecondStartOutcome::HandedOver : SecondStartOutcome::NotDelivered;
}

MessageHook::MessageHook(std::function<void(const std::string&)> openFile,
                         std::function<void()> raise, QObject* parent)
    : QObject(parent), openFile_(std::move(openFile)), raise_(std::move(raise)) {}

MessageHook::~MessageHook() {
    RemoveMessageHook();
}

bool MessageHook::InstallMessageHook(std::string_view caption) {
    return InstallMessageHookAt(ChannelPath(caption));
}

bool MessageHook::InstallMessageHookAt(const QString& socketPath) {
    RemoveMessageHook();
    if (socketPath.isEmpty()) {
        return false;
    }
    {
        // A socket file left by a crashed run blocks listening; one that still answers belongs
        // to a live listener and is left alone.
        QLocalSocket probe;
        probe.connectToServer(socketPath);
        if (probe.waitForConnected(200)) {
            probe.abort();
            return false;
        }
    }
    QLocalServer::removeServer(socketPath);
    server_ = new QLocalServer(this);
    // Mode 0600 on the socket file, inside a folder of mode 0700.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->setMaxPendingConnections(MaxConnections);
    if (!server_->listen(socketPath)) {
        delete server_;
        server_ = nullptr;
        return false;
    }
    socketPath_ = socketPath;
    connect(server_, &QLocalServer::newConnection, this, &MessageHook::OnNewConnection);
    return true;
}

void MessageHook::RemoveMessageHook() {
    for (auto& connection : connections_) {
        if (connection->socket) {
            connection->socket->abort();
            connection->socket->deleteLater();
        }
    }
    connections_.clear();
    for (auto& [socket, message] : ready_) {
        if (socket) {
            socket->abort();
            socket->deleteLater();
        }
    }
    ready_.clear();
    if (server_ != nullptr) {
        server_->close();  // removes the socket file
        server_->deleteLater();
        server_ = nullptr;
    }
    socketPath_.clear();
}

bool MessageHook::Installed() const {
    return server_ != nullptr && server_->isListening();
}

HandOffStatus MessageHook::ReceiveCopyData(std::span<const uint8_t> message) {
    std::string path;
    const HandOffStatus status = DecodeHandOff(message, path);
    if (status == HandOffStatus::Ok || status == HandOffStatus::EmptyPath) {
        // Raised first, so that a not-saved question the open may ask comes up in front.
        if (raise_) {
            raise_();
        }
        if (status == HandOffStatus::Ok && openFile_) {
            openFile_(path);
        }
    }
    return status;
}

MessageHook::Connection* MessageHook::Find(QLocalSocket* socket) {
    for (auto& connection : connections_) {
        if (connection->socket == socket) {
            return connection.get();
        }
    }
    return nullptr;
}

void MessageHook::OnNewConnection() {
    while (server_ != nullptr && server_->hasPendingConnections()) {
        QLocalSocket* socket = server_->nextPendingConnection();
        if (socket == nullptr) {
            break;
        }
        const bool sameUser =
            AcceptPeer(PeerUid(static_cast<int>(socket->socketDescriptor())), getuid());
        if (!sameUser || connections_.size() >= static_cast<size_t>(MaxConnections)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto connection = std::make_unique<Connection>();
        connection->socket = socket;
        connections_.push_back(std::move(connection));
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            if (Find(socket) != nullptr) {
                Drop(socket);
            }
        });
        // A sender that stalls half-way is cut off rather than kept for ever.
        QTimer::singleShot(ReadTimeoutMs, socket, [this, socket] {
            if (Find(socket) != nullptr) {
                Drop(socket);
            }
        });
        OnReadyRead(socket);
    }
}

void MessageHook::OnReadyRead(QLocalSocket* socket) {
    Connection* connection = Find(socket);
    if (connection == nullptr) {
        return;
    }
    // Never more than the header says, so a sender cannot make us buffer beyond the cap.
    while (connection->buffer.size() < connection->wanted) {
        const QByteArray chunk =
            socket->read(static_cast<qint64>(connection->wanted - connection->buffer.size()));
        if (chunk.isEmpty()) {
            return;
        }
        connection->buffer.insert(connection->buffer.end(), chunk.begin(), chunk.end());
        if (connection->wanted == HandOffHeaderSize &&
            connection->buffer.size() == HandOffHeaderSize) {
            size_t dataSize = 0;
            if (HandOffDataSize(connection->buffer, dataSize) != HandOffStatus::Ok) {
                Drop(socket);
                return;
            }
            connection->wanted = HandOffHeaderSize + dataSize;
        }
    }
    std::vector<uint8_t> message = std::move(connection->buffer);
    socket->disconnect(this);
    std::erase_if(connections_, [socket](const auto& c) { return c->socket == socket; });
    ready_.emplace_back(socket, std::move(message));
    // Out of the socket's own signal: opening the file may run a nested event loop.
    QMetaObject::invokeMethod(
        this, [this] { Deliver(); }, Qt::QueuedConnection);
}

void MessageHook::Drop(QLocalSocket* socket) {
    std::erase_if(connections_, [socket](const auto& c) { return c->socket == socket; });
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void MessageHook::Deliver() {
    if (delivering_) {
        return;
    }
    delivering_ = true;
    const QPointer<MessageHook> self(this);
    while (!ready_.empty()) {
        auto [socket, message] = std::move(ready_.front());
        ready_.pop_front();
        const HandOffStatus status = ReceiveCopyData(message);
        if (!self) {
            return;  // the window went away while the file was being opened
        }
        if (!socket) {
            continue;
        }
        if (status != HandOffStatus::Ok && status != HandOffStatus::EmptyPath) {
            // Only what we acted on is acknowledged; the sender learns nothing else.
            socket->abort();
            socket->deleteLater();
            continue;
        }
        // The sender may have given up waiting; writing to it then fails quietly.
        socket->write(&HandOffAcknowledgement, 1);
        socket->flush();
        socket->disconnectFromServer();
        if (socket->state() == QLocalSocket::UnconnectedState) {
            socket->deleteLater();
        } else {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QTimer::singleShot(ReadTimeoutMs, socket, [socket] {
                socket->abort();
                socket->deleteLater();
            });
        }
    }
    delivering_ = false;
}

}  // namespace pixora
