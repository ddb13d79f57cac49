// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace glyph {

// True for an IPv4 address in dotted form: four numbers 0..255.
bool IsDottedIPv4(const std::string& text);

// The address as the network writes it ("10.0.0.7" for "010.0.0.07"), or ""
// when the text is no dotted IPv4 address. Addresses are compared in this
// form, whoever typed or sent them.
std::string CanonicalIPv4(const std::string& text);

// An address one player may send to: dotted IPv4, and neither unspecified
// (0.x.x.x), multicast (224-239.x.x.x), reserved nor the broadcast address.
bool IsUnicastIPv4(const std::string& text);

}  // namespace glyph
