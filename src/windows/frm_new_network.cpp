// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frm_new_network.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "i18n/cls_catalogue.h"
#include "platform/ansi_text.h"
#include "platform/dialog_buttons.h"
#include "platform/qt_lan_discovery.h"
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

frmNewNetwork::frmNewNetwork(const clsSettingsStore& settings, const clsCatalogue& catalogue,
                             const std::vector<std::string>& localAddresses, const std::string& loginName,
                             QWidget* parent)
    : QDialog(parent), catalogue_(catalogue), loginName_(loginName), localAddresses_(localAddresses) {
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
  lvRaces_ = new QTreeWidget(this);
  lvRaces_->setObjectName("lvRaces");
  lvRaces_->setRootIsDecorated(false);
  lvRaces_->setColumnCount(4);
  lvRaces_->setMinimumSize(380, 96);
  lvRaces_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

  auto* form = new QFormLayout;
  form->addRow(Label(this, "lblLocalIP", "&Local IP:", cboLocalIP_), cboLocalIP_);
  form->addRow(Label(this, "lblRemoteIP", "Host-&IP:", cboRemoteIP_), cboRemoteIP_);
  form->addRow(Label(this, "lblName", "&Player:", txtName_), txtName_);

  lblRefusal_ = MakeRefusalLine(this);
  const DialogButtons buttons = MakeDialogButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(optHost_);
  layout->addWidget(optJoin_);
  layout->addWidget(Label(this, "lblRaces", "&Races on the local network:", lvRaces_));
  layout->addWidget(lvRaces_);
  layout->addLayout(form);
  layout->addWidget(lblRefusal_);
  layout->addWidget(buttons.box);

  TranslateForm(this, catalogue_);
  lvRaces_->setToolTip(FromAnsi(
      catalogue_.GetTranslation("frmNewNetwork", "strTipRaces",
                                "Races whose host waits for players on the local network; choose one to join it")));
  const NewNetworkFields fields = OpenNewNetwork(settings, localAddresses, loginName_);
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

  // Announcements are heard while the dialog is open; a port that cannot be
  // bound leaves the list empty and the dialog as it was.
  ShowRaces();
  connect(lvRaces_, &QTreeWidget::itemSelectionChanged, this, &frmNewNetwork::ChooseRace);
  clock_.start();
  listener_ = std::make_unique<clsQtLanListener>(
      [this](const std::string& payload, const std::string& from) { Hear(payload, from); });
  auto* refresh = new QTimer(this);
  connect(refresh, &QTimer::timeout, this, [this] {
    if (races_.Expire(clock_.elapsed())) ShowRaces();
  });
  refresh->start(500);
}

frmNewNetwork::~frmNewNetwork() = default;

void frmNewNetwork::Hear(const std::string& payload, const std::string& from) {
  if (races_.Hear(payload, from, clock_.elapsed())) ShowRaces();
}

void frmNewNetwork::ShowRaces() {
  static const char* const kHeaders[] = {"Computer", "Player", "Players", "Address"};
  QStringList headers;
  for (int i = 0; i < 4; ++i) {
    const std::string key = "lvRacesCH" + std::to_string(i + 1);
    headers << FromAnsi(catalogue_.GetTranslation("frmNewNetwork", key.c_str(), kHeaders[i]));
  }
  lvRaces_->setHeaderLabels(headers);
  const QString chosen = lvRaces_->currentItem() != nullptr ? lvRaces_->currentItem()->text(3) : QString();
  const QSignalBlocker quiet(lvRaces_);  // refreshing is not choosing
  lvRaces_->clear();
  for (const HeardRace& race : races_.Races()) {
    // Names from the network are plain text in the list's cells.
    auto* row = new QTreeWidgetItem(lvRaces_, {FromAnsi(race.computer), FromAnsi(race.name),
                                               QString::number(race.players), QString::fromStdString(race.host)});
    if (row->text(3) == chosen) lvRaces_->setCurrentItem(row);
  }
}

void frmNewNetwork::ChooseRace() {
  const QTreeWidgetItem* row = lvRaces_->currentItem();
  if (row == nullptr) return;
  const std::string host = row->text(3).toStdString();
  optJoin_->setChecked(true);
  UpdateFields();
  cboRemoteIP_->setEditText(QString::fromStdString(host));
  const std::string local = LocalAddressFor(host, localAddresses_);
  const int index = cboLocalIP_->findText(QString::fromStdString(local));
  if (index >= 0) cboLocalIP_->setCurrentIndex(index);
}

void frmNewNetwork::UpdateFields() { cboRemoteIP_->setEnabled(optJoin_->isChecked()); }

void frmNewNetwork::Confirm() {
  NetworkChoice choice;
  choice.Host = optHost_->isChecked();
  choice.IPAddressLocal = ToAnsi(cboLocalIP_->currentText().trimmed());
  choice.IPAddressHost = ToAnsi(cboRemoteIP_->currentText().trimmed());
  choice.NamePlayer = ToAnsi(txtName_->text());
  emit Chosen(choice, loginName_);
}

void frmNewNetwork::ShowRefusal(const std::string& reason, int field) {
  lblRefusal_->setText(FromAnsi(reason));
  lblRefusal_->setVisible(!reason.empty());
  QComboBox* wrong = field == 0 ? cboLocalIP_ : cboRemoteIP_;
  wrong->setAccessibleDescription(FromAnsi(reason));
  wrong->setFocus();
  adjustSize();
}

}  // namespace glyph
