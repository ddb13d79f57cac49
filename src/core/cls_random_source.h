// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace glyph {

// The random source the generator and the cipher draw from. The drawing rules
// (what is reseeded when, and how draws are rounded and rejected) live with the
// callers; a source only has to deliver numbers and take reseeds.
class clsRandomSource {
 public:
  virtual ~clsRandomSource() = default;

  // A uniform number r with 0 <= r < 1.
  virtual double Random() = 0;

  // Mixes a number into the source's state.
  virtual void Reseed(double seed) = 0;

  // The current time of day as a fraction of a day, 0 <= t < 1.
  virtual double TimeOfDay() = 0;
};

}  // namespace glyph
