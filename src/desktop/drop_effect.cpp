#include "desktop/drop_effect.h"

#include <initializer_list>

std::uint32_t ChooseDropEffect(bool acceptable, std::uint32_t key_state, std::uint32_t allowed) {
    if (!acceptable) return kDropEffectNone;
    auto first_allowed = [allowed](auto... effects) {
        for (std::uint32_t effect : {effects...})
            if (allowed & effect) return effect;
        return kDropEffectNone;
    };
    switch (key_state & (kKeyShift | kKeyControl)) {
        case 0:
            return first_allowed(kDropEffectCopy, kDropEffectMove, kDropEffectLink);
        case kKeyShift:
            return first_allowed(kDropEffectMove);
        case kKeyControl:
            return first_allowed(kDropEffectCopy);
        default:
            return kDropEffectNone;
    }
}
