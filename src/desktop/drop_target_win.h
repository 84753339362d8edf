#pragma once

#include <ole2.h>
#include <shlobj.h>

#include <memory>

#include "base/com_ptr_win.h"
#include "window/control_ids.h"
#include "window/window_layout.h"

// The OLE drop target of a drop-target unit. It takes only a shell file list (CF_HDROP) and
// hands the dropped names to the unit's FilesDropped event, synchronously, inside Drop.
class DropTargetObject final : public IDropTarget {
public:
    DropTargetObject(const DropTargetSettings& settings, WindowNumber owner, ControlNumber unit);

    // IUnknown. The unit holds the first reference for as long as it lives and frees the object
    // itself, so Release never does.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interface_id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDropTarget
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD key_state, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD key_state, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD key_state, POINTL point,
                                   DWORD* effect) override;

    // The window that the drag image is drawn over.
    void SetHelperWindow(HWND window) { helper_window_ = window; }

private:
    void RaiseFilesDropped(IDataObject* data);

    LONG references_ = 1;
    BOOL acceptable_ = FALSE;
    ComPtr<IDropTargetHelper> helper_;  // null when COM offers none: then no drag image
    HWND helper_window_ = nullptr;
    BOOL accept_files_;
    WindowNumber owner_;
    ControlNumber unit_;
};

// A drop-target unit: a hidden child window that carries a DropTargetObject and registers it
// for a window with OLE drag and drop.
class DropTargetUnit {
public:
    // Creates the unit's hidden window; null when it cannot be created.
    static std::unique_ptr<DropTargetUnit> Create(const ControlLayout& layout, HWND parent,
                                                  int identifier, WindowNumber owner);
    ~DropTargetUnit();
    DropTargetUnit(const DropTargetUnit&) = delete;
    DropTargetUnit& operator=(const DropTargetUnit&) = delete;

    HWND handle() const { return window_; }
    ControlNumber number() const { return number_; }

    // Registers `window` with this unit's drop target. Only the first call can bind, even when
    // its registration fails; every later call returns false.
    bool RegisterWindow(HWND window);

private:
    DropTargetUnit(const ControlLayout& layout, HWND parent, WindowNumber owner);
    static LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);

    DropTargetObject object_;
    ControlNumber number_;
    HWND parent_;
    HWND window_ = nullptr;
    HWND bound_ = nullptr;
};
