// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/new_network_logic.h"

#include <algorithm>

#include "i18n/cls_catalogue.h"
#include "net/cls_network_player.h"

#include "storage/cls_settings_store.h"
#include "storage/settings_table.h"

namespace glyph {

namespace {

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

NewNetworkFields OpenNewNetwork(const clsSettingsStore& settings, const std::vector<std::string>& localAddresses,
                                const std::string& loginName) {
  NewNetworkFields fields;
  fields.host = ReadSetting(settings, Setting::IsHost) == "Y";
  fields.localAddresses = localAddresses;
  const std::string last = ReadSetting(settings, Setting::LastLocalIp);
  const auto found = std::find(localAddresses.begin(), localAddresses.end(), last);
  if (found != localAddresses.end()) {
    fields.selectedLocal = static_cast<int>(found - localAddresses.begin());
  } else if (!localAddresses.empty()) {
    fields.selectedLocal = 0;
  }
  fields.remoteAddress = ReadSetting(settings, Setting::RemoteIp);
  fields.name = PlayerName(ReadSetting(settings, Setting::PlayerName));
  if (IsBlank(fields.name)) fields.name = PlayerName(loginName);
  return fields;
}

std::optional<NetworkFieldProblem> ConfirmNewNetwork(clsSettingsStore& settings, NetworkChoice& choice,
                                                     const std::string& loginName, const clsCatalogue& catalogue) {
  const auto problem = [&](NetworkField field, const char* key, const char* text) {
    return NetworkFieldProblem{field, catalogue.GetTranslation(kNewNetworkModule, key, text),
                               catalogue.GetTranslation(kNewNetworkModule, "CAPTION", "Open network game")};
  };
  if (!IsDottedIPv4(choice.IPAddressLocal)) {
    return problem(NetworkField::Local, "strMsgBadLocalIP", "The local IP is not an IPv4 address such as 192.168.0.5.");
  }
  if (!choice.Host && !IsDottedIPv4(choice.IPAddressHost)) {
    return problem(NetworkField::Host, "strMsgBadHostIP", "The host IP is not an IPv4 address such as 192.168.0.5.");
  }
  choice.NamePlayer = PlayerName(IsBlank(choice.NamePlayer) ? loginName : choice.NamePlayer);
  WriteSetting(settings, Setting::IsHost, choice.Host ? "Y" : "N");
  if (!choice.Host) WriteSetting(settings, Setting::RemoteIp, choice.IPAddressHost);
  WriteSetting(settings, Setting::LastLocalIp, choice.IPAddressLocal);
  WriteSetting(settings, Setting::PlayerName, choice.NamePlayer);
  return std::nullopt;
}

}  // namespace glyph
