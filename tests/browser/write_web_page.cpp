// SPDX-License-Identifier: GPL-2.0-or-later
// The web send of the editor without its window, for the browser test: opens a picture-message
// file and does what "Send via Internet" does after the empty-picture question, with the real
// settings store, region check, private temporary folder and page writer. Prints the page's path.
//
//   write_web_page PICTURE.npm [MEDIA]
//
// MEDIA stands in for the branding file's media code. Exit status 0 when the page was written.
#include <cstdio>
#include <iostream>
#include <string>

#include "formats/file_io.h"
#include "formats/npm_file.h"
#include "platform/qt_settings_store.h"
#include "platform/region_keyboard.h"
#include "platform/temp_folder.h"
#include "platform/web_temp_writer.h"
#include "web/web_send.h"

int main(int argc, char** argv) {
    using namespace pixora;
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: write_web_page PICTURE.npm [MEDIA]\n";
        return 2;
    }
    const std::optional<std::string> bytes = ReadWholeFile(argv[1]);
    const ReadResult<LoadedPicture> loaded =
        bytes ? ReadPictureMessageFile(*bytes) : ReadResult<LoadedPicture>(ReadError::ReadFailed);
    if (!loaded) {
        std::cerr << "write_web_page: " << argv[1] << ": no picture message\n";
        return 1;
    }
    WebContext context;
    context.versionCode =
        VersionCode(PIXORA_VERSION_MAJOR, PIXORA_VERSION_MINOR, PIXORA_VERSION_PATCH);
    context.keyboardCountryCode = KeyboardRegionCheck().keyboardCountryCode;
    if (argc == 3) {
        context.media = argv[2];
    }
    const std::string folder = PrivateTempFolder();
    if (folder.empty()) {
        std::cerr << "write_web_page: no private temporary folder\n";
        return 1;
    }
    QtSettingsStore settings;
    TempFileCounter counter;
    PrivateTempFileWriter writer;
    const std::optional<std::string> page =
        WriteWebSendPage(context, loaded->picture, loaded->text, settings, folder, counter, writer);
    if (!page) {
        std::cerr << "write_web_page: the page could not be written\n";
        return 1;
    }
    std::cout << *page << "\n";
    return 0;
}
