// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <memory>

#include "net/lan_discovery.h"
#include "net/new_network_logic.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTreeWidget;

namespace glyph {

class clsQtLanListener;
class clsCatalogue;

// The host/join dialog: host a new game or join one, the local address, the
// host's address and the player's name, remembered from the last time. It
// lists the races announced on the local network; choosing one fills in its
// host and the local address on the same network. Confirming hands the
// choice to the session, which checks it: a refusal comes back with the
// reason, shown in the dialog beside the field to mend.
class frmNewNetwork : public QDialog {
  Q_OBJECT

 public:
  frmNewNetwork(const clsSettingsStore& settings, const clsCatalogue& catalogue,
                const std::vector<std::string>& localAddresses, const std::string& loginName,
                QWidget* parent = nullptr);
  ~frmNewNetwork() override;

  // An announcement datagram heard on the discovery port.
  void Hear(const std::string& payload, const std::string& from);
  // field: 0 the local address, 1 the host's.
  void ShowRefusal(const std::string& reason, int field);

 signals:
  // The choice as typed, and the login name that stands in for an empty name.
  void Chosen(const NetworkChoice& choice, const std::string& loginName);

 private:
  void UpdateFields();
  void Confirm();
  void ShowRaces();
  void ChooseRace();

  const clsCatalogue& catalogue_;
  std::string loginName_;
  QRadioButton* optHost_;
  QRadioButton* optJoin_;
  QComboBox* cboLocalIP_;
  QComboBox* cboRemoteIP_;
  QLineEdit* txtName_;
  QTreeWidget* lvRaces_;
  QLabel* lblRefusal_;
  std::vector<std::string> localAddresses_;
  clsLanRaceList races_;
  QElapsedTimer clock_;
  std::unique_ptr<clsQtLanListener> listener_;
};

}  // namespace glyph
