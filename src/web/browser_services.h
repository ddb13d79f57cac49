// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "core/cls_desktop.h"
#include "net/cls_datagram_socket.h"
#include "storage/cls_file_writer.h"
#include "storage/cls_settings_store.h"

namespace glyph {

// The browser's versions of the seams a session needs. What the player keeps
// (settings, the unfinished game, the statistics) lives in the browser's
// local storage, under keys that start with kStoragePrefix.
inline constexpr char kStoragePrefix[] = "glyphmatic:";

// The settings in local storage; kept in memory alone where the browser
// keeps nothing (storage switched off).
class clsBrowserSettings : public clsSettingsStore {
 public:
  std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue) const override;
  void Write(const std::string& section, const std::string& key, const std::string& value) override;

 private:
  std::map<std::string, std::string> unkept_;  // what the browser refused to keep
};

// Help pages and web pages open in a new tab beside the game; the clipboard
// and the colour scheme are the browser's.
class clsBrowserDesktop : public clsDesktop {
 public:
  void ShowHelp(const std::string& helpFile, int contextNumber) override;
  void OpenWebPage(const std::string& address) override;
  void CopyText(const std::string& text) override;
  bool PrefersDark() const override;
};

// A page cannot use UDP: races are played in the desktop game.
class clsNoNetwork : public clsDatagramSocket {
 public:
  bool Bind(const std::string&, std::uint16_t) override { return false; }
  std::string BindError() const override { return "a web page cannot use the local network"; }
  void Close() override {}
  void Send(const std::string&, std::uint16_t, const std::string&) override {}
};

// The player's data folder, an in-memory folder of the page, mirrored into
// local storage: every file the game writes there is kept as it is written,
// and comes back into the folder when the page is opened again. Before each
// event the folder takes what another page of the game (another tab) kept
// meanwhile, so that, as two copies of the desktop game do, each adds its
// own statistics to the other's.
class clsBrowserFolder {
 public:
  explicit clsBrowserFolder(std::filesystem::path folder) : folder_(std::move(folder)) {}
  // Brings the folder (made if missing) up to what local storage holds.
  void Restore();
  // Keeps what changed since the last call, and forgets what went.
  void Mirror();
  // Keeps one file's content in local storage; false where the browser
  // refuses it (storage full or switched off).
  bool Keep(const std::string& name, const std::string& bytes);
  const std::filesystem::path& Folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
  std::map<std::string, std::string> kept_;  // file name to content, as local storage has them
};

// The writer of the browser edition. A file of the player's folder goes to
// local storage first and into the folder only once the browser has taken
// it: a full or switched-off storage fails the write, as a full disk does on
// the desktop, and the file stays as it was (the session says so).
class clsBrowserFileWriter : public clsFileWriter {
 public:
  // refusal: why the browser refused, in the player's language.
  clsBrowserFileWriter(clsBrowserFolder& folder, std::function<std::string()> refusal)
      : folder_(folder), refusal_(std::move(refusal)) {}
  WriteOutcome WriteWhole(const std::filesystem::path& file, const std::string& content,
                          LinkRule links = LinkRule::WriteThrough) override;
  std::string LastFailure() const override { return failure_; }

 private:
  clsBrowserFolder& folder_;
  std::function<std::string()> refusal_;
  clsAtomicFileWriter files_;
  std::string failure_;
};

}  // namespace glyph
