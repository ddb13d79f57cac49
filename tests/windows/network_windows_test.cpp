// The network game in the real main window: the host/join dialog, and a
// whole race of frmSymbol as host against glyphtool clients on 127.0.0.x.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "windows/frm_symbol.h"
#include "windows/picture_cell.h"
#include "windows/frm_new_network.h"
#include "platform/qt_udp_socket.h"
#include "storage/settings_table.h"
#include "support/fake_desktop.h"
#include "support/fake_network.h"
#include "support/fake_printers.h"

namespace glyph {
namespace {

const std::vector<std::string> kAddresses{"192.168.0.20", "127.0.0.1"};

TEST(NewNetworkDialog, RemembersItsFieldsAcrossOpenings) {
  clsMemorySettings settings;
  clsCatalogue catalogue;
  clsRecordingAsker asker;
  {
    frmNewNetwork dialog(settings, catalogue, asker, kAddresses, "login");
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Open network game");
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("optHost")->isChecked());  // first use: host
    EXPECT_FALSE(dialog.findChild<QComboBox*>("cboRemoteIP")->isEnabled());
    EXPECT_EQ(dialog.findChild<QComboBox*>("cboLocalIP")->currentText(), "192.168.0.20");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("txtName")->text(), "login");
    QTest::mouseClick(dialog.findChild<QRadioButton*>("optJoin"), Qt::LeftButton);
    EXPECT_TRUE(dialog.findChild<QComboBox*>("cboRemoteIP")->isEnabled());
    dialog.findChild<QComboBox*>("cboLocalIP")->setCurrentIndex(1);
    dialog.findChild<QComboBox*>("cboRemoteIP")->setEditText("192.168.0.5");
    dialog.findChild<QLineEdit*>("txtName")->setText("Bob");
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    ASSERT_TRUE(dialog.OK());
    EXPECT_FALSE(dialog.Host());
    EXPECT_EQ(dialog.IPAddressHost(), "192.168.0.5");
    EXPECT_EQ(dialog.IPAddressLocal(), "127.0.0.1");
    EXPECT_EQ(dialog.NamePlayer(), "Bob");
  }
  frmNewNetwork again(settings, catalogue, asker, kAddresses, "login");
  EXPECT_TRUE(again.findChild<QRadioButton*>("optJoin")->isChecked());
  EXPECT_EQ(again.findChild<QComboBox*>("cboRemoteIP")->currentText(), "192.168.0.5");
  EXPECT_EQ(again.findChild<QComboBox*>("cboLocalIP")->currentText(), "127.0.0.1");
  EXPECT_EQ(again.findChild<QLineEdit*>("txtName")->text(), "Bob");
  EXPECT_EQ(settings.Read(kSectionNetworkGame, kKeyIsHost, ""), "N");
}

TEST(NewNetworkDialog, ABlankNameIsTheLoginNameAndWrongAddressesKeepItOpen) {
  clsMemorySettings settings;
  clsCatalogue catalogue;
  clsRecordingAsker asker;
  frmNewNetwork dialog(settings, catalogue, asker, kAddresses, "login");
  dialog.show();
  dialog.findChild<QComboBox*>("cboLocalIP")->setEditText("192.168.0.300");
  dialog.findChild<QLineEdit*>("txtName")->setText("   ");
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  EXPECT_FALSE(dialog.OK());
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(asker.titles.size(), 1u);
  EXPECT_FALSE(settings.Has(kSectionNetworkGame, kKeyIsHost));
  dialog.findChild<QComboBox*>("cboLocalIP")->setEditText("127.0.0.1");
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  ASSERT_TRUE(dialog.OK());
  EXPECT_EQ(dialog.NamePlayer(), "login");
  EXPECT_EQ(settings.Read(kSectionNetworkGame, kKeyPlayerName, ""), "login");
  EXPECT_EQ(settings.Read(kSectionNetworkGame, kKeyLastLocalIp, ""), "127.0.0.1");
  EXPECT_FALSE(settings.Has(kSectionNetworkGame, kKeyRemoteIp));  // only a client stores the host
}

class WindowRaceTest : public ::testing::Test {
 protected:
  static constexpr const char* kPort = "25631";

  void SetUp() override {
    window_ = std::make_unique<frmSymbol>(MainWindowServices{asker_, settings_, random_, catalogue_, desktop_,
                                                             registrar_, files_, bookmarks_, printers_, clock_, socket_,
                                                             dialog_, GLYPH_PROGRAM_DIR, 25631});
    socket_.SetReceiver([this](const std::string& payload, const std::string&) { window_->ReceiveDatagram(payload); });
    window_->StartUp({});
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void TearDown() override {
    for (auto& client : clients_) {
      client->kill();
      client->waitForFinished(5000);
    }
  }

  void StartClient(const QStringList& args) {
    clients_.push_back(std::make_unique<QProcess>());
    clients_.back()->setStandardOutputFile(QProcess::nullDevice());
    clients_.back()->start(GLYPHTOOL_PATH, QStringList{"join", "--host", "127.0.0.51", "--port", kPort,
                                                       "--max-seconds", "60", "--linger", "5"} + args);
  }

  template <typename T>
  T* Find(const char* name) { return window_->findChild<T*>(name); }
  QPushButton* Button(const char* name) { return Find<QPushButton>(name); }
  bool WaitFor(const std::function<bool()>& condition, int ms = 20000) { return QTest::qWaitFor(condition, ms); }

  clsRecordingAsker asker_;
  clsMemorySettings settings_;
  clsSystemRandom random_{11};
  clsCatalogue catalogue_;
  clsRecordingDesktop desktop_;
  clsRecordingRegistrar registrar_;
  clsScriptedFileChooser files_;
  clsScriptedBookmarkDialogs bookmarks_;
  clsFakePrinterSystem printers_;
  clsSystemClock clock_;
  clsQtUdpSocket socket_;
  clsScriptedNetworkDialog dialog_;
  std::unique_ptr<frmSymbol> window_;
  std::vector<std::unique_ptr<QProcess>> clients_;
};

TEST_F(WindowRaceTest, AWholeRaceAsHost) {
  dialog_.answer = NetworkChoice{true, "", "127.0.0.51", "Ann"};
  QTest::mouseClick(Button("cmdNetworkGame"), Qt::LeftButton);
  EXPECT_EQ(asker_.titles.at(0), "New net game");
  ASSERT_TRUE(Find<QWidget>("picNetWork")->isVisible());
  EXPECT_EQ(Find<QLabel>("lblNetStatus")->text(), "State: waiting...");

  StartClient({"--local", "127.0.0.52", "--name", "Bob", "--give-up-after", "2", "--chat", "hello"});
  StartClient({"--local", "127.0.0.53", "--name", "Cy", "--solve-after", "6"});
  auto* lobby = Find<QTreeWidget>("lvNetPlayers");
  // Both clients listed, holding the options (icon 1, not 3).
  ASSERT_TRUE(WaitFor([&] {
    if (lobby->topLevelItemCount() != 3) return false;
    for (int i = 0; i < 3; ++i) {
      if (lobby->topLevelItem(i)->data(0, Qt::UserRole + 1).toInt() != kLobbyIconAlive) return false;
    }
    return true;
  }));
  EXPECT_EQ(lobby->topLevelItem(0)->text(0), "Ann");
  EXPECT_EQ(lobby->topLevelItem(1)->data(0, Qt::UserRole).toString().left(2), "IP");
  auto* chat = Find<QPlainTextEdit>("txtNetMsg");
  ASSERT_TRUE(WaitFor([&] { return chat->toPlainText().contains("Bob: hello"); }));
  QTest::qWait(600);
  EXPECT_EQ(chat->toPlainText().count("Bob: hello"), 1);

  QTest::mouseClick(Button("cmdNetStart"), Qt::LeftButton);
  ASSERT_TRUE(Find<QWidget>("picNetGameRunning")->isVisible());
  EXPECT_FALSE(Find<QWidget>("picNetWork")->isVisible());
  EXPECT_FALSE(Button("cmdClose")->isEnabled());
  EXPECT_TRUE(Button("cmdNetGiveUp")->isEnabled());
  ASSERT_TRUE(WaitFor([&] { return Find<QLabel>("lblShowNetTimeRun")->text() != "00:00:00"; }, 5000));
  EXPECT_EQ(Find<QLabel>("lblShowNetTimeRem")->text().left(4), "00:2");

  // Bob gives up: his row shows the penalty.
  auto* racers = Find<QTreeWidget>("lvPlayer");
  ASSERT_TRUE(WaitFor([&] {
    for (int i = 0; i < racers->topLevelItemCount(); ++i) {
      if (racers->topLevelItem(i)->text(0) == "Bob (-100 points)") return true;
    }
    return false;
  }));

  // The host solves in the grid, by double clicks as a player makes them.
  const clsGameController& game = window_->Controller();
  for (int d = 0; d < 10; ++d) {
    const int index = 10 * game.Puzzle().Symbols(d) + d;
    for (clsGridCell* cell : window_->findChildren<clsGridCell*>("picRaster")) {
      if (cell->Index() != index) continue;
      const QPoint centre = cell->mapTo(window_.get(), cell->rect().center());
      QTest::mouseDClick(window_->windowHandle(), Qt::LeftButton, {}, centre);
    }
  }
  EXPECT_TRUE(game.LocalFinished());
  EXPECT_TRUE(Button("cmdExitNet")->isEnabled());
  EXPECT_FALSE(Button("cmdNetGiveUp")->isEnabled());

  ASSERT_TRUE(WaitFor([&] { return Find<QWidget>("picResults")->isVisible(); }));
  std::vector<QString> rows;
  std::vector<QString> points;
  for (QLabel* label : window_->findChildren<QLabel*>("lblResult")) rows.push_back(label->text());
  for (QLabel* label : window_->findChildren<QLabel*>("lblResPoints")) points.push_back(label->text());
  EXPECT_EQ(rows[0], "1. Ann");
  EXPECT_EQ(rows[1], "2. Cy");
  EXPECT_EQ(rows[2], "3. Bob");
  EXPECT_EQ(rows[3], "");
  EXPECT_EQ(points[2], "-100 points");
  EXPECT_TRUE(points[0].endsWith(" points"));
  std::vector<QString> medals;
  for (QLabel* medal : window_->findChildren<QLabel*>("imRank")) medals.push_back(medal->property("medal").toString());
  EXPECT_EQ(medals, (std::vector<QString>{"medal_gold", "medal_silver", "medal_bronze"}));

  QTest::mouseClick(Button("cmdNetCloseResults"), Qt::LeftButton);
  EXPECT_FALSE(Find<QWidget>("picResults")->isVisible());
  EXPECT_FALSE(window_->Race().HasSession());
  EXPECT_TRUE(Button("cmdClose")->isEnabled());
}

}  // namespace
}  // namespace glyph
