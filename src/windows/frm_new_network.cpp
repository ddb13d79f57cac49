#include "windows/frm_new_network.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/cls_asker.h"
#include "i18n/cls_catalogue.h"
#include "platform/ansi_text.h"
#include "platform/dialog_buttons.h"
#include "platform/network_info.h"
#include "platform/translate_form.h"

namespace glyph {

namespace {

QLabel* Label(QWidget* parent, const char* name, const char* text, QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

frmNewNetwork::frmNewNetwork(clsSettingsStore& settings, const clsCatalogue& catalogue, clsAsker& asker,
                             const std::vector<std::string>& localAddresses, const std::string& loginName,
                             QWidget* parent)
    : QDialog(parent), settings_(settings), catalogue_(catalogue), asker_(asker), loginName_(loginName) {
  setObjectName("frmNewNetwork");
  setWindowTitle("Open network game");
  optHost_ = new QRadioButton("&Host new game", this);
  optHost_->setObjectName("optHost");
  optJoin_ = new QRadioButton("&Join network game", this);
  optJoin_->setObjectName("optJoin");
  cboLocalIP_ = new QComboBox(this);
  cboLocalIP_->setObjectName("cboLocalIP");
  cboLocalIP_->setEditable(false);  // the computer's own addresses; only the host's is typed
  cboRemoteIP_ = new QComboBox(this);
  cboRemoteIP_->setObjectName("cboRemoteIP");
  cboRemoteIP_->setEditable(true);
  txtName_ = new QLineEdit(this);
  txtName_->setObjectName("txtName");
  for (QComboBox* box : {cboLocalIP_, cboRemoteIP_}) box->setMinimumContentsLength(15);

  auto* form = new QFormLayout;
  form->addRow(Label(this, "lblLocalIP", "&Local IP:", cboLocalIP_), cboLocalIP_);
  form->addRow(Label(this, "lblRemoteIP", "Host-&IP:", cboRemoteIP_), cboRemoteIP_);
  form->addRow(Label(this, "lblName", "&Player:", txtName_), txtName_);

  const DialogButtons buttons = MakeDialogButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(optHost_);
  layout->addWidget(optJoin_);
  layout->addLayout(form);
  layout->addWidget(buttons.box);

  TranslateForm(this, catalogue_);
  const NewNetworkFields fields = OpenNewNetwork(settings_, localAddresses, loginName_);
  (fields.host ? optHost_ : optJoin_)->setChecked(true);
  for (const std::string& address : fields.localAddresses) cboLocalIP_->addItem(QString::fromStdString(address));
  cboLocalIP_->setCurrentIndex(fields.selectedLocal);
  if (!fields.remoteAddress.empty()) cboRemoteIP_->addItem(FromAnsi(fields.remoteAddress));
  cboRemoteIP_->setEditText(FromAnsi(fields.remoteAddress));
  txtName_->setText(FromAnsi(fields.name));
  UpdateFields();

  connect(optHost_, &QRadioButton::clicked, this, &frmNewNetwork::UpdateFields);
  connect(optJoin_, &QRadioButton::clicked, this, &frmNewNetwork::UpdateFields);
  connect(buttons.confirm, &QPushButton::clicked, this, &frmNewNetwork::Confirm);
}

void frmNewNetwork::UpdateFields() { cboRemoteIP_->setEnabled(optJoin_->isChecked()); }

void frmNewNetwork::Confirm() {
  NetworkChoice choice;
  choice.Host = optHost_->isChecked();
  choice.IPAddressLocal = ToAnsi(cboLocalIP_->currentText().trimmed());
  choice.IPAddressHost = ToAnsi(cboRemoteIP_->currentText().trimmed());
  choice.NamePlayer = ToAnsi(txtName_->text());
  const std::optional<NetworkFieldProblem> wrong = ConfirmNewNetwork(settings_, choice, loginName_, catalogue_);
  if (wrong) {
    asker_.Tell(wrong->message, wrong->title, MessageIcon::Exclamation);
    (wrong->field == NetworkField::Local ? cboLocalIP_ : cboRemoteIP_)->setFocus();
    return;
  }
  txtName_->setText(FromAnsi(choice.NamePlayer));
  choice_ = choice;
  ok_ = true;
  accept();
}

std::optional<NetworkChoice> clsQtNetworkDialog::AskNetworkGame() {
  frmNewNetwork dialog(settings_, catalogue_, asker_, LocalIPv4Addresses(), LoginName(), parent_);
  dialog.exec();
  if (!dialog.OK()) return std::nullopt;
  return dialog.Choice();
}

}  // namespace glyph
