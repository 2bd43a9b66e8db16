// SPDX-License-Identifier: GPL-2.0-or-later
// Pixora: the editor for Smart Messaging picture messages.

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QStringList>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "app/frm_edit.h"
#include "app/translations.h"
#include "platform/application_icon.h"
#include "platform/desktop_services.h"
#include "platform/image_loader.h"
#include "platform/phonebook_cache_path.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_single_instance.h"
#include "platform/qt_user_interface.h"
#include "platform/region_keyboard.h"
#include "platform/serial_link.h"
#include "platform/temp_folder.h"
#include "platform/web_desktop_opener.h"
#include "platform/web_temp_writer.h"
#include "platform/xdg_file_types.h"

namespace {

int terminatePipe[2] = {-1, -1};
// Set once the window is up; a SIGTERM during start-up waits for that.
bool windowUp = false;
bool terminateWaiting = false;

void OnTerminate(int) {
    const char byte = 1;
    // Only async-signal-safe calls here; the event loop does the rest.
    [[maybe_unused]] const ssize_t written = write(terminatePipe[1], &byte, 1);
}

// SIGTERM reaches the window through a pipe watched by the event loop.
void WatchTerminate(pixora::frmEdit& window) {
    if (pipe2(terminatePipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(terminatePipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        while (read(terminatePipe[0], &byte, 1) > 0) {
        }
        if (windowUp) {
            window.Terminate();
        } else {
            terminateWaiting = true;
        }
    });
    struct sigaction action {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
}

// Takes back every association the editor wrote, without a window, the single-instance lock or
// the settings file: it must work for a user who only wants the editor gone.
int Unregister(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    pixora::XdgFileTypeRegistry registry;
    const std::vector<std::string> removed = registry.Unregister();
    for (const std::string& item : removed) {
        std::printf("removed %s\n", item.c_str());
    }
    if (removed.empty()) {
        std::printf(
            "%s\n",
            QCoreApplication::translate("main", "Nothing to remove.").toLocal8Bit().constData());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--unregister") == 0) {
        return Unregister(argc, argv);
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Brellow");
    QApplication::setApplicationName("Pixora");
    QApplication::setApplicationVersion(QString("%1.%2.%3")
                                            .arg(PIXORA_VERSION_MAJOR)
                                            .arg(PIXORA_VERSION_MINOR)
                                            .arg(PIXORA_VERSION_PATCH));
    QApplication::setWindowIcon(pixora::ApplicationIcon());
    // Wayland compositors find the icon and the name in the desktop entry of this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("pixora"));
    pixora::InstallTranslations(app, QLocale::system(),
                                pixora::TranslationFolders(QApplication::applicationDirPath()));

    // The whole argument text is one path, as a file manager hands over a name with spaces.
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const std::string commandLine = arguments.join(' ').toStdString();

    pixora::QtSettingsStore settings;
    pixora::QtUserInterface ui;

    pixora::EditorServices services;
    services.settings = &settings;
    services.ui = &ui;
    services.programPath = QApplication::applicationFilePath().toStdString();
    services.phonebookCachePath = pixora::EditorPhonebookCachePath();
    pixora::SerialPhone phone(settings, ui);
    services.phone = &phone;
    services.tempFolder = [] { return pixora::PrivateTempFolder(); };
    services.deleteTempFiles = [](const std::string& folder) {
        pixora::DeleteTempPictureFiles(folder);
    };
    pixora::QtClipboard clipboard;
    services.clipboard = &clipboard;
    // Import only ever needs 72 x 28 pixels, so large pictures are decoded small.
    services.loadPicture = [](const std::string& path) {
        return pixora::LoadPictureFileForFit(path, pixora::PictureWidth, pixora::PictureHeight);
    };
    // The dialog shows the source beside the result; a thumbnail of that size is enough.
    services.loadPreview = [](const std::string& path) {
        return pixora::LoadPictureFileForPreview(path, 240, 180);
    };
    services.importExtensions = pixora::ImportableExtensions();

    services.loadImage = [](const std::string& path) { return pixora::LoadPictureFile(path); };
    pixora::QtDesktopOpener opener;
    services.openDocument = [&opener](const std::string& path) {
        return opener.OpenDocument(path);
    };
    services.openAddress = [&opener](const std::string& url) { return opener.OpenAddress(url); };
    pixora::PrivateTempFileWriter tempWriter;
    services.tempWriter = &tempWriter;
    services.regionCheck = [] { return pixora::KeyboardRegionCheck(); };

    services.singleInstance = [] { return std::make_unique<pixora::QtSingleInstance>(); };
    services.fileTypeRegistry = []() -> std::unique_ptr<pixora::FileTypeRegistry> {
        return std::make_unique<pixora::XdgFileTypeRegistry>();
    };
    services.runWithArgument = [](const std::string& program, const std::string& argument) {
        return pixora::RunWithArgument(program, argument);
    };

    pixora::frmEdit window(services);
    ui.SetOwner(&window);
    WatchTerminate(window);
    if (!window.Startup(commandLine)) {
        return 0;
    }
    window.show();
    windowUp = true;
    if (terminateWaiting) {
        window.Terminate();
        return 0;
    }
    return app.exec();
}
