// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/locale_table.h"

namespace glyph {

// Language identifiers (hexadecimal, upper case, no leading zeros) and their
// locale codes.
const std::array<LocaleRow, kLocaleRows>& LocaleTable() {
  static const std::array<LocaleRow, kLocaleRows> table{{
      {"36", "af"},        {"436", "af-za"},  {"1C", "sq"},      {"41C", "sq-al"},    {"1", "ar"},
      {"1401", "ar-dz"},   {"3C01", "ar-bh"}, {"C01", "ar-eg"},  {"801", "ar-iq"},    {"2C01", "ar-jo"},
      {"3401", "ar-kw"},   {"3001", "ar-lb"}, {"1001", "ar-ly"}, {"1801", "ar-ma"},   {"2001", "ar-om"},
      {"4001", "ar-qa"},   {"401", "ar-sa"},  {"2801", "ar-sy"}, {"1C01", "ar-tn"},   {"3801", "ar-ae"},
      {"2401", "ar-ye"},   {"2B", "hy"},      {"42B", "hy-am"},  {"2C", "az"},        {"82C", "cy-az-az"},
      {"42C", "lt-az-az"}, {"2D", "eu"},      {"42D", "eu-es"},  {"23", "be"},        {"423", "be-by"},
      {"2", "bg"},         {"402", "bg-bg"},  {"3", "ca"},       {"403", "ca-es"},    {"C04", "zh-hk"},
      {"1404", "zh-mo"},   {"804", "zh-cn"},  {"4", "zh-chs"},   {"1004", "zh-sg"},   {"404", "zh-tw"},
      {"7C04", "zh-cht"},  {"1A", "hr"},      {"41A", "hr-hr"},  {"5", "cs"},         {"405", "cs-cz"},
      {"6", "da"},         {"406", "da-dk"},  {"65", "div"},     {"465", "div-mv"},   {"13", "nl"},
      {"813", "nl-be"},    {"413", "nl-nl"},  {"9", "en"},       {"C09", "en-au"},    {"2809", "en-bz"},
      {"1009", "en-ca"},   {"2409", "en-cb"}, {"1809", "en-ie"}, {"2009", "en-jm"},   {"1409", "en-nz"},
      {"3409", "en-ph"},   {"1C09", "en-za"}, {"2C09", "en-tt"}, {"809", "en-gb"},    {"409", "en-us"},
      {"3009", "en-zw"},   {"25", "et"},      {"425", "et-ee"},  {"38", "fo"},        {"438", "fo-fo"},
      {"29", "fa"},        {"429", "fa-ir"},  {"B", "fi"},       {"40B", "fi-fi"},    {"C", "fr"},
      {"80C", "fr-be"},    {"C0C", "fr-ca"},  {"40C", "fr-fr"},  {"140C", "fr-lu"},   {"180C", "fr-mc"},
      {"100C", "fr-ch"},   {"56", "gl"},      {"456", "gl-es"},  {"37", "ka"},        {"437", "ka-ge"},
      {"7", "de"},         {"C07", "de-at"},  {"407", "de-de"},  {"1407", "de-li"},   {"1007", "de-lu"},
      {"807", "de-ch"},    {"8", "el"},       {"408", "el-gr"},  {"47", "gu"},        {"447", "gu-in"},
      {"D", "he"},         {"40D", "he-il"},  {"39", "hi"},      {"439", "hi-in"},    {"E", "hu"},
      {"40E", "hu-hu"},    {"F", "is"},       {"40F", "is-is"},  {"21", "id"},        {"421", "id-id"},
      {"10", "it"},        {"410", "it-it"},  {"810", "it-ch"},  {"11", "ja"},        {"411", "ja-jp"},
      {"4B", "kn"},        {"44B", "kn-in"},  {"3F", "kk"},      {"43F", "kk-kz"},    {"57", "kok"},
      {"457", "kok-in"},   {"12", "ko"},      {"412", "ko-kr"},  {"40", "ky"},        {"440", "ky-kz"},
      {"26", "lv"},        {"426", "lv-lv"},  {"27", "lt"},      {"427", "lt-lt"},    {"2F", "mk"},
      {"42F", "mk-mk"},    {"3E", "ms"},      {"83E", "ms-bn"},  {"43E", "ms-my"},    {"4E", "mr"},
      {"44E", "mr-in"},    {"50", "mn"},      {"450", "mn-mn"},  {"14", "no"},        {"414", "nb-no"},
      {"814", "nn-no"},    {"15", "pl"},      {"415", "pl-pl"},  {"16", "pt"},        {"416", "pt-br"},
      {"816", "pt-pt"},    {"46", "pa"},      {"446", "pa-in"},  {"18", "ro"},        {"418", "ro-ro"},
      {"19", "ru"},        {"419", "ru-ru"},  {"4F", "sa"},      {"44F", "sa-in"},    {"C1A", "cy-sr-sp"},
      {"81A", "lt-sr-sp"}, {"1B", "sk"},      {"41B", "sk-sk"},  {"24", "sl"},        {"424", "sl-sl"},
      {"A", "es"},         {"2C0A", "es-ar"}, {"400A", "es-bo"}, {"340A", "es-cl"},   {"240A", "es-co"},
      {"140A", "es-cr"},   {"1C0A", "es-do"}, {"300A", "es-ec"}, {"440A", "es-sv"},   {"100A", "es-gt"},
      {"480A", "es-hn"},   {"80A", "es-mx"},  {"4C0A", "es-ni"}, {"180A", "es-pa"},   {"3C0A", "es-py"},
      {"280A", "es-pe"},   {"500A", "es-pr"}, {"C0A", "es-es"},  {"380A", "es-uy"},   {"200A", "es-ve"},
      {"40A", "es-es"},    {"41", "sw"},      {"441", "sw-ke"},  {"1D", "sv"},        {"81D", "sv-fi"},
      {"41D", "sv-se"},    {"5A", "syr"},     {"45A", "syr-sy"}, {"49", "ta"},        {"449", "ta-in"},
      {"44", "tt"},        {"444", "tt-ta"},  {"4A", "te"},      {"44A", "te-in"},    {"1E", "th"},
      {"41E", "th-th"},    {"1F", "tr"},      {"41F", "tr-tr"},  {"22", "uk"},        {"422", "uk-ua"},
      {"20", "ur"},        {"420", "ur-pk"},  {"43", "uz"},      {"843", "cy-uz-uz"}, {"443", "lt-uz-uz"},
      {"2A", "vi"},        {"42A", "vi-vn"},
  }};
  return table;
}

}  // namespace glyph
