// Fuzzes the typed-text readers: number lists, the header and data line splitters and the
// number conversion. They must never crash and must keep their limits.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/data/text_rules.h"
#include "engine/core/user_interface.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    vostrel::SilentUserInterface ui(size % 2 == 0 ? vostrel::Answer::Yes : vostrel::Answer::No);
    vostrel::BlankCommasSetting blankCommas;
    if (vostrel::ParseNumberList(line, ui, blankCommas).size() > 512) __builtin_trap();
    if (vostrel::SplitHeaderLine(line, true, false).fields.size() > 512) __builtin_trap();
    (void)vostrel::SplitDataLine(line);
    (void)vostrel::ReadNumber(line);
    return 0;
}
