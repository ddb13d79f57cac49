// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/game_record.h"

#include <chrono>

#include "core/clock_text.h"

namespace glyph {

void clsGameRecord::Start(std::string category, std::int64_t now, bool clockWaits) {
  if (!category_.empty()) End(false, now);  // left unfinished
  category_ = std::move(category);
  touched_ = false;
  helped_ = false;
  clock_.Restart(now);
  clock_.Show();
  clock_.SetHold(clsGameClock::kFirstAction, clockWaits, now);
}

void clsGameRecord::Touch(std::int64_t now) {
  clock_.SetHold(clsGameClock::kFirstAction, false, now);
  if (touched_) return;
  touched_ = true;
  if (!category_.empty()) started_(category_);
}

// A kept game was touched before it was kept: it counts already.
void clsGameRecord::Resume(const KeptGameFacts& facts, std::int64_t now) {
  category_ = facts.category;
  touched_ = true;
  helped_ = facts.helped;
  clock_.Restart(now, facts.elapsedMs);
  clock_.Show();
}

void clsGameRecord::Clear() {
  clock_.Clear();
  category_.clear();
  touched_ = false;
  helped_ = false;
}

void clsGameRecord::End(bool solved, std::int64_t now) {
  clock_.Stop(now);
  if (!category_.empty() && touched_) ended_(category_, solved, clock_.ElapsedMs(now) / 1000, !helped_);
  category_.clear();
}

std::string clsGameRecord::ClockText(std::int64_t now) const {
  return clock_.Shown() ? PlayTimeText(std::chrono::milliseconds(clock_.ElapsedMs(now))) : std::string();
}

}  // namespace glyph
