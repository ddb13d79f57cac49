// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/network_info.h"

#include <pwd.h>
#include <unistd.h>
#include <QNetworkInterface>

#include "platform/ansi_text.h"

namespace glyph {

std::vector<std::string> LocalIPv4Addresses() {
  std::vector<std::string> outward;
  std::vector<std::string> loopback;
  for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
    if (!interface.flags().testFlag(QNetworkInterface::IsUp)) continue;
    for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
      const QHostAddress address = entry.ip();
      if (address.protocol() != QAbstractSocket::IPv4Protocol) continue;
      (address.isLoopback() ? loopback : outward).push_back(address.toString().toStdString());
    }
  }
  outward.insert(outward.end(), loopback.begin(), loopback.end());
  return outward;
}

std::string LoginName() {
  const QByteArray fromEnvironment = qgetenv("USER");
  if (!fromEnvironment.isEmpty()) return ToAnsi(QString::fromLocal8Bit(fromEnvironment));
  if (const passwd* entry = getpwuid(getuid())) return ToAnsi(QString::fromLocal8Bit(entry->pw_name));
  return {};
}

}  // namespace glyph
