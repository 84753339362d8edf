#pragma once

#include <span>
#include <vector>

#include "window/control_ids.h"

struct TabStopCandidate {
    ControlNumber number;
    int focus_rank;
    bool can_take_focus;  // a visible, enabled tab stop
};

// The order in which Tab visits the candidates, given in layout order: by ascending focus rank,
// and at equal rank the later control in layout order first.
std::vector<ControlNumber> TabOrder(std::span<const TabStopCandidate> candidates);

// The tab stop after (or, going back, before) `current`, cycling round. From a control that is
// not a tab stop, forward goes to the first and back to the last. Returns kNoParent-like 0 when
// there is no tab stop at all.
ControlNumber NextTabStop(const std::vector<ControlNumber>& order, ControlNumber current,
                          bool forward);
