// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace glyph {

// The desktop's Open and Save file dialogs. Paths are the platform's own
// file names; "" means the player cancelled.
class clsFileChooser {
 public:
  virtual ~clsFileChooser() = default;
  // filter in Qt's form, for example "Glyphmatic (*.gly)".
  virtual std::string ChooseFileToOpen(const std::string& filter) = 0;
  // Adds defaultSuffix to a name typed without one, and asks before
  // replacing an existing file.
  virtual std::string ChooseFileToSave(const std::string& filter, const std::string& defaultSuffix) = 0;
};

}  // namespace glyph
