#include "window/control_kinds_win.h"

#include "window/control_layout_win.h"
#include "window/kinds_win.h"

DWORD CommonControlStyle(const ControlLayout& layout) {
    return WS_CHILD | WS_CLIPSIBLINGS | (layout.tab_stop ? WS_TABSTOP : 0) |
           (layout.disabled ? WS_DISABLED : 0);
}

void RegisterChildClass(const char* name, WNDPROC procedure, LPCSTR cursor, int background,
                        int extra_bytes) {
    WNDCLASSEXA window_class = {};
    window_class.cbSize = sizeof window_class;
    if (GetClassInfoExA(GetModuleHandleA(nullptr), name, &window_class)) return;
    window_class.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    window_class.lpfnWndProc = procedure;
    window_class.cbWndExtra = extra_bytes;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.hCursor = LoadCursorA(nullptr, cursor);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(background));
    window_class.lpszClassName = name;
    RegisterClassExA(&window_class);
}

HWND CreateControlWindow(const ControlLayout& layout, HWND parent, int identifier) {
    const ChildWindowSpec form = [&] {
        switch (layout.kind) {
            case Kind::EditBox:
                return EditBoxSpec(layout);
            case Kind::GroupBox:
                return GroupBoxSpec();
            case Kind::Label:
                return LabelSpec();
            case Kind::TransLabel:
                return TransLabelSpec();
            case Kind::Button:
                return ButtonSpec();
            case Kind::HyperLinker:
                return HyperLinkerSpec();
            default:
                return ChildWindowSpec{};
        }
    }();
    if (!form.class_name) return nullptr;

    HWND control = CreateWindowExA(form.extended_style, form.class_name, layout.text,
                                   CommonControlStyle(layout) | form.style, layout.left, layout.top,
                                   layout.width, layout.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)),
                                   GetModuleHandleA(nullptr), nullptr);
    if (!control) return nullptr;
    AttachLayout(control, layout);
    if (form.subclass)
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(form.subclass));
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    if (form.after_creation) form.after_creation(control);
    return control;
}
