// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/web_address.h"

#include <array>

#include "core/text.h"
#include "sms/ota_payload.h"

namespace pixora {

namespace {

// Built once: the bytes UrlEncode copies unchanged.
const std::array<bool, 256>& SafeTable() {
    static const std::array<bool, 256> table = [] {
        std::array<bool, 256> flags{};
        for (int c = '0'; c <= '9'; ++c)
            flags[c] = true;
        for (int c = 'A'; c <= 'Z'; ++c)
            flags[c] = true;
        for (int c = 'a'; c <= 'z'; ++c)
            flags[c] = true;
        return flags;
    }();
    return table;
}

void AppendPercent(std::string& out, unsigned char byte) {
    out += '%';
    out += HexByte(byte);
}

std::string ZeroPadded(int value, size_t digits) {
    std::string text = std::to_string(value < 0 ? 0 : value);
    if (text.size() < digits) {
        text.insert(0, digits - text.size(), '0');
    }
    return text;
}

std::string Base(const WebContext& context, std::string_view path) {
    std::string address = "http://";
    address += context.host;
    address += path;
    return address;
}

}  // namespace

std::string UrlEncode(std::string_view cp1252Bytes) {
    const auto& safe = SafeTable();
    std::string out;
    out.reserve(cp1252Bytes.size() * 3);
    for (char ch : cp1252Bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte == ' ') {
            out += '+';
        } else if (safe[byte]) {
            out += ch;
        } else {
            AppendPercent(out, byte);
        }
    }
    return out;
}

std::string UrlEncode(std::u32string_view text) {
    return UrlEncode(EncodeCp1252(text));
}

std::string VersionCode(int major, int minor, int revision) {
    return ZeroPadded(major, 2) + ZeroPadded(minor, 2) + ZeroPadded(revision, 3);
}

std::string EncodeMediaCode(std::string_view media) {
    std::string out;
    for (char ch : media) {
        const auto byte = static_cast<unsigned char>(ch);
        const bool unreserved =
            SafeTable()[byte] || ch == '-' || ch == '.' || ch == '_' || ch == '~';
        if (unreserved) {
            out += ch;
        } else {
            AppendPercent(out, byte);
        }
    }
    return out;
}

std::string MediaParameter(std::string_view media) {
    return media.empty() ? std::string() : "&media=" + EncodeMediaCode(media);
}

std::string MediaQuery(std::string_view media) {
    return media.empty() ? std::string() : "?media=" + EncodeMediaCode(media);
}

namespace {

// What the gateway request and the update check both report: version, counters, country and
// media code.
std::string ReportedValues(const WebContext& context, std::string_view usageCounts) {
    return context.versionCode + "&stats=" + UrlEncode(usageCounts) +
           "&cc=" + context.keyboardCountryCode + MediaParameter(context.media);
}

}  // namespace

std::string WebSendAddress(const WebContext& context, const PictureGrid& picture,
                           std::u32string_view text, std::string_view usageCounts) {
    std::string address = Base(context, "/wireless/sendsms.phtml?data=");
    address += OtaBitmapHex(picture);
    address += "&mode=send&app=kdx&ver=";
    address += ReportedValues(context, usageCounts);
    if (!text.empty()) {
        address += "&text=";
        address += UrlEncode(text);
    }
    return address;
}

std::string_view OtherSendMode(OtherSend mode) {
    switch (mode) {
        case OtherSend::Flash:
            return "flash";
        case OtherSend::Blink:
            return "blink";
        case OtherSend::Long:
            return "long";
        case OtherSend::Special:
            return "special";
        case OtherSend::Partner:
            return "partner";
        default:
            return {};
    }
}

std::string OtherSendAddress(const WebContext& context, OtherSend mode) {
    const std::string_view name = OtherSendMode(mode);
    if (name.empty()) {
        return {};
    }
    std::string address = Base(context, "/wireless/sendsms.phtml?app=kdx&ver=");
    address += context.versionCode;
    address += "&mode=";
    address += name;
    address += MediaParameter(context.media);
    return address;
}

std::string WebPageAddress(const WebContext& context, WebPage page) {
    std::string_view path = "/wireless/index.phtml";
    switch (page) {
        case WebPage::Index:
            break;
        case WebPage::Faq:
            path = "/wireless/faq.phtml";
            break;
        case WebPage::Newsletter:
            path = "/wireless/newsletter.phtml";
            break;
        case WebPage::Samples:
            path = "/wireless/samples.phtml";
            break;
    }
    return Base(context, path) + MediaQuery(context.media);
}

std::string UpdateCheckAddress(const WebContext& context, std::string_view usageCounts) {
    std::string address = Base(context, "/wireless/update.phtml?app=kdx&ver=");
    address += ReportedValues(context, usageCounts);
    return address;
}

std::string RedirectPage(std::string_view address, std::string_view host) {
    const std::string q = "\"";
    const std::string a(address);
    std::string page;
    page +=
        "<HTML><HEAD><TITLE>Brellow - SKYRELAY</TITLE><!-- What are you doing here? If you "
        "like my work, just contact me, I am looking for a nice job in wireless business -->";
    page += "<META HTTP-EQUIV=" + q + "Refresh" + q + " CONTENT=" + q + "0; URL=" + a + q;
    page += "></HEAD><BODY BGCOLOR=" + q + "#FFFFFF" + q + " LINK=" + q + "#224444" + q +
            " VLINK=" + q + "#224444" + q + " TEXT=" + q + "#444444" + q;
    page += "><FONT FACE=" + q + "Arial,Helvetica" + q + " SIZE=" + q + "-1" + q;
    page += "><B>Brellow - SKYRELAY in progress...</B>";
    page += "<HR SIZE=1>Please wait a few seconds or click <A HREF=" + q + a + q;
    page +=
        ">here</A> for manual start.<BR>Make sure that a connection to the internet has been "
        "established.<HR SIZE=1><FONT SIZE=" +
        q + "-2" + q;
    // The footer: who runs the gateway, and where to read about it.
    page += ">SKYRELAY picture messages are delivered by Brellow Wireless - <A HREF=" + q +
            "http://" + std::string(host) + "/wireless/" + q + ">" + std::string(host) +
            "/wireless/</A>";
    page += "</FONT></FONT></BODY></HTML>";
    return page;
}

}  // namespace pixora
