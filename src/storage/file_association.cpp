// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/file_association.h"

#include <algorithm>
#include <vector>

#include "storage/cls_settings_store.h"
#include "storage/settings_table.h"

namespace glyph {

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; });
  return text;
}

std::string XmlEscaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// A program path as one argument of an Exec line: quoted when it holds
// anything the desktop would otherwise split or expand.
std::string ExecArgument(const std::string& path) {
  if (path.find_first_of(" \t\n\"'\\><~|&;$*?#()`=%") == std::string::npos) return path;
  std::string quoted = "\"";
  for (char c : path) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  // Inside the quotes a backslash escape is itself escaped in the key's value.
  std::string value;
  for (char c : quoted) {
    if (c == '\\') value += '\\';
    if (c == '%') value += '%';
    value += c;
  }
  return value;
}

}  // namespace

void RegisterFileTypeOnce(clsSettingsStore& settings, clsFileTypeRegistrar& registrar,
                          const std::string& programFolder) {
  if (!ReadSetting(settings, Setting::Association).empty()) return;
  registrar.RegisterFileType(kSaveGameExtension, kAppName, programFolder + "/" + kProgramFileName);
  WriteSetting(settings, Setting::Association, "Yes");
}

std::string MimeTypeName(const std::string& appName) { return "application/x-" + Lower(appName); }

std::string MimePackageXml(const std::string& extension, const std::string& appName) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
         "  <mime-type type=\"" +
         XmlEscaped(MimeTypeName(appName)) +
         "\">\n"
         "    <comment>" +
         XmlEscaped(appName + " Document") +
         "</comment>\n"
         "    <glob pattern=\"*." +
         XmlEscaped(extension) +
         "\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

std::string DesktopEntry(const std::string& appName, const std::string& programPath) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=" +
         appName +
         "\n"
         "Comment=Find the digit behind every symbol\n"
         "Comment[de]=Finden Sie die Ziffer hinter jedem Symbol\n"
         "Exec=" +
         ExecArgument(programPath) +
         " %f\n"
         "Icon=" +
         Lower(appName) +
         "\n"
         "Terminal=false\n"
         "Categories=Game;LogicGame;\n"
         "MimeType=" +
         MimeTypeName(appName) +
         ";\n"
         "Keywords=puzzle;logic;symbols;digits;\n";
}

std::vector<std::string> DataDirectories(const std::string& xdgDataDirs) {
  std::vector<std::string> folders;
  std::size_t start = 0;
  while (start <= xdgDataDirs.size()) {
    const std::size_t end = std::min(xdgDataDirs.find(':', start), xdgDataDirs.size());
    // Only absolute folders count; a relative one is ignored, as the rules say.
    if (end > start && xdgDataDirs[start] == '/') folders.push_back(xdgDataDirs.substr(start, end - start));
    start = end + 1;
  }
  if (folders.empty()) folders = {"/usr/local/share", "/usr/share"};
  return folders;
}

std::vector<std::string> SystemEntryFiles(const std::string& appName, const std::string& xdgDataDirs) {
  std::vector<std::string> files;
  for (const std::string& folder : DataDirectories(xdgDataDirs)) {
    files.push_back(folder + "/applications/" + Lower(appName) + ".desktop");
    files.push_back(folder + "/mime/packages/" + Lower(appName) + ".xml");
  }
  return files;
}

}  // namespace glyph
