// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/qt_single_instance.h"

#include "platform/instance_channel.h"
#include "platform/instance_lock.h"

namespace pixora {

QtSingleInstance::QtSingleInstance() : lock_(std::make_unique<InstanceLock>()) {}

QtSingleInstance::~QtSingleInstance() = default;

bool QtSingleInstance::TryAcquire() {
    return lock_->TryAcquire();
}

bool QtSingleInstance::Unusable() const {
    return lock_->Unusable();
}

std::string QtSingleInstance::LockFileName() const {
    return lock_->FileName().toStdString();
}

void QtSingleInstance::HandOver(SettingsStore& settings, UserInterface& ui,
                                const std::string& path) {
    RunSecondStart(settings, ui, path);
}

void QtSingleInstance::Listen(std::string_view caption,
                              std::function<void(const std::string&)> openFile,
                              std::function<void()> raise) {
    hook_ = std::make_unique<MessageHook>(std::move(openFile), std::move(raise));
    hook_->InstallMessageHook(caption);
}

void QtSingleInstance::Release() {
    if (hook_) {
        hook_->RemoveMessageHook();
    }
    lock_->Release();
}

}  // namespace pixora
