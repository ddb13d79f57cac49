// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/cls_network_player.h"

#include "core/plain_text.h"

namespace glyph {

namespace {

constexpr std::size_t kAddressWidth = 15;

std::string TrimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string PlayerName(const std::string& name) {
  return PlainText(name.substr(0, clsNetworkPlayer::kLongestName));
}

std::string clsNetworkPlayer::MakeInfoString() const {
  std::string address = IP.substr(0, kAddressWidth);
  address.resize(kAddressWidth, ' ');
  return address + Name;
}

void clsNetworkPlayer::FillFromInfo(const std::string& info) {
  IP = TrimBlanks(info.substr(0, kAddressWidth));
  Name = info.size() > kAddressWidth ? info.substr(kAddressWidth) : std::string();
}

}  // namespace glyph
