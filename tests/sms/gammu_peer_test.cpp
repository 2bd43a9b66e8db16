// SPDX-License-Identifier: GPL-2.0-or-later
// Our PDUs decoded by libGammu (through its Python binding), a decoder we did not write: the
// three segments must read back as one three-part message to the picture-message port carrying
// exactly our payload. Skipped where the binding is not installed (Debian: python3-gammu).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include <unistd.h>

#include "core/picture.h"
#include "sms/ota_payload.h"
#include "sms/submit_pdu.h"
#include "support/python_peer.h"

namespace pixora {
namespace {

// Prints "key=value" lines about the decoded segments.
constexpr const char* kDecoder = R"PY(
import binascii, sys
import gammu
lines = [l.strip() for l in open(sys.argv[1]) if l.strip()]
parts = [gammu.DecodePDU(binascii.unhexlify(l), SMSC=True) for l in lines]
data = b''
for i, p in enumerate(parts, 1):
    u = p['UDH']
    print('part%d=%s|%s|%s|%d|%d|%d|%d|%s' % (i, p['Type'], p['Number'], p['SMSC']['Number'],
          u['ID8bit'], u['PartNumber'], u['AllParts'], p['Class'], p['Coding']))
    print('udh%d=%s' % (i, binascii.hexlify(u['Text']).decode().upper()))
    data += p['Text']
print('data=' + binascii.hexlify(data).decode().upper())
linked = gammu.LinkSMS([[p] for p in parts])
print('linked=%d' % len(linked))
multi = gammu.DecodeSMS(linked[0])
if multi:
    for e in multi['Entries']:
        print('entry=' + str(e['ID']))
        for b in e['Bitmap'] or []:
            sys.stdout.buffer.write(('text=' + b['Text'] + '\n').encode('utf-8'))
            rows = [r.decode() for r in b['XPM'][3:]]
            print('rows=' + ''.join('1' if c == '#' else '0' for r in rows for c in r))
)PY";

bool PeerAvailable() {
    return testing::PythonModuleAvailable("gammu");
}

std::map<std::string, std::string> RunPeer(const PictureMessagePdus& pdus) {
    std::vector<std::string> lines;
    for (const SubmitSegment& segment : pdus.segments) {
        // The written line minus its Ctrl-Z: message-centre field + PDU.
        lines.push_back(segment.line.substr(0, segment.line.size() - 1));
    }
    std::map<std::string, std::string> result;
    std::istringstream output(testing::RunPythonOverLines(kDecoder, lines));
    std::string line;
    while (std::getline(output, line)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos) {
            result[line.substr(0, eq)] +=
                (result.count(line.substr(0, eq)) ? "," : "") + line.substr(eq + 1);
        } else {
            result["noise"] += line + "\n";
        }
    }
    return result;
}

TEST(GammuPeerTest, DecodesOneThreePartPictureMessage) {
    if (!PeerAvailable()) {
        GTEST_SKIP() << "python3-gammu not installed";
    }
    PictureMessageRequest request;
    for (int y = 0; y < PictureHeight; ++y) {
        request.picture.Set((y * 5) % PictureWidth, y, 1);
    }
    request.text = U"Hello, World!";
    request.smscNumber = "12345678901";
    request.destination = "4412345678";
    request.reference = 77;
    const PictureMessagePdus pdus = BuildPictureMessagePdus(request);
    const auto decoded = RunPeer(pdus);
    ASSERT_TRUE(decoded.count("data")) << (decoded.count("noise") ? decoded.at("noise") : "");

    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(decoded.at("part" + std::to_string(n)),
                  "Submit|+4412345678|+12345678901|77|" + std::to_string(n) + "|3|1|8bit");
        EXPECT_EQ(decoded.at("udh" + std::to_string(n)), UserDataHeader(77, n));
    }
    EXPECT_EQ(decoded.at("data"), BytesToHex(PictureMessagePayload(request.picture, request.text)));
    EXPECT_EQ(decoded.at("linked"), "1");
    // libGammu knows the port-0x158A multipart picture message and finds both items.
    ASSERT_TRUE(decoded.count("entry"));
    EXPECT_EQ(decoded.at("entry"), "NokiaPictureImageLong");
    EXPECT_EQ(decoded.at("text"), "Hello, World!");
    std::string rows;
    for (int y = 0; y < PictureHeight; ++y) {
        for (int x = 0; x < PictureWidth; ++x) {
            rows += request.picture.IsSet(x, y) ? '1' : '0';
        }
    }
    EXPECT_EQ(decoded.at("rows"), rows);
}

}  // namespace
}  // namespace pixora
