// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// An INI file that other programs write too, held so that it can be changed without disturbing
// them: every line is kept as its bytes, and only the lines of the keys set or removed change.
//
// Reading rules, chosen to match what a hand-written or foreign file means:
// - a line whose first non-blank character is "[" and that has a "]" later is a section header;
//   the name is what lies between the "[" and the last "]", without surrounding blanks;
// - a line whose first non-blank character is ";" or "#" is a comment;
// - any other line with an "=" is a key: the name is the text before the first "=" without
//   surrounding blanks, the value everything after it to the end of the line, less the blanks
//   right after the "=" (";", quotes and backslashes are part of the value);
// - every other line (no "=", empty name) is kept and means nothing;
// - section and key names match in any ASCII letter case, as the family's Windows programs did;
//   the first of several equal keys wins;
// - "\r\n" and "\n" end lines, each line keeping its own; a UTF-8 byte order mark is kept.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pixora {

class IniDocument {
public:
    // Never fails: bytes that make no sense are kept as lines that mean nothing.
    static IniDocument Parse(std::string_view bytes);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Replaces the value of the first such key in place (its name and the blanks around "="
    // stay as written) and drops the later duplicates, so that readers taking the last one agree.
    // A new key goes after the last key or other line of its section's first block, a new section
    // at the end of the file. False, and nothing changed, when the names or the value cannot stand
    // in an INI line (line breaks, an "=" in a key, blanks at either end of a name, ...). Blanks
    // at the start of a value are written but, as padding after "=", not read back.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    // Removes every such key of the section; true when one was there. The header stays.
    bool Remove(std::string_view section, std::string_view key);

    // The file's bytes: exactly what Parse was given while nothing was set or removed.
    std::string Serialise() const;

    static bool IsValidSectionName(std::string_view name);
    static bool IsValidKeyName(std::string_view name);
    static bool IsValidValue(std::string_view value);

private:
    enum class Kind { Other, Comment, Section, Entry };
    struct Line {
        std::string text;  // without its line end
        std::string end;   // "\r\n", "\n" or "" (the last line of a file without a final break)
        Kind kind = Kind::Other;
        std::string name;         // section or key name, trimmed
        std::size_t valueAt = 0;  // Entry: where the value starts in text
    };

    static Line Classify(std::string text, std::string end);
    // Calls visit(index) for each key line named key inside a block of section, in file order.
    template <typename Visit>
    void ForEachEntry(std::string_view section, std::string_view key, Visit visit) const;
    void InsertLine(std::size_t at, std::string text);

    std::string bom_;
    std::vector<Line> lines_;
    std::string lineEnd_ = "\n";  // for new lines: the file's first line end
};

}  // namespace pixora
