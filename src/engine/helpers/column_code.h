#pragma once
// Every item of a variable list is two code letters followed by the column name. The
// letters encode the column number, so sorting the items keeps the columns in data order.

#include <string>
#include <string_view>

namespace vostrel {

// The two letters of column c (1-based): 65 + c div 25, then 65 + c mod 25.
std::string ColumnCode(int c);
// The column number of an item's code letters; 0 when the item is too short.
int DecodeColumnCode(std::string_view item);
// The list item of a column: its code letters and its name.
std::string ColumnItem(int c, std::string_view name);
// What a list shows of an item: the name without the code letters.
std::string_view ColumnItemName(std::string_view item);

}  // namespace vostrel
