#include "engine/data/cell_value.h"

#include <optional>
#include <string>

namespace vostrel {

CellKind ReadOtherCell(std::string_view text, double& value) {
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
