// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/vectors.h"

#include <QFile>
#include <QJsonDocument>
#include <stdexcept>

namespace glyph::test {

const QJsonObject& CoreVectors() {
  static const QJsonObject vectors = [] {
    QFile file(QStringLiteral(GLYPH_TEST_DATA "/core_vectors.json"));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot open core_vectors.json");
    return QJsonDocument::fromJson(file.readAll()).object();
  }();
  return vectors;
}

QJsonArray Cases(const char* group, const char* list) {
  const QJsonArray cases = CoreVectors()[group].toObject()[list].toArray();
  if (cases.isEmpty()) throw std::runtime_error(std::string("no reference cases for ") + group + "." + list);
  return cases;
}

std::string Bytes(const QJsonValue& value) {
  std::string bytes;
  for (QChar c : value.toString()) bytes += static_cast<char>(static_cast<unsigned char>(c.unicode()));
  return bytes;
}

std::vector<int> Ints(const QJsonValue& value) {
  std::vector<int> ints;
  for (const QJsonValue& v : value.toArray()) ints.push_back(v.toInt());
  return ints;
}

}  // namespace glyph::test
