// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "net/ip_address.h"

namespace glyph {

class clsCatalogue;
class clsSettingsStore;

inline constexpr char kNewNetworkModule[] = "frmNewNetwork";

// What the host/join dialog hands back.
struct NetworkChoice {
  bool Host = true;
  std::string IPAddressHost;
  std::string IPAddressLocal;
  std::string NamePlayer;
};

// The dialog's fields when it opens, from the settings of section
// "NetworkGame" and this computer's addresses.
struct NewNetworkFields {
  bool host = true;
  std::vector<std::string> localAddresses;
  int selectedLocal = -1;  // -1 when the list is empty
  std::string remoteAddress;
  std::string name;
};
NewNetworkFields OpenNewNetwork(const clsSettingsStore& settings, const std::vector<std::string>& localAddresses,
                                const std::string& loginName);

// A field the dialog cannot accept, with the message that says why.
enum class NetworkField { Local, Host };
struct NetworkFieldProblem {
  NetworkField field;
  std::string message;
  std::string title;
};

// Confirming: checks the addresses, replaces a blank name by the login name,
// and stores the choices. Returns the field that is wrong without storing
// anything, or nothing when all is well.
std::optional<NetworkFieldProblem> ConfirmNewNetwork(clsSettingsStore& settings, NetworkChoice& choice,
                                                     const std::string& loginName, const clsCatalogue& catalogue);

}  // namespace glyph
