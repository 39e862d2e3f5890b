#pragma once
// How the data table reads the text of one cell: as a number, as missing, or as text.
// The derivation of the numeric store and the file reader both read cells this way.

#include <string_view>

#include "engine/data/text_rules.h"

namespace vostrel {

enum class CellKind { Number, Missing, Text };

// ReadCell for every cell that is not a plain decimal.
CellKind ReadOtherCell(std::string_view text, double& value);

// Thousands separators and currency signs are dropped; any character outside the numeric
// set makes the cell text; blanks, lone points and numeric-looking text that does not
// convert are missing. `value` is set only for a number.
inline CellKind ReadCell(std::string_view text, double& value) {
    // Most cells are plain numbers; they need neither the checks below nor a copy.
    if (ReadPlainDecimal(text, value)) return CellKind::Number;
    return ReadOtherCell(text, value);
}

}  // namespace vostrel
