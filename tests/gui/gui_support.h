// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A main window on Qt's offscreen platform with an in-memory settings store and a scripted user
// interface, for tests that drive it with real mouse and key events.

#include <QApplication>
#include <QTest>
#include <memory>
#include <ostream>

#include <functional>
#include <map>
#include "app/frm_edit.h"
#include "app/phone_commands.h"
#include "app/web_commands.h"
#include "platform/serial_link.h"

#include "support/fake_clipboard.h"
#include "support/fake_user_interface.h"

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace pixora::testing {

inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "pixora-gui-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

// The document as the tests set it up and look at it.
inline void SetCell(frmEdit& window, int px, int py, int value) {
    PictureGrid picture = window.Doc().Picture();
    picture.Set(px, py, value);
    window.Doc().SetPicture(picture);
}
inline QString PictureTextOf(frmEdit& window) {
    return QString::fromStdU32String(window.Doc().Text());
}
inline void SetPictureText(frmEdit& window, const QString& text) {
    window.Doc().SetText(text.toStdU32String(), false);
}
inline int ModifiedOf(frmEdit& window) {
    return static_cast<int>(window.Doc().Modified());
}

struct EditorHarness {
    explicit EditorHarness(SettingsStore* store = nullptr,
                           const std::function<void(EditorServices&)>& customize = {}) {
        TestApplication();
        if (store == nullptr) {
            ownStore = std::make_unique<MemorySettingsStore>();
            store = ownStore.get();
        }
        settings = store;
        EditorServices services;
        services.settings = settings;
        services.ui = &ui;
        services.programPath = "/opt/pixora/bin/pixora";
        services.phonebookCachePath = "/tmp/pixora-test/KDXPBOOK.CSV";
        services.tempFolder = [this] { return tempFolder; };
        services.deleteTempFiles = [this](const std::string& folder) { cleared.push_back(folder); };
        services.showOptions = [this](QWidget*) { ++optionsShown; };
        services.clipboard = &clipboard;
        services.loadPicture = [this](const std::string& path) -> std::optional<ImportedImage> {
            loaded.push_back(path);
            auto it = pictures.find(path);
            if (it == pictures.end()) {
                return std::nullopt;
            }
            return MakeImportedImage(it->second);
        };
        services.loadPreview = [this](const std::string& path) -> std::optional<PreviewSource> {
            loaded.push_back(path);
            auto it = pictures.find(path);
            if (it == pictures.end()) {
                return std::nullopt;
            }
            return PreviewSource{ImportWorkingCopy(it->second), it->second};
        };
        services.tempWriter = &tempWriter;
        // A German keyboard unless a test says otherwise: every command is offered.
        services.regionCheck = [] { return RegionResult{true, "49"}; };
        services.openDocument = [this](const std::string& path) {
            openedDocuments.push_back(path);
            return true;
        };
        services.openAddress = [this](const std::string& address) {
            openedAddresses.push_back(address);
            return true;
        };
        phone = std::make_unique<SerialPhone>(*settings, ui);
        services.phone = phone.get();
        if (customize) {
            customize(services);
        }
        window = std::make_unique<frmEdit>(services);
    }

    // Starts with a known author so no question is planned unless a test wants one.
    bool Start(const std::string& commandLine = "") {
        if (!settings->Read("Settings", "UserName")) {
            settings->Write("Settings", "UserName", "Tester");
        }
        const bool ok = window->Startup(commandLine);
        window->show();
        return ok;
    }

    template <typename T>
    T* Find(const char* name) {
        return window->findChild<T*>(name);
    }

    std::unique_ptr<MemorySettingsStore> ownStore;
    SettingsStore* settings = nullptr;
    FakeUserInterface ui;
    std::string tempFolder = "/tmp/pixora-test/";
    std::vector<std::string> cleared;
    int optionsShown = 0;
    FakeClipboard clipboard;
    // What the picture loader finds at each path; any other path does not decode.
    std::map<std::string, Raster> pictures;
    std::vector<std::string> loaded;
    // Temporary files written, by path, and what the desktop was asked to open.
    struct MemoryWriter : TempFileWriter {
        bool WriteNewFile(const std::string& path, std::string_view bytes) override {
            if (files.count(path) != 0 || !writable) {
                return false;
            }
            files[path] = std::string(bytes);
            return true;
        }
        std::map<std::string, std::string> files;
        bool writable = true;
    } tempWriter;
    std::vector<std::string> openedDocuments;
    std::vector<std::string> openedAddresses;
    std::unique_ptr<SerialPhone> phone;
    std::unique_ptr<frmEdit> window;
};

}  // namespace pixora::testing
