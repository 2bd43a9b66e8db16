// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The channel a second start uses to hand its file to the running editor: a local socket in the
// user's private runtime folder, carrying the file-hand-over message of shell/hand_off.h. The
// sender waits for the receiver's acknowledgement, which comes once the file has been opened.
//
// The socket's name derives from the caption in "CurrentAppname", but only from its stable part,
// the product name in front of " [": the caption changes with every edit and every file, and a
// name that moved with it would have to be given up and taken again each time, with a moment
// between in which a second start finds nobody. Listening on one name for the whole run avoids
// that, and a caption left behind by a crashed run still leads to a name nobody listens on.
//
// A second start without a file sends a message with tag 1 and an empty path (the length 1, the
// data one zero byte): it asks only for the window to come to the front. On this desktop only the
// running program can raise its own window, so that request has to travel too.

#include <sys/types.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings.h"
#include "core/user_interface.h"
#include "shell/hand_off.h"

class QLocalServer;
class QLocalSocket;
class QTimer;

namespace pixora {

// The part of a caption that names the channel: the text before the first " [".
std::string ChannelKey(std::string_view caption);
// The socket's path for a caption: folder + "/pixora-" + key + a hash of it + the user id.
QString ChannelPath(const QString& runtimeFolder, std::string_view caption);
// The same in the folder of InstanceRuntimeFolder(); empty without one.
QString ChannelPath(std::string_view caption);

// The user id of the process at the other end of a connected local socket; nullopt when the
// system does not say.
std::optional<uid_t> PeerUid(int socketDescriptor);
// Only a peer of our own user may talk to us; an unknown peer counts as a stranger.
bool AcceptPeer(std::optional<uid_t> peer, uid_t ownUid);

// The message that only raises the running window.
std::vector<uint8_t> RaiseOnlyMessage();

// One byte the receiver sends back once it has dealt with a message.
inline constexpr char HandOffAcknowledgement = 1;

struct HandOffTimeouts {
    // How long a second start keeps trying to reach a running instance that is still starting.
    int connectMs = 1000;
    // How long it waits for the file to be opened, the not-saved question included.
    int acknowledgeMs = 30000;
};

// The second process's side: reads "CurrentAppname" (default "Pixora"), connects to that
// instance's channel and sends path (or, when it is empty, the raise-only message), then waits for
// the acknowledgement. True when the running instance acknowledged. A path the message cannot
// carry (over 64 KiB, or with a zero byte) raises the window without opening anything.
bool HandOffCommandLine(SettingsStore& store, const std::string& path,
                        const HandOffTimeouts& timeouts = {});
// The same against a socket path, for tests.
bool HandOffTo(const QString& socketPath, const std::string& path, const HandOffTimeouts& timeouts);

enum class SecondStartOutcome { Beeped, HandedOver, NotDelivered };
// What a process does that found another instance running: beep when that one is busy, otherwise
// hand path over and let pending events run. The caller ends afterwards without a window.
SecondStartOutcome RunSecondStart(SettingsStore& store, UserInterface& ui, const std::string& path,
                                  const HandOffTimeouts& timeouts = {});

// The running instance's side: listens on the channel, reads messages of at most the codec's size
// cap from the user's own processes and hands each file to openFile.
class MessageHook : public QObject {
    Q_OBJECT

public:
    // openFile is myOpenFileReceived; raise restores and activates the main window.
    MessageHook(std::function<void(const std::string&)> openFile, std::function<void()> raise,
                QObject* parent = nullptr);
    ~MessageHook() override;

    // Starts listening on the channel of caption. False when the channel cannot be opened; the
    // editor then runs without receiving files.
    bool InstallMessageHook(std::string_view caption);
    // The same on a given socket path, for tests.
    bool InstallMessageHookAt(const QString& socketPath);
    // Stops listening and drops every connection; safe to call twice.
    void RemoveMessageHook();
    bool Installed() const;
    QString SocketPath() const { return socketPath_; }

    // One whole message: tag 1 with a path raises the window and opens the file, tag 1 with an
    // empty path only raises it, anything else is dropped without effect.
    HandOffStatus ReceiveCopyData(std::span<const uint8_t> message);

    // Limits against a flood: connections open at once, and how long one may take to deliver.
    static constexpr int MaxConnections = 8;
    static constexpr int ReadTimeoutMs = 5000;

private:
    struct Connection;
    void OnNewConnection();
    void OnReadyRead(QLocalSocket* socket);
    void Drop(QLocalSocket* socket);
    void Deliver();
    Connection* Find(QLocalSocket* socket);

    std::function<void(const std::string&)> openFile_;
    std::function<void()> raise_;
    QLocalServer* server_ = nullptr;
    QString socketPath_;
    std::vector<std::unique_ptr<Connection>> connections_;
    // Whole messages waiting while an earlier one is being handled (its not-saved question runs
    // a nested event loop in which more can arrive).
    std::deque<std::pair<QPointer<QLocalSocket>, std::vector<uint8_t>>> ready_;
    bool delivering_ = false;
};

}  // namespace pixora
