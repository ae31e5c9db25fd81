#pragma once
// Text written by the command line for people and programs: the width of a
// text in a terminal, for aligned columns, and JSON in which every number
// reads back exactly.

#include <nlohmann/json.hpp>
#include <string>

namespace varnholt::project {

/// Display width in a terminal: full-width characters take two columns,
/// half-width katakana one.
int TerminalWidth(const std::string& text);

/// The text padded with blanks to `columns` terminal columns.
std::string PadTo(std::string text, int columns);

/// The document with every number in 17 significant digits, so that every
/// double is written exactly; JSON has no NaN or infinity, so those are
/// null. Strings are escaped by the JSON library.
std::string ExactJson(const nlohmann::ordered_json& j);

}  // namespace varnholt::project
