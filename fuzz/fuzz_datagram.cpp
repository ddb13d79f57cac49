// Datagrams reaching a host and a client in every state of a race. Each input
// line is one datagram: raw cipher text, or, after a "#", a message text that
// is enciphered first so that every tag's body handler is reached. A line
// "!" advances the clock by a tick; "*" starts the race on the host.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "session/cls_game_controller.h"
#include "core/cls_asker.h"
#include "core/cls_clock.h"
#include "core/cls_file_chooser.h"
#include "core/cls_system_random.h"
#include "i18n/cls_catalogue.h"
#include "net/cls_datagram_socket.h"
#include "net/cls_race_controller.h"
#include "net/net_protocol.h"
#include "session/bookmark_dialogs.h"
#include "storage/cls_memory_settings.h"

namespace {

using namespace glyph;

struct Clock : clsClock {
  std::int64_t now = 1'800'000'000'000;
  std::int64_t NowMilliseconds() override { return now; }
};
struct Socket : clsDatagramSocket {
  bool Bind(const std::string&, std::uint16_t) override { return true; }
  void Close() override {}
  void Send(const std::string&, std::uint16_t, const std::string&) override {}
};
struct Asker : clsAsker {
  bool AskYesNo(const std::string&, const std::string&, MessageIcon, bool) override { return true; }
  void Tell(const std::string&, const std::string&, MessageIcon) override {}
};
struct NoFiles : clsFileChooser {
  std::string ChooseFileToOpen(const std::string&) override { return {}; }
  std::string ChooseFileToSave(const std::string&, const std::string&) override { return {}; }
};
struct NoBookmarks : clsBookmarkDialogs {
  std::optional<std::string> EditName(const std::string&) override { return std::nullopt; }
  std::optional<std::size_t> ChooseBookmark(std::vector<clsSolveStatus>&) override { return std::nullopt; }
};
struct Display : clsRaceDisplay {
  void RefreshRace(const RaceView&) override {}
  int OptionTimeSeconds() override { return 60; }
  std::string OptionPenaltyText() override { return "10"; }
};

struct Peer {
  Asker asker;
  clsMemorySettings settings;
  clsSystemRandom random{7};
  clsCatalogue catalogue;
  NoFiles files;
  NoBookmarks bookmarks;
  Clock clock;
  Socket socket;
  Display display;
  clsGameController game{GameServices{asker, settings, random, catalogue, files, bookmarks}};
  clsRaceController race{clsRaceController::Services{game, socket, clock, random, asker, catalogue}};

  explicit Peer(bool host) {
    race.SetDisplay(&display);
    game.StartUp({});
    race.Begin(host ? "127.0.0.1" : "127.0.0.2", host ? "" : "127.0.0.1", host, host ? "Host" : "Client");
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  Peer host(true);
  Peer client(false);
  clsSystemRandom random(3);
  std::size_t start = 0;
  while (start <= input.size()) {
    std::size_t end = input.find('\n', start);
    if (end == std::string::npos) end = input.size();
    const std::string line = input.substr(start, end - start);
    start = end + 1;
    for (Peer* peer : {&host, &client}) {
      if (line == "!") {
        peer->clock.now += clsRaceController::kTickMilliseconds * 11;
        peer->race.Tick();
      } else if (line == "*") {
        peer->race.StartRace();
      } else if (!line.empty() && line[0] == '#') {
        peer->race.Receive(EncodeDatagram(line.substr(1), random));
      } else {
        peer->race.Receive(line);
      }
    }
  }
  return 0;
}
