// SPDX-License-Identifier: GPL-2.0-or-later
#include "shell/ini_document.h"

#include <algorithm>

namespace pixora {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

}  // namespace

IniDocument::Line IniDocument::Classify(std::string text, std::string end) {
    Line line;
    line.text = std::move(text);
    line.end = std::move(end);
    const std::string_view body = Trim(line.text);
    if (body.empty()) {
        return line;
    }
    if (body.front() == ';' || body.front() == '#') {
        line.kind = Kind::Comment;
        return line;
    }
    if (body.front() == '[') {
        const std::size_t close = body.rfind(']');
        if (close != body.npos) {
            line.kind = Kind::Section;
            line.name = std::string(Trim(body.substr(1, close - 1)));
            return line;
        }
    }
    const std::size_t equals = line.text.find('=');
    if (equals == line.text.npos) {
        return line;
    }
    const std::string_view name = Trim(std::string_view(line.text).substr(0, equals));
    if (name.empty()) {
        return line;
    }
    line.kind = Kind::Entry;
    line.name = std::string(name);
    line.valueAt = equals + 1;
    while (line.valueAt < line.text.size() && IsBlank(line.text[line.valueAt])) {
        ++line.valueAt;
    }
    return line;
}

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument doc;
    if (bytes.substr(0, Bom.size()) == Bom) {
        doc.bom_ = std::string(Bom);
        bytes.remove_prefix(Bom.size());
    }
    bool endSeen = false;
    while (!bytes.empty()) {
        const std::size_t newline = bytes.find('\n');
        std::string_view text = bytes.substr(0, newline);
        std::string_view end;
        if (newline == bytes.npos) {
            bytes = {};
        } else {
            bytes.remove_prefix(newline + 1);
            end = "\n";
        }
        // A "\r" before the "\n", or closing the file, belongs to the line end.
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
            end = end.empty() ? std::string_view("\r") : std::string_view("\r\n");
        }
        if (!endSeen && !end.empty() && end != "\r") {
            doc.lineEnd_ = std::string(end);
            endSeen = true;
        }
        doc.lines_.push_back(Classify(std::string(text), std::string(end)));
    }
    return doc;
}

template <typename Visit>
void IniDocument::ForEachEntry(std::string_view section, std::string_view key, Visit visit) const {
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Section) {
            inSection = SameName(line.name, section);
        } else if (inSection && line.kind == Kind::Entry && SameName(line.name, key)) {
            visit(i);
        }
    }
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    std::optional<std::string> found;
    ForEachEntry(section, key, [&](std::size_t i) {
        if (!found) {
            found = lines_[i].text.substr(lines_[i].valueAt);
        }
    });
    return found;
}

bool IniDocument::IsValidSectionName(std::string_view name) {
    return !name.empty() && !HasLineBreak(name) && Trim(name) == name;
}

bool IniDocument::IsValidKeyName(std::string_view name) {
    return !name.empty() && !HasLineBreak(name) && Trim(name) == name &&
           name.find('=') == name.npos && name.front() != ';' && name.front() != '#' &&
           name.front() != '[';
}

bool IniDocument::IsValidValue(std::string_view value) {
    // Leading blanks are written too but read back as padding, as the family's Windows programs
    // did: refusing the value would lose all of it.
    return !HasLineBreak(value);
}

void IniDocument::InsertLine(std::size_t at, std::string text) {
    // The line before a new one must end, even when it was the file's unfinished last line.
    if (at > 0 && (lines_[at - 1].end.empty() || lines_[at - 1].end == "\r")) {
        Line& before = lines_[at - 1];
        // A carriage return that ends the text is part of the value ("a\r\r" at the end of the
        // file). Followed by a bare "\n" it would read back as the line end, so that line gets
        // "\r\n" to keep it.
        const bool textEndsInReturn = !before.text.empty() && before.text.back() == '\r';
        before.end = (textEndsInReturn && lineEnd_ == "\n") ? std::string("\r\n") : lineEnd_;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                  Classify(std::move(text), lineEnd_));
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (!IsValidSectionName(section) || !IsValidKeyName(key) || !IsValidValue(value)) {
        return false;
    }
    std::vector<std::size_t> found;
    ForEachEntry(section, key, [&](std::size_t i) { found.push_back(i); });
    if (!found.empty()) {
        Line& first = lines_[found.front()];
        // Classified again so that it reads as the bytes will.
        first = Classify(first.text.substr(0, first.valueAt) + std::string(value), first.end);
        for (auto it = found.rbegin(); it + 1 != found.rend(); ++it) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*it));
        }
        return true;
    }
    const std::string entry = std::string(key) + "=" + std::string(value);
    // After the last line with content in the section's first block: blank lines and comments
    // closing the block more likely introduce the next section.
    std::optional<std::size_t> insertAt;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Section) {
            if (insertAt) {
                break;
            }
            if (SameName(line.name, section)) {
                insertAt = i + 1;
            }
        } else if (insertAt && (line.kind == Kind::Entry ||
                                (line.kind == Kind::Other && !Trim(line.text).empty()))) {
            insertAt = i + 1;
        }
    }
    if (insertAt) {
        InsertLine(*insertAt, entry);
        return true;
    }
    if (!lines_.empty() && !Trim(lines_.back().text).empty()) {
        InsertLine(lines_.size(), "");
    }
    InsertLine(lines_.size(), "[" + std::string(section) + "]");
    InsertLine(lines_.size(), entry);
    return true;
}

bool IniDocument::Remove(std::string_view section, std::string_view key) {
    std::vector<std::size_t> found;
    ForEachEntry(section, key, [&](std::size_t i) { found.push_back(i); });
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*it));
    }
    return !found.empty();
}

std::string IniDocument::Serialise() const {
    std::string out = bom_;
    for (const Line& line : lines_) {
        out += line.text;
        out += line.end;
    }
    return out;
}

}  // namespace pixora
