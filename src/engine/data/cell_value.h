#pragma once
// How the data table reads the text of one cell: as a number, as missing, or as text.
// The derivation of the numeric store and the file reader both read cells this way.

#include <string_view>

namespace vostrel {

enum class CellKind { Number, Missing, Text };

// Thousands separators and currency signs are dropped; any character outside the numeric
// set makes the cell text; blanks, lone points and numeric-looking text that does not
// convert are missing. `value` is set only for a number.
CellKind ReadCell(std::string_view text, double& value);

}  // namespace vostrel
