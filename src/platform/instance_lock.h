#pragma once
// The running-instance test: a lock file in the user's private runtime folder. The first process
// holds it until it ends; a second start finds it held and hands its file over instead of opening
// a window. The operating system forgets a crashed holder, and the lock then counts as stale.

#include <QString>
#include <memory>

class QLockFile;

namespace pixora {

// $XDG_RUNTIME_DIR (through QStandardPaths) or, without one, a per-user folder of mode 0700 in the
// temporary location. Empty when no safe folder can be had (it exists but is a link or belongs to
// someone else).
QString InstanceRuntimeFolder();

class InstanceLock {
public:
    // The lock "pixora.lock" in folder.
    explicit InstanceLock(const QString& folder = InstanceRuntimeFolder());
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process holds the lock now, so no other instance runs. A lock left by a
    // process that is gone, or one that cannot be read, is taken over. Without a usable folder the
    // answer is true too: better one editor too many than none at all.
    bool TryAcquire();
    bool Held() const { return held_; }
    void Release();
    QString FileName() const { return fileName_; }

private:
    QString fileName_;
    std::unique_ptr<QLockFile> lock_;
    bool held_ = false;
};

}  // namespace pixora
