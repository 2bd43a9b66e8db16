// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a message centre's refusal means, for the error box after a failed send. The phone
// reports it as "+CMS ERROR: <code>" (3GPP TS 27.005 3.2.5); the codes below 128 are the
// network's own causes (TS 24.011), the higher ones the phone's.

#include <string>
#include <string_view>

namespace pixora {

// The code's digits: everything after "CMS ERROR: " up to the reply's last character (the LF of
// the line end, or whatever came last), digits only. Empty when the reply holds no such report.
std::string CmsErrorCode(std::string_view reply);

// The explanation of the code in the reply, lines joined by CR LF; for a code we have no words
// for, the code itself; empty when the reply holds no code.
std::string ExplainCmsError(std::string_view reply);

}  // namespace pixora
