// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The running-instance test: a lock file in the user's private runtime folder. The first process
// holds it until it ends; a second start finds it held and hands its file over instead of opening
// a window. The operating system forgets a crashed holder, and the lock then counts as stale.

#include <QString>
#include <memory>

class QLockFile;

namespace pixora {

// The folder of the lock and of the hand-over socket. Every start of this user must arrive at the
// same folder, and no other user may be able to write in it or decide which one it is. In this
// order, the first that is a private folder (see IsPrivateFolder) and short enough for a socket
// path:
//   1. $XDG_RUNTIME_DIR;
//   2. "pixora/run-<host>" in the user's cache folder ($XDG_CACHE_HOME or ~/.cache), made when
//      missing. Only we can make names there, so what other users do in the shared temporary
//      location cannot split our starts between two folders. The host is part of the name since
//      a home shared between machines would otherwise share the lock, whose holder's process id
//      means nothing on another machine;
//   3. $TMPDIR/pixora-runtime-<uid>, made when missing, for a home that cannot be written.
// Empty when none of them is fit.
QString InstanceRuntimeFolder();

class InstanceLock {
public:
    // The lock "pixora.lock" in folder.
    explicit InstanceLock(const QString& folder = InstanceRuntimeFolder());
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process is to run as the first instance: it holds the lock now, or the lock
    // cannot be used at all (then Unusable() says so). A lock left by a process that is gone, or
    // an old one that cannot be read, is taken over. Without a usable lock the answer is true:
    // better one editor too many than none at all, and the user is told why.
    bool TryAcquire();
    bool Held() const { return held_; }
    // After TryAcquire: no private folder, or something at the lock's name that can be neither
    // held nor removed (a folder, a link, a file that cannot be replaced).
    bool Unusable() const { return unusable_; }
    void Release();
    // Empty without a folder.
    QString FileName() const { return fileName_; }

private:
    bool RunAlone();

    QString fileName_;
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
    bool unusable_ = false;
};

}  // namespace pixora
