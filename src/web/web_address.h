// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The addresses the editor hands to the browser for the vendor's web service, and the small page
// that sends the browser on to the gateway. Nothing here talks to the network: every address is
// opened by the desktop's default handler and no answer is ever read.

#include <string>
#include <string_view>

#include "core/picture.h"
#include "core/translate.h"

namespace pixora {

// The vendor's web service. The main window's link label shows exactly this text, and every
// address below starts with "http://" and it. The ".example" name keeps test runs off real hosts;
// a deployment changes this one constant.
inline constexpr const char* WebServiceHost = "skyrelay.brellow.example";

// Query encoding over Windows-1252 bytes: digits and ASCII letters stay, a space becomes "+",
// every other byte becomes "%" and two upper-case hex digits.
std::string UrlEncode(std::string_view cp1252Bytes);
// The same for typed text; characters outside Windows-1252 never reach here (the text box only
// takes allowed characters), and would be sent as "?" if they did.
std::string UrlEncode(std::u32string_view text);

// Seven digits: major and minor with at least two digits, revision with at least three.
// Version 1.00.0003 gives "0100003". Negative parts count as 0.
std::string VersionCode(int major, int minor, int revision);

// The branding file's media code as it goes into an address. The code comes straight from a text
// file, so anything but letters, digits and "-._~" is percent-encoded; a quote, a space, "<" or
// "&" would otherwise end the page's attribute or split the query.
std::string EncodeMediaCode(std::string_view media);
// "&media=" + code, or empty when no code is set.
std::string MediaParameter(std::string_view media);
// "?media=" + code, or empty when no code is set.
std::string MediaQuery(std::string_view media);

// What every address needs besides its own values; filled at start-up and kept for the run.
struct WebContext {
    std::string host = WebServiceHost;
    std::string versionCode;          // VersionCode of the running program
    std::string keyboardCountryCode;  // dialling code of the keyboard locale, may be empty
    std::string media;                // raw branding "Media" value, may be empty
};

// The gateway request of the web send. usageCounts is myGetCount() before this send. The
// picture goes as the hex text of its OTA bitmap, the same bytes the SMS send transmits.
std::string WebSendAddress(const WebContext& context, const PictureGrid& picture,
                           std::u32string_view text, std::string_view usageCounts);

// The other send modes of the "Send other SMS via Internet" menu. The values are the menu items'
// indexes (the partner page stands apart as 9), as the menu has always passed them.
enum class OtherSend : int { Flash = 0, Blink = 1, Long = 2, Special = 3, Partner = 9 };
// The gateway's name of the mode: "flash", "blink", "long", "special", "partner"; empty for a
// value that is no mode.
std::string_view OtherSendMode(OtherSend mode);
// The gateway page for that mode; empty for a value that is no mode (the caller beeps).
std::string OtherSendAddress(const WebContext& context, OtherSend mode);

enum class WebPage { Index, Faq, Newsletter, Samples };
// The plain pages: the link label, help, newsletter and samples.
std::string WebPageAddress(const WebContext& context, WebPage page);
// The update check, reporting version, counters and country.
std::string UpdateCheckAddress(const WebContext& context, std::string_view usageCounts);

// The redirect page, as the Windows-1252 bytes written to disk, without line breaks. The address
// goes in twice as it is: in the zero-second refresh and in the manual link.
std::string RedirectPage(std::string_view address, std::string_view host = WebServiceHost);

// The text of "Help > Information".
inline constexpr const char* HelpInformationText =
    PIXORA_TRANSLATE_NOOP("Web",
                          "All important objects of this program support 'ToolTips'.\r\n\r\n"
                          "Move your mouse over an object and wait a while, then\r\n"
                          "a small yellow box with a short explanation will appear.");

}  // namespace pixora
