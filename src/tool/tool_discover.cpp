// SPDX-License-Identifier: GPL-3.0-or-later
// glyphtool discover: the races announced on the local network.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "net/ip_address.h"
#include "net/lan_discovery.h"
#include "platform/ansi_text.h"
#include "platform/qt_lan_discovery.h"
#include "tool/tool_args.h"
#include "tool/tool_json.h"
#include "tool/tool_verbs.h"

namespace glyph {

void VerbDiscover(const std::vector<std::string>& args, std::ostream& out) {
  const ToolArgs parsed = ParseToolArgs(args, {"local", "seconds", "port"});
  ExpectPositionals(parsed, 0, "no text besides the options: glyphtool discover [--local ADDR] [--seconds S]");
  const std::string local = parsed.Has("local") ? parsed.options.at("local") : "";
  if (!local.empty() && !IsDottedIPv4(local)) throw clsToolError("--local takes an IPv4 address");
  const auto seconds = parsed.Has("seconds") ? ParseInteger("seconds", parsed.options.at("seconds"), 0, 3600) : 3;
  const auto port = parsed.Has("port") ? ParseInteger("port", parsed.options.at("port"), 1, 65535) : kDiscoveryPort;
  if (QCoreApplication::instance() == nullptr) throw clsToolError("listening needs an event loop");

  QElapsedTimer clock;
  clock.start();
  clsLanRaceList races;
  std::vector<HeardRace> shown;
  // One line when a race is first heard (or changes), one when it leaves the
  // list; "at" is the milliseconds since listening began.
  const auto report = [&] {
    const std::vector<HeardRace> now = races.Races();
    for (const HeardRace& race : now) {
      if (std::find(shown.begin(), shown.end(), race) != shown.end()) continue;
      out << JsonLine(QJsonObject{{"host", QString::fromStdString(race.host)},
                                  {"computer", FromAnsi(race.computer)},
                                  {"name", FromAnsi(race.name)},
                                  {"players", race.players},
                                  {"at", clock.elapsed()}})
          << std::flush;
    }
    for (const HeardRace& race : shown) {
      const bool still = std::any_of(now.begin(), now.end(), [&](const HeardRace& r) { return r.host == race.host; });
      if (!still) {
        out << JsonLine(QJsonObject{{"gone", QString::fromStdString(race.host)}, {"at", clock.elapsed()}})
            << std::flush;
      }
    }
    shown = now;
  };
  clsQtLanListener listener(
      [&](const std::string& payload, const std::string& from) {
        if (races.Hear(payload, from, clock.elapsed())) report();
      },
      local, static_cast<std::uint16_t>(port));
  QTimer expiry;
  QObject::connect(&expiry, &QTimer::timeout, [&] {
    if (races.Expire(clock.elapsed())) report();
  });
  expiry.start(250);
  QTimer::singleShot(static_cast<int>(seconds * 1000), QCoreApplication::instance(), &QCoreApplication::quit);
  QCoreApplication::exec();
}

}  // namespace glyph
