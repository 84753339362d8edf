// A drag source for the tests, in a process of its own, as the shell would be: it shows a small
// window in the top-left corner of the screen and, when the left button is pressed on it, starts
// OLE drag and drop with a data object. The test moves and releases the X mouse.
//
//   drag_source ALLOWED files NAME...   a shell file list (CF_HDROP), names in UTF-16
//   drag_source ALLOWED text            plain text only (CF_TEXT)
//
// ALLOWED is the DROPEFFECT mask the source allows. The exit code is the last effect the target
// chose while dragging, times 16, plus the effect reported after the drop; 255 if no drag ran.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fake_data_object.h"

namespace {

class DropSource final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == IID_IUnknown || id == IID_IDropSource) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape) return DRAGDROP_S_CANCEL;
        return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
        last_effect = effect & 7;
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }
    DWORD last_effect = 0;
};

IDataObject* data_object;
DWORD allowed_effects;
int exit_code = 255;

LRESULT CALLBACK SourceWindow(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_LBUTTONDOWN) {
        DropSource source;
        DWORD effect = 0;
        const HRESULT result = DoDragDrop(data_object, &source, allowed_effects, &effect);
        std::printf("DoDragDrop 0x%08lx, effect %lu, last effect while dragging %lu\n",
                    static_cast<unsigned long>(result), effect, source.last_effect);
        exit_code = static_cast<int>(source.last_effect * 16 + effect);
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 254;
    allowed_effects = static_cast<DWORD>(std::strtoul(argv[1], nullptr, 0));
    std::vector<std::string> names(argv + 3, argv + argc);
    data_object = std::string(argv[2]) == "files"
                      ? new FakeDataObject(FakeDataObject::FileList(names, true))
                      : new FakeDataObject(FakeDataObject::PlainText());
    OleInitialize(nullptr);

    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = SourceWindow;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    window_class.lpszClassName = "drag_source";
    RegisterClassA(&window_class);
    CreateWindowExA(WS_EX_TOPMOST, "drag_source", "drag source", WS_POPUP | WS_VISIBLE, 0, 0, 80,
                    80, nullptr, nullptr, window_class.hInstance, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    OleUninitialize();
    std::fflush(stdout);
    return exit_code;
}
