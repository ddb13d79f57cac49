#include <gtest/gtest.h>

#include <fstream>

#include "storage/cls_memory_settings.h"
#include "storage/file_association.h"
#include "storage/help_file.h"
#include "storage/settings_table.h"
#include "support/fake_desktop.h"
#include "support/language_files.h"

namespace glyph {
namespace {

TEST(FileAssociation, RegisteredOncePerUserWhateverTheResult) {
  clsMemorySettings settings;
  clsRecordingRegistrar registrar;
  RegisterFileTypeOnce(settings, registrar, "/opt/glyph");
  RegisterFileTypeOnce(settings, registrar, "/opt/glyph");
  EXPECT_EQ(registrar.registrations, std::vector<std::string>{"gly Glyphmatic /opt/glyph/glyphmatic"});
  EXPECT_EQ(settings.Read(kSectionOptions, kKeyAssociation, ""), "Yes");

  settings.Write(kSectionOptions, kKeyAssociation, "");  // cleared: the next start registers anew
  RegisterFileTypeOnce(settings, registrar, "/opt/glyph");
  EXPECT_EQ(registrar.registrations.size(), 2u);
}

TEST(FileAssociation, MimePackageAndDesktopEntry) {
  const std::string xml = MimePackageXml("gly", "Glyphmatic");
  EXPECT_NE(xml.find("<mime-type type=\"application/x-glyphmatic\">"), std::string::npos);
  EXPECT_NE(xml.find("<glob pattern=\"*.gly\"/>"), std::string::npos);

  const std::string entry = DesktopEntry("Glyphmatic", "/opt/glyph/glyphmatic");
  EXPECT_NE(entry.find("Exec=/opt/glyph/glyphmatic %f\n"), std::string::npos);
  EXPECT_NE(entry.find("MimeType=application/x-glyphmatic;\n"), std::string::npos);
  // A folder with blanks or specials is quoted by the desktop entry rules.
  const std::string spaced = DesktopEntry("Glyphmatic", "/home/me/My Games/100% fun/glyphmatic");
  EXPECT_NE(spaced.find("Exec=\"/home/me/My Games/100%% fun/glyphmatic\" %f\n"), std::string::npos) << spaced;
  EXPECT_NE(DesktopEntry("Glyphmatic", "/a$b/glyphmatic").find("Exec=\"/a\\\\$b/glyphmatic\" %f"), std::string::npos);
}

TEST(FileAssociation, ThePackagedMimeTypeIsTheOneTheGameRegisters) {
  std::ifstream packaged(std::string(GLYPH_SOURCE_DIR) + "/packaging/glyphmatic.xml");
  const std::string content((std::istreambuf_iterator<char>(packaged)), std::istreambuf_iterator<char>());
  EXPECT_EQ(content, MimePackageXml("gly", "Glyphmatic"));
}

TEST(HelpFile, FollowsTheLanguageAndFallsBackToEnglish) {
  test::clsTempFolder folder;
  std::ofstream(folder / "glyph_de.html") << "<html></html>";
  const std::string german = "de", italian = "it", none;
  EXPECT_EQ(HelpFileFor(folder.Path(), &german), folder / "glyph_de.html");
  EXPECT_EQ(HelpFileFor(folder.Path(), &italian), folder / "glyph_en.html");  // no such page
  EXPECT_EQ(HelpFileFor(folder.Path(), nullptr), folder / "glyph_en.html");   // no language
  EXPECT_EQ(HelpFileFor(folder.Path(), &none), folder / "glyph_en.html");     // glyph_.html absent
}

}  // namespace
}  // namespace glyph
