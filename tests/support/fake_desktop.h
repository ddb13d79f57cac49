// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "core/cls_desktop.h"
#include "storage/file_association.h"

namespace glyph {

// Records what the game asks of the desktop.
class clsRecordingDesktop : public clsDesktop {
 public:
  void ShowHelp(const std::string& helpFile, int contextNumber) override {
    helpShown.push_back({helpFile, contextNumber});
  }
  void OpenWebPage(const std::string& address) override { pagesOpened.push_back(address); }

  std::vector<std::pair<std::string, int>> helpShown;
  std::vector<std::string> pagesOpened;
};

class clsRecordingRegistrar : public clsFileTypeRegistrar {
 public:
  void RegisterFileType(const std::string& extension, const std::string& appName,
                        const std::string& programPath) override {
    registrations.push_back(extension + " " + appName + " " + programPath);
  }
  std::vector<std::string> registrations;
};

}  // namespace glyph
