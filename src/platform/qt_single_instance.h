// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The single-instance service on the desktop: the lock file in the runtime folder and the local
// socket of the message hook.

#include <memory>

#include "shell/single_instance.h"

namespace pixora {

class InstanceLock;
class MessageHook;

class QtSingleInstance : public SingleInstance {
public:
    QtSingleInstance();
    ~QtSingleInstance() override;

    bool TryAcquire() override;
    bool Unusable() const override;
    std::string LockFileName() const override;
    void HandOver(SettingsStore& settings, UserInterface& ui, const std::string& path) override;
    void Listen(std::string_view caption, std::function<void(const std::string&)> openFile,
                std::function<void()> raise) override;
    void Release() override;

private:
    std::unique_ptr<InstanceLock> lock_;
    std::unique_ptr<MessageHook> hook_;
};

}  // namespace pixora
