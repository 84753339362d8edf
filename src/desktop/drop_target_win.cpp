#include "desktop/drop_target_win.h"

#include <shellapi.h>

#include <new>
#include <string>
#include <vector>

#include "app/host_win.h"
#include "desktop/drop_effect.h"
#include "desktop/dropped_names.h"
#include "window/control_kinds_win.h"
#include "window/control_layout_win.h"

namespace {

constexpr char kClassName[] = "md5check.DropTarget";
constexpr int kUnitSlot = 0;  // window extra bytes: the DropTargetUnit

// A medium that GetData filled, given back once; with it goes the drop handle it holds.
struct StorageMedium {
    STGMEDIUM medium = {};
    StorageMedium() = default;
    ~StorageMedium() { ReleaseStgMedium(&medium); }
    StorageMedium(const StorageMedium&) = delete;
    StorageMedium& operator=(const StorageMedium&) = delete;
};

FORMATETC FileListFormat() {
    return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// Every name of a shell file list, whole, in the ANSI code page, in the order listed.
std::vector<std::string> ReadDroppedNames(HDROP drop) {
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> names;
    names.reserve(count);
    for (UINT i = 0; i < count; ++i) {
        std::string name(DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
        const UINT length = DragQueryFileA(drop, i, name.data(), static_cast<UINT>(name.size()));
        name.resize(length);
        names.push_back(std::move(name));
    }
    return names;
}

}  // namespace

DropTargetObject::DropTargetObject(const DropTargetSettings& settings, WindowNumber owner,
                                   ControlNumber unit)
    : accept_files_(settings.accept_files), owner_(owner), unit_(unit) {
    (void)CoCreateInstance(CLSID_DragDropHelper, nullptr, CLSCTX_INPROC_SERVER,
                           IID_IDropTargetHelper, helper_.put());
}

HRESULT DropTargetObject::QueryInterface(REFIID interface_id, void** object) {
    if (interface_id == IID_IUnknown || interface_id == IID_IDropTarget) {
        AddRef();
        *object = static_cast<IDropTarget*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DropTargetObject::AddRef() {
    return static_cast<ULONG>(++references_);
}
ULONG DropTargetObject::Release() {
    return static_cast<ULONG>(--references_);
}

HRESULT DropTargetObject::DragEnter(IDataObject* data, DWORD key_state, POINTL point,
                                    DWORD* effect) {
    POINT at = {point.x, point.y};
    if (helper_) helper_->DragEnter(helper_window_, data, &at, *effect);
    if (accept_files_) {
        FORMATETC format = FileListFormat();
        acceptable_ = data->QueryGetData(&format) == S_OK;
    }
    *effect = ChooseDropEffect(acceptable_, key_state, *effect);
    return S_OK;
}

HRESULT DropTargetObject::DragOver(DWORD key_state, POINTL point, DWORD* effect) {
    POINT at = {point.x, point.y};
    if (helper_) helper_->DragOver(&at, *effect);
    *effect = ChooseDropEffect(acceptable_, key_state, *effect);
    return S_OK;
}

HRESULT DropTargetObject::DragLeave() {
    if (helper_) helper_->DragLeave();
    acceptable_ = FALSE;
    return S_OK;
}

HRESULT DropTargetObject::Drop(IDataObject* data, DWORD key_state, POINTL point, DWORD* effect) {
    POINT at = {point.x, point.y};
    if (helper_) helper_->Drop(data, &at, *effect);
    const DWORD chosen = ChooseDropEffect(acceptable_, key_state, *effect);
    *effect = EffectAfterDrop(chosen);
    if (chosen == kDropEffectNone) return E_FAIL;
    if (accept_files_) RaiseFilesDropped(data);
    // The source is never told that the program took its data: it only read the names.
    return E_FAIL;
}

void DropTargetObject::RaiseFilesDropped(IDataObject* data) {
    FORMATETC format = FileListFormat();
    StorageMedium medium;
    if (FAILED(data->GetData(&format, &medium.medium))) return;
    std::string joined;
    try {
        joined = JoinDroppedNames(ReadDroppedNames(static_cast<HDROP>(medium.medium.hGlobal)));
    } catch (const std::bad_alloc&) {
        return;  // no memory for the names: nothing is raised, and no exception reaches OLE
    }
    const Text text = Text::Copy(joined);  // the event's own copy, released when it returns
    EventArguments arguments;
    arguments.text = &text;
    RaiseEvent(owner_, unit_, events::kFilesDropped, arguments);
}

DropTargetUnit::DropTargetUnit(const ControlLayout& layout, HWND parent, WindowNumber owner)
    : object_(std::get<DropTargetSettings>(layout.settings), owner, layout.number),
      number_(layout.number),
      parent_(parent) {}

std::unique_ptr<DropTargetUnit> DropTargetUnit::Create(const ControlLayout& layout, HWND parent,
                                                       int identifier, WindowNumber owner) {
    std::unique_ptr<DropTargetUnit> unit(new DropTargetUnit(layout, parent, owner));
    RegisterChildClass(kClassName, WindowProcedure, IDC_ARROW, WHITE_BRUSH, sizeof(LONG_PTR));
    unit->window_ = CreateWindowExA(0, kClassName, "", CommonControlStyle(layout), layout.left,
                                    layout.top, layout.width, layout.height, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)),
                                    GetModuleHandleA(nullptr), unit.get());
    if (!unit->window_) return nullptr;
    AttachLayout(unit->window_, layout);
    return unit;
}

DropTargetUnit::~DropTargetUnit() {
    if (window_) {
        SetWindowLongPtrA(window_, kUnitSlot, 0);
        DestroyWindow(window_);
        (void)RevokeDragDrop(parent_);
    }
}

bool DropTargetUnit::RegisterWindow(HWND window) {
    if (bound_) return false;
    bound_ = window;  // bound even if the registration below fails: there is no second try
    object_.SetHelperWindow(window);
    return RegisterDragDrop(window, &object_) == S_OK;
}

LRESULT CALLBACK DropTargetUnit::WindowProcedure(HWND window, UINT message, WPARAM wparam,
                                                 LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* unit =
            static_cast<DropTargetUnit*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
        SetWindowLongPtrA(window, kUnitSlot, reinterpret_cast<LONG_PTR>(unit));
    }
    if (message == WM_NCDESTROY) {
        // The unit's window goes with the window it serves: the registration ends with it.
        if (auto* unit = reinterpret_cast<DropTargetUnit*>(GetWindowLongPtrA(window, kUnitSlot))) {
            unit->window_ = nullptr;
            (void)RevokeDragDrop(unit->parent_);
        }
    }
    return DefWindowProcA(window, message, wparam, lparam);
}
