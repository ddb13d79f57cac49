// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace glyph {

class clsSettingsStore;

// Registers a file type with the desktop so that opening such a file starts
// the program with it.
class clsFileTypeRegistrar {
 public:
  virtual ~clsFileTypeRegistrar() = default;
  // extension without the dot ("gly"), the application name ("Glyphmatic")
  // and the program to open the files with.
  virtual void RegisterFileType(const std::string& extension, const std::string& appName,
                                const std::string& programPath) = 0;
};

inline constexpr char kSaveGameExtension[] = "gly";
inline constexpr char kAppName[] = "Glyphmatic";
inline constexpr char kProgramFileName[] = "glyphmatic";

// The start-up step: unless "Association" is set, register the saved-game
// type for the program in programFolder, then set "Association" to "Yes"
// whatever came of it, so that it is tried once per user.
void RegisterFileTypeOnce(clsSettingsStore& settings, clsFileTypeRegistrar& registrar,
                          const std::string& programFolder);

// The MIME type name, "application/x-glyphmatic".
std::string MimeTypeName(const std::string& appName);
// The shared-MIME-info package declaring the type, its glob and description
// (appName + " Document").
std::string MimePackageXml(const std::string& extension, const std::string& appName);
// The desktop entry that opens files of the type with the program: names,
// comments in English and German, icon, categories, keywords and the type.
// The package installs the same entry with Exec=glyphmatic.
std::string DesktopEntry(const std::string& appName, const std::string& programPath);

// The folders of $XDG_DATA_DIRS (absolute ones, in order), or the default
// /usr/local/share and /usr/share when it names none.
std::vector<std::string> DataDirectories(const std::string& xdgDataDirs);
// Where a system-wide installation (the package) keeps its desktop entry and
// MIME package: while any of them exists, the user needs no copies.
std::vector<std::string> SystemEntryFiles(const std::string& appName, const std::string& xdgDataDirs);

}  // namespace glyph
