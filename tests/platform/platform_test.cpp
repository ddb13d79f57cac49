#include <gtest/gtest.h>

#include <QApplication>

#include <QPointer>

#include <QTextBrowser>

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>
#include <QWidget>

#include "i18n/cls_catalogue.h"
#include "platform/ansi_text.h"
#include "platform/desktop_services.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_udp_socket.h"
#include "platform/translate_form.h"
#include "platform/user_locale.h"
#include "platform/xdg_file_type_registrar.h"
#include "storage/settings_table.h"

namespace glyph {
namespace {

TEST(AnsiText, EveryByteDecodesAndEncodesBackToItself) {
  std::string all;
  for (int code = 0; code < 256; ++code) all += static_cast<char>(code);
  bool lossy = true;
  EXPECT_EQ(ToAnsi(FromAnsi(all), &lossy), all);
  EXPECT_FALSE(lossy);
}

TEST(AnsiText, WindowsCharactersOf0x80To0x9F) {
  EXPECT_EQ(FromAnsi("\x80"), QString(QChar(0x20AC)));  // euro sign
  EXPECT_EQ(FromAnsi("\x9F"), QString(QChar(0x0178)));  // Y with diaeresis
  EXPECT_EQ(FromAnsi("\x8D"), QString(QChar(0x008D)));  // undefined: the control of the same value
  EXPECT_EQ(ToAnsi(QString::fromUtf8("\u201Cquoted\u201D \u2013 \u20AC5")),
            "\x93quoted\x94 \x96 \x80"
            "5");
  EXPECT_EQ(ToAnsi(QString::fromUtf8("Gr\u00FC\u00DFe")),
            "Gr\xFC\xDF"
            "e");  // Latin-1 as it is
}

TEST(AnsiText, CharactersOutsideTheSetBecomeQuestionMarks) {
  bool lossy = false;
  EXPECT_EQ(ToAnsi(QString::fromUtf8("a\u4E2Db\U0001F600c"), &lossy), "a?b?c");
  EXPECT_TRUE(lossy);
  EXPECT_EQ(ToAnsi(QString::fromUtf8("\u0100")), "?");  // just past Latin-1
}

TEST(QtSettingsStore, ReadsDefaultsAndKeepsWritesAtOnce) {
  QTemporaryDir folder;
  const QString file = folder.filePath("Glyphmatic.ini");
  {
    clsQtSettingsStore settings(file);
    EXPECT_EQ(settings.Read(kSectionOptions, kKeyStyle, "1"), "1");
    settings.Write(kSectionOptions, kKeyLanguage,
                   "Fran\xE7"
                   "ais");
    settings.Write(kSectionNetworkGame, kKeyPlayerName, "J\xFCrgen");
  }
  clsQtSettingsStore reopened(file);
  EXPECT_EQ(reopened.Read(kSectionOptions, kKeyLanguage, ""),
            "Fran\xE7"
            "ais");
  EXPECT_EQ(reopened.Read(kSectionNetworkGame, kKeyPlayerName, ""), "J\xFCrgen");
  EXPECT_EQ(reopened.Read(kSectionNetworkGame, kKeyLanguage, "absent"), "absent");  // sections are apart
}

class UserLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kVariables) saved_.push_back(qgetenv(name));
    for (const char* name : kVariables) qunsetenv(name);
  }
  void TearDown() override {
    for (std::size_t i = 0; i < saved_.size(); ++i) {
      if (saved_[i].isEmpty()) {
        qunsetenv(kVariables[i]);
      } else {
        qputenv(kVariables[i], saved_[i]);
      }
    }
  }
  static constexpr const char* kVariables[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
  std::vector<QByteArray> saved_;
};

TEST_F(UserLocaleTest, ReadsLcAllThenLcMessagesThenLang) {
  EXPECT_EQ(GetLocaleString(kLocaleLanguageId), "0409");  // the C locale
  qputenv("LANG", "de_DE.UTF-8");
  EXPECT_EQ(GetLocaleString(kLocaleLanguageId), "0407");
  qputenv("LC_MESSAGES", "fr_FR.UTF-8");
  EXPECT_EQ(GetLocaleString(kLocaleLanguageId), "040C");
  qputenv("LC_ALL", "en_GB.UTF-8");
  EXPECT_EQ(GetLocaleString(kLocaleLanguageId), "0809");
  EXPECT_EQ(GetLocaleString(2), "");
}

// Registration per user writes its files under $XDG_DATA_HOME, and nothing
// while a system-wide entry exists in $XDG_DATA_DIRS.
TEST(XdgFileTypeRegistrar, WritesUnderXdgDataHomeOnlyWithoutASystemEntry) {
  QTemporaryDir dataHome;
  QTemporaryDir system;
  const QByteArray savedHome = qgetenv("XDG_DATA_HOME");
  const QByteArray savedDirs = qgetenv("XDG_DATA_DIRS");
  qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
  qputenv("XDG_DATA_DIRS", (system.path() + ":relative/ignored").toLocal8Bit());
  clsXdgFileTypeRegistrar().RegisterFileType("gly", "Glyphmatic", "/opt/glyph/glyphmatic");

  QFile mime(dataHome.filePath("mime/packages/glyphmatic.xml"));
  ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
  EXPECT_TRUE(mime.readAll().contains("<glob pattern=\"*.gly\"/>"));
  QFile entry(dataHome.filePath("applications/glyphmatic.desktop"));
  ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
  EXPECT_TRUE(entry.readAll().contains("Exec=/opt/glyph/glyphmatic %f"));
  EXPECT_TRUE(QFile::exists(dataHome.filePath("icons/hicolor/scalable/apps/glyphmatic.svg")));

  QTemporaryDir secondHome;
  qputenv("XDG_DATA_HOME", secondHome.path().toLocal8Bit());
  QDir(system.path()).mkpath("applications");
  QFile(system.filePath("applications/glyphmatic.desktop")).open(QIODevice::WriteOnly);
  clsXdgFileTypeRegistrar().RegisterFileType("gly", "Glyphmatic", "/opt/glyph/glyphmatic");
  EXPECT_TRUE(QDir(secondHome.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));

  for (const auto& [name, saved] : {std::pair{"XDG_DATA_HOME", savedHome}, std::pair{"XDG_DATA_DIRS", savedDirs}}) {
    saved.isEmpty() ? qunsetenv(name) : qputenv(name, saved);
  }
}

QString SenderOfNextDatagram(QUdpSocket& receiver) {
  if (!QTest::qWaitFor([&] { return receiver.hasPendingDatagrams(); }, 3000)) return {};
  return receiver.receiveDatagram().senderAddress().toString();
}

TEST(QtUdpSocket, EachBindSendsFromItsOwnAddress) {
  QUdpSocket receiver;
  ASSERT_TRUE(receiver.bind(QHostAddress("127.0.0.73"), 0));
  clsQtUdpSocket socket;
  for (const char* local : {"127.0.0.71", "127.0.0.72"}) {
    ASSERT_TRUE(socket.Bind(local, 0));
    socket.Send("127.0.0.73", receiver.localPort(), "hello");
    EXPECT_EQ(SenderOfNextDatagram(receiver), local);
    socket.Close();
  }
  EXPECT_FALSE(socket.Bind("127.0.0.300", 0));
  EXPECT_FALSE(socket.BindError().empty());
}

template <typename Control>
Control* Add(QWidget* parent, const char* name, const QString& text) {
  auto* control = new Control(text, parent);
  control->setObjectName(name);
  return control;
}

class TranslateFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_.setObjectName("frmTest");
    form_.setWindowTitle("Built-in title");
    label_ = Add<QLabel>(&form_, "lblInfo", "Info");
    button_ = Add<QPushButton>(&form_, "cmdNew", "&New");
    check_ = Add<QCheckBox>(&form_, "chkGrid", "Grid");
    frame_ = new QGroupBox("Frame", &form_);
    frame_->setObjectName("fraStyle");
    option_ = Add<QRadioButton>(frame_, "optClassic", "Classic");  // inside a frame
    edit_ = new QLineEdit("typed", &form_);
    edit_->setObjectName("txtName");
    untouched_ = Add<QLabel>(&form_, "lblNoItem", "Keep me");
  }

  clsCatalogue Catalogue(const std::vector<std::string>& items) {
    clsCatalogue catalogue;
    std::vector<std::string> lines{"[GlyphmaLang]", "(Deutsch|de)", "[Language:Deutsch]"};
    lines.insert(lines.end(), items.begin(), items.end());
    catalogue.ReadPlainLines(lines);
    return catalogue;
  }

  QWidget form_;
  QLabel* label_ = nullptr;
  QPushButton* button_ = nullptr;
  QCheckBox* check_ = nullptr;
  QGroupBox* frame_ = nullptr;
  QRadioButton* option_ = nullptr;
  QLineEdit* edit_ = nullptr;
  QLabel* untouched_ = nullptr;
};

TEST_F(TranslateFormTest, ReplacesCaptionsOfCaptionedControlsMatchedWithoutCase) {
  const clsCatalogue catalogue = Catalogue({"FRMTEST|caption|Testfenster", "frmTest|LBLINFO|<b>Hinweis</b>",
                                            "frmTest|cmdnew|&Neu", "frmTest|chkGrid|Gitter", "frmTest|fraStyle|Stil",
                                            "frmTest|optClassic|Klassisch", "frmTest|txtName|nicht für Textfelder"});
  TranslateForm(&form_, catalogue);
  EXPECT_EQ(form_.windowTitle(), "Testfenster");
  EXPECT_EQ(label_->text(), "<b>Hinweis</b>");
  EXPECT_EQ(label_->textFormat(), Qt::PlainText);  // a language file's markup is shown as it stands
  EXPECT_EQ(button_->text(), "&Neu");
  EXPECT_EQ(frame_->title(), "Stil");
  EXPECT_EQ(option_->text(), "Klassisch");
  EXPECT_EQ(edit_->text(), "typed");
  EXPECT_EQ(untouched_->text(), "Keep me");
}

TEST_F(TranslateFormTest, WithoutCaptionItemTheTitleStaysAndEmptyTextsBlank) {
  TranslateForm(&form_, Catalogue({"frmTest|lblInfo|"}));
  EXPECT_EQ(form_.windowTitle(), "Built-in title");
  EXPECT_EQ(label_->text(), "");
}

TEST_F(TranslateFormTest, NoModuleOrNoLanguageChangesNothing) {
  TranslateForm(&form_, Catalogue({"frmOther|lblInfo|Anderes"}));
  EXPECT_EQ(label_->text(), "Info");
  clsCatalogue empty;
  TranslateForm(&form_, empty);
  EXPECT_EQ(form_.windowTitle(), "Built-in title");
}

// The help window shows the page at its topic and closes with Esc or Ctrl+W.
TEST(QtDesktop, HelpClosesWithEscapeAndControlW) {
  for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
    clsQtDesktop().ShowHelp(std::string(GLYPH_PROGRAM_DIR) + "/glyph_en.html", 1004);
    QWidget* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == "frmHelp" && window->isVisible()) help = window;
    }
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    EXPECT_TRUE(help->findChild<QTextBrowser*>("txtHelp")->toPlainText().contains("Contents"));
    QPointer<QWidget> open(help);
    QTest::keySequence(help, keys);
    QTest::qWait(0);
    EXPECT_TRUE(open.isNull() || !open->isVisible()) << keys.toString().toStdString();
  }
}

}  // namespace
}  // namespace glyph
