// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/cls_catalogue.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "i18n/ansi_case.h"
#include "storage/cls_crypt.h"
#include "storage/text_lines.h"

namespace glyph {

namespace {

constexpr std::string_view kSwitchPrefix = "[Language:";
constexpr std::string_view kFilePattern = ".tsp";

bool IsLanguageFile(const std::filesystem::directory_entry& entry) {
  const std::string name = entry.path().filename().string();
  return name.size() > kFilePattern.size() &&
         name.compare(name.size() - kFilePattern.size(), kFilePattern.size(), kFilePattern) == 0;
}

}  // namespace

std::vector<std::filesystem::path> clsCatalogue::LoadLanguages(const std::filesystem::path& folder) {
  Clear();
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (IsLanguageFile(entry)) files.push_back(entry.path());
  }
  // The listing order of a folder is arbitrary; names give a stable one.
  std::sort(files.begin(), files.end());
  std::vector<std::filesystem::path> unreadable;
  for (const auto& file : files) {
    if (!ReadLanguageFile(file)) unreadable.push_back(file);
  }
  return unreadable;
}

bool clsCatalogue::ReadLanguageFile(const std::filesystem::path& file) {
  // Only a regular file (a link is followed): a pipe or a device beside the
  // program would hang or flood the start-up.
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error || size > kLargestFile) return false;
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return false;
  std::ostringstream content;
  content << stream.rdbuf();
  if (stream.bad()) return false;
  ReadLanguageContent(content.str());
  return true;
}

void clsCatalogue::ReadLanguageContent(const std::string& content) {
  std::vector<std::string> plain;
  for (const std::string& line : SplitTextLines(content)) plain.push_back(clsCrypt::Decrypt(line, languageKey_));
  ReadPlainLines(plain);
}

void clsCatalogue::ReadPlainLines(const std::vector<std::string>& lines) {
  bool headerSeen = false;
  for (const std::string& line : lines) ReadPlainLine(line, headerSeen);
  // Ordinal order of the names, which all differ.
  std::sort(languages_.begin(), languages_.end(),
            [](const auto& a, const auto& b) { return a->Sprache() < b->Sprache(); });
}

void clsCatalogue::ReadPlainLine(std::string_view line, bool& headerSeen) {
  if (!headerSeen) {
    headerSeen = line == kHeader;
    return;
  }
  if (!line.empty() && line.front() == '(') {
    // "(" alone has no inner text and declares nothing.
    if (line.size() >= 2) Declare(line.substr(1, line.size() - 2));
  } else if (line.substr(0, kSwitchPrefix.size()) == kSwitchPrefix) {
    // "[Language:" alone names nothing and leaves the target as it was.
    if (line.size() > kSwitchPrefix.size()) {
      current_ = FindLanguage(line.substr(kSwitchPrefix.size(), line.size() - kSwitchPrefix.size() - 1));
    }
  } else if (current_ != nullptr) {
    current_->AddModuleAndItem(line);
  }
}

void clsCatalogue::Declare(std::string_view inner) {
  const std::size_t bar = inner.find('|');
  const std::string_view name = inner.substr(0, bar);
  const std::string_view code = bar == std::string_view::npos ? std::string_view{} : inner.substr(bar + 1);
  if (FindLanguage(name) != nullptr) return;  // the first declaration of a name wins
  languages_.push_back(std::make_unique<clsTranslation>(std::string(name), std::string(code)));
  byUpperName_.emplace(AnsiUpper(name), languages_.back().get());
}

void clsCatalogue::Clear() {
  current_ = nullptr;
  languages_.clear();
  byUpperName_.clear();
}

clsTranslation* clsCatalogue::FindLanguage(std::string_view name) const {
  const auto found = byUpperName_.find(AnsiUpper(name));
  return found == byUpperName_.end() ? nullptr : found->second;
}

std::string clsCatalogue::GetTranslation(std::string_view moduleName, std::string_view itemName,
                                         std::string_view defaultText) const {
  if (current_ == nullptr) return std::string(defaultText);
  const clsModule* module = current_->FindModule(moduleName);
  if (module == nullptr) return std::string(defaultText);
  const clsItem* item = module->FindItem(itemName);
  return item == nullptr ? std::string(defaultText) : item->Translation;
}

}  // namespace glyph
