// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <string>
#include <vector>

namespace glyph::test {

// The reference cases of tests/data/core_vectors.json, read once.
const QJsonObject& CoreVectors();
// One list of cases, for example Cases("cipher", "encrypt").
QJsonArray Cases(const char* group, const char* list);

// A JSON string whose characters are the 8-bit codes 0..255, as bytes.
std::string Bytes(const QJsonValue& value);
std::vector<int> Ints(const QJsonValue& value);

}  // namespace glyph::test
