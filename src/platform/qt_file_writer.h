// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/cls_file_writer.h"

namespace glyph {

// Whole files through Qt's QSaveFile.
class clsQtFileWriter : public clsFileWriter {
 public:
  WriteOutcome WriteWhole(const std::filesystem::path& file, const std::string& content) override;
};

}  // namespace glyph
