#include "window/layout_check.h"

#include <algorithm>

namespace {

bool SettingsMatchKind(const ControlLayout& control) {
    const auto expected = static_cast<std::size_t>(control.kind);
    return control.kind >= Kind::Window && control.kind <= Kind::DropTarget &&
           control.settings.index() == expected;
}

bool BindingsResolve(const ControlLayout& control, bool (*resolves)(Handler)) {
    return std::all_of(control.bindings.begin(), control.bindings.end(),
                       [&](const EventBinding& binding) { return resolves(binding.handler); });
}

}  // namespace

bool IsLayoutSound(const WindowLayout& layout, bool (*resolves)(Handler)) {
    if (layout.window.kind != Kind::Window || layout.window.number != kWindowItself ||
        !SettingsMatchKind(layout.window) || !BindingsResolve(layout.window, resolves))
        return false;

    const auto& controls = layout.controls;
    auto find = [&](ControlNumber number) {
        return std::find_if(controls.begin(), controls.end(),
                            [&](const ControlLayout& c) { return c.number == number; });
    };
    for (const ControlLayout& control : controls) {
        if (control.kind == Kind::Window || !SettingsMatchKind(control) ||
            !BindingsResolve(control, resolves))
            return false;
        if (control.number == kWindowItself || &*find(control.number) != &control) return false;
        if (control.parent != kNoParent) {
            const auto parent = find(control.parent);
            if (parent == controls.end() || parent->kind != Kind::GroupBox) return false;
        }
    }
    return true;
}
