// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "platform/qt_printer_system.h"
#include "session/cls_game_session.h"

class QDialog;
class QWidget;

namespace glyph {

// Shows the session's questions, messages and dialogs over the main window,
// each opened without waiting for it, and sends every answer back as an
// event. What the view no longer names is closed without an answer.
class clsDialogHost : public QObject {
  Q_OBJECT

 public:
  using Sender = std::function<void(const SessionEvent&)>;
  clsDialogHost(QWidget& window, const clsGameSession& session, const SessionServices& services, Sender send);

  // Opens, updates or closes what the view names.
  void Show(const SessionView& view);

  QDialog* OpenDialog() const { return dialog_; }
  QMessageBox* OpenPrompt() const { return prompt_; }

 private:
  void ShowDialog(const DialogView& dialog);
  void ShowPrompt(const std::optional<PromptView>& prompt);
  QDialog* Make(const DialogView& dialog);
  QDialog* MakeFileDialog(const DialogView& dialog);
  QDialog* MakeBookmarks(const DialogView& dialog);
  QDialog* MakeNetworkGame(const DialogView& dialog);
  void Refuse(const DialogView& dialog);
  // Closed by the session: no answer goes back.
  static void Dismiss(QDialog* dialog);
  void Answer(SessionEvent event);

  QWidget& window_;
  const clsGameSession& session_;
  SessionServices services_;
  clsQtPrinterSystem printers_;
  Sender send_;
  QPointer<QDialog> dialog_;
  int dialogId_ = 0;
  QPointer<QMessageBox> prompt_;
  int promptId_ = 0;
};

}  // namespace glyph
