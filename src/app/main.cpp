// Pixora: the editor for Smart Messaging picture messages.

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QStringList>

#include "app/frm_edit.h"
#include "platform/desktop_services.h"
#include "platform/image_loader.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_user_interface.h"
#include "platform/region_keyboard.h"
#include "platform/temp_folder.h"
#include "platform/web_desktop_opener.h"
#include "platform/web_temp_writer.h"
#include "platform/xdg_file_types.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Brellow");
    QApplication::setApplicationName("Pixora");
    QApplication::setApplicationVersion(QString("%1.%2.%3")
                                            .arg(PIXORA_VERSION_MAJOR)
                                            .arg(PIXORA_VERSION_MINOR)
                                            .arg(PIXORA_VERSION_PATCH));

    // The whole argument text is one path, as a file manager hands over a name with spaces.
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const std::string commandLine = arguments.join(' ').toStdString();

    pixora::QtSettingsStore settings;
    pixora::QtUserInterface ui;

    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    pixora::EditorServices services;
    services.settings = &settings;
    services.ui = &ui;
    services.programPath = QApplication::applicationFilePath().toStdString();
    services.phonebookCachePath = (dataFolder + "/KDXPBOOK.CSV").toStdString();
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

    services.loadImage = [](const std::string& path) { return pixora::LoadPictureFile(path); };
    pixora::QtDesktopOpener opener;
    services.openDocument = [&opener](const std::string& path) {
        return opener.OpenDocument(path);
    };
    services.openAddress = [&opener](const std::string& url) { return opener.OpenAddress(url); };
    pixora::PrivateTempFileWriter tempWriter;
    services.tempWriter = &tempWriter;
    services.regionCheck = [] { return pixora::KeyboardRegionCheck(); };

    services.singleInstance = true;
    services.fileTypeRegistry = []() -> std::unique_ptr<pixora::FileTypeRegistry> {
        return std::make_unique<pixora::XdgFileTypeRegistry>();
    };
    services.runWithArgument = [](const std::string& program, const std::string& argument) {
        return pixora::RunWithArgument(program, argument);
    };

    pixora::frmEdit window(services);
    ui.SetOwner(&window);
    if (!window.Startup(commandLine)) {
        return 0;
    }
    window.show();
    return app.exec();
}
