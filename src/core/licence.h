// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace glyph {

// What both programs say of their licence after their version.
inline constexpr char kLicenceNotice[] =
    "Copyright 2026 The Glyphmatic developers.\n"
    "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

}  // namespace glyph
