// The host/join dialog: its fields, what it remembers, and what it refuses.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "storage/settings_table.h"
#include "support/fake_network.h"
#include "windows/frm_new_network.h"

namespace glyph {
namespace {

const std::vector<std::string> kAddresses{"192.168.0.20", "127.0.0.1"};

TEST(NewNetworkDialog, RemembersItsFieldsAcrossOpenings) {
  clsMemorySettings settings;
  clsCatalogue catalogue;
  clsScriptedAsker asker;
  {
    frmNewNetwork dialog(settings, catalogue, asker, kAddresses, "login");
    dialog.show();
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("optHost")->isChecked());  // first use: host
    EXPECT_FALSE(dialog.findChild<QComboBox*>("cboRemoteIP")->isEnabled());
    EXPECT_EQ(dialog.findChild<QLineEdit*>("txtName")->text(), "login");
    QTest::mouseClick(dialog.findChild<QRadioButton*>("optJoin"), Qt::LeftButton);
    EXPECT_TRUE(dialog.findChild<QComboBox*>("cboRemoteIP")->isEnabled());
    dialog.findChild<QComboBox*>("cboLocalIP")->setCurrentIndex(1);
    dialog.findChild<QComboBox*>("cboRemoteIP")->setEditText("192.168.0.5");
    dialog.findChild<QLineEdit*>("txtName")->setText("Bob");
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    ASSERT_TRUE(dialog.OK());
    EXPECT_EQ(dialog.IPAddressLocal(), "127.0.0.1");
  }
  frmNewNetwork again(settings, catalogue, asker, kAddresses, "login");
  EXPECT_TRUE(again.findChild<QRadioButton*>("optJoin")->isChecked());
  EXPECT_EQ(again.findChild<QComboBox*>("cboRemoteIP")->currentText(), "192.168.0.5");
  EXPECT_EQ(again.findChild<QComboBox*>("cboLocalIP")->currentText(), "127.0.0.1");
  EXPECT_EQ(again.findChild<QLineEdit*>("txtName")->text(), "Bob");
}

TEST(NewNetworkDialog, ABlankNameIsTheLoginNameAndAWrongHostKeepsItOpen) {
  clsMemorySettings settings;
  clsCatalogue catalogue;
  clsScriptedAsker asker;
  frmNewNetwork dialog(settings, catalogue, asker, kAddresses, "login");
  dialog.show();
  EXPECT_FALSE(dialog.findChild<QComboBox*>("cboLocalIP")->isEditable());  // only this computer's addresses
  QTest::mouseClick(dialog.findChild<QRadioButton*>("optJoin"), Qt::LeftButton);
  dialog.findChild<QComboBox*>("cboRemoteIP")->setEditText("192.168.0.300");
  dialog.findChild<QLineEdit*>("txtName")->setText("   ");
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(asker.Titles().size(), 1u);
  EXPECT_FALSE(settings.Has(kSectionNetworkGame, kKeyIsHost));
  dialog.findChild<QComboBox*>("cboRemoteIP")->setEditText("192.168.0.30");
  QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  ASSERT_TRUE(dialog.OK());
  EXPECT_EQ(ReadSetting(settings, Setting::PlayerName), "login");
  EXPECT_EQ(ReadSetting(settings, Setting::RemoteIp), "192.168.0.30");
}

}  // namespace
}  // namespace glyph
