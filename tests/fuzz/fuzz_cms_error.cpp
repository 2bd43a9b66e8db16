// SPDX-License-Identifier: GPL-2.0-or-later
// Message-centre error replies of any bytes: the code is digits only, the explanation one of the
// table's texts, the bare code or nothing, and the error box starts with the step's own text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "phone/cms_errors.h"
#include "phone/send.h"

using pixora::fuzzing::Check;
using pixora::fuzzing::CheckCells;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string code = pixora::CmsErrorCode(input);
    Check(code.size() <= input.size());
    for (char c : code) {
        Check(c >= '0' && c <= '9');
    }
    const std::string explanation = pixora::ExplainCmsError(input);
    // Every explanation names its code in brackets; a code without one stands alone.
    Check(explanation == code || explanation.find("(" + code + ")") != std::string::npos);
    const std::string message = pixora::CmsErrorMessage("Can't send SMS (1/3).", input);
    Check(message == "Can't send SMS (1/3).\r\nError: " + explanation);
    return 0;
}
