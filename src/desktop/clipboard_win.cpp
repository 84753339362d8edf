#include "desktop/clipboard_win.h"

#include <windows.h>

#include <cstring>

#include "base/global_memory_win.h"

namespace {

// Open for the scope, without an owner window.
class OpenClipboardScope {
public:
    OpenClipboardScope() : opened_(OpenClipboard(nullptr)) {}
    ~OpenClipboardScope() {
        if (opened_) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    explicit operator bool() const { return opened_; }

private:
    bool opened_;
};

}  // namespace

bool CopyTextToClipboard(const Text& text) {
    // The block is filled before the clipboard is opened, so that a lack of memory leaves the
    // clipboard's content alone.
    const std::size_t size = std::strlen(text.c_str()) + 1;
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
    if (!block) return false;
    {
        GlobalLockGuard lock(block.get());
        if (!lock.data()) return false;
        std::memcpy(lock.data(), text.c_str(), size);
    }

    OpenClipboardScope clipboard;
    if (!clipboard) return false;
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, block.get())) return false;
    block.release();  // the clipboard's now
    return true;
}
