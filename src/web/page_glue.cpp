// SPDX-License-Identifier: GPL-3.0-or-later
// The browser page's glue: one game session with the browser's services.
// The page sends events and answers; every view the session publishes goes
// to the page's painter as a plain object.
#include <emscripten/bind.h>
#include <sys/stat.h>

#include <memory>

#include "core/cls_clock.h"
#include "core/cls_system_random.h"
#include "i18n/cls_catalogue.h"
#include "i18n/language_choice.h"
#include "options/options_logic.h"
#include "session/button_texts.h"
#include "session/cls_game_session.h"
#include "session/headless_services.h"
#include "storage/cls_file_writer.h"
#include "storage/web_pages.h"
#include "web/browser_services.h"
#include "web/page_texts.h"
#include "web/page_view.h"
#include "web/text_codec.h"

namespace glyph {

using emscripten::val;

namespace {

// Where the page's files lie in its own file system: the language files
// and help pages, as beside the program, and the player's data folder.
constexpr char kProgramFolder[] = "/game";
constexpr char kDataFolder[] = "/storage";

val Text(const std::string& ansi) { return val(Utf8FromAnsi(ansi)); }

// The letter after a caption's '&', the desktop's Alt key for it; "" for none.
std::string Mnemonic(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] == '&' && caption[i + 1] != '&') return caption.substr(i + 1, 1);
    if (caption[i] == '&') ++i;
  }
  return {};
}

// A caption without its mnemonic: "Sa&ve game" is "Save game", "&&" one "&".
std::string WithoutMnemonic(const std::string& caption) {
  std::string plain;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    plain += caption[i];
  }
  return plain;
}

class clsPageGame : public clsSessionDisplay {
 public:
  clsPageGame(const std::string& browserLanguage, val painter) : painter_(std::move(painter)), folder_(kDataFolder) {
    // The page's file system starts with a mask that leaves new files
    // unreadable; the player's files are the player's, as on a desktop.
    umask(022);
    folder_.Restore();
    catalogue_.SetLanguageKey(kLanguageFileKey);
    LoadLanguages(catalogue_, kProgramFolder, settings_, LanguageIdForLocaleName(browserLanguage));
    session_ = std::make_unique<clsGameSession>(SessionServices{.settings = settings_,
                                                                .random = random_,
                                                                .catalogue = catalogue_,
                                                                .writer = writer_,
                                                                .printers = none_,
                                                                .clock = clock_,
                                                                .socket = socket_,
                                                                .desktop = desktop_,
                                                                .registrar = none_,
                                                                .programFolder = kProgramFolder,
                                                                .dataFolder = kDataFolder});
    session_->SetDisplay(this);
  }
  ~clsPageGame() override { session_->SetDisplay(nullptr); }

  // The first board: the kept game or a new one, and what the start has to say.
  void StartUp() {
    session_->StartUp({});
    folder_.Mirror();
  }
  void Show(const SessionView& view) override { painter_(ViewObject(view, catalogue_)); }

  // Every event on the player's files as the browser keeps them now, and
  // after it what it wrote is kept.
  void Handle(const SessionEvent& event) {
    folder_.Restore();
    session_->Handle(event);
    folder_.Mirror();
  }

  val Texts() const {
    val texts = val::object();
    for (const PageText& text : kPageTexts) {
      texts.set(text.id, Text(WithoutMnemonic(catalogue_.GetTranslation(text.module, text.key, text.english))));
    }
    const clsTranslation* language = catalogue_.CurrentTranslation();
    texts.set("languageCode", language == nullptr ? std::string("en") : language->Code());
    // The maker's link under the buttons shows the product page's host.
    std::string host = kProductWebPage;
    host = host.substr(host.find("//") + 2);
    texts.set("productHost", host.substr(0, host.find('/')));
    return texts;
  }

  val ButtonTexts() const {
    val buttons = val::array();
    for (std::size_t i = 0; i < kButtonTexts.size(); ++i) {
      const ButtonText& button = kButtonTexts[i];
      val object = val::object();
      object.set("command", static_cast<int>(button.command));
      object.set("name", std::string(button.name));
      const std::string caption = catalogue_.GetTranslation(kMainWindowModule, button.name, button.caption);
      object.set("caption", Text(WithoutMnemonic(caption)));
      object.set("key", Text(Mnemonic(caption)));
      object.set("tip", Text(catalogue_.GetTranslation(kMainWindowModule, button.tipKey, button.tip)));
      object.set("gapBefore", button.gapBefore);
      object.set("halfLeft", button.halfLeft);
      buttons.set(i, object);
    }
    return buttons;
  }

  val Statistics() const { return StatisticsObject(session_->Statistics(), session_->NewBest()); }

  // What the options dialog offers, as the desktop's dialog fills it.
  val Options() const {
    const auto list = [](const std::vector<std::string>& names) {
      val items = val::array();
      for (std::size_t i = 0; i < names.size(); ++i) items.set(i, Text(WithoutMnemonic(names[i])));
      return items;
    };
    const LanguageList languages = FillLanguageList(catalogue_, settings_);
    val options = val::object();
    options.set("styles", list(StyleNames(catalogue_)));
    options.set("style", session_->View().dialog.style == kStyleClassic ? 0 : 1);
    options.set("languages", list(languages.names));
    options.set("language", languages.selected);
    options.set("colours", list(ColourNames(catalogue_)));
    options.set("colour", StoredColours(settings_));
    options.set("difficulties", list(DifficultyNames(catalogue_)));
    options.set("difficulty", StoredDifficulty(settings_));
    options.set("continueGame", StoredContinueGame(settings_));
    return options;
  }

  // OK in the options dialog: stored as the desktop's dialog stores it, then
  // the session hears the dialog's answer.
  void ConfirmOptions(int style, int language, int colours, int difficulty, bool continueGame) {
    const DialogView& dialog = session_->View().dialog;
    if (dialog.kind != DialogKind::Options) return;
    glyph::ConfirmOptions(catalogue_, settings_, style, language);
    ConfirmDifficulty(settings_, difficulty);
    ConfirmColours(settings_, colours);
    ConfirmContinueGame(settings_, continueGame);
    Handle(SessionEvent::DialogAnswer(dialog.id, true, {}, style));
  }

 private:
  val painter_;
  clsBrowserSettings settings_;
  clsSystemRandom random_;
  clsCatalogue catalogue_;
  clsBrowserFolder folder_;
  clsBrowserFileWriter writer_{folder_, [this] {
                                 return catalogue_.GetTranslation(kMainWindowModule, "strBrowserStorageRefused",
                                                                  "the browser's storage is full or switched off");
                               }};
  clsNoDesktopServices none_;  // no printer system, no file types to register
  clsSystemClock clock_;
  clsNoNetwork socket_;
  clsBrowserDesktop desktop_;
  std::unique_ptr<clsGameSession> session_;
};

std::unique_ptr<clsPageGame> game;

// Each call before start() does nothing.
void Start(const std::string& browserLanguage, val painter) {
  game.reset();
  game = std::make_unique<clsPageGame>(browserLanguage, std::move(painter));
  game->StartUp();
}

void Press(Command command) {
  if (game) game->Handle(SessionEvent::Button(command));
}

void Send(SessionEvent::Kind kind, int number, const std::string& text) {
  if (game) game->Handle(SessionEvent::Of(kind, number, AnsiFromUtf8(text)));
}

void Answer(int prompt, bool yes) {
  if (game) game->Handle(SessionEvent::Answer(prompt, yes));
}

void AnswerDialog(int dialog, bool ok, const std::string& text, int value) {
  if (game) game->Handle(SessionEvent::DialogAnswer(dialog, ok, AnsiFromUtf8(text), value));
}

val Texts() { return game ? game->Texts() : val::object(); }
val ButtonTexts() { return game ? game->ButtonTexts() : val::array(); }
val Statistics() { return game ? game->Statistics() : val::null(); }
val Options() { return game ? game->Options() : val::null(); }

void ConfirmPageOptions(int style, int language, int colours, int difficulty, bool continueGame) {
  if (game) game->ConfirmOptions(style, language, colours, difficulty, continueGame);
}

}  // namespace

EMSCRIPTEN_BINDINGS(glyphmatic) {
  using emscripten::enum_;
  using emscripten::function;
  enum_<Command>("Command")
      .value("New", Command::New)
      .value("Clear", Command::Clear)
      .value("Solve", Command::Solve)
      .value("Undo", Command::Undo)
      .value("Redo", Command::Redo)
      .value("AddBookmark", Command::AddBookmark)
      .value("OpenBookmark", Command::OpenBookmark)
      .value("Save", Command::Save)
      .value("Load", Command::Load)
      .value("Print", Command::Print)
      .value("Options", Command::Options)
      .value("NetworkGame", Command::NetworkGame)
      .value("Help", Command::Help)
      .value("Homepage", Command::Homepage)
      .value("Hint", Command::Hint)
      .value("Check", Command::Check)
      .value("Guide", Command::Guide)
      .value("Pause", Command::Pause)
      .value("Statistics", Command::Statistics)
      .value("Daily", Command::Daily)
      .value("PlayCode", Command::PlayCode)
      .value("Close", Command::Close)
      .value("LeaveGuide", Command::LeaveGuide);
  // The events a page sends besides buttons and answers.
  enum_<SessionEvent::Kind>("EventKind")
      .value("GridClick", SessionEvent::Kind::GridClick)
      .value("GridDoubleClick", SessionEvent::Kind::GridDoubleClick)
      .value("GridKey", SessionEvent::Kind::GridKey)
      .value("HelpKey", SessionEvent::Kind::HelpKey)
      .value("MakerLink", SessionEvent::Kind::MakerLink)
      .value("StartUpTimer", SessionEvent::Kind::StartUpTimer)
      .value("Tick", SessionEvent::Kind::Tick)
      .value("Minimised", SessionEvent::Kind::Minimised)
      .value("CopyCode", SessionEvent::Kind::CopyCode)
      .value("BookmarkRemove", SessionEvent::Kind::BookmarkRemove)
      .value("BookmarkRename", SessionEvent::Kind::BookmarkRename)
      .value("LinkCode", SessionEvent::Kind::LinkCode)
      .value("LinkDate", SessionEvent::Kind::LinkDate)
      .value("Keep", SessionEvent::Kind::Keep);
  enum_<GridKey>("GridKey")
      .value("Up", kGridKeyUp)
      .value("Down", kGridKeyDown)
      .value("Left", kGridKeyLeft)
      .value("Right", kGridKeyRight)
      .value("Home", kGridKeyHome)
      .value("End", kGridKeyEnd)
      .value("Space", kGridKeySpace)
      .value("Enter", kGridKeyEnter)
      .value("Digit", kGridKeyDigit);
  function("start", &Start);
  function("press", &Press);
  function("send", &Send);
  function("answer", &Answer);
  function("answerDialog", &AnswerDialog);
  function("texts", &Texts);
  function("buttonTexts", &ButtonTexts);
  function("statistics", &Statistics);
  function("options", &Options);
  function("confirmOptions", &ConfirmPageOptions);
}

}  // namespace glyph
