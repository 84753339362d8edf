#pragma once

#include <cstdint>

// The drop effects and key bits as OLE defines them.
constexpr std::uint32_t kDropEffectNone = 0, kDropEffectCopy = 1, kDropEffectMove = 2,
                        kDropEffectLink = 4;
constexpr std::uint32_t kKeyShift = 4, kKeyControl = 8;  // MK_SHIFT, MK_CONTROL

// The effect a drag over the window gets. Nothing for data that cannot be taken; else by the
// keys held, among the effects the source allows: none held prefers copy, then move, then
// link; Shift asks for move, Ctrl for copy, and both together for nothing. Other key and button
// bits do not count.
std::uint32_t ChooseDropEffect(bool acceptable, std::uint32_t key_state, std::uint32_t allowed);

// The effect reported to the source once the drop is done. The program never takes the
// source's file, so a move is reported as no effect: a source that trusts it would otherwise
// delete the user's file.
constexpr std::uint32_t EffectAfterDrop(std::uint32_t chosen) {
    return chosen == kDropEffectMove ? kDropEffectNone : chosen;
}
