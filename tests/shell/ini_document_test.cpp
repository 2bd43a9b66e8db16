// SPDX-License-Identifier: GPL-2.0-or-later
#include "shell/ini_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace pixora {
namespace {

using namespace std::string_literals;

// A foreign file, one change (a value to set, or nullopt to remove) and the exact bytes after it.
struct EditCase {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    std::optional<std::string> value;
    std::string after;
};

TEST(IniDocumentTest, ChangesOnlyTheKeyItIsToldTo) {
    const EditCase cases[] = {
        {"semicolon value and comment survive",
         "; by Tamsel\r\n[Settings]\r\nSendToAdd1=My App;My App Settings\r\nCOMPort=1\r\n",
         "Settings", "COMPort", "2",
         "; by Tamsel\r\n[Settings]\r\nSendToAdd1=My App;My App Settings\r\nCOMPort=2\r\n"},
        {"stray quote line and backslashes stay, new key before the closing comment",
         "[Tamsel Settings]\n\"odd line\nDir=C:\\Pics\\\n; next: Vornik\n[Vornik Settings]\n",
         "Tamsel Settings", "CurrentBusy", "True",
         "[Tamsel Settings]\n\"odd line\nDir=C:\\Pics\\\nCurrentBusy=True\n; next: Vornik\n"
         "[Vornik Settings]\n"},
        {"new section after a blank line, in CRLF", "[A]\r\nk=1\r\n", "Zorvet Settings", "Left",
         "200", "[A]\r\nk=1\r\n\r\n[Zorvet Settings]\r\nLeft=200\r\n"},
        {"new key before the blank line ending its section", "[A]\na=1\n\n[B]\nb=1\n", "A", "c",
         "3", "[A]\na=1\nc=3\n\n[B]\nb=1\n"},
        {"line without = is kept and is no key", "[S]\nlonely\nk=1\n", "S", "lonely", "x",
         "[S]\nlonely\nk=1\nlonely=x\n"},
        {"duplicates: the first takes the value, the rest go", "[S]\nk=1\nj=0\nk=2\n", "S", "k",
         "3", "[S]\nk=3\nj=0\n"},
        {"remove takes every duplicate", "[S]\nk=1\nj=0\n[S]\nk=2\n", "S", "K", std::nullopt,
         "[S]\nj=0\n[S]\n"},
        {"empty file", "", "S", "k", "v", "[S]\nk=v\n"},
        {"no final line break: changed in place", "[S]\nk=1", "S", "k", "5", "[S]\nk=5"},
        {"no final line break: a new key ends the old line", "[S]\r\nk=1", "S", "j", "2",
         "[S]\r\nk=1\r\nj=2\r\n"},
        {"byte order mark kept", "\xEF\xBB\xBF[S]\nk=1\n", "S", "k", "2", "\xEF\xBB\xBF[S]\nk=2\n"},
        {"blanks around = and the name's case stay", "[S]\n  Key = old value \n", "S", "key", "new",
         "[S]\n  Key = new\n"},
        {"section found in any case, header kept", "[tamsel settings]\nApplication=x\n",
         "Tamsel Settings", "CurrentBusy", "True",
         "[tamsel settings]\nApplication=x\nCurrentBusy=True\n"},
        {"remove of an absent key changes nothing", "[S]\nk=1\n", "S", "j", std::nullopt,
         "[S]\nk=1\n"},
        {"a value with a line break is refused", "[S]\nk=1\n", "S", "k", "a\nb", "[S]\nk=1\n"},
        {"blanks starting a value are written, read as padding", "[S]\nk=1\n", "S", "k", "  Ada",
         "[S]\nk=  Ada\n"},
        {"an = in a key is refused", "[S]\n", "S", "a=b", "1", "[S]\n"},
        {"keys before any section belong to none", "k=1\n", "S", "k", "2", "k=1\n\n[S]\nk=2\n"},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        IniDocument document = IniDocument::Parse(c.before);
        ASSERT_EQ(document.Serialise(), c.before);
        if (c.value) {
            const bool storable = c.before != c.after;
            EXPECT_EQ(document.Set(c.section, c.key, *c.value), storable);
            if (storable) {
                const std::size_t padding = c.value->find_first_not_of(" \t");
                EXPECT_EQ(document.Get(c.section, c.key),
                          c.value->substr(std::min(padding, c.value->size())));
            }
        } else {
            document.Remove(c.section, c.key);
            EXPECT_EQ(document.Get(c.section, c.key), std::nullopt);
        }
        EXPECT_EQ(document.Serialise(), c.after);
        // What was written reads the same from the bytes.
        EXPECT_EQ(IniDocument::Parse(c.after).Get(c.section, c.key),
                  document.Get(c.section, c.key));
    }
}

struct GetCase {
    std::string file;
    const char* section;
    const char* key;
    std::optional<std::string> value;
};

TEST(IniDocumentTest, ReadsValuesVerbatim) {
    const GetCase cases[] = {
        {"[Settings]\nSendToAdd1=My App;My App Settings\n", "Settings", "SendToAdd1",
         "My App;My App Settings"},
        {"[S]\nk=\"quoted, listed\" ; not a comment\n", "S", "k",
         "\"quoted, listed\" ; not a comment"},
        {"[S]\r\nk=C:\\Pics\\\r\n[T]\r\nk=2\r\n", "S", "k", "C:\\Pics\\"},
        {"[S]\nk=\t a=b \n", "S", "k", "a=b "},
        {"[S]\nk=\n", "S", "k", ""},
        {"[S]\n;k=1\n#k=2\n", "S", "k", std::nullopt},
        {"[S]\nk=1\nk=2\n", "S", "k", "1"},
        {"[ Zorvet Settings ]\nLEFT=3\n", "zorvet settings", "Left", "3"},
        {"[S\nk=1\n", "S", "k", std::nullopt},
        {"[S]\nk=1\n[T]\n", "T", "k", std::nullopt},
        {"[S] trailing\nk=1\r", "S", "k", "1"},
    };
    for (const GetCase& c : cases) {
        SCOPED_TRACE(c.file);
        const IniDocument document = IniDocument::Parse(c.file);
        EXPECT_EQ(document.Get(c.section, c.key), c.value);
        EXPECT_EQ(document.Serialise(), c.file);
    }
}

}  // namespace
}  // namespace pixora
