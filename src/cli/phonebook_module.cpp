// SPDX-License-Identifier: GPL-2.0-or-later
// pixora-cli phonebook: the editor's phonebook read, in the phone module beside the send, on the
// same serial link, timer and port choice. The entries go to standard output as the lines of the
// cache file; the cache itself is written only when asked for.
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

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

    std::unique_ptr<PhonebookRead> phonebook;
    const bool read = cli::RunPhoneRead(
        *line, job->timeoutSeconds, err,
        [&](PhonebookRead::Callbacks callbacks) {
            return std::make_unique<PhonebookRead>(
                line->phone->Engine(), *line->settings,
                job->save ? EditorPhonebookCachePath() : std::string(), std::move(callbacks));
        },
        &PhonebookRead::myReadPhonebook, phonebook);
    if (!read) {
        return 1;
    }
    out << PhonebookCacheText(phonebook->Table()) << std::flush;
    return phonebook->CacheSaved() ? 0 : 1;
}
