// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The texts the standard-C++ layers show to the user pass through this hook. The editor installs
// a translator at start; without one (pixora-cli, the tests) every text comes back as written.
//
// Each literal is written as TranslateText("Context", "text") so the translation tools find it;
// a literal that sits in a table and is translated later is marked with PIXORA_TRANSLATE_NOOP.

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the translation tools and leaves it as it is.
#define PIXORA_TRANSLATE_NOOP(context, text) text

namespace pixora {

// Returns the translation of source (UTF-8) in context, or source itself.
using TextTranslator = std::string (*)(const char* context, const char* source);

// Installs the translator; nullptr goes back to the texts as written.
void SetTextTranslator(TextTranslator translator);

std::string TranslateText(const char* context, const char* source);

// text with %1 .. %9 replaced by args in order, in one pass: an argument's own "%2" stays as it
// is. A sentence that carries names or numbers is translated whole, TranslateText giving the
// pattern, so a translation may put them where its language wants them.
std::string WithArgs(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace pixora
