// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/dialog_desk.h"

namespace glyph {

void clsDialogDesk::Open(DialogView dialog, Answered answered) {
  view_ = std::move(dialog);
  view_.id = ++lastId_;
  answered_ = std::move(answered);
}

void clsDialogDesk::Answer(const SessionEvent& event) {
  if (!Open() || event.number != view_.id) return;
  DialogView answeredView = view_;
  Answered handler = std::move(answered_);
  Close();
  refused_ = false;
  if (handler) handler(event);
  if (refused_) {
    // The same dialog, still open: its id stays, so the front end keeps it.
    const DialogView refusal = view_;
    view_ = answeredView;
    view_.text = refusal.text;
    view_.error = refusal.error;
    view_.errorField = refusal.errorField;
    answered_ = std::move(handler);
  }
}

void clsDialogDesk::Refuse(std::string typed, std::string error, int field) {
  refused_ = true;
  view_.text = std::move(typed);
  view_.error = std::move(error);
  view_.errorField = field;
}

void clsDialogDesk::Close() {
  view_ = DialogView{};
  answered_ = nullptr;
}

}  // namespace glyph
