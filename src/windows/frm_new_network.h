// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <memory>

#include "net/lan_discovery.h"
#include "net/new_network_logic.h"

class QComboBox;
class QLineEdit;
class QRadioButton;
class QTreeWidget;

namespace glyph {

class clsAsker;
class clsQtLanListener;
class clsCatalogue;

// The host/join dialog: host a new game or join one, the local address, the
// host's address and the player's name, remembered from the last time. It
// lists the races announced on the local network; choosing one fills in its
// host and the local address on the same network.
class frmNewNetwork : public QDialog {
  Q_OBJECT

 public:
  frmNewNetwork(clsSettingsStore& settings, const clsCatalogue& catalogue, clsAsker& asker,
                const std::vector<std::string>& localAddresses, const std::string& loginName,
                QWidget* parent = nullptr);
  ~frmNewNetwork() override;

  bool OK() const { return ok_; }
  bool Host() const { return choice_.Host; }
  const std::string& IPAddressHost() const { return choice_.IPAddressHost; }
  const std::string& IPAddressLocal() const { return choice_.IPAddressLocal; }
  const std::string& NamePlayer() const { return choice_.NamePlayer; }
  const NetworkChoice& Choice() const { return choice_; }

  // An announcement datagram heard on the discovery port.
  void Hear(const std::string& payload, const std::string& from);

 private:
  void UpdateFields();
  void Confirm();
  void ShowRaces();
  void ChooseRace();

  clsSettingsStore& settings_;
  const clsCatalogue& catalogue_;
  clsAsker& asker_;
  std::string loginName_;
  QRadioButton* optHost_;
  QRadioButton* optJoin_;
  QComboBox* cboLocalIP_;
  QComboBox* cboRemoteIP_;
  QLineEdit* txtName_;
  QTreeWidget* lvRaces_;
  std::vector<std::string> localAddresses_;
  clsLanRaceList races_;
  QElapsedTimer clock_;
  std::unique_ptr<clsQtLanListener> listener_;
  NetworkChoice choice_;
  bool ok_ = false;
};

// The dialog shown modally over the main window.
class clsQtNetworkDialog : public clsNetworkDialog {
 public:
  clsQtNetworkDialog(clsSettingsStore& settings, const clsCatalogue& catalogue, clsAsker& asker)
      : settings_(settings), catalogue_(catalogue), asker_(asker) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  std::optional<NetworkChoice> AskNetworkGame() override;

 private:
  clsSettingsStore& settings_;
  const clsCatalogue& catalogue_;
  clsAsker& asker_;
  QWidget* parent_ = nullptr;
};

}  // namespace glyph
