// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUdpSocket>
#include <QWidget>
#include <map>
#include <optional>

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

// Windows-1252 both ways: every byte comes back as itself; 0x80 to 0x9F are
// the Windows characters (an undefined one is the control of the same
// value); a character outside the set becomes "?".
TEST(AnsiText, Windows1252BothWays) {
  std::string all;
  for (int code = 0; code < 256; ++code) all += static_cast<char>(code);
  bool lossy = true;
  EXPECT_EQ(ToAnsi(FromAnsi(all), &lossy), all);
  EXPECT_FALSE(lossy);
  EXPECT_EQ(FromAnsi("\x80\x9F\x8D"), QString::fromUtf8("\u20AC\u0178\u008D"));
  EXPECT_EQ(ToAnsi(QString::fromUtf8("\u201Cquoted\u201D \u2013 \u20AC 5 Gr\u00FC\u00DF!")),
            "\x93quoted\x94 \x96 \x80 5 Gr\xFC\xDF!");
  EXPECT_EQ(ToAnsi(QString::fromUtf8("a\u4E2Db\U0001F600c\u0100"), &lossy), "a?b?c?");
  EXPECT_TRUE(lossy);
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

// Keeps environment variables for one test and puts the old values back.
class clsScopedEnvironment {
 public:
  explicit clsScopedEnvironment(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    }
  }
  ~clsScopedEnvironment() {
    for (const auto& [name, value] : saved_) value ? qputenv(name, *value) : qunsetenv(name);
  }

 private:
  std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

TEST(UserLocale, ReadsLcAllThenLcMessagesThenLang) {
  clsScopedEnvironment environment{"LC_ALL", "LC_MESSAGES", "LANG"};
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) qunsetenv(name);
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
  clsScopedEnvironment environment{"XDG_DATA_HOME", "XDG_DATA_DIRS"};
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

clsCatalogue German(const std::vector<std::string>& items) {
  clsCatalogue catalogue;
  std::vector<std::string> lines{"[GlyphmaLang]", "(Deutsch|de)", "[Language:Deutsch]"};
  lines.insert(lines.end(), items.begin(), items.end());
  catalogue.ReadPlainLines(lines);
  return catalogue;
}

// Captions of captioned controls are replaced, matched without regard to
// case, and shown as plain text; the title only by a "caption" item; an
// empty text blanks a caption; text fields and other forms' items never.
TEST(TranslateForm, ReplacesTheCaptionsOfItsOwnItems) {
  QWidget form;
  form.setObjectName("frmTest");
  form.setWindowTitle("Built-in title");
  auto* label = Add<QLabel>(&form, "lblInfo", "Info");
  auto* button = Add<QPushButton>(&form, "cmdNew", "&New");
  auto* frame = Add<QGroupBox>(&form, "fraStyle", "Frame");
  auto* option = Add<QRadioButton>(frame, "optClassic", "Classic");  // inside a frame
  auto* edit = Add<QLineEdit>(&form, "txtName", "typed");
  auto* untouched = Add<QLabel>(&form, "lblNoItem", "Keep me");
  TranslateForm(&form, German({"frmTest|lblInfo|", "frmOther|cmdNew|Anderes"}));
  EXPECT_EQ(form.windowTitle(), "Built-in title");
  EXPECT_EQ(label->text(), "");
  EXPECT_EQ(button->text(), "&New");

  TranslateForm(&form, German({"FRMTEST|caption|Testfenster", "frmTest|LBLINFO|<b>Hinweis</b>", "frmTest|cmdnew|&Neu",
                               "frmTest|fraStyle|Stil", "frmTest|optClassic|Klassisch",
                               "frmTest|txtName|nicht f\xFCr Textfelder"}));
  EXPECT_EQ(form.windowTitle(), "Testfenster");
  EXPECT_EQ(label->text(), "<b>Hinweis</b>");
  EXPECT_EQ(label->textFormat(), Qt::PlainText);
  EXPECT_EQ(button->text(), "&Neu");
  EXPECT_EQ(frame->title(), "Stil");
  EXPECT_EQ(option->text(), "Klassisch");
  EXPECT_EQ(edit->text(), "typed");
  EXPECT_EQ(untouched->text(), "Keep me");
}

// A dark GTK theme is a dark desktop where no desktop portal answers.
TEST(QtDesktop, ADarkGtkThemeIsADarkDesktop) {
  qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
  qputenv("GTK_THEME", "Adwaita:dark");
  EXPECT_TRUE(clsQtDesktop().PrefersDark());
  qputenv("GTK_THEME", "Adwaita");
  EXPECT_FALSE(clsQtDesktop().PrefersDark());
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
