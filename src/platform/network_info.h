// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace glyph {

// The IPv4 addresses of this computer's network interfaces that are up, in
// dotted form: the others first, the loopback ones last. Empty when none can
// be found.
std::vector<std::string> LocalIPv4Addresses();

// The current user's login name, or "".
std::string LoginName();

}  // namespace glyph
