#include "desktop/message_box_win.h"

#include <windows.h>

#include "desktop/message_box_style.h"

void ShowMessageBox(const Text& message, std::uint32_t flags, const char* caption) {
    // Which button closed the box matters to no caller.
    (void)MessageBoxA(nullptr, message.c_str(), caption ? caption : kDefaultCaption,
                      MessageBoxStyle(flags));
}
