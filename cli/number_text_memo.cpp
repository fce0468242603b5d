#include "number_text_memo.h"

#include <bit>
#include <cstring>

std::size_t NumberTextMemo::FormatTo(double value, char* out) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    // Fibonacci hashing spreads the nearby bit patterns of a swept grid.
    Slot& slot = slots_[(bits * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits)];
    if (slot.length == 0 || slot.bits != bits) {
        slot.bits = bits;
        slot.length = static_cast<unsigned char>(FormatNumberTextTo(value, slot.text));
    }
    std::memcpy(out, slot.text, slot.length);
    return slot.length;
}
