// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "print/cls_page_device.h"

namespace glyph {

// A page device that records what is drawn where. Text is measured as 100
// twips a character and 200 high, so centring can be checked exactly.
class clsRecordingPageDevice : public clsPageDevice {
 public:
  struct Drawn {
    enum Kind { Text, Glyph, Box } kind;
    int page;
    int x, y;
    std::string text;  // Text
    PrintFont font;    // Text
    PrintGlyph glyph;  // Glyph
    int x2 = 0, y2 = 0;
  };

  clsRecordingPageDevice(int width, int height) : width_(width), height_(height) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetFont(const PrintFont& font) override { font_ = font; }
  int TextWidth(const std::string& text) override { return 100 * static_cast<int>(text.size()); }
  int TextHeight(const std::string&) override { return 200; }
  void DrawText(int x, int y, const std::string& text) override {
    drawn.push_back({Drawn::Text, pages, x, y, text, font_, {}});
  }
  void DrawGlyph(const PrintGlyph& glyph, int x, int y, int width, int height) override {
    drawn.push_back({Drawn::Glyph, pages, x, y, "", {}, glyph, x + width, y + height});
  }
  void FillBox(int x1, int y1, int x2, int y2, Colour) override {
    drawn.push_back({Drawn::Box, pages, x1, y1, "", {}, {}, x2, y2});
  }
  void NewPage() override { ++pages; }
  void EndDoc() override { ended = true; }

  // The puzzles' captions, on one page or (0) on all.
  std::vector<std::string> Captions(int page = 0) const {
    std::vector<std::string> captions;
    for (const Drawn& d : drawn) {
      // "Puzzle 3", without the level that follows it.
      if (d.kind == Drawn::Text && d.text.rfind("Puzzle ", 0) == 0 && (page == 0 || d.page == page)) {
        captions.push_back(d.text.substr(0, d.text.find(" (")));
      }
    }
    return captions;
  }

  std::vector<Drawn> drawn;
  int pages = 1;
  bool ended = false;

 private:
  int width_;
  int height_;
  PrintFont font_;
};

}  // namespace glyph
