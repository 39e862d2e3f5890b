#include "engine/data/cell_value.h"

#include <optional>
#include <string>

#include "engine/data/text_rules.h"

namespace vostrel {

CellKind ReadCell(std::string_view text, double& value) {
    // Most cells are plain numbers; they need neither the checks below nor a copy.
    if (std::optional<double> plain = ReadPlainDecimal(text)) {
        value = *plain;
        return CellKind::Number;
    }
    bool strip = false;
    for (char c : text) {
        if (c == ',' || c == '$') {
            strip = true;
        } else if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'E' ||
                     c == 'e' || c == ' ' || c == '\t')) {
            return CellKind::Text;
        }
    }
    std::string stripped;
    if (strip) {
        stripped.reserve(text.size());
        for (char c : text)
            if (c != ',' && c != '$') stripped.push_back(c);
        text = stripped;
    }
    if (text.empty() || text == "." || text == "..") return CellKind::Missing;
    std::optional<double> number = ReadNumber(text);
    if (!number) return CellKind::Missing;
    value = *number;
    return CellKind::Number;
}

}  // namespace vostrel
