#pragma once

#include <memory>

#include "print/cls_printer_system.h"
#include "support/recording_page_device.h"

namespace glyph {

// Printers for window tests: whether one is installed, and a recording page
// that the test keeps, or a cancelled print dialog.
class clsFakePrinterSystem : public clsPrinterSystem {
 public:
  bool installed = true;
  bool pdf = false;
  bool cancelDialog = false;
  int chosenStyle = -1;
  clsRecordingPageDevice page{2 * 4800 + 300, 400 + 6800 + 100};

  bool HasPrinter() override { return installed; }
  bool CanWritePdf() override { return pdf; }
  std::unique_ptr<clsPageDevice> ChoosePrinter(int style) override {
    chosenStyle = style;
    if (cancelDialog) return nullptr;
    return std::make_unique<Forward>(page);
  }

 private:
  class Forward : public clsPageDevice {
   public:
    explicit Forward(clsPageDevice& target) : target_(target) {}
    int Width() const override { return target_.Width(); }
    int Height() const override { return target_.Height(); }
    void SetFont(const PrintFont& font) override { target_.SetFont(font); }
    int TextWidth(const std::string& text) override { return target_.TextWidth(text); }
    int TextHeight(const std::string& text) override { return target_.TextHeight(text); }
    void DrawText(int x, int y, const std::string& text) override { target_.DrawText(x, y, text); }
    void DrawGlyph(const PrintGlyph& glyph, int x, int y, int w, int h) override {
      target_.DrawGlyph(glyph, x, y, w, h);
    }
    void FillBox(int x1, int y1, int x2, int y2, Colour colour) override { target_.FillBox(x1, y1, x2, y2, colour); }
    void NewPage() override { target_.NewPage(); }
    void EndDoc() override { target_.EndDoc(); }

   private:
    clsPageDevice& target_;
  };
};

}  // namespace glyph
