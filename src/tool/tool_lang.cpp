// SPDX-License-Identifier: GPL-3.0-or-later
// glyphtool lang compile / decompile / show, and lcid.
#include <QJsonArray>
#include <QString>
#include <fstream>
#include <sstream>

#include "core/cls_system_random.h"
#include "i18n/ansi_case.h"
#include "i18n/cls_catalogue.h"
#include "i18n/language_choice.h"
#include "platform/ansi_text.h"
#include "storage/cls_crypt.h"
#include "storage/cls_file_writer.h"
#include "storage/cls_memory_settings.h"
#include "storage/settings_table.h"
#include "tool/tool_args.h"
#include "tool/tool_json.h"
#include "tool/tool_verbs.h"

namespace glyph {

namespace {

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream stream(path, std::ios::binary);
  if (!stream) throw clsToolError("cannot read " + path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(stream, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

void Compile(const ToolArgs& args, std::ostream& out) {
  ExpectPositionals(args, 2, "SOURCE and OUT.tsp: glyphtool lang compile SOURCE OUT.tsp");
  const std::vector<std::string> source = ReadLines(args.positionals[0]);
  clsSystemRandom random;
  clsCrypt crypt(random);
  std::string enciphered;
  for (std::size_t i = 0; i < source.size(); ++i) {
    bool lossy = false;
    const std::string plain = ToAnsi(QString::fromUtf8(source[i]), &lossy);
    if (lossy) {
      throw clsToolError(args.positionals[0] + ":" + std::to_string(i + 1) +
                         ": a character outside the Windows-1252 set");
    }
    enciphered += crypt.Encrypt(plain, kLanguageFileKey) + "\r\n";
  }
  clsAtomicFileWriter writer;
  ExpectWritten(writer.WriteWhole(args.positionals[1], enciphered), args.positionals[1], writer);
  QJsonObject result;
  result["file"] = QString::fromStdString(args.positionals[1]);
  result["lines"] = static_cast<qint64>(source.size());
  out << JsonLine(result);
}

void Decompile(const ToolArgs& args, std::ostream& out) {
  ExpectPositionals(args, 1, "one language file: glyphtool lang decompile FILE.tsp");
  for (const std::string& line : ReadLines(args.positionals[0])) {
    out << FromAnsi(clsCrypt::Decrypt(line, kLanguageFileKey)).toStdString() << "\n";
  }
}

QJsonValue NameOrNull(const clsTranslation* language) {
  return language == nullptr ? QJsonValue(QJsonValue::Null) : QJsonValue(FromAnsi(language->Sprache()));
}

QJsonArray DescribeLanguages(const clsCatalogue& catalogue) {
  QJsonArray languages;
  for (const auto& language : catalogue.CollLanguages()) {
    QJsonArray modules;
    for (const clsModule& module : language->CollModule()) {
      QJsonArray items;
      for (const clsItem& item : module.CollItems()) {
        items.append(QJsonObject{{"name", FromAnsi(item.ItemName)}, {"text", FromAnsi(item.Translation)}});
      }
      modules.append(QJsonObject{{"name", FromAnsi(module.ModuleName())}, {"items", items}});
    }
    languages.append(QJsonObject{
        {"name", FromAnsi(language->Sprache())}, {"code", FromAnsi(language->Code())}, {"modules", modules}});
  }
  return languages;
}

struct Lookup {
  std::string module, item, defaultText;
};

std::string Ansi(const std::string& utf8) { return ToAnsi(QString::fromUtf8(utf8)); }

// lang show takes "--lookup MODULE ITEM DEFAULT" (three values, repeatable),
// which the common option reader does not, so it reads its own arguments.
void Show(const std::vector<std::string>& args, std::ostream& out) {
  std::vector<std::string> files;
  std::vector<Lookup> lookups;
  const std::string* stored = nullptr;
  const std::string* locale = nullptr;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.rfind("--", 0) != 0) {
      files.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--lookup") {
      if (i + 3 >= args.size()) throw clsToolError("--lookup takes MODULE ITEM DEFAULT");
      lookups.push_back({args[i + 1], args[i + 2], args[i + 3]});
      i += 3;
    } else if (arg == "--stored" || arg == "--locale") {
      if (i + 1 >= args.size()) throw clsToolError("option " + arg + " needs a value");
      (arg == "--stored" ? stored : locale) = &args[++i];
    } else {
      throw clsToolError("unknown option " + arg);
    }
  }
  if (files.empty()) throw clsToolError("expected one or more language files");

  clsCatalogue catalogue;
  for (const std::string& file : files) {
    if (!catalogue.ReadLanguageFile(file)) throw clsToolError("cannot read " + file);
  }
  QJsonObject result;
  result["languages"] = DescribeLanguages(catalogue);
  result["current_after_reading"] = NameOrNull(catalogue.CurrentTranslation());
  result["chosen"] = QJsonValue::Null;
  result["written"] = QJsonValue::Null;
  if (stored != nullptr || locale != nullptr) {
    clsMemorySettings settings;
    if (stored != nullptr) WriteSetting(settings, Setting::Language, Ansi(*stored));
    ChooseLanguage(catalogue, settings, locale == nullptr ? "" : Ansi(*locale));
    result["chosen"] = NameOrNull(catalogue.CurrentTranslation());
    if (catalogue.CurrentTranslation() != nullptr) {
      result["written"] = FromAnsi(ReadSetting(settings, Setting::Language));
    }
  }
  QJsonArray lookupResults;
  for (const Lookup& lookup : lookups) {
    lookupResults.append(QJsonObject{
        {"module", QString::fromStdString(lookup.module)},
        {"item", QString::fromStdString(lookup.item)},
        {"default", QString::fromStdString(lookup.defaultText)},
        {"result",
         FromAnsi(catalogue.GetTranslation(Ansi(lookup.module), Ansi(lookup.item), Ansi(lookup.defaultText)))}});
  }
  result["lookups"] = lookupResults;
  out << JsonLine(result);
}

}  // namespace

void VerbLang(const std::vector<std::string>& args, std::ostream& out) {
  if (args.empty()) throw clsToolError("expected compile, decompile or show");
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (args[0] == "compile") return Compile(ParseToolArgs(rest, {}), out);
  if (args[0] == "decompile") return Decompile(ParseToolArgs(rest, {}), out);
  if (args[0] == "show") return Show(rest, out);
  throw clsToolError("unknown lang verb \"" + args[0] + "\"; expected compile, decompile or show");
}

void VerbLcid(const std::vector<std::string>& args, std::ostream& out) {
  const ToolArgs parsed = ParseToolArgs(args, {});
  if (parsed.positionals.empty()) throw clsToolError("expected one or more language identifiers");
  for (const std::string& id : parsed.positionals) {
    const std::string code = LcidToLocaleCode(id);
    out << JsonLine(QJsonObject{{"id", QString::fromStdString(id)},
                                {"code", QString::fromStdString(code)},
                                {"prefix", QString::fromStdString(AnsiUpper(code.substr(0, 2)))}});
  }
}

}  // namespace glyph
