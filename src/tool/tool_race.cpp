// glyphtool host and join: a headless peer of the network race, running the
// game's own session and game controller over real UDP on this machine.
#include <QCoreApplication>
#include <QHostAddress>
#include <QJsonArray>
#include <QSocketNotifier>
#include <QTimer>
#include <iostream>
#include <optional>
#include <unistd.h>

#include "board/cls_game_controller.h"
#include "core/cls_asker.h"
#include "core/cls_clock.h"
#include "core/cls_file_chooser.h"
#include "core/cls_system_random.h"
#include "i18n/cls_catalogue.h"
#include "net/cls_race_controller.h"
#include "net/net_protocol.h"
#include "platform/ansi_text.h"
#include "platform/qt_udp_socket.h"
#include "storage/bookmark_dialogs.h"
#include "storage/cls_memory_settings.h"
#include "tool/tool_args.h"
#include "tool/tool_json.h"
#include "tool/tool_verbs.h"

namespace glyph {

namespace {

bool IsLoopback(const std::string& address) {
  QHostAddress parsed;
  return parsed.setAddress(QString::fromStdString(address)) && parsed.protocol() == QAbstractSocket::IPv4Protocol &&
         (parsed.toIPv4Address() >> 24) == 127;
}

void Emit(std::ostream& out, const QJsonObject& object) { out << JsonLine(object) << std::flush; }

std::string Ansi(const std::string& utf8) { return ToAnsi(QString::fromUtf8(utf8)); }

// Sends through the real socket, but only inside 127.0.0.0/8, and reports
// every datagram that goes out.
class clsLoopbackSocket : public clsDatagramSocket {
 public:
  clsLoopbackSocket(clsQtUdpSocket& socket, std::ostream& out) : socket_(socket), out_(out) {}
  bool Bind(const std::string& localAddress, std::uint16_t port) override { return socket_.Bind(localAddress, port); }
  void Close() override { socket_.Close(); }
  void Send(const std::string& address, std::uint16_t port, const std::string& payload) override {
    const std::optional<ReceivedMessage> message = DecodeDatagram(payload);
    QJsonObject line{{"tag", message ? QString::fromStdString(message->tag) : QString()},
                     {"body", message ? FromAnsi(message->body) : QString()}};
    if (!IsLoopback(address)) {
      line["event"] = "refused";
      line["to"] = FromAnsi(address);
      Emit(out_, line);
      return;
    }
    line["dir"] = "out";
    line["to"] = QString::fromStdString(address);
    Emit(out_, line);
    socket_.Send(address, port, payload);
  }

 private:
  clsQtUdpSocket& socket_;
  std::ostream& out_;
};

class clsHeadlessAsker : public clsAsker {
 public:
  clsHeadlessAsker(std::ostream& out, bool forceStart) : out_(out), forceStart_(forceStart) {}
  bool AskYesNo(const std::string& text, const std::string& title, MessageIcon, bool) override {
    const bool yes = title != "Some players not ready" || forceStart_;
    Emit(out_, {{"event", "question"}, {"text", FromAnsi(text)}, {"answer", yes}});
    return yes;
  }
  void Tell(const std::string& text, const std::string&, MessageIcon) override {
    Emit(out_, {{"event", "message"}, {"text", FromAnsi(text)}});
  }

 private:
  std::ostream& out_;
  bool forceStart_;
};

// No windows: the file and bookmark dialogs are never used by a peer.
class clsNoFiles : public clsFileChooser {
 public:
  std::string ChooseFileToOpen(const std::string&) override { return {}; }
  std::string ChooseFileToSave(const std::string&, const std::string&) override { return {}; }
};
class clsNoBookmarkDialogs : public clsBookmarkDialogs {
 public:
  std::optional<std::string> EditName(const std::string&) override { return std::nullopt; }
  std::optional<std::size_t> ChooseBookmark(std::vector<clsSolveStatus>&) override { return std::nullopt; }
};

struct PeerOptions {
  bool host = false;
  std::string local;
  std::string hostAddress;
  std::uint16_t port = kNetworkPort;
  std::string name;
  int time = 1800;
  std::string penalty = "100";
  int startAfter = 3;
  int minPlayers = 1;
  bool forceStart = false;
  std::optional<int> solveAfter = 3;
  std::optional<int> giveUpAfter;
  std::optional<std::string> chat;
  int maxSeconds = 120;
  int linger = 3;
  bool readStdin = false;
};

class clsHeadlessPeer : public clsRaceDisplay {
 public:
  clsHeadlessPeer(const PeerOptions& options, std::ostream& out)
      : options_(options),
        out_(out),
        asker_(out, options.forceStart),
        game_(GameServices{asker_, settings_, random_, catalogue_, files_, bookmarks_}),
        socket_(udp_, out),
        race_(clsRaceController::Services{game_, socket_, clock_, random_, asker_, catalogue_}, options.port) {
    race_.SetDisplay(this);
    udp_.SetReceiver([this](const std::string& payload, const std::string& from) { Received(payload, from); });
  }

  int Run() {
    game_.StartUp({});
    if (!race_.Begin(options_.local, options_.hostAddress, options_.host, options_.name)) return Finish(2);
    began_ = clock_.NowMilliseconds();
    Emit(out_, {{"event", "begin"}, {"host", options_.host}, {"local", QString::fromStdString(options_.local)}});
    if (options_.host && options_.chat) ScheduleChat();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [this] { OnTick(); });
    tick.start(clsRaceController::kTickMilliseconds);
    QTimer::singleShot(options_.maxSeconds * 1000, [this] { Finish(1); });
    std::unique_ptr<QSocketNotifier> input;
    if (options_.readStdin) {
      input = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
      QObject::connect(input.get(), &QSocketNotifier::activated, [this, &input] { ReadCommand(*input); });
    }
    return QCoreApplication::exec();
  }

  void RefreshRace(const RaceView& view) override {
    if (view.status != status_) {
      status_ = view.status;
      Emit(out_, {{"event", "status"}, {"status", status_}});
      if (status_ == 3 && options_.chat) ScheduleChat();
    }
    for (std::size_t i = chatShown_; i < view.chat.size(); ++i) {
      Emit(out_, {{"event", "chat"}, {"line", FromAnsi(view.chat[i])}});
    }
    chatShown_ = view.chat.size();
    if (view.raceShown && !raceSeen_) {
      raceSeen_ = true;
      Emit(out_, {{"event", "race_started"}, {"puzzle", FromAnsi(game_.Puzzle().MakeSendString())}});
      SchedulePlay();
    }
    if (view.resultsShown && !resultsSeen_) {
      resultsSeen_ = true;
      results_ = view.results;
      chat_ = view.chat;
      Emit(out_, {{"event", "results"}});
      QTimer::singleShot(options_.linger * 1000, [this] { Finish(0); });
    }
    if (race_.HasSession()) chat_ = view.chat;
    if (!race_.HasSession() && began_ != 0 && !resultsSeen_ && !ended_) {
      Emit(out_, {{"event", "session_ended"}});
      QTimer::singleShot(0, [this] { Finish(1); });
    }
  }
  int OptionTimeSeconds() override { return options_.time; }
  std::string OptionPenaltyText() override { return options_.penalty; }

 private:
  void Received(const std::string& payload, const std::string& from) {
    const std::optional<ReceivedMessage> message = DecodeDatagram(payload);
    Emit(out_, {{"dir", "in"},
                {"from", QString::fromStdString(from)},
                {"tag", message ? QString::fromStdString(message->tag) : QString()},
                {"body", message ? FromAnsi(message->body) : QString()}});
    race_.Receive(payload);
  }

  void OnTick() {
    race_.Tick();
    if (!options_.host || started_ || !race_.HasSession()) return;
    if (WholeSecondsBetween(began_, clock_.NowMilliseconds()) < options_.startAfter) return;
    int ready = 0;
    int others = 0;
    for (const clsNetworkPlayer& p : race_.Session()->CollClients) {
      if (p.IP == options_.local) continue;
      ++others;
      if (!p.IsDead && p.KnowsOptions) ++ready;
    }
    if (ready < options_.minPlayers || (ready < others && !options_.forceStart)) return;
    started_ = true;
    race_.ClickStart();
  }

  void ScheduleChat() {
    QTimer::singleShot(1000, [this] { race_.SendChat(Ansi(*options_.chat)); });
  }

  void SchedulePlay() {
    if (options_.giveUpAfter) {
      QTimer::singleShot(*options_.giveUpAfter * 1000, [this] { race_.GiveUp(true); });
    } else if (options_.solveAfter) {
      QTimer::singleShot(*options_.solveAfter * 1000, [this] { Solve(); });
    }
  }

  // Declares the true digit of every symbol, as a player would in the grid.
  void Solve() {
    if (!game_.RaceRunning() || game_.LocalFinished()) return;
    for (int d = 0; d < 10 && !game_.LocalFinished(); ++d) {
      const int cell = 10 * game_.Puzzle().Symbols(d) + d;
      if (game_.SolveStatus().Status(cell / 10, cell % 10) == kCellYes) continue;
      game_.ClickCell(cell);
      game_.DoubleClickCell(cell);
    }
  }

  void ReadCommand(QSocketNotifier& notifier) {
    std::string line;
    if (!std::getline(std::cin, line)) {
      notifier.setEnabled(false);
      return;
    }
    const std::string command = line.substr(0, line.find(' '));
    const std::string argument = line.find(' ') == std::string::npos ? "" : line.substr(line.find(' ') + 1);
    if (command == "start") {
      started_ = true;
      race_.ClickStart();
    } else if (command == "chat") {
      race_.SendChat(Ansi(argument));
    } else if (command == "solve") {
      Solve();
    } else if (command == "giveup") {
      race_.GiveUp(true);
    } else if (command == "kick") {
      Kick(argument);
    } else if (command == "quit") {
      Quit();
    }
  }

  void Kick(const std::string& address) {
    if (!race_.HasSession()) return;
    const auto& players = race_.Session()->CollClients;
    for (std::size_t row = 0; row < players.size(); ++row) {
      if (players[row].IP == address) {
        race_.Kick(static_cast<int>(row));
        return;
      }
    }
  }

  void Quit() {
    if (race_.HasSession()) {
      if (game_.RaceRunning()) {
        race_.Exit();
      } else {
        race_.Cancel();
      }
    }
    Finish(results_.empty() ? 1 : 0);
  }

  int Finish(int status) {
    if (ended_) return status;
    ended_ = true;
    QJsonValue results = QJsonValue::Null;
    if (resultsSeen_) {
      QJsonArray rows;
      for (const ResultRow& r : results_) {
        rows.append(QJsonObject{{"rank", r.rank},
                                {"name", FromAnsi(r.name)},
                                {"ip", QString::fromStdString(r.ip)},
                                {"points", r.points},
                                {"time_needed", r.timeNeeded}});
      }
      results = rows;
    }
    QJsonArray chat;
    for (const std::string& line : chat_) chat.append(FromAnsi(line));
    Emit(out_, {{"event", "end"}, {"results", results}, {"chat", chat}});
    QCoreApplication::exit(status);
    return status;
  }

  PeerOptions options_;
  std::ostream& out_;
  clsHeadlessAsker asker_;
  clsMemorySettings settings_;
  clsSystemRandom random_;
  clsCatalogue catalogue_;
  clsNoFiles files_;
  clsNoBookmarkDialogs bookmarks_;
  clsSystemClock clock_;
  clsGameController game_;
  clsQtUdpSocket udp_;
  clsLoopbackSocket socket_;
  clsRaceController race_;
  std::int64_t began_ = 0;
  int status_ = -1;
  std::size_t chatShown_ = 0;
  bool raceSeen_ = false;
  bool resultsSeen_ = false;
  bool started_ = false;
  bool ended_ = false;
  std::vector<ResultRow> results_;
  std::vector<std::string> chat_;
};

PeerOptions ReadPeerOptions(const std::vector<std::string>& args, bool host) {
  std::set<std::string> valued{"local", "port", "name", "chat", "max-seconds", "linger", "solve-after", "give-up-after"};
  std::set<std::string> flags{"no-solve", "stdin"};
  if (host) {
    valued.insert({"time", "penalty", "start-after", "min-players"});
    flags.insert("force-start");
  } else {
    valued.insert("host");
  }
  const ToolArgs parsed = ParseToolArgs(args, valued, flags);
  ExpectPositionals(parsed, 0, "no text besides the options");
  PeerOptions options;
  options.host = host;
  const auto text = [&](const char* name, const std::string& fallback) {
    return parsed.Has(name) ? parsed.options.at(name) : fallback;
  };
  const auto number = [&](const char* name, int fallback, int lowest, int highest) {
    return parsed.Has(name) ? static_cast<int>(ParseInteger(name, parsed.options.at(name), lowest, highest)) : fallback;
  };
  options.local = text("local", "");
  if (!IsLoopback(options.local)) throw clsToolError("--local must be an address in 127.0.0.0/8");
  if (!host) {
    options.hostAddress = text("host", "");
    if (!IsLoopback(options.hostAddress)) throw clsToolError("--host must be an address in 127.0.0.0/8");
  }
  options.port = static_cast<std::uint16_t>(number("port", kNetworkPort, 1, 65535));
  options.name = Ansi(text("name", host ? "Host" : "Player"));
  options.time = number("time", 1800, 0, 86399);
  options.penalty = text("penalty", "100");
  options.startAfter = number("start-after", 3, 0, 86400);
  options.minPlayers = number("min-players", 1, 1, 1000);
  options.forceStart = parsed.Flag("force-start");
  options.maxSeconds = number("max-seconds", 120, 1, 86400);
  options.linger = number("linger", 3, 0, 3600);
  options.readStdin = parsed.Flag("stdin");
  if (parsed.Has("chat")) options.chat = parsed.options.at("chat");
  const int playing = parsed.Has("solve-after") + parsed.Has("give-up-after") + parsed.Flag("no-solve");
  if (playing > 1) throw clsToolError("give one of --solve-after, --give-up-after and --no-solve");
  if (parsed.Flag("no-solve")) options.solveAfter.reset();
  if (parsed.Has("solve-after")) options.solveAfter = number("solve-after", 3, 0, 86400);
  if (parsed.Has("give-up-after")) {
    options.solveAfter.reset();
    options.giveUpAfter = number("give-up-after", 3, 0, 86400);
  }
  return options;
}

int RunPeer(const std::vector<std::string>& args, bool host, std::ostream& out) {
  const PeerOptions options = ReadPeerOptions(args, host);
  if (QCoreApplication::instance() == nullptr) throw clsToolError("the race needs an event loop");
  clsHeadlessPeer peer(options, out);
  return peer.Run();
}

}  // namespace

int VerbHost(const std::vector<std::string>& args, std::ostream& out) { return RunPeer(args, true, out); }
int VerbJoin(const std::vector<std::string>& args, std::ostream& out) { return RunPeer(args, false, out); }

}  // namespace glyph
