#include "net/new_network_logic.h"

#include <algorithm>

#include "storage/cls_settings_store.h"
#include "storage/settings_keys.h"

namespace glyph {

namespace {

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

NewNetworkFields OpenNewNetwork(const clsSettingsStore& settings, const std::vector<std::string>& localAddresses,
                                const std::string& loginName) {
  NewNetworkFields fields;
  fields.host = settings.Read(kSectionNetworkGame, kKeyIsHost, "Y") == "Y";
  fields.localAddresses = localAddresses;
  const std::string last = settings.Read(kSectionNetworkGame, kKeyLastLocalIp, "");
  const auto found = std::find(localAddresses.begin(), localAddresses.end(), last);
  if (found != localAddresses.end()) {
    fields.selectedLocal = static_cast<int>(found - localAddresses.begin());
  } else if (!localAddresses.empty()) {
    fields.selectedLocal = 0;
  }
  fields.remoteAddress = settings.Read(kSectionNetworkGame, kKeyRemoteIp, "");
  fields.name = settings.Read(kSectionNetworkGame, kKeyPlayerName, "");
  if (IsBlank(fields.name)) fields.name = loginName;
  return fields;
}

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

std::optional<std::string> ConfirmNewNetwork(clsSettingsStore& settings, NetworkChoice& choice,
                                             const std::string& loginName) {
  if (!IsDottedIPv4(choice.IPAddressLocal)) return std::string("local");
  if (!choice.Host && !IsDottedIPv4(choice.IPAddressHost)) return std::string("host");
  if (IsBlank(choice.NamePlayer)) choice.NamePlayer = loginName;
  if (choice.Host) {
    settings.Write(kSectionNetworkGame, kKeyIsHost, "Y");
  } else {
    settings.Write(kSectionNetworkGame, kKeyRemoteIp, choice.IPAddressHost);
    settings.Write(kSectionNetworkGame, kKeyIsHost, "N");
  }
  settings.Write(kSectionNetworkGame, kKeyLastLocalIp, choice.IPAddressLocal);
  settings.Write(kSectionNetworkGame, kKeyPlayerName, choice.NamePlayer);
  return std::nullopt;
}

}  // namespace glyph
