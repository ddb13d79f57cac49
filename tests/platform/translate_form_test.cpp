#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "i18n/cls_catalogue.h"
#include "platform/translate_form.h"

namespace glyph {
namespace {

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

}  // namespace
}  // namespace glyph
