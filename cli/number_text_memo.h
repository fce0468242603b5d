// FormatNumberText, remembered. Batch and sweep rows repeat the same values
// again and again (defaults, swept grids, results in hundredths), and
// formatting is most of what a row costs; a remembered text is the one
// FormatNumberText gave for the very same bits.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "number_text.h"

class NumberTextMemo {
public:
    // As FormatNumberTextTo: writes at most kMaxNumberTextLength characters.
    std::size_t FormatTo(double value, char* out);

private:
    static constexpr int kSlotBits = 13;
    struct Slot {
        std::uint64_t bits = 0;
        unsigned char length = 0;  // 0: empty
        char text[kMaxNumberTextLength];
    };
    std::array<Slot, std::size_t{1} << kSlotBits> slots_{};
};
