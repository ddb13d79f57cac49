// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/dialog_host.h"

#include <QFile>
#include <QFileDialog>

#include "platform/ansi_text.h"
#include "platform/file_dialog_folder.h"
#include "platform/network_info.h"
#include "platform/screen_fit.h"
#include "windows/frm_edit_bookmark.h"
#include "windows/frm_new_network.h"
#include "windows/frm_open_bookmark.h"
#include "windows/frm_options.h"
#include "windows/frm_play_code.h"
#include "windows/frm_print.h"
#include "windows/frm_statistics.h"

namespace glyph {

namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

clsDialogHost::clsDialogHost(QWidget& window, const clsGameSession& session, const SessionServices& services,
                             Sender send)
    : QObject(&window),
      window_(window),
      session_(session),
      services_(services),
      printers_(services.catalogue),
      send_(std::move(send)) {}

// Answers go out after the click that made them, never inside the painting
// of a view.
void clsDialogHost::Answer(SessionEvent event) { send_(event); }

void clsDialogHost::Show(const SessionView& view) {
  ShowDialog(view.dialog);
  ShowPrompt(view.prompt);
}

void clsDialogHost::Dismiss(QDialog* dialog) {
  if (dialog == nullptr) return;
  dialog->disconnect();
  dialog->hide();
  dialog->deleteLater();
}

void clsDialogHost::ShowDialog(const DialogView& dialog) {
  if (dialog.id == dialogId_) {
    if (dialog_ != nullptr) Refuse(dialog);
    return;
  }
  Dismiss(dialog_);
  dialogId_ = dialog.id;
  dialog_ = dialog.kind == DialogKind::None ? nullptr : Make(dialog);
  if (dialog_ == nullptr) return;
  dialog_->setAttribute(Qt::WA_DeleteOnClose);
  dialog_->adjustSize();
  FitOnScreen(dialog_);
  // Closed by the player (Cancel, Escape, the close control): the answer is Cancel.
  connect(dialog_, &QDialog::finished, this,
          [this, id = dialog.id](int result) { Answer(SessionEvent::DialogAnswer(id, result == QDialog::Accepted)); });
  dialog_->open();
}

// The same dialog again: the list it shows, or why its answer was refused.
void clsDialogHost::Refuse(const DialogView& dialog) {
  if (auto* bookmarks = qobject_cast<frmOpenBookmark*>(dialog_)) bookmarks->SetItems(dialog.items, dialog.selected);
  if (dialog.error.empty()) return;
  if (auto* code = qobject_cast<frmPlayCode*>(dialog_)) code->ShowRefusal(dialog.text, dialog.error);
  if (auto* network = qobject_cast<frmNewNetwork*>(dialog_)) network->ShowRefusal(dialog.error, dialog.errorField);
}

QDialog* clsDialogHost::Make(const DialogView& dialog) {
  const int id = dialog.id;
  switch (dialog.kind) {
    case DialogKind::None: return nullptr;
    case DialogKind::OpenGame:
    case DialogKind::SaveGame: return MakeFileDialog(dialog);
    case DialogKind::Options: {
      auto* options = new frmOptions(services_.catalogue, services_.settings, &window_);
      options->SetStyle(dialog.style);
      connect(options, &frmOptions::Confirmed, this,
              [this, id](int style) { Answer(SessionEvent::DialogAnswer(id, true, {}, style)); });
      return options;
    }
    case DialogKind::Print:
      return new frmPrint(session_.Game().Puzzle(), dialog.style, dialog.difficulty, printers_, services_.catalogue,
                          &window_);
    case DialogKind::Statistics:
      return new frmStatistics(session_.Statistics(), session_.NewBest(), services_.catalogue, &window_);
    case DialogKind::Bookmarks: return MakeBookmarks(dialog);
    case DialogKind::BookmarkName: {
      auto* name = new frmEditBookmark(services_.catalogue, dialog.text, &window_);
      connect(name, &frmEditBookmark::Named, this,
              [this, id](const std::string& text) { Answer(SessionEvent::DialogAnswer(id, true, text)); });
      return name;
    }
    case DialogKind::PlayCode: {
      auto* code = new frmPlayCode(services_.catalogue, &window_);
      connect(code, &frmPlayCode::Typed, this,
              [this, id](const std::string& text) { Answer(SessionEvent::DialogAnswer(id, true, text)); });
      return code;
    }
    case DialogKind::NetworkGame: return MakeNetworkGame(dialog);
  }
  return nullptr;
}

QDialog* clsDialogHost::MakeFileDialog(const DialogView& dialog) {
  auto* files = new QFileDialog(&window_, QString(), FileDialogFolder(), QString::fromStdString(dialog.text));
  files->setObjectName(dialog.kind == DialogKind::OpenGame ? "dlgOpenGame" : "dlgSaveGame");
  if (dialog.kind == DialogKind::OpenGame) {
    files->setAcceptMode(QFileDialog::AcceptOpen);
    files->setFileMode(QFileDialog::ExistingFile);
  } else {
    files->setAcceptMode(QFileDialog::AcceptSave);
    files->setDefaultSuffix(QString::fromStdString(dialog.extension));  // a name typed without one gets it
    files->setOption(QFileDialog::DontConfirmOverwrite, false);
  }
  connect(files, &QFileDialog::fileSelected, this, [this, id = dialog.id](const QString& file) {
    RememberFileDialogFolder(file);
    Answer(SessionEvent::DialogAnswer(id, true, QFile::encodeName(file).toStdString()));
  });
  return files;
}

QDialog* clsDialogHost::MakeBookmarks(const DialogView& dialog) {
  const int id = dialog.id;
  auto* list = new frmOpenBookmark(services_.catalogue, &window_);
  list->SetItems(dialog.items, dialog.selected);
  connect(list, &frmOpenBookmark::Chosen, this,
          [this, id](int row) { Answer(SessionEvent::DialogAnswer(id, true, {}, row)); });
  connect(list, &frmOpenBookmark::RemoveAsked, this,
          [this](int row) { Answer(SessionEvent::Of(SessionEvent::Kind::BookmarkRemove, row)); });
  connect(list, &frmOpenBookmark::Renamed, this, [this](int row, const std::string& name) {
    Answer(SessionEvent::Of(SessionEvent::Kind::BookmarkRename, row, name));
  });
  return list;
}

QDialog* clsDialogHost::MakeNetworkGame(const DialogView& dialog) {
  auto* network =
      new frmNewNetwork(services_.settings, services_.catalogue, LocalIPv4Addresses(), LoginName(), &window_);
  connect(
      network, &frmNewNetwork::Chosen, this,
      [this, id = dialog.id](const NetworkChoice& choice, const std::string& loginName) {
        Answer(SessionEvent::DialogAnswer(id, true, {}, choice.Host ? 1 : 0,
                                          {choice.IPAddressLocal, choice.IPAddressHost, choice.NamePlayer, loginName}));
      });
  return network;
}

// The question or message over the dialog when one is open, else over the
// window. Its text may come from a peer or a file: plain text.
void clsDialogHost::ShowPrompt(const std::optional<PromptView>& prompt) {
  const int id = prompt ? prompt->id : 0;
  if (id == promptId_) return;
  if (prompt_ != nullptr) {
    prompt_->disconnect(this);
    prompt_->hide();
    prompt_->deleteLater();
  }
  promptId_ = id;
  if (!prompt) return;
  QWidget* over = dialog_ != nullptr ? static_cast<QWidget*>(dialog_) : &window_;
  const auto buttons = prompt->question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
  prompt_ = new QMessageBox(IconOf(prompt->icon), FromAnsi(prompt->title), FromAnsi(prompt->text), buttons, over);
  prompt_->setObjectName("msgPrompt");
  prompt_->setTextFormat(Qt::PlainText);
  prompt_->setAttribute(Qt::WA_DeleteOnClose);
  if (prompt->question) {
    prompt_->setDefaultButton(prompt->yesPreselected ? QMessageBox::Yes : QMessageBox::No);
    prompt_->setEscapeButton(QMessageBox::No);
  }
  QMessageBox* box = prompt_;
  connect(box, &QMessageBox::finished, this, [this, box, id] {
    const bool yes = box->standardButton(box->clickedButton()) != QMessageBox::No;
    Answer(SessionEvent::Answer(id, yes));
  });
  box->open();
}

}  // namespace glyph
