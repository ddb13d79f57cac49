// SPDX-License-Identifier: GPL-3.0-or-later
// glyphtool host and join: a headless peer of the network race, driving the
// game's own session over real UDP on this machine.
#include <unistd.h>
#include <QCoreApplication>
#include <QHostAddress>
#include <QHostInfo>
#include <QJsonArray>
#include <QSocketNotifier>
#include <QTimer>
#include <iostream>
#include <optional>

#include "core/cls_clock.h"
#include "core/cls_system_random.h"
#include "i18n/cls_catalogue.h"
#include "net/net_protocol.h"
#include "net/new_network_logic.h"
#include "net/race_rules.h"
#include "platform/ansi_text.h"
#include "platform/qt_lan_discovery.h"
#include "platform/qt_udp_socket.h"
#include "session/cls_game_session.h"
#include "session/headless_services.h"
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

struct PeerOptions {
  bool host = false;
  std::string local;
  std::string hostAddress;
  std::uint16_t port = kNetworkPort;
  std::uint16_t discoveryPort = kDiscoveryPort;
  std::string name;
  int time = kDefaultRaceSeconds;
  std::string penalty = kDefaultPenalty;
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

class clsHeadlessPeer : public clsSessionDisplay {
 public:
  clsHeadlessPeer(const PeerOptions& options, std::ostream& out)
      : options_(options),
        out_(out),
        socket_(udp_, out),
        announcer_(options.discoveryPort),
        session_(SessionServices{.settings = settings_,
                                 .random = random_,
                                 .catalogue = catalogue_,
                                 .writer = none_,
                                 .printers = none_,
                                 .clock = clock_,
                                 .socket = socket_,
                                 .desktop = none_,
                                 .registrar = none_,
                                 .networkPort = options.port}) {
    session_.SetDisplay(this);
    session_.SetAnnouncer(&announcer_, QHostInfo::localHostName().toStdString());
    udp_.SetReceiver([this](const std::string& payload, const std::string& from, std::uint16_t port) {
      Received(payload, from, port);
    });
  }

  int Run() {
    session_.StartUp({});
    Press(Command::NetworkGame);
    if (!Race().HasSession()) return Finish(2);
    began_ = clock_.NowMilliseconds();
    Emit(out_, {{"event", "begin"}, {"host", options_.host}, {"local", QString::fromStdString(options_.local)}});
    if (options_.host) {
      Send(SessionEvent::Of(SessionEvent::Kind::RaceOptions, options_.time, options_.penalty));
      if (options_.chat) ScheduleChat();
    }
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

  void Show(const SessionView& sessionView) override {
    const RaceView& view = sessionView.race;
    if (static_cast<int>(view.status) != status_) {
      status_ = static_cast<int>(view.status);
      Emit(out_, {{"event", "status"}, {"status", status_}});
      if (view.status == ConnectionStatus::Connected && options_.chat) ScheduleChat();
    }
    for (const std::string& line : view.chat.Since(chatShown_))
      Emit(out_, {{"event", "chat"}, {"line", FromAnsi(line)}});
    chatShown_ = view.chat.added;
    if (view.raceShown && !raceSeen_) {
      raceSeen_ = true;
      Emit(out_, {{"event", "race_started"}, {"puzzle", FromAnsi(Game().Puzzle().MakeSendString())}});
      SchedulePlay();
    }
    if (view.resultsShown && !resultsSeen_) {
      resultsSeen_ = true;
      results_ = view.results;
      chat_ = view.chat.Lines();
      Emit(out_, {{"event", "results"}});
      QTimer::singleShot(options_.linger * 1000, [this] { Finish(0); });
    }
    if (Race().HasSession()) chat_ = view.chat.Lines();
    if (!Race().HasSession() && began_ != 0 && !resultsSeen_ && !ended_) {
      Emit(out_, {{"event", "session_ended"}});
      QTimer::singleShot(0, [this] { Finish(1); });
    }
  }

 private:
  const clsGameController& Game() const { return session_.Game(); }
  const clsRaceController& Race() const { return session_.Race(); }
  void Press(Command command) { Send(SessionEvent::Button(command)); }

  // Every event goes in here; then whatever the session asks is answered,
  // as a player at the window would answer it: every question Yes (the
  // peer presses Start only when its options allow it, see MayStart), every
  // message OK, and the host/join dialog with the command line's choice.
  void Send(const SessionEvent& event) {
    session_.Handle(event);
    for (int answered = 0; answered < 16 && (session_.View().prompt || session_.View().dialog.id != 0); ++answered) {
      AnswerOpen();
    }
  }

  void AnswerOpen() {
    const SessionView& view = session_.View();
    if (const std::optional<PromptView> prompt = view.prompt) {
      QJsonObject line{{"event", prompt->question ? "question" : "message"}, {"text", FromAnsi(prompt->text)}};
      if (prompt->question) line["answer"] = true;
      Emit(out_, line);
      session_.Handle(SessionEvent::Answer(prompt->id, true));
      return;
    }
    const bool network = view.dialog.kind == DialogKind::NetworkGame && view.dialog.error.empty();
    if (!view.dialog.error.empty()) Emit(out_, {{"event", "message"}, {"text", FromAnsi(view.dialog.error)}});
    session_.Handle(SessionEvent::DialogAnswer(view.dialog.id, network, {}, options_.host ? 1 : 0,
                                               {options_.local, options_.hostAddress, options_.name, options_.name}));
  }

  void Received(const std::string& payload, const std::string& from, std::uint16_t port) {
    const std::optional<ReceivedMessage> message = DecodeDatagram(payload);
    Emit(out_, {{"dir", "in"},
                {"from", QString::fromStdString(from)},
                {"tag", message ? QString::fromStdString(message->tag) : QString()},
                {"body", message ? FromAnsi(message->body) : QString()}});
    Send(SessionEvent::Datagram(payload, from, port));
  }

  // Start asks whether to go on without every player ready; the peer
  // presses it only when all are ready, or when told to force the start.
  bool MayStart() const {
    const Readiness count = CountReadiness(*Race().Session());
    return count.AllReady() || options_.forceStart;
  }

  void OnTick() {
    Send(SessionEvent::Of(SessionEvent::Kind::Tick));
    if (!options_.host || started_ || !Race().HasSession()) return;
    if (WholeSecondsBetween(began_, clock_.NowMilliseconds()) < options_.startAfter) return;
    if (CountReadiness(*Race().Session()).ready < options_.minPlayers || !MayStart()) return;
    started_ = true;
    Press(Command::NetStart);
  }

  void ScheduleChat() {
    QTimer::singleShot(1000, [this] { Send(SessionEvent::Of(SessionEvent::Kind::Chat, 0, Ansi(*options_.chat))); });
  }

  void SchedulePlay() {
    if (options_.giveUpAfter) {
      QTimer::singleShot(*options_.giveUpAfter * 1000, [this] { Press(Command::NetGiveUp); });
    } else if (options_.solveAfter) {
      QTimer::singleShot(*options_.solveAfter * 1000, [this] { Solve(); });
    }
  }

  // Declares the true digit of every symbol, as a player would in the grid.
  void Solve() {
    if (!Game().RaceRunning() || Game().LocalFinished()) return;
    for (int d = 0; d < 10 && !Game().LocalFinished(); ++d) {
      const int cell = 10 * Game().Puzzle().Symbols(d) + d;
      if (Game().SolveStatus().Status(cell / 10, cell % 10) == kCellYes) continue;
      Send(SessionEvent::Of(SessionEvent::Kind::GridClick, cell));
      Send(SessionEvent::Of(SessionEvent::Kind::GridDoubleClick, cell));
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
      if (Race().HasSession() && MayStart()) Press(Command::NetStart);
    } else if (command == "chat") {
      Send(SessionEvent::Of(SessionEvent::Kind::Chat, 0, Ansi(argument)));
    } else if (command == "solve") {
      Solve();
    } else if (command == "giveup") {
      Press(Command::NetGiveUp);
    } else if (command == "kick") {
      Kick(argument);
    } else if (command == "quit") {
      Quit();
    }
  }

  void Kick(const std::string& address) {
    if (!Race().HasSession()) return;
    const auto& players = Race().Session()->CollClients;
    for (std::size_t row = 0; row < players.size(); ++row) {
      if (players[row].IP == address) {
        Send(SessionEvent::Of(SessionEvent::Kind::Kick, static_cast<int>(row)));
        return;
      }
    }
  }

  void Quit() {
    if (Race().HasSession()) Press(Game().RaceRunning() ? Command::NetExit : Command::NetCancel);
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
  clsMemorySettings settings_;
  clsSystemRandom random_;
  clsCatalogue catalogue_;
  clsNoDesktopServices none_;
  clsSystemClock clock_;
  clsQtUdpSocket udp_;
  clsLoopbackSocket socket_;
  clsQtLanAnnouncer announcer_;  // a host's lobby announces itself like the game's
  clsGameSession session_;
  std::int64_t began_ = 0;
  int status_ = -1;
  std::uint64_t chatShown_ = 0;
  bool raceSeen_ = false;
  bool resultsSeen_ = false;
  bool started_ = false;
  bool ended_ = false;
  std::vector<ResultRow> results_;
  std::vector<std::string> chat_;
};

PeerOptions ReadPeerOptions(const std::vector<std::string>& args, bool host) {
  std::set<std::string> valued{"local",  "port",        "name",          "chat",          "max-seconds",
                               "linger", "solve-after", "give-up-after", "discovery-port"};
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
  options.discoveryPort = static_cast<std::uint16_t>(number("discovery-port", kDiscoveryPort, 1, 65535));
  options.name = Ansi(text("name", host ? "Host" : "Player"));
  options.time = number("time", kDefaultRaceSeconds, 0, 86399);
  options.penalty = text("penalty", kDefaultPenalty);
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
