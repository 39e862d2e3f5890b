#include "engine/helpers/column_code.h"

namespace vostrel {

std::string ColumnCode(int c) {
    std::string code(2, 'A');
    code[0] = static_cast<char>(65 + c / 25);
    code[1] = static_cast<char>(65 + c % 25);
    return code;
}

int DecodeColumnCode(std::string_view item) {
    if (item.size() < 2) return 0;
    return 25 * (static_cast<unsigned char>(item[0]) - 65) +
           (static_cast<unsigned char>(item[1]) - 65);
}

std::string ColumnItem(int c, std::string_view name) {
    std::string item = ColumnCode(c);
    item.append(name);
    return item;
}

std::string_view ColumnItemName(std::string_view item) {
    return item.size() < 2 ? std::string_view() : item.substr(2);
}

}  // namespace vostrel
