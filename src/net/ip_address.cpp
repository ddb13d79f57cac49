// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ip_address.h"

namespace glyph {

bool IsDottedIPv4(const std::string& text) {
  int parts = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = text.find('.', start);
    const std::string part = text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
    if (part.empty() || part.size() > 3 || part.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(part) > 255) {
      return false;
    }
    ++parts;
    if (dot == std::string::npos) break;
    start = dot + 1;
  }
  return parts == 4;
}

std::string CanonicalIPv4(const std::string& text) {
  if (!IsDottedIPv4(text)) return {};
  std::string canonical;
  std::size_t start = 0;
  for (int part = 0; part < 4; ++part) {
    const std::size_t dot = text.find('.', start);
    if (part > 0) canonical += '.';
    canonical += std::to_string(std::stoi(text.substr(start, dot - start)));
    start = dot + 1;
  }
  return canonical;
}

bool IsUnicastIPv4(const std::string& text) {
  const std::string canonical = CanonicalIPv4(text);
  if (canonical.empty()) return false;
  const int first = std::stoi(canonical.substr(0, canonical.find('.')));
  return first != 0 && first < 224;
}

}  // namespace glyph
