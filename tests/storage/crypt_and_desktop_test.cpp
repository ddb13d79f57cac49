// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>

#include "core/cls_system_random.h"
#include "storage/cipher_keys.h"
#include "storage/cls_crypt.h"
#include "storage/cls_memory_settings.h"
#include "storage/file_association.h"
#include "storage/help_file.h"
#include "storage/settings_table.h"
#include "support/fake_desktop.h"
#include "support/language_files.h"
#include "support/scripted_random.h"
#include "support/vectors.h"

namespace glyph {
namespace {

std::string Encrypted(const std::string& plain, std::int32_t key = kSaveGameKey) {
  clsSystemRandom random(5);
  return clsCrypt(random).Encrypt(plain, key);
}

TEST(Crypt, ReferenceEncryptionsAndForeignDecryptions) {
  const QJsonObject keys = test::CoreVectors()["keys"].toObject();
  EXPECT_EQ(std::vector({kSaveGameKey, kLanguageFileKey, kNetworkKey}),
            std::vector({keys["savegame"].toInt(), keys["language"].toInt(), keys["network"].toInt()}));
  for (const QJsonValue& value : test::Cases("cipher", "encrypt")) {
    const QJsonObject c = value.toObject();
    const std::string plain = test::Bytes(c["plain"]);
    SCOPED_TRACE(c["plain_hex"].toString().toStdString());
    clsScriptedRandom random;
    random.PushDraw(c["r"].toInt() / 9999.0);
    for (int pad : test::Ints(c["pad"])) random.PushDraw(pad / 255.0);

    const std::string cipher = clsCrypt(random).Encrypt(plain, c["key"].toInt());
    EXPECT_EQ(cipher, test::Bytes(c["cipher"]));
    if (c.contains("length_field")) {
      EXPECT_EQ(cipher.substr(12, 2), test::Bytes(c["length_field"]));
    }
    EXPECT_EQ(random.Remaining(), 0u);
    EXPECT_EQ(clsCrypt::Decrypt(cipher, c["key"].toInt()), plain);
  }
  for (const QJsonValue& value : test::Cases("cipher", "decrypt")) {  // texts enciphered elsewhere
    const QJsonObject c = value.toObject();
    EXPECT_EQ(clsCrypt::Decrypt(test::Bytes(c["cipher"]), c["key"].toInt()), test::Bytes(c["plain"]))
        << c["note"].toString().toStdString();
  }
  // Lower-case digits read as upper-case ones, any other character as 0.
  std::string cipher = Encrypted("Zz");
  for (char& c : cipher) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(clsCrypt::Decrypt(cipher, kSaveGameKey), "Zz");
  ASSERT_NE(cipher.find('0'), std::string::npos);
  std::replace(cipher.begin(), cipher.end(), '0', 'G');
  EXPECT_EQ(clsCrypt::Decrypt(cipher, kSaveGameKey), "Zz");
}

// Any bytes come back under any usable key; the length field counts up to 19.
TEST(Crypt, LengthsAndLengthFieldAndEveryByteUnderEveryKey) {
  std::string all;
  for (int code = 0; code < 256; ++code) all += static_cast<char>(code);
  const std::vector<std::tuple<std::size_t, std::size_t, std::string>> cases{
      {0, 46, "00"}, {1, 48, "01"}, {19, 84, "13"}, {20, 46, "FF"}, {100, 206, "FF"}, {255, 516, "FF"}};
  for (const auto& [plainLength, cipherLength, field] : cases) {
    const std::string cipher = Encrypted(all.substr(0, plainLength));
    EXPECT_EQ(cipher.size(), cipherLength) << plainLength;
    EXPECT_EQ(cipher.substr(12, 2), field) << plainLength;
    EXPECT_EQ(cipher.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    for (std::int32_t key : {kSaveGameKey, kLanguageFileKey, kNetworkKey, kSmallestKey, kLargestKey}) {
      EXPECT_EQ(clsCrypt::Decrypt(Encrypted(all.substr(0, plainLength), key), key), all.substr(0, plainLength)) << key;
    }
  }
  EXPECT_THROW(Encrypted("x", 0), std::invalid_argument);
  EXPECT_THROW(Encrypted("x", kLargestKey + 1), std::invalid_argument);
}

TEST(Crypt, PadNeverHoldsZeroAndFactorStaysInRange) {
  // Draws that round to 0 or outside the ranges are drawn again.
  clsScriptedRandom random;
  random.PushDraw(0.05);       // r = 500: too small
  random.PushDraw(0.99999);    // r = 9999
  random.PushDraw(0.0019);     // pad 0.48 rounds to 0: rejected
  random.PushDraw(0.5 / 255);  // pad 0.5 rounds to the even 0: rejected
  for (int i = 0; i < 20; ++i) random.PushDraw(1.0 / 255);
  const std::string cipher = clsCrypt(random).Encrypt("", 1);
  EXPECT_EQ(cipher.substr(16, 2), "0F");  // 9999 = 0x270F
  EXPECT_EQ(cipher.substr(28, 2), "27");
  EXPECT_EQ(random.Remaining(), 0u);
}

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

TEST(FileAssociation, TheProgramsPathIsQuotedInTheDesktopEntry) {
  // A folder with blanks or specials is quoted by the desktop entry rules.
  const std::string spaced = DesktopEntry("Glyphmatic", "/home/me/My Games/100% fun/glyphmatic");
  EXPECT_NE(spaced.find("Exec=\"/home/me/My Games/100%% fun/glyphmatic\" %f\n"), std::string::npos) << spaced;
  EXPECT_NE(DesktopEntry("Glyphmatic", "/a$b/glyphmatic").find("Exec=\"/a\\\\$b/glyphmatic\" %f"), std::string::npos);
}

// The package's files and a user's are the same but for the program's path.
TEST(FileAssociation, ThePackagedFilesAreTheOnesTheGameRegisters) {
  const auto read = [](const char* name) {
    std::ifstream packaged(std::string(GLYPH_SOURCE_DIR) + "/packaging/" + name);
    return std::string((std::istreambuf_iterator<char>(packaged)), std::istreambuf_iterator<char>());
  };
  EXPECT_EQ(read("glyphmatic.xml"), MimePackageXml("gly", "Glyphmatic"));
  EXPECT_EQ(read("glyphmatic.desktop"), DesktopEntry("Glyphmatic", "glyphmatic"));
  EXPECT_EQ(DataDirectories(""), (std::vector<std::string>{"/usr/local/share", "/usr/share"}));
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
