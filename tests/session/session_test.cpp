// SPDX-License-Identifier: GPL-3.0-or-later
// The session's own rules: which events reach the game, what the view shows,
// and the dialogs, help and desktop ties it decides on.
#include <gtest/gtest.h>

#include "i18n/cls_catalogue.h"
#include "session/accessible_texts.h"
#include "session/cls_game_session.h"
#include "storage/help_file.h"
#include "storage/web_pages.h"
#include "support/fake_services.h"

namespace glyph {
namespace {

// The options and print dialogs, answered from the test.
class clsRecordingDialogs : public clsSessionDialogs {
 public:
  std::optional<int> optionsAnswer;
  std::vector<int> printed;  // the style of each print dialog opened
  std::optional<int> ChooseOptions(int) override { return optionsAnswer; }
  void Print(const clsPuzzle&, int style) override { printed.push_back(style); }
};

class SessionTest : public ::testing::Test, public clsSessionDisplay {
 protected:
  SessionTest() {
    session_.SetDisplay(this);
    session_.StartUp({});
  }
  void Show(const SessionView& view) override {
    ++shown_;
    view_ = view;
    looks34_.push_back(view.grid.looks[34]);
  }
  void Press(Command command) { session_.Handle(SessionEvent::Button(command)); }
  void Send(SessionEvent::Kind kind, int number = 0) { session_.Handle(SessionEvent::Of(kind, number)); }

  clsFakeClock clock_;
  clsFakeNetwork network_;
  clsFakeServices fakes_{5, network_, clock_};
  clsCatalogue catalogue_;
  clsRecordingDialogs dialogs_;
  clsGameSession session_{fakes_.Services(catalogue_, "/opt/glyph"), dialogs_};
  SessionView view_;
  int shown_ = 0;
  std::vector<GridLook> looks34_;
};

// Each event publishes the view once. A question's own event loop lets
// events in: a click, the tick and datagrams wait, and are handled after the
// event that asked, in order.
// Under a flood the datagrams beyond a bound are dropped, the player's
// events never.
TEST_F(SessionTest, EventsArrivingDuringAQuestionAreHandledAfterIt) {
  fakes_.asker.whileAsking = [&] {
    session_.Handle(SessionEvent::Of(SessionEvent::Kind::GridClick, 34));
    session_.Handle(SessionEvent::Of(SessionEvent::Kind::Tick));
    for (int i = 0; i < 5000; ++i) session_.Handle(SessionEvent::Datagram("0123", "127.0.0.9"));
    session_.Handle(SessionEvent::Of(SessionEvent::Kind::GridClick, 35));
  };
  fakes_.asker.Answer(true);
  looks34_.clear();
  Press(Command::New);
  EXPECT_EQ(std::vector(looks34_.begin(), looks34_.begin() + 3),
            (std::vector<GridLook>{GridLook::Plain, GridLook::No, GridLook::No}));
  EXPECT_LT(looks34_.size(), 5000u);
  EXPECT_EQ(view_.grid.looks[35], GridLook::No);
}

TEST_F(SessionTest, StartUpTimerGivesTheFullTitleAndRegistersTheFileType) {
  EXPECT_EQ(view_.title, "Glyphmatic");
  catalogue_.ReadPlainLines({"[GlyphmaLang]", "(Deutsch|de)", "[Language:Deutsch]", "frmSymbol|CAPTION|Glyphomat"});
  session_.StartUp({});
  EXPECT_EQ(view_.title, "Glyphomat");
  Send(SessionEvent::Kind::StartUpTimer);
  EXPECT_EQ(view_.title, "Glyphmatic 2.0");
  EXPECT_EQ(fakes_.registrar.registrations, std::vector<std::string>{"gly Glyphmatic /opt/glyph/glyphmatic"});
}

TEST_F(SessionTest, HelpAndWebPages) {
  Press(Command::Help);
  Send(SessionEvent::Kind::HelpKey);
  Press(Command::Homepage);
  Send(SessionEvent::Kind::MakerLink);
  const std::vector<std::pair<std::string, int>> help{{"/opt/glyph/glyph_en.html", kHelpMainWindow},
                                                      {"/opt/glyph/glyph_en.html", kHelpMainWindow}};
  EXPECT_EQ(fakes_.desktop.helpShown, help);
  EXPECT_EQ(fakes_.desktop.pagesOpened, (std::vector<std::string>{kProductWebPage, kMakerWebPage}));
}

TEST_F(SessionTest, PrintingNeedsAPrinterOrAPdfFile) {
  fakes_.printers.installed = false;
  Press(Command::Print);
  EXPECT_EQ(fakes_.asker.Shown().back().text, "No printer installed");
  EXPECT_TRUE(dialogs_.printed.empty());
  fakes_.printers.pdf = true;  // no printer, but a PDF file can be written
  Press(Command::Print);
  EXPECT_EQ(dialogs_.printed, std::vector<int>{kStyleModern});
}

TEST_F(SessionTest, ConfirmedOptionsChangeTheStyleAndTheTexts) {
  Press(Command::Options);  // cancelled
  EXPECT_EQ(view_.textsVersion, 0);
  dialogs_.optionsAnswer = kStyleClassic;
  Press(Command::Options);
  EXPECT_EQ(view_.textsVersion, 1);
  EXPECT_EQ(view_.board.style, kStyleClassic);
  EXPECT_EQ(view_.board.panelColor, kClassicBackColor);
  EXPECT_EQ(view_.title, "Glyphmatic 2.0");
}

TEST_F(SessionTest, TheNetworkGameAsksFirstAndACancelledDialogBeginsNothing) {
  fakes_.asker.Answer(false);
  Press(Command::NetworkGame);
  EXPECT_EQ(fakes_.networkDialog.opened, 0);
  fakes_.asker.Answer(true);
  Press(Command::NetworkGame);
  EXPECT_EQ(fakes_.networkDialog.opened, 1);
  EXPECT_FALSE(session_.Race().HasSession());
}

TEST_F(SessionTest, QuittingAsksAndTheWindowsOwnControlDoesNot) {
  fakes_.asker.Answer(true);
  Press(Command::Close);
  EXPECT_TRUE(view_.mayClose);
  fakes_.asker.Forget();
  Send(SessionEvent::Kind::WindowClose);
  EXPECT_TRUE(view_.mayClose);
  EXPECT_TRUE(fakes_.asker.Shown().empty());
}

// The grid's keys: the cursor stops at the edges, Space is a click, Enter
// and a digit a whole double click; New puts the cursor back and the focus
// on the grid.
TEST_F(SessionTest, KeysMoveTheCursorAndActLikeClicks) {
  const auto key = [&](int gridKey) { Send(SessionEvent::Kind::GridKey, gridKey); };
  for (int gridKey : {kGridKeyUp, kGridKeyLeft, kGridKeyDown, kGridKeyEnd}) key(gridKey);
  EXPECT_EQ(view_.gridCursor, 19);
  key(kGridKeySpace);
  EXPECT_EQ(view_.grid.looks[19], GridLook::No);
  key(kGridKeyHome);
  key(kGridKeyEnter);
  EXPECT_EQ(view_.grid.looks[10], GridLook::Yes);
  key(kGridKeyDigit + 3);  // row 1 holds a declared digit: 3 is greyed, and ruled out too
  EXPECT_EQ(view_.grid.looks[13], GridLook::GreyedNo);
  Press(Command::Undo);
  EXPECT_EQ(view_.grid.looks[13], GridLook::Greyed);
  EXPECT_TRUE(view_.Button(Command::Redo).enabled);
  const int focus = view_.gridFocusVersion;
  fakes_.asker.Answer(true);
  Press(Command::New);
  EXPECT_EQ(view_.gridCursor, 0);
  EXPECT_EQ(view_.gridFocusVersion, focus + 1);
  EXPECT_FALSE(view_.Button(Command::Undo).enabled);
}

// A reader names a symbol for what it shows in the style on screen, in the
// player's language; a style without names counts the symbols from 1.
TEST(AccessibleTexts, SymbolsAreNamedPerStyleAndLanguage) {
  clsCatalogue catalogue;
  catalogue.LoadLanguages(GLYPH_PROGRAM_DIR);
  catalogue.SetCurrentTranslation(catalogue.FindLanguage("Deutsch"));
  EXPECT_EQ(GridCellName(catalogue, kStyleModern, 53, GridLook::No), "gelber Stern, Ziffer 3: ausgeschlossen");
  EXPECT_EQ(SymbolName(catalogue, kStyleClassic, 0), "blaue rechte H\xE4lfte");
  EXPECT_EQ(SymbolName(catalogue, kStyleModern, 9), "brauner Ring");
  EXPECT_EQ(SymbolName(catalogue, 2, 0), "Symbol 1");
}

}  // namespace
}  // namespace glyph
