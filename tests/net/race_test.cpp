// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "net/race_rules.h"
#include "support/fake_services.h"

namespace glyph {
namespace {

std::string Address(int i) { return "127.0.0." + std::to_string(i + 1); }

class RaceTest : public ::testing::Test {
 protected:
  explicit RaceTest(unsigned seed = 1) : network_(seed) {}

  clsTestPeer& AddPeer() {
    peers_.push_back(std::make_unique<clsTestPeer>(network_, clock_, 100 + peers_.size()));
    return *peers_.back();
  }

  // A host and clients, joined and holding the options.
  void Lobby(int clients, int time = 1800, const std::string& penalty = "100") {
    clsTestPeer& host = AddPeer();
    host.time = time;
    host.penalty = penalty;
    ASSERT_TRUE(host.Begin(Address(0), "", true, "Host"));
    for (int i = 1; i <= clients; ++i) {
      ASSERT_TRUE(AddPeer().Begin(Address(i), Address(0), false, "Player" + std::to_string(i)));
    }
    network_.Deliver();
    Run(1);
  }

  // Ticks every peer every 500 ms for the given seconds, delivering after each.
  void Run(double seconds, const std::vector<int>& silent = {}) {
    for (int step = 0; step < static_cast<int>(seconds * 2); ++step) {
      clock_.now += clsRaceController::kTickMilliseconds;
      for (std::size_t i = 0; i < peers_.size(); ++i) {
        if (std::find(silent.begin(), silent.end(), static_cast<int>(i)) == silent.end()) peers_[i]->Tick();
      }
      network_.Deliver();
    }
  }

  clsTestPeer& Peer(int i) { return *peers_[static_cast<std::size_t>(i)]; }

  // A message as another program would send it, from a socket of the test.
  void Forge(clsFakeNetwork::Socket& from, const std::string& to, const char* tag, const std::string& body) {
    from.Send(to, 0, EncodeDatagram(MakeMessageText("00", tag, body), forgeRandom_));
  }

  std::map<std::string, int> PointsByAddress(clsTestPeer& peer) {
    std::map<std::string, int> points;
    for (const ResultRow& row : peer.view.race.results) points[row.ip] = row.points;
    return points;
  }
  std::vector<int> Ranks(clsTestPeer& peer) {
    std::vector<int> ranks;
    for (const ResultRow& row : peer.view.race.results) ranks.push_back(row.rank);
    return ranks;
  }

  clsFakeClock clock_;
  clsFakeNetwork network_;
  clsSystemRandom forgeRandom_{4};
  std::vector<std::unique_ptr<clsTestPeer>> peers_;
};

// The lobby: introductions lost on joining are made good over the next
// three heartbeats; the chat keeps its last lines, each cut; a kicked client
// closes its session; a client whose host fell silent leaves after the dead
// limit and says why, however lively the other clients are.
TEST_F(RaceTest, TheLobbyJoinsChatsKicksAndNoticesASilentHost) {
  const std::int64_t lostUntil = clock_.now + 13'000;  // the joining's and two heartbeats' introductions
  network_.filter = [&](const std::string&, const std::string&, const std::string& tag) {
    return tag != "OTH" || clock_.now >= lostUntil;
  };
  Lobby(3, 600, "50");
  EXPECT_EQ(Peer(1).view.race.lobbyPlayers.size(), 1u);  // itself, the introductions lost
  Run(20);
  network_.sent.clear();
  Run(5);  // only the host offers options, and only to players without them; three rounds of introductions
  EXPECT_EQ(network_.CountSent("OPT") + network_.CountSent("OTH"), 0);
  for (int i = 0; i < 4; ++i) {
    ASSERT_EQ(Peer(i).NetGame()->CollClients.size(), 4u) << i;
  }
  EXPECT_EQ(Peer(1).view.race.status, ConnectionStatus::Connected);
  EXPECT_EQ(Peer(2).NetGame()->Penalty, 50);
  EXPECT_EQ(Peer(2).view.race.shownTime, 600);
  EXPECT_TRUE(Peer(0).Player(Address(2))->KnowsOptions);

  for (int i = 0; i < 510; ++i) Peer(1).Send(SessionEvent::Kind::Chat, 0, std::to_string(i) + std::string(600, 'x'));
  network_.Deliver();
  const ChatView& chat = Peer(0).view.race.chat;
  EXPECT_EQ(chat.added, 510u);
  ASSERT_EQ(chat.lines->size(), clsRaceController::kChatLines);
  EXPECT_EQ(chat.lines->front().substr(0, 12), "Player1: 10x");
  EXPECT_EQ(chat.lines->back().size(), clsRaceController::kChatLineLength);

  Peer(0).Send(SessionEvent::Kind::Kick, 2);
  EXPECT_EQ(Peer(0).Titles().back(), "Kick player");
  network_.Deliver();
  EXPECT_FALSE(Peer(2).HasSession());
  EXPECT_EQ(Peer(1).Player(Address(2)), nullptr);  // its goodbye reached the others
  const std::size_t asked = Peer(0).prompts.size();
  for (int row : {0, -1, 3}) Peer(0).Send(SessionEvent::Kind::Kick, row);  // the host itself, no row: nothing
  EXPECT_EQ(Peer(0).prompts.size(), asked);
  EXPECT_EQ(Peer(0).NetGame()->CollClients.size(), 3u);

  network_.filter = [](const std::string& from, const std::string&, const std::string&) { return from != "127.0.0.1"; };
  Run(25, {0});
  EXPECT_TRUE(Peer(1).HasSession());
  Run(11, {0});
  EXPECT_FALSE(Peer(1).HasSession());
  EXPECT_FALSE(Peer(3).HasSession());
  EXPECT_EQ(Peer(1).prompts.back().text, "The host has left the network game or can no longer be reached.");
}

TEST_F(RaceTest, PointsAreTheSecondsLeftAndRanksShareAndSkip) {
  Lobby(3, 600, "50");
  Peer(0).Press(Command::NetStart);
  network_.Deliver();
  Run(245);
  Peer(0).Solve();
  Peer(1).Solve();
  network_.Deliver();
  EXPECT_EQ(Peer(0).Player(Address(0))->Points, 355);
  EXPECT_EQ(Peer(2).Player(Address(1))->Points, 355);
  EXPECT_EQ(Peer(2).Player(Address(1))->TimeNeeded, 245);  // the time limit minus the points
  EXPECT_TRUE(Peer(0).view.race.exitAvailable);
  Peer(0).Solve();  // a finished player cannot change its result
  Run(235);
  Peer(2).Solve();
  Peer(3).Press(Command::NetGiveUp);
  EXPECT_EQ(Peer(3).view.race.points, "-50");
  network_.Deliver();
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(Peer(i).view.race.resultsShown) << i;
    EXPECT_EQ(Ranks(Peer(i)), (std::vector<int>{1, 1, 3, 4})) << i;
    EXPECT_EQ(Peer(i).view.race.results[2].points, 120);
    EXPECT_EQ(Peer(i).view.race.results[3].points, -50);
  }
  EXPECT_EQ(Peer(0).view.race.racePlayers[3].text, "Player3 (-50 points)");
  EXPECT_EQ(Peer(0).view.race.racePlayers[3].icon, kRaceIconGaveUp);
}

TEST_F(RaceTest, ASilentPlayerIsDeadAfterThirtySecondsAndComesBack) {
  Lobby(2);
  Peer(0).Press(Command::NetStart);
  network_.Deliver();
  Run(31, {2});
  Run(6, {2});  // the next heartbeat tick after 30 silent seconds
  EXPECT_TRUE(Peer(0).Player(Address(2))->IsDead);
  EXPECT_EQ(Peer(0).view.race.racePlayers[2].icon, kRaceIconDead);
  // It blocks no results: the other two finish and the results appear.
  Peer(0).Solve();
  Peer(1).Solve();
  network_.Deliver();
  EXPECT_TRUE(Peer(0).view.race.resultsShown);
  // Its heartbeat brings it back.
  clock_.now += 6000;
  Peer(2).Tick();
  network_.Deliver();
  EXPECT_FALSE(Peer(1).Player(Address(2))->IsDead);
}

// A single player's game in progress in the lobby waits aside while a race
// has the board, and comes back as it was when the race is over.
TEST_F(RaceTest, ASoloGameInTheLobbyComesBackAfterTheRace) {
  Lobby(1, 30);
  Peer(1).Send(SessionEvent::Kind::GridClick, 34);
  const std::string solo = Peer(1).Board().Puzzle().MakeSendString();
  Peer(0).Press(Command::NetStart);
  network_.Deliver();
  ASSERT_TRUE(Peer(1).Board().RaceRunning());
  EXPECT_NE(Peer(1).Board().Puzzle().MakeSendString(), solo);
  Run(36);  // the race's time runs out, the results come
  ASSERT_TRUE(Peer(1).view.race.resultsShown);
  Peer(1).Press(Command::CloseResults);
  EXPECT_EQ(Peer(1).Board().Puzzle().MakeSendString(), solo);
  EXPECT_EQ(Peer(1).view.grid.looks[34], GridLook::No);
  EXPECT_TRUE(Peer(1).view.Button(Command::Undo).enabled);  // with its steps
}

// During a race a silent host is one more player not connected: the client
// races on, and its result and the ranking come.
TEST_F(RaceTest, ASilentHostDoesNotEndARace) {
  Lobby(1);
  Peer(0).Press(Command::NetStart);
  network_.Deliver();
  network_.filter = [](const std::string& from, const std::string&, const std::string&) { return from != "127.0.0.1"; };
  Run(40, {0});
  ASSERT_TRUE(Peer(1).HasSession());
  const auto& rows = Peer(1).view.race.racePlayers;
  const auto host =
      std::find_if(rows.begin(), rows.end(), [](const PlayerRow& row) { return row.key == "IP127.0.0.1"; });
  ASSERT_NE(host, rows.end());
  EXPECT_EQ(host->icon, kRaceIconDead);
  Peer(1).Solve();
  EXPECT_TRUE(Peer(1).view.race.resultsShown);
  EXPECT_EQ(Peer(1).view.race.results.front().ip, Address(1));
}

// The program ending leaves a race as Quit game does, its goodbye said,
// without a question; a question the race makes pointless closes itself.
TEST_F(RaceTest, QuittingLeavesTheRaceAndQuestionsTheRaceMakesPointlessClose) {
  Lobby(2);
  Peer(1).autoAnswer.reset();
  Peer(1).Press(Command::New);  // a game of its own in the lobby: asked first
  ASSERT_TRUE(Peer(1).view.prompt);
  Peer(0).Press(Command::NetStart);
  network_.Deliver();
  EXPECT_TRUE(Peer(1).Board().RaceRunning());
  EXPECT_FALSE(Peer(1).view.prompt);
  ASSERT_TRUE(Peer(2).Board().RaceRunning());
  const std::size_t asked = Peer(2).prompts.size();
  Peer(2).Send(SessionEvent::Kind::Quitting);
  EXPECT_TRUE(Peer(2).view.quit);
  EXPECT_EQ(Peer(2).prompts.size(), asked);
  network_.Deliver();
  EXPECT_EQ(network_.CountSent("GUP", Address(0)), 1);
  EXPECT_EQ(Peer(0).Player(Address(2)), nullptr);
}

TEST_F(RaceTest, WhenTimeRunsOutRacersGiveUpAndSolversKeepTheirResult) {
  Lobby(2, 60, "25");
  Peer(0).Press(Command::NetStart);
  network_.Deliver();
  Run(10);
  Peer(1).Solve();
  network_.Deliver();
  Run(50);  // the last second: still racing
  EXPECT_FALSE(Peer(2).Board().LocalFinished());
  EXPECT_EQ(Peer(2).view.race.points, "0");
  Run(5);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(Peer(i).view.race.resultsShown) << i;
  EXPECT_EQ(Peer(0).Player(Address(1))->Points, 50);
  EXPECT_EQ(Peer(0).Player(Address(0))->Points, -25);
  EXPECT_EQ(Peer(1).Player(Address(2))->Points, -25);
  EXPECT_EQ(Peer(2).view.race.timeRemaining, "0:00");
  // A solver's clocks stood still at the solve, adding up to the race's time.
  EXPECT_EQ(Peer(1).view.race.timeRunning + " " + Peer(1).view.race.timeRemaining, "0:10 0:50");
}

// During a race the board is the race's: the game's buttons are hidden and
// their commands, however sent, change nothing and ask nothing. Only giving
// up or exiting ends it.
TEST_F(RaceTest, NoNewLoadClearSolveOrBookmarkWhileARaceRuns) {
  Lobby(1);
  Peer(0).Press(Command::NetStart);
  network_.Deliver();
  clsTestPeer& client = Peer(1);
  ASSERT_TRUE(client.Board().RaceRunning());
  client.Send(SessionEvent::Kind::GridClick, 12);
  const std::string puzzle = client.Board().Puzzle().MakeSendString();
  const std::string grid = client.Board().SolveStatus().MakeStatusString();
  const std::size_t asked = client.Titles().size();
  for (Command command : {Command::New, Command::Load, Command::Clear, Command::Solve, Command::AddBookmark,
                          Command::OpenBookmark, Command::Save, Command::NetworkGame}) {
    EXPECT_FALSE(client.view.Button(command).visible);
    client.Press(command);
  }
  EXPECT_EQ(client.Titles().size(), asked);
  EXPECT_EQ(client.Board().Puzzle().MakeSendString(), puzzle);
  EXPECT_EQ(client.Board().SolveStatus().MakeStatusString(), grid);
  EXPECT_TRUE(client.view.Button(Command::Close).visible);
  EXPECT_FALSE(client.view.Button(Command::Close).enabled);

  // The window's own close control gives up, then exits the finished game.
  EXPECT_FALSE(client.RequestClose());
  EXPECT_EQ(client.Titles().back(), "Give up");
  EXPECT_TRUE(client.Board().LocalFinished());
  EXPECT_EQ(client.Player(Address(1))->Points, -100);
  EXPECT_FALSE(client.RequestClose());  // finished: the exit question, the result stays
  EXPECT_EQ(client.Titles().back(), "Exit net game");
  EXPECT_FALSE(client.HasSession());
}

// A stranger on another address, or another program on the host's own
// address, forges every kind of message the race knows: none of them
// changes the race, and it is never answered on behalf of someone else.
TEST_F(RaceTest, AStrangerCannotSteerTheRace) {
  Lobby(2, 600, "50");
  clsFakeNetwork::Socket stranger(network_);
  ASSERT_TRUE(stranger.Bind("127.0.0.9", 0));
  for (const char* tag : {tag::kStart, tag::kOptions, tag::kClose, tag::kOther}) {
    const std::string body = tag == tag::kStart     ? "+++---111;222;333;444;555;666;777;888;999"
                             : tag == tag::kOptions ? "0000000000"
                             : tag == tag::kOther   ? "127.0.0.8      Phantom"
                                                    : "";
    network_.Post(Address(0), 1234, Address(1), EncodeDatagram(MakeMessageText("00", tag, body), forgeRandom_));
  }
  // A message longer than any of the game is not read, even from the host.
  Forge(Peer(0).socket, Address(1), tag::kMessage, "119;127.0.0.1Host: " + std::string(1500, 'x'));
  for (int client = 1; client <= 2; ++client) {
    Forge(stranger, Address(client), tag::kClose, "");
    Forge(stranger, Address(client), tag::kOptions, "0000000000");
    Forge(stranger, Address(client), tag::kOther, "999.1.1.1      Phantom");
    Forge(stranger, Address(client), tag::kOther, "127.0.0.9      Unasked");  // itself, but never asked
    Forge(stranger, Address(client), tag::kMessage, "0212;127.0.0.2Player1: forged");
    Forge(stranger, Address(client), tag::kWhoAreYou, "192.168.7.7");  // an answer to a third party
  }
  Forge(stranger, Address(0), tag::kNew, "127.0.0.2      Imposter");
  Forge(stranger, Address(0), tag::kQuit, Address(2));
  Forge(stranger, Address(0), tag::kNeedResult, "192.168.7.7");
  network_.Deliver();
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(Peer(i).HasSession()) << i;
    EXPECT_EQ(Peer(i).NetGame()->CollClients.size(), 3u) << i;
    EXPECT_EQ(Peer(i).NetGame()->Time, 600) << i;
    EXPECT_EQ(Peer(i).view.race.chat.added, 0u) << i;
  }
  EXPECT_EQ(Peer(0).Player(Address(1))->Name, "Player1");
  for (const auto& [to, message] : network_.sent) EXPECT_NE(to, "192.168.7.7") << message.tag;
  network_.sent.clear();  // a crowd of strangers: only so many are asked who they are
  for (int i = 0; i < 300; ++i) {
    const std::string address = "127.0." + std::to_string(10 + i / 200) + "." + std::to_string(1 + i % 200);
    ASSERT_TRUE(stranger.Bind(address, 0));
    Forge(stranger, Address(1), tag::kLiving, address);
  }
  network_.Deliver();
  EXPECT_EQ(network_.CountSent(tag::kWhoAreYou), static_cast<int>(clsRaceController::kMostStrangers));
  for (int i = 0; i < 10; ++i) {  // asked who they are, they name themselves: not on the host's word
    const std::string address = "127.0.10." + std::to_string(1 + i);
    ASSERT_TRUE(stranger.Bind(address, 0));
    Forge(stranger, Address(1), tag::kOther, address + std::string(15 - address.size(), ' ') + "Phantom");
  }
  network_.Deliver();
  EXPECT_EQ(Peer(1).NetGame()->CollClients.size(), 3u);

  Peer(0).Press(Command::NetStart);
  network_.Deliver();
  Forge(stranger, Address(0), tag::kFinished, SolvedRecord(99999, Address(1)));  // someone else's result
  Forge(stranger, Address(0), tag::kFinished, SolvedRecord(500, "127.0.0.9"));   // not a player
  network_.Deliver();
  EXPECT_FALSE(Peer(0).Player(Address(1))->HasFinished);
  // A player's own finish with more points than the race had is not believed.
  Forge(Peer(1).socket, Address(0), tag::kFinished, SolvedRecord(601, Address(1)));
  network_.Deliver();
  EXPECT_FALSE(Peer(0).Player(Address(1))->HasFinished);

  // Even the host is not believed about an address that is none, and
  // whatever a list holds, nothing is ever sent to a broadcast address.
  for (const char* info : {"999.1.1.1      Phantom", "255.255.255.255Everyone"}) {
    Forge(Peer(0).socket, Address(1), tag::kOther, info);
  }
  network_.Deliver();
  Run(6);
  EXPECT_EQ(Peer(1).Player(""), nullptr);
  EXPECT_EQ(network_.CountSent(tag::kLiving, "255.255.255.255"), 0);
  for (int i = 1; i <= 70; ++i) {  // nor about more players than a race holds
    const std::string address = "127.0.2." + std::to_string(i);
    Forge(Peer(0).socket, Address(1), tag::kOther, address + std::string(15 - address.size(), ' ') + "Many");
  }
  network_.Deliver();
  EXPECT_EQ(Peer(1).NetGame()->CollClients.size(), clsRaceController::kMostPlayers);
}

// Joiners that fall silent leave the lobby after the dead limit and free
// their places: a real player gets in once they are gone.
TEST_F(RaceTest, SilentJoinersCannotLockTheLobby) {
  ASSERT_TRUE(AddPeer().Begin(Address(0), "", true, "Host"));
  clsFakeNetwork::Socket joiner(network_);
  for (int i = 0; i < 63; ++i) {
    const std::string address = "127.0.1." + std::to_string(1 + i);
    ASSERT_TRUE(joiner.Bind(address, 0));
    Forge(joiner, Address(0), tag::kNew, address + std::string(15 - address.size(), ' ') + "Silent");
  }
  network_.Deliver();
  ASSERT_EQ(Peer(0).NetGame()->CollClients.size(), clsRaceController::kMostPlayers);
  Run(25);
  clsTestPeer& late = AddPeer();
  ASSERT_TRUE(late.Begin(Address(1), Address(0), false, "Late"));
  network_.Deliver();
  int waited = 0;
  for (; waited < 30 && late.view.race.status != ConnectionStatus::Connected; ++waited) Run(1);
  EXPECT_LE(waited, 15);  // the joiners go at the heartbeat after 30 silent seconds
  EXPECT_EQ(Peer(0).NetGame()->CollClients.size(), 2u);
}

// Only the host starts a race and results always come. A stranger that
// introduced itself to a client after a heartbeat, and a player that joined
// but never confirms the options nor reports a result, try to start a race
// of their own, flood the host with announcements and hold the results; a
// client whose options offer was lost judges the others' finishes by the
// host's time all the same.
TEST_F(RaceTest, OnlyTheHostStartsARaceAndResultsAlwaysCome) {
  Lobby(2, 30, "20");
  const std::string puzzle = "-+-+-+740;227;967;518;356;162;222;583;805";
  clsFakeNetwork::Socket stranger(network_), hostile(network_);
  ASSERT_TRUE(stranger.Bind("127.0.0.9", 0) && hostile.Bind("127.0.0.8", 0));
  Forge(stranger, Address(1), tag::kLiving, "127.0.0.9");  // draws a WAY: the answer is not the host's word
  network_.Deliver();
  Forge(stranger, Address(1), tag::kOther, "127.0.0.9      Stranger");
  network_.Deliver();
  EXPECT_EQ(Peer(1).Player("127.0.0.9"), nullptr);
  Forge(stranger, Address(1), tag::kStart, puzzle);
  Forge(Peer(0).socket, Address(2), tag::kStart, "-+-+-+740;227;968;518;356;162;222;583;805");  // a false sum
  Forge(hostile, Address(0), tag::kNew, "127.0.0.8      Line1\nLine2");
  network_.Deliver();
  EXPECT_EQ(Peer(0).Player("127.0.0.8")->Name, "Line1 Line2");
  Forge(hostile, Address(0), tag::kOptionsOk, Peer(0).NetGame()->MakeOptString() + "127.0.0.9");  // names another
  network_.Deliver();
  EXPECT_FALSE(Peer(0).Player("127.0.0.8")->KnowsOptions);
  Forge(hostile, Address(0), tag::kStart, puzzle);
  network_.Deliver();
  Run(6);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(Peer(i).Board().RaceRunning()) << i;

  // A flood of repeated announcements is answered to the sender alone, once.
  network_.sent.clear();
  for (int i = 0; i < 100; ++i) Forge(hostile, Address(0), tag::kNew, "127.0.0.8      Hostile");
  network_.Deliver();
  EXPECT_EQ(network_.CountSent("OTH", "127.0.0.8") + network_.CountSent("OK!", "127.0.0.8"), 4);
  EXPECT_EQ(network_.sent.size(), 100u + 4u);

  // The host raises the time; the offer to the second client is lost. The
  // solution revealed in the lobby does not lock the race's grid.
  network_.filter = [](const std::string&, const std::string& to, const std::string& tag) {
    return !(tag == "OPT" && to == "127.0.0.3");
  };
  Peer(0).Press(Command::Solve);
  Peer(0).Send(SessionEvent::Kind::RaceOptions, 60, "20");
  Run(1);
  EXPECT_EQ(Peer(0).view.race.lobbyPlayers[2].icon, kLobbyIconNoOptions);
  Peer(0).autoAnswer.reset();
  Peer(0).Press(Command::NetStart);  // players without the options: the host is asked
  EXPECT_EQ(Peer(0).Titles().back(), "Some players not ready");
  Peer(0).Reply(false);
  EXPECT_FALSE(Peer(0).Board().RaceRunning());
  Peer(0).Press(Command::NetStart);
  Peer(0).Reply(true);
  network_.filter = nullptr;
  network_.Deliver();
  EXPECT_EQ(Peer(1).Board().Puzzle().MakeSendString(), Peer(0).Board().Puzzle().MakeSendString());
  EXPECT_FALSE(Peer(0).Board().GameOver());
  network_.sent.clear();
  Run(5);
  EXPECT_EQ(network_.CountSent("OPT", Address(1)), 0);   // confirmed: offered no more
  EXPECT_GT(network_.CountSent("OPT", "127.0.0.8"), 0);  // never confirms: offered on
  Peer(1).Solve();
  for (int second = 5; second < 70; second += 5) {  // the hostile player only says it is alive
    for (int i = 0; i < 3; ++i) Forge(hostile, Address(i), tag::kLiving, "127.0.0.8");
    Run(5);
  }
  Run(1);  // ten seconds after the time ran out (61 s): still asking
  EXPECT_FALSE(Peer(0).view.race.resultsShown);
  Run(0.5);
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(Peer(i).view.race.resultsShown) << i;
    EXPECT_EQ(PointsByAddress(Peer(i))[Address(1)], 55) << i;
    EXPECT_EQ(PointsByAddress(Peer(i))["127.0.0.8"], -20) << i;
  }
}

// Beyond 64 players a newcomer is not answered; with nothing changing, a
// heartbeat costs the host one datagram per player.
TEST_F(RaceTest, SixtyFourPlayersAtMostAndHeartbeatsGrowLinearly) {
  clsTestPeer& host = AddPeer();
  ASSERT_TRUE(host.Begin(Address(0), "", true, "Host"));
  clsFakeNetwork::Socket joiners(network_);
  for (int i = 1; i <= 70; ++i) {
    clsNetworkPlayer joiner;
    joiner.IP = "127.0.1." + std::to_string(i);
    joiner.Name = "J" + std::to_string(i);
    ASSERT_TRUE(joiners.Bind(joiner.IP, 0));
    Forge(joiners, Address(0), tag::kNew, joiner.MakeInfoString());
    Forge(joiners, Address(0), tag::kOptionsOk, "0180000100" + joiner.IP);
    network_.Deliver();
    joiners.Close();
  }
  EXPECT_EQ(host.NetGame()->CollClients.size(), clsRaceController::kMostPlayers);
  EXPECT_EQ(network_.CountSent("OK!", "127.0.1.64"), 0);
  Run(30);  // the newcomers' extra introductions are over
  network_.sent.clear();
  Run(6);  // one heartbeat: a heartbeat to each of the others
  EXPECT_EQ(network_.sent.size(), clsRaceController::kMostPlayers - 1);
}

// Each game binds the socket anew, to its own address; the option fields
// keep their values from one game to the next. An address that cannot
// receive is reported and begins nothing; a failed second game leaves the
// window as a cancelled one does: no session, single-player, closable; the
// first game's players are told it ended.
TEST_F(RaceTest, EachGameBindsItsOwnAddressOrBeginsNothing) {
  Lobby(1, 600, "50");
  Peer(0).Press(Command::NetCancel);
  ASSERT_TRUE(Peer(0).Begin(Address(4), "", true, "Host"));
  Peer(0).Press(Command::NetStart);  // alone: nobody to race
  EXPECT_EQ(Peer(0).Titles().back(), "Not enough players");
  EXPECT_EQ(Peer(0).socket.bindings, (std::vector<std::string>{Address(0), Address(4)}));
  EXPECT_EQ(Peer(0).socket.port, kNetworkPort);  // the game's own
  EXPECT_EQ(Peer(0).view.race.shownPenalty, "50");
  ASSERT_TRUE(Peer(1).Begin(Address(1), Address(4), false, "Player1"));
  network_.Deliver();
  Run(1);
  EXPECT_EQ(Peer(1).NetGame()->Time, 600);

  ASSERT_TRUE(AddPeer().Begin(Address(5), "", true, "Holder"));
  EXPECT_FALSE(Peer(0).Begin(Address(5), "", true, "Host"));  // held by another copy
  network_.Deliver();
  EXPECT_FALSE(Peer(0).Board().NetworkSessionExists());
  EXPECT_EQ(Peer(0).Titles().back(), "Network game");
  EXPECT_FALSE(Peer(0).view.race.lobbyShown);
  EXPECT_TRUE(Peer(0).RequestClose());
  EXPECT_NE(Peer(0).prompts.back().text.find(Address(5)), std::string::npos);
  EXPECT_FALSE(Peer(1).HasSession());  // told by the host's goodbye
}

// A host and three clients finish with consistent results although a fifth
// of all datagrams is lost.
class LossyRaceTest : public RaceTest, public ::testing::WithParamInterface<unsigned> {
 protected:
  LossyRaceTest() : RaceTest(GetParam()) {}
};

TEST_P(LossyRaceTest, CompletesWithTheRightResults) {
  network_.dropRate = 0.2;
  clsTestPeer& host = AddPeer();
  host.time = 120;
  host.penalty = "30";
  ASSERT_TRUE(host.Begin(Address(0), "", true, "Host"));
  for (int i = 1; i <= 3; ++i) ASSERT_TRUE(AddPeer().Begin(Address(i), Address(0), false, "P" + std::to_string(i)));
  for (int second = 0; second < 60 && !host.Board().RaceRunning(); ++second) {
    Run(1);
    if (CountReadiness(*host.NetGame()).ready == 3) host.Press(Command::NetStart);
  }
  ASSERT_TRUE(host.Board().RaceRunning());
  for (int second = 0; second < 60; ++second) {
    Run(1);
    if (second == 20) host.Solve();
    if (second == 30 && Peer(1).Board().RaceRunning()) Peer(1).Solve();
    if (second == 40 && Peer(2).Board().RaceRunning()) Peer(2).Press(Command::NetGiveUp);
  }
  Run(150);  // past the time limit: result requests make good what was lost
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(Peer(i).view.race.resultsShown) << "peer " << i;
    ASSERT_EQ(Peer(i).view.race.results.size(), 4u) << "peer " << i;
  }
  for (int i = 1; i < 4; ++i) EXPECT_EQ(PointsByAddress(Peer(i)), PointsByAddress(host)) << "peer " << i;
  EXPECT_GT(PointsByAddress(host)[Address(0)], 0);
  EXPECT_EQ(PointsByAddress(host)[Address(2)], -30);
  EXPECT_EQ(host.view.race.results.front().rank, 1);
}

// Seeds 2, 12 and 23 once found lost results; the others keep a few more
// orders of loss in view.
INSTANTIATE_TEST_SUITE_P(Seeds, LossyRaceTest, ::testing::Values(2u, 12u, 23u, 1u, 5u, 40u, 77u, 99u));

}  // namespace
}  // namespace glyph
