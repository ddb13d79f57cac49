// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/file_association.h"

namespace glyph {

// The file association on a Linux desktop, per user: a shared-MIME-info
// package in $XDG_DATA_HOME/mime/packages and a desktop entry in
// $XDG_DATA_HOME/applications ($XDG_DATA_HOME defaults to ~/.local/share),
// then the desktop's MIME and desktop databases are refreshed where their
// tools exist. Nothing is written while a system-wide entry exists (an
// installed package): the user's copy would hide it. Failures are not
// reported.
class clsXdgFileTypeRegistrar : public clsFileTypeRegistrar {
 public:
  void RegisterFileType(const std::string& extension, const std::string& appName,
                        const std::string& programPath) override;
};

}  // namespace glyph
