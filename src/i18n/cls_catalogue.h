// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <string_view>
#include <vector>

#include "i18n/cls_translation.h"
#include "storage/cipher_keys.h"

namespace glyph {

// The main window's module: its captions and every text the game's own
// rules show (messages, the race panels, hints, accessible names).
inline constexpr char kMainWindowModule[] = "frmSymbol";

// The translation catalogue: every language read from the language files,
// sorted by name, and the current one. While files are read the current
// language is the target of item lines; afterwards it is the language the
// user interface shows.
//
// A language file is a text file of enciphered lines. Plain lines before the
// header "[GlyphmaLang]" are ignored; after it a line is a declaration
// "(" name "|" code ")", a switch "[Language:" name "]", or an item line
// module "|" item "|" text for the language switched to last.
class clsCatalogue {
 public:
  static constexpr std::string_view kHeader = "[GlyphmaLang]";
  // Far above any real language file; a larger one is not read.
  static constexpr std::uintmax_t kLargestFile = 4u * 1024u * 1024u;

  // The key language files are deciphered with; set first thing at start-up.
  void SetLanguageKey(std::int32_t key) { languageKey_ = key; }
  std::int32_t LanguageKey() const { return languageKey_; }

  // Starts the catalogue anew and reads every "*.tsp" file of the folder, in
  // the order of their names. Returns the files that could not be read; the
  // others are read all the same.
  std::vector<std::filesystem::path> LoadLanguages(const std::filesystem::path& folder);

  // Reads one enciphered language file (CR LF or LF lines). False when it
  // is no regular file, is larger than kLargestFile, or cannot be opened;
  // the catalogue is then unchanged.
  bool ReadLanguageFile(const std::filesystem::path& file);

  // Reads the content of one whole enciphered language file.
  void ReadLanguageContent(const std::string& content);

  // Reads the plain lines of one file, as ReadLanguageFile does after
  // deciphering: the header counts per call.
  void ReadPlainLines(const std::vector<std::string>& lines);

  // Forgets every language; the current language becomes none.
  void Clear();

  // The first language whose name equals name without regard to case.
  clsTranslation* FindLanguage(std::string_view name) const;

  // The text to show: the current language's entry for module and item
  // (names matched without regard to case), which may be empty, or the
  // default when there is no current language or no such entry.
  std::string GetTranslation(std::string_view moduleName, std::string_view itemName,
                             std::string_view defaultText) const;

  const std::vector<std::unique_ptr<clsTranslation>>& CollLanguages() const { return languages_; }
  clsTranslation* CurrentTranslation() const { return current_; }
  void SetCurrentTranslation(clsTranslation* language) { current_ = language; }

 private:
  void Declare(std::string_view inner);
  void ReadPlainLine(std::string_view line, bool& headerSeen);

  std::vector<std::unique_ptr<clsTranslation>> languages_;
  // Every language by its upper-case name, so that declaring many stays
  // linear; the list is put in order once a file is read.
  std::unordered_map<std::string, clsTranslation*> byUpperName_;
  clsTranslation* current_ = nullptr;
  std::int32_t languageKey_ = kLanguageFileKey;
};

}  // namespace glyph
