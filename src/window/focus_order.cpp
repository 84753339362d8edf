#include "window/focus_order.h"

#include <algorithm>

std::vector<ControlNumber> TabOrder(std::span<const TabStopCandidate> candidates) {
    std::vector<const TabStopCandidate*> stops;
    for (auto it = candidates.rbegin(); it != candidates.rend(); ++it)
        if (it->can_take_focus) stops.push_back(&*it);
    // Reversed layout order, kept among equal ranks by the stable sort.
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto* a, const auto* b) { return a->focus_rank < b->focus_rank; });
    std::vector<ControlNumber> order;
    for (const auto* stop : stops) order.push_back(stop->number);
    return order;
}

ControlNumber NextTabStop(const std::vector<ControlNumber>& order, ControlNumber current,
                          bool forward) {
    if (order.empty()) return 0;
    const auto at = std::find(order.begin(), order.end(), current);
    if (at == order.end()) return forward ? order.front() : order.back();
    const std::size_t index = static_cast<std::size_t>(at - order.begin());
    return forward ? order[(index + 1) % order.size()]
                   : order[(index + order.size() - 1) % order.size()];
}
