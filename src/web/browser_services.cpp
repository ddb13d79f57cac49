// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's seams: local storage, new tabs, the clipboard and the colour
// scheme, reached through the page's JavaScript.
#include "web/browser_services.h"

#include <emscripten.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>

#include "web/text_codec.h"

namespace glyph {

namespace {

// Local storage may be switched off, full, or refuse a page opened from a
// file: every call answers without throwing. (JavaScript inside, which the
// C++ formatter would break apart.)
// clang-format off
EM_JS(char*, StorageGet, (const char* key), {
  try {
    const value = window.localStorage.getItem(UTF8ToString(key));
    if (value == null) return 0;
    const size = lengthBytesUTF8(value) + 1;
    const buffer = _malloc(size);
    stringToUTF8(value, buffer, size);
    return buffer;
  } catch (e) {
    return 0;
  }
});

EM_JS(int, StorageSet, (const char* key, const char* value), {
  try {
    window.localStorage.setItem(UTF8ToString(key), UTF8ToString(value));
    return 1;
  } catch (e) {
    return 0;
  }
});

EM_JS(void, StorageRemove, (const char* key), {
  try {
    window.localStorage.removeItem(UTF8ToString(key));
  } catch (e) {
  }
});

// The keys that start with prefix, one a line.
EM_JS(char*, StorageKeys, (const char* prefix), {
  try {
    const start = UTF8ToString(prefix);
    const keys = [];
    for (let i = 0; i < window.localStorage.length; ++i) {
      const key = window.localStorage.key(i);
      if (key != null && key.startsWith(start)) keys.push(key);
    }
    const text = keys.join("\n");
    const size = lengthBytesUTF8(text) + 1;
    const buffer = _malloc(size);
    stringToUTF8(text, buffer, size);
    return buffer;
  } catch (e) {
    return 0;
  }
});

// The page shows what the desktop would: it opens tabs and copies text, and
// says so in its own way.
EM_JS(void, PageOpen, (const char* address), { Module["openPage"](UTF8ToString(address)); });
EM_JS(void, PageCopy, (const char* text), { Module["copyText"](UTF8ToString(text)); });
EM_JS(int, PageDark, (), {
  return typeof window.matchMedia == "function" && window.matchMedia("(prefers-color-scheme: dark)").matches ? 1 : 0;
});

// clang-format on

std::optional<std::string> Get(const std::string& key) {
  const std::unique_ptr<char, decltype(&std::free)> value(StorageGet(key.c_str()), &std::free);
  if (!value) return std::nullopt;
  return std::string(value.get());
}

std::string SettingKey(const std::string& section, const std::string& key) {
  return std::string(kStoragePrefix) + "settings:" + section + "/" + key;
}

const std::string kFilePrefix = std::string(kStoragePrefix) + "file:";

}  // namespace

std::string clsBrowserSettings::Read(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) const {
  const std::string name = SettingKey(section, key);
  if (const auto unkept = unkept_.find(name); unkept != unkept_.end()) return unkept->second;
  const std::optional<std::string> value = Get(name);
  return value ? BytesFromUtf8(*value) : defaultValue;
}

void clsBrowserSettings::Write(const std::string& section, const std::string& key, const std::string& value) {
  const std::string name = SettingKey(section, key);
  if (StorageSet(name.c_str(), Utf8FromBytes(value).c_str()) != 0) {
    unkept_.erase(name);
  } else {
    unkept_[name] = value;
  }
}

void clsBrowserDesktop::ShowHelp(const std::string& helpFile, int contextNumber) {
  // The help pages lie beside the page as they lie beside the program.
  const std::string page = std::filesystem::path(helpFile).filename().string() + "#" + std::to_string(contextNumber);
  PageOpen(page.c_str());
}

void clsBrowserDesktop::OpenWebPage(const std::string& address) { PageOpen(address.c_str()); }

void clsBrowserDesktop::CopyText(const std::string& text) { PageCopy(Utf8FromAnsi(text).c_str()); }

bool clsBrowserDesktop::PrefersDark() const { return PageDark() != 0; }

void clsBrowserFolder::Restore() {
  std::error_code error;
  std::filesystem::create_directories(folder_, error);
  const std::unique_ptr<char, decltype(&std::free)> keys(StorageKeys(kFilePrefix.c_str()), &std::free);
  if (!keys) return;  // the browser keeps nothing: the folder is all there is
  std::set<std::string> stored;
  std::istringstream lines(keys.get());
  for (std::string key; std::getline(lines, key);) {
    const std::string name = key.substr(kFilePrefix.size());
    // Only plain names: nothing kept can reach outside the folder.
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) continue;
    const std::optional<std::string> content = Get(key);
    if (!content) continue;
    stored.insert(name);
    const auto kept = kept_.find(name);
    if (kept != kept_.end() && kept->second == *content) continue;
    std::ofstream(folder_ / name, std::ios::binary | std::ios::trunc) << BytesFromUtf8(*content);
    kept_[name] = *content;
  }
  for (auto kept = kept_.begin(); kept != kept_.end();) {
    if (stored.count(kept->first) > 0) {
      ++kept;
      continue;
    }
    std::filesystem::remove(folder_ / kept->first, error);
    kept = kept_.erase(kept);
  }
}

void clsBrowserFolder::Mirror() {
  std::set<std::string> present;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
    if (!entry.is_regular_file(error)) continue;
    const std::string name = entry.path().filename().string();
    present.insert(name);
    std::ostringstream bytes;
    bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
    const auto kept = kept_.find(name);
    if (kept == kept_.end() || kept->second != Utf8FromBytes(bytes.str())) Keep(name, bytes.str());
  }
  for (auto kept = kept_.begin(); kept != kept_.end();) {
    if (present.count(kept->first) > 0) {
      ++kept;
      continue;
    }
    StorageRemove((kFilePrefix + kept->first).c_str());
    kept = kept_.erase(kept);
  }
}

bool clsBrowserFolder::Keep(const std::string& name, const std::string& bytes) {
  const std::string content = Utf8FromBytes(bytes);
  if (StorageSet((kFilePrefix + name).c_str(), content.c_str()) == 0) return false;
  kept_[name] = content;
  return true;
}

WriteOutcome clsBrowserFileWriter::WriteWhole(const std::filesystem::path& file, const std::string& content,
                                              LinkRule links) {
  if (file.parent_path().lexically_normal() == folder_.Folder().lexically_normal() &&
      !folder_.Keep(file.filename().string(), content)) {
    failure_ = refusal_();
    return WriteOutcome::Failed;
  }
  const WriteOutcome outcome = files_.WriteWhole(file, content, links);
  failure_ = files_.LastFailure();
  return outcome;
}

}  // namespace glyph
