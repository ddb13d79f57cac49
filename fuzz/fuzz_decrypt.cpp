// SPDX-License-Identifier: GPL-3.0-or-later
// Any text deciphered under each key: never a crash, never a read outside
// the text, and a plain text no longer than half the cipher text (plus one).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "storage/cipher_keys.h"
#include "storage/cls_crypt.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (std::int32_t key : {glyph::kSaveGameKey, glyph::kLanguageFileKey, glyph::kNetworkKey, 1, 0, -7}) {
    const std::string plain = glyph::clsCrypt::Decrypt(text, key);
    if (plain.size() > text.size() / 2 + 1) std::abort();
  }
  return 0;
}
