#pragma once

#include <cstdint>

constexpr std::uint32_t kSystemModal = 0x1000;  // MB_SYSTEMMODAL
constexpr std::uint32_t kTaskModal = 0x2000;    // MB_TASKMODAL

// The caption of a box for which the caller gave none.
constexpr const char kDefaultCaption[] = "信息：";

// Boxes are task-modal unless the caller asked for a system-modal one, so that no click reaches
// the program's windows while a box is open.
constexpr std::uint32_t MessageBoxStyle(std::uint32_t flags) {
    return (flags & kSystemModal) ? flags : flags | kTaskModal;
}
