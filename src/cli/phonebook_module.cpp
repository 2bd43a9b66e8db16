// pixora-cli phonebook: the editor's phonebook read, in the phone module beside the send, on the
// same serial link, timer and port choice. The entries go to standard output as the lines of the
// cache file; the cache itself is written only when asked for.
#include <map>
#include <ostream>
#include <string>

#include "cli/batch_user_interface.h"
#include "cli/phone_session.h"
#include "cli/qt_modules.h"
#include "core/settings_keys.h"
#include "phone/phonebook.h"
#include "platform/phonebook_cache_path.h"

extern "C" __attribute__((visibility("default"))) int PixoraCliPhonebook(
    const pixora::cli::PhonebookJob* job) {
    using namespace pixora;
    std::ostream& out = *job->out;
    std::ostream& err = *job->err;
    const auto app = cli::EnsureCoreApplication();

    std::map<cli::ScriptSettings::Key, std::string> overrides;
    const auto choose = [&overrides](const BoolKey& key, const std::optional<bool>& value) {
        if (value) {
            overrides[{key.section, key.key}] = *value ? "True" : "False";
        }
    };
    choose(keys::PBookReadSM, job->sim);
    choose(keys::PBookReadME, job->phone);
    // A read writes no setting at all.
    const auto line = cli::OpenPhoneLine(job->port, job->device, std::move(overrides), {});

    bool read = false;
    PhonebookRead* running = nullptr;
    cli::ConversationLoop loop([&running] { running->Cancel(); }, job->timeoutSeconds);
    PhonebookRead phonebook(
        line->phone->Engine(), *line->settings,
        job->save ? EditorPhonebookCachePath() : std::string(),
        {.myShowLabel = [&err](const std::string& label) { err << label << "\n"
                                                               << std::flush; },
         .finished =
             [&](bool ok) {
                 read = ok;
                 loop.Finish();
             }});
    running = &phonebook;
    phonebook.myReadPhonebook();
    loop.Run();

    for (const std::string& message : line->ui.Messages()) {
        err << message << "\n";
    }
    if (!read) {
        return 1;
    }
    out << PhonebookCacheText(phonebook.Table()) << std::flush;
    return phonebook.CacheSaved() ? 0 : 1;
}
