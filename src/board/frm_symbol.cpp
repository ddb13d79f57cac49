#include "board/frm_symbol.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

#include "board/picture_cell.h"
#include "i18n/cls_catalogue.h"
#include "core/cls_asker.h"
#include "net/cls_race_controller.h"
#include "net/network_panels.h"
#include "net/new_network_logic.h"
#include "options/frm_options.h"
#include "print/cls_printer_system.h"
#include "print/frm_print.h"
#include "platform/ansi_text.h"
#include "platform/desktop_services.h"
#include "platform/qt_translations.h"
#include "platform/translate_form.h"
#include "storage/file_association.h"
#include "storage/help_file.h"

namespace glyph {

namespace {

// Positions are designed in twips; 15 twips make one pixel at 96 dots per
// inch, and Qt scales pixels for denser screens.
constexpr int Px(int twips) { return twips / 15; }

constexpr int kDigitCell = Px(375);
constexpr std::array<int, 3> kNumberColumns{Px(90), Px(2160), Px(4230)};  // hundreds of the 1st, 2nd, 3rd number
constexpr int kDigitPitch = Px(450);
constexpr std::array<int, 3> kRowTops{Px(90), Px(1080), Px(1665)};
constexpr int kOpVertLeft = Px(1575);
constexpr int kEqualLeft = Px(3645);
constexpr int kOpHorzTop = Px(585);
constexpr int kRasterCell = Px(420);

constexpr QRect kPuzzlePanel(Px(45), Px(45), Px(5685), Px(2175));
constexpr QRect kGridPanel(Px(45), Px(2250), Px(5685), Px(4560));
constexpr int kButtonLeft = Px(5685) + Px(45) + 12;
constexpr int kButtonWidth = 156;
constexpr int kButtonHeight = 26;

struct ButtonText {
  const char* name;
  const char* caption;
  const char* tipKey;
  const char* tip;
  bool gapBefore;
};

// The buttons in the order they stand, with their captions and tool tips.
constexpr std::array<ButtonText, 13> kButtons{{
    {"cmdNew", "&New game", "strTipNew", "Start a new puzzle", false},
    {"cmdClear", "&Clear grid", "strTipClear", "Remove every mark from the solution grid", false},
    {"cmdSolve", "&Solve game", "strTipSolve", "Show the solution of this puzzle", false},
    {"cmdAddBookmark", "&Add bookmark", "strTipAddBookmark", "Keep a named copy of the solution grid", true},
    {"cmdOpenBookmark", "&Open bookmark", "strTipOpenBookmark", "Go back to a bookmark of this game", false},
    {"cmdSave", "Sa&ve game", "strTipSave", "Save this game to a file", true},
    {"cmdLoad", "&Load game", "strTipLoad", "Load a saved game", false},
    {"cmdPrint", "&Print game", "strTipPrint", "Print puzzles on paper or to a PDF file", false},
    {"cmdOptions", "Op&tions", "strTipOptions", "Choose the style and the language", true},
    {"cmdNetworkGame", "Net&work game", "strTipNetworkGame", "Race other players on the local network", false},
    {"cmdHelp", "&Help", "strTipHelp", "How to play", true},
    {"cmdHomepage", "Ho&mepage", "strTipHomepage", "Open the game's web page", false},
    {"cmdClose", "&Quit game", "strTipClose", "Close Glyphmatic", true},
}};

const char* const kDigitPlaceLetters[3] = {"H", "Z", "E"};

}  // namespace

frmSymbol::frmSymbol(const MainWindowServices& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      controller_(GameServices{services.asker, services.settings, services.random, services.catalogue, services.files,
                               services.bookmarkDialogs}) {
  setObjectName("frmSymbol");
  setWindowTitle(kTitle);
  BuildBoard();
  BuildGrid();
  BuildButtons();
  const int homepageBottom = findChild<QLabel*>("lblHomepage")->geometry().bottom();
  setFixedSize(kButtonLeft + kButtonWidth + 12, std::max(kGridPanel.bottom() + 1 + Px(45), homepageBottom + 6));
  race_ = std::make_unique<clsRaceController>(
      clsRaceController::Services{controller_, services.socket, services.clock, services.random, services.asker,
                                  services.catalogue},
      services.networkPort);
  const QRect board(0, 0, kGridPanel.right() + Px(45), height());
  const QRect raceColumn(kButtonLeft, kPuzzlePanel.top(), kButtonWidth,
                         findChild<QPushButton*>("cmdClose")->geometry().top() - 8 - kPuzzlePanel.top());
  panels_ = new clsNetworkPanels(*this, *race_, store_, services.catalogue, board, raceColumn);
  race_->SetDisplay(panels_);
  networkTimer_ = new QTimer(this);
  networkTimer_->setInterval(clsRaceController::kTickMilliseconds);
  connect(networkTimer_, &QTimer::timeout, this, [this] { race_->Tick(); });
  networkTimer_->start();
  auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
  connect(helpKey, &QShortcut::activated, this,
          [this] { services_.desktop.ShowHelp(helpFile_, panels_->HelpContext()); });

  startUpTimer_ = new QTimer(this);
  startUpTimer_->setSingleShot(true);
  startUpTimer_->setInterval(500);
  connect(startUpTimer_, &QTimer::timeout, this, &frmSymbol::StartUpTick);
  ApplyTexts();
  SetHelpFile();
  controller_.SetDisplay(this);
}

frmSymbol::~frmSymbol() {
  controller_.SetDisplay(nullptr);
  race_->SetDisplay(nullptr);
}

void frmSymbol::ReceiveDatagram(const std::string& payload) { race_->Receive(payload); }

void frmSymbol::BuildBoard() {
  picPuzzle_ = new QFrame(this);
  picPuzzle_->setObjectName("picPuzzle");
  picPuzzle_->setGeometry(kPuzzlePanel);
  picPuzzle_->setAutoFillBackground(true);
  picPuzzle_->setFrameShape(QFrame::Panel);
  picPuzzle_->setFrameShadow(QFrame::Sunken);

  for (int k = 0; k < 9; ++k) {
    for (int place = 0; place < 3; ++place) {
      auto* cell = new clsPictureCell(QString("pic%1%2").arg(k + 1).arg(kDigitPlaceLetters[place]), store_, picPuzzle_);
      cell->setGeometry(kNumberColumns[static_cast<std::size_t>(k % 3)] + place * kDigitPitch,
                        kRowTops[static_cast<std::size_t>(k / 3)], kDigitCell, kDigitCell);
      digitCells_[static_cast<std::size_t>(k)][static_cast<std::size_t>(place)] = cell;
    }
  }
  for (int i = 0; i < 3; ++i) {
    const auto row = static_cast<std::size_t>(i);
    opVert_[row] = new clsPictureCell(QString("picOpVert%1").arg(i + 1), store_, picPuzzle_);
    opVert_[row]->setGeometry(kOpVertLeft, kRowTops[row], kDigitCell, kDigitCell);
    equals_[row] = new clsPictureCell(QString("picEqual%1").arg(i + 1), store_, picPuzzle_);
    equals_[row]->setGeometry(kEqualLeft, kRowTops[row], Px(380), Px(380));
    opHorz_[row] = new clsPictureCell(QString("picOpHorz%1").arg(i + 1), store_, picPuzzle_);
    opHorz_[row]->setGeometry(kNumberColumns[row] + kDigitPitch, kOpHorzTop, kDigitCell, kDigitCell);
  }
  auto* line = new QFrame(picPuzzle_);
  line->setObjectName("Line1");
  line->setGeometry(Px(90), Px(1575) - 1, Px(5535) - Px(90), 2);
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, ToQColor(kRuleColor));
  line->setPalette(palette);
}

void frmSymbol::BuildGrid() {
  picture1_ = new QFrame(this);
  picture1_->setObjectName("Picture1");
  picture1_->setGeometry(kGridPanel);
  picture1_->setAutoFillBackground(true);
  picture1_->setFrameShape(QFrame::Panel);
  picture1_->setFrameShadow(QFrame::Sunken);
  QPalette white = picture1_->palette();
  white.setColor(QPalette::Window, Qt::white);
  picture1_->setPalette(white);

  picRasterSymbols_ = new QFrame(picture1_);
  picRasterSymbols_->setObjectName("picRasterSymbols");
  picRasterSymbols_->setGeometry(0, 0, Px(645) - Px(45), kGridPanel.height());
  picRasterSymbols_->setAutoFillBackground(true);
  for (int k = 0; k < 10; ++k) {
    auto* head = new clsPictureCell(QString("picMatrixSymbol%1").arg(k), store_, picRasterSymbols_);
    head->setGeometry(Px(90) - Px(45), Px(45) + k * Px(450), kRasterCell, kRasterCell);
    matrixSymbols_[static_cast<std::size_t>(k)] = head;
  }
  for (int i = 0; i < 100; ++i) {
    auto* cell = new clsGridCell(i, store_, picture1_);
    cell->setGeometry(Px(675) + Px(495) * (i % 10), Px(45) + Px(450) * (i / 10), kRasterCell, kRasterCell);
    connect(cell, &clsGridCell::Clicked, this, [this](int index) { controller_.ClickCell(index); });
    connect(cell, &clsGridCell::DoubleClicked, this, [this](int index) { controller_.DoubleClickCell(index); });
    raster_[static_cast<std::size_t>(i)] = cell;
  }
}

void frmSymbol::BuildButtons() {
  int top = kPuzzlePanel.top();
  for (const ButtonText& text : kButtons) {
    if (text.gapBefore) top += 8;
    auto* button = new QPushButton(text.caption, this);
    button->setObjectName(text.name);
    button->setGeometry(kButtonLeft, top, kButtonWidth, kButtonHeight);
    button->setEnabled(false);  // each is enabled below once it has its feature
    top += kButtonHeight + 4;  // 13 buttons and 4 gaps fit beside board and grid
  }
  const auto connectButton = [this](const char* name, auto handler) {
    auto* button = findChild<QPushButton*>(name);
    button->setEnabled(true);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
  };
  connectButton("cmdNew", [this] { controller_.ClickNew(); });
  connectButton("cmdClear", [this] { controller_.ClickClear(); });
  cmdSolve_ = connectButton("cmdSolve", [this] { controller_.ClickSolve(); });
  connectButton("cmdClose", [this] {
    if (controller_.ClickClose()) {
      closeApproved_ = true;
      close();
    }
  });
  connectButton("cmdSave", [this] { controller_.ClickSave(); });
  connectButton("cmdLoad", [this] { controller_.ClickLoad(); });
  cmdAddBookmark_ = connectButton("cmdAddBookmark", [this] { controller_.ClickAddBookmark(); });
  cmdOpenBookmark_ = connectButton("cmdOpenBookmark", [this] { controller_.ClickOpenBookmark(); });
  connectButton("cmdPrint", [this] { OpenPrint(); });
  connectButton("cmdNetworkGame", [this] { OpenNetworkGame(); });
  connectButton("cmdOptions", [this] { OpenOptions(); });
  connectButton("cmdHelp", [this] { services_.desktop.ShowHelp(helpFile_, kHelpMainWindow); });
  connectButton("cmdHomepage", [this] { services_.desktop.OpenWebPage(kProductWebPage); });

  // The product's address; a click on it opens the maker's page.
  auto* homepage = new QLabel(this);
  homepage->setObjectName("lblHomepage");
  homepage->setText(QString("<a href=\"%1\">%2</a>").arg(kMakerWebPage, QUrl(kProductWebPage).host()));
  homepage->setGeometry(kButtonLeft, top + 2, kButtonWidth, 20);
  homepage->setAlignment(Qt::AlignCenter);
  connect(homepage, &QLabel::linkActivated, this, [this] { services_.desktop.OpenWebPage(kMakerWebPage); });
}

void frmSymbol::ApplyTexts() {
  TranslateForm(this, services_.catalogue);
  for (const ButtonText& text : kButtons) {
    findChild<QPushButton*>(text.name)->setToolTip(FromAnsi(controller_.Text(text.tipKey, text.tip)));
  }
  const QString gridTip = FromAnsi(controller_.Text(
      "strTipRaster", "Click: this symbol is not this digit. Double-click: this symbol is this digit."));
  for (clsGridCell* cell : raster_) cell->setToolTip(gridTip);
  findChild<QLabel*>("lblHomepage")->setToolTip(FromAnsi(controller_.Text("strTipMaker", "Visit the maker's web page")));
}

void frmSymbol::StartUp(const std::vector<std::string>& arguments) {
  controller_.StartUp(arguments);
  startUpTimer_->start();
}

void frmSymbol::StartUpTick() {
  startUpTimer_->stop();
  SetWindowTitle();
  RegisterFileTypeOnce(services_.settings, services_.registrar, services_.programFolder);
}

void frmSymbol::SetWindowTitle() { setWindowTitle(kFullTitle); }

void frmSymbol::SetHelpFile() {
  const clsTranslation* language = services_.catalogue.CurrentTranslation();
  helpFile_ = HelpFileFor(services_.programFolder, language == nullptr ? nullptr : &language->Code()).string();
}

void frmSymbol::OpenPrint() {
  if (!services_.printers.HasPrinter()) {
    services_.asker.Tell(controller_.Text("strNoPrinter", "No printer installed"), kTitle, MessageIcon::None);
    return;
  }
  frmPrint print(controller_.Puzzle(), controller_.Style(), services_.printers, services_.random,
                 services_.catalogue, services_.asker, this);
  print.exec();
}

void frmSymbol::OpenNetworkGame() {
  if (!services_.asker.AskYesNo(controller_.Text("strMsgNewNetGame", "Do you really want to start a new net game?"),
                                controller_.Text("strTitNewNetGame", "New net game"), MessageIcon::Question, false)) {
    return;
  }
  const std::optional<NetworkChoice> choice = services_.networkDialog.AskNetworkGame();
  if (!choice) return;
  race_->Begin(choice->IPAddressLocal, choice->IPAddressHost, choice->Host, choice->NamePlayer);
}

void frmSymbol::OpenOptions() {
  frmOptions options(services_.catalogue, services_.settings, this);
  options.SetStyle(controller_.Style());
  options.exec();
  if (!options.OK()) return;
  controller_.ApplyStyle(options.Style());
  if (const clsTranslation* language = services_.catalogue.CurrentTranslation()) UseQtTranslations(language->Code());
  ApplyTexts();
  panels_->Retranslate();
  SetWindowTitle();
  SetHelpFile();
}

void frmSymbol::Refresh() {
  const BoardView& board = controller_.Board();
  const auto paint = [&](clsPictureCell* cell, const BoardCell& view) {
    cell->Show(frmAllSymbols::PicturePath(board.style, view.picture), ToQColor(view.backColor));
  };
  QPalette panel = picPuzzle_->palette();
  panel.setColor(QPalette::Window, ToQColor(board.panelColor));
  picPuzzle_->setPalette(panel);
  QPalette header = picRasterSymbols_->palette();
  header.setColor(QPalette::Window, ToQColor(board.headerColor));
  picRasterSymbols_->setPalette(header);

  for (std::size_t k = 0; k < 9; ++k) {
    for (std::size_t place = 0; place < 3; ++place) paint(digitCells_[k][place], board.digits[k][place]);
  }
  for (std::size_t i = 0; i < 3; ++i) {
    paint(opVert_[i], board.opVert[i]);
    paint(opHorz_[i], board.opHorz[i]);
    paint(equals_[i], board.equals[i]);
  }
  for (std::size_t k = 0; k < 10; ++k) paint(matrixSymbols_[k], board.matrixSymbols[k]);
  for (std::size_t i = 0; i < 100; ++i) {
    raster_[i]->Show(frmAllSymbols::GridDigitPath(controller_.Grid().looks[i], static_cast<int>(i % 10)), Qt::white);
  }
  const ButtonStates& buttons = controller_.Buttons();
  cmdSolve_->setEnabled(buttons.solve);
  cmdAddBookmark_->setEnabled(buttons.addBookmark);
  cmdOpenBookmark_->setEnabled(buttons.openBookmark);
}

void frmSymbol::closeEvent(QCloseEvent* event) {
  if (closeApproved_ || controller_.RequestClose()) {
    event->accept();
  } else {
    event->ignore();
  }
  closeApproved_ = false;
}

}  // namespace glyph
