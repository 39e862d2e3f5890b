#include "engine/data/cell_text_buffer.h"

#include <gtest/gtest.h>

#include <string>

namespace vostrel {
namespace {

// Short cells are copied in blocks that reach past their end; what follows must never show.
TEST(CellTextBuffer, KeepsExactlyTheAppendedTextWhateverIsCopiedPastACell) {
    const std::string source = "12.5\t7\tdone" + std::string(40, 'x');
    CellTextBuffer buffer;
    buffer.Append(std::string_view(source).substr(0, 4), source.size());
    buffer.Append(std::string_view(source).substr(5, 1), source.size() - 5);
    buffer.Append(std::string_view(source).substr(7, 4), 4);  // cannot be read past its end
    EXPECT_EQ(buffer.View(), "12.57done");
    const std::string longCell(1000, 'y');
    buffer.Append(longCell, longCell.size());
    EXPECT_EQ(buffer.View(), "12.57done" + longCell);
    buffer.clear();
    buffer.Append("", 0);
    EXPECT_EQ(buffer.View(), "");
    buffer.Append(std::string_view(source).substr(0, 2), source.size());
    EXPECT_EQ(buffer.View(), "12");
}

}  // namespace
}  // namespace vostrel
