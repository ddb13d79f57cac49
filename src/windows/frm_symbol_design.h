// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's design: where everything stands at its designed size.
#pragma once

#include <QRect>
#include <QSize>
#include <array>

namespace glyph::design {

// Positions are designed in twips; 15 twips make one pixel at 96 dots per
// inch, and Qt scales pixels for denser screens.
constexpr int Px(int twips) { return twips / 15; }

constexpr int kDigitCell = Px(375);
constexpr std::array<int, 3> kNumberColumns{Px(90), Px(2160), Px(4230)};  // hundreds of the 1st, 2nd, 3rd number
constexpr int kDigitPitch = Px(450);
constexpr std::array<int, 3> kRowTops{Px(90), Px(1080), Px(1665)};
constexpr int kOpVertLeft = Px(1575);
constexpr int kEqualLeft = Px(3645);
constexpr int kOpHorzTop = Px(585);
constexpr int kRasterCell = Px(420);

constexpr QRect kPuzzlePanel(Px(45), Px(45), Px(5685), Px(2175));
constexpr QRect kGridPanel(Px(45), Px(2250), Px(5685), Px(4560));
constexpr int kNoteHeight = 96;  // the least room for a hint under the grid: about five lines
constexpr int kStatusHeight = 18;
// Under the grid: the code and clock line, and the least room of a note.
constexpr int kBelowGrid = 3 + kStatusHeight + 1 + kNoteHeight + 4;
constexpr QSize kFrameAllowance(16, 48);    // a window manager's frame and title bar
constexpr QSize kSmallestWindow(440, 500);  // beside a browser on a small screen
constexpr double kMostColumnGrowth = 1.35;  // buttons beyond this look swollen
constexpr int kButtonLeft = Px(5685) + Px(45) + 12;
constexpr int kButtonWidth = 156;
constexpr int kButtonHeight = 26;

}  // namespace glyph::design
