// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/game_record.h"

#include <chrono>

#include "core/clock_text.h"

namespace glyph {

void clsGameRecord::Start(std::string category, std::int64_t now) {
  if (!category_.empty()) End(false, now);  // left unfinished
  category_ = std::move(category);
  helped_ = false;
  clock_.Restart(now);
  clock_.Show();
  if (!category_.empty()) started_(category_);
}

void clsGameRecord::Resume(const KeptGameFacts& facts, std::int64_t now) {
  category_ = facts.category;
  helped_ = facts.helped;
  clock_.Restart(now, facts.elapsedMs);
  clock_.Show();
}

void clsGameRecord::Clear() {
  clock_.Clear();
  category_.clear();
  helped_ = false;
}

void clsGameRecord::End(bool solved, std::int64_t now) {
  clock_.Stop(now);
  if (category_.empty()) return;
  ended_(category_, solved, clock_.ElapsedMs(now) / 1000, !helped_);
  category_.clear();
}

std::string clsGameRecord::ClockText(std::int64_t now) const {
  return clock_.Shown() ? PlayTimeText(std::chrono::milliseconds(clock_.ElapsedMs(now))) : std::string();
}

}  // namespace glyph
