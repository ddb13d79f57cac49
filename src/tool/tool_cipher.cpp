// SPDX-License-Identifier: GPL-3.0-or-later
// glyphtool encrypt and decrypt.
#include <QString>

#include "core/cls_system_random.h"
#include "platform/ansi_text.h"
#include "storage/cipher_keys.h"
#include "storage/cls_crypt.h"
#include "tool/tool_args.h"
#include "tool/tool_verbs.h"

namespace glyph {

namespace {

std::int32_t KeyFromArgs(const ToolArgs& args) {
  if (!args.Has("key")) return kSaveGameKey;
  const std::string& name = args.options.at("key");
  if (name == "savegame") return kSaveGameKey;
  if (name == "language") return kLanguageFileKey;
  if (name == "network") return kNetworkKey;
  return static_cast<std::int32_t>(ParseInteger("key", name, kSmallestKey, kLargestKey));
}

}  // namespace

void VerbEncrypt(const std::vector<std::string>& args, std::ostream& out) {
  const ToolArgs parsed = ParseToolArgs(args, {"key"});
  ExpectPositionals(parsed, 1, "one text to encipher");
  const std::int32_t key = KeyFromArgs(parsed);
  bool lossy = false;
  const std::string plain = ToAnsi(QString::fromUtf8(parsed.positionals[0]), &lossy);
  if (lossy) throw clsToolError("the text has a character outside the Windows-1252 set");
  clsSystemRandom random;
  out << clsCrypt(random).Encrypt(plain, key) << "\n";
}

void VerbDecrypt(const std::vector<std::string>& args, std::ostream& out) {
  const ToolArgs parsed = ParseToolArgs(args, {"key"});
  ExpectPositionals(parsed, 1, "one cipher text to decipher");
  const std::int32_t key = KeyFromArgs(parsed);
  out << FromAnsi(clsCrypt::Decrypt(parsed.positionals[0], key)).toStdString() << "\n";
}

}  // namespace glyph
