#pragma once

#include <string>

class QWidget;

namespace glyph {

// What the main window asks of the desktop beyond settings and messages.
class clsDesktop {
 public:
  virtual ~clsDesktop() = default;
  // Opens a help page at the topic of a context number.
  virtual void ShowHelp(const std::string& helpFile, int contextNumber) = 0;
  // Opens a web address in the default browser; failures are not reported.
  virtual void OpenWebPage(const std::string& address) = 0;
};

// The real desktop: help in a window of the program's own, web pages in the
// desktop's browser.
class clsQtDesktop : public clsDesktop {
 public:
  explicit clsQtDesktop(QWidget* owner = nullptr) : owner_(owner) {}
  void SetOwner(QWidget* owner) { owner_ = owner; }
  void ShowHelp(const std::string& helpFile, int contextNumber) override;
  void OpenWebPage(const std::string& address) override;

 private:
  QWidget* owner_;
};

}  // namespace glyph
