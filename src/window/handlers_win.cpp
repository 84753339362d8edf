#include "window/handlers_win.h"

#include "app/host_win.h"
#include "desktop/clipboard_win.h"
#include "desktop/drop_target_win.h"
#include "desktop/message_box_win.h"
#include "digest/digest_text.h"
#include "digest/read_whole_file.h"
#include "window/main_window_win.h"
#include "window/properties_win.h"

using namespace controls;

namespace {

constexpr Property kContent = Property::kEditBoxContent;

}  // namespace

// Binds the drop target to the main window, before the window is first shown. A failed
// registration shows nothing: the window then takes no drops.
HandlerResult HandleWindowCreated(const EventArguments&) {
    HWND window = GetWindowHandle(kMainWindowNumber, kWindowItself);
    if (DropTargetUnit* unit = LoadedWindow(kMainWindowNumber)->DropTarget(拖放对象1))
        (void)unit->RegisterWindow(window);
    return std::nullopt;
}

// Shows the dropped path in 编辑框1 and the digest of the file it names in 编辑框2. The file
// digested is the one the box names, as read back. A file that cannot be read gets no digest:
// the digest of zero bytes would pass for the digest of an empty file.
HandlerResult HandleFilesDropped(const EventArguments& arguments) {
    WriteProperty(kMainWindowNumber, 编辑框1, kContent, *arguments.text);
    const std::optional<ByteData> data =
        ReadWholeFile(ReadProperty(kMainWindowNumber, 编辑框1, kContent).c_str());
    WriteProperty(kMainWindowNumber, 编辑框2, kContent, data ? MakeDigestText(*data) : Text());
    return std::nullopt;
}

// Copies the digest and confirms; with no digest it does nothing at all. Ends without a value,
// so the press goes on to the link.
HandlerResult HandleCopyLinkPressed(const EventArguments&) {
    const Text digest = ReadProperty(kMainWindowNumber, 编辑框2, kContent);
    if (TextEquals(digest, Text()) == 0) return std::nullopt;
    if (CopyTextToClipboard(digest))
        ShowMessageBox(Text::Copy("已经成功复制到系统剪切板！"), MB_ICONINFORMATION, "提示");
    return std::nullopt;
}

// Tells whether 编辑框2 and 编辑框3 hold exactly the same bytes.
HandlerResult HandleCompareClicked(const EventArguments&) {
    const bool equal = TextEquals(ReadProperty(kMainWindowNumber, 编辑框2, kContent),
                                  ReadProperty(kMainWindowNumber, 编辑框3, kContent)) == 0;
    ShowMessageBox(Text::Copy(equal ? "MD5一致，正确！" : "MD5不一致,错误！"), 0);
    return std::nullopt;
}

HandlerFunction ResolveHandler(Handler handler) {
    switch (handler) {
        case Handler::WindowCreated:
            return HandleWindowCreated;
        case Handler::FilesDropped:
            return HandleFilesDropped;
        case Handler::CopyLinkPressed:
            return HandleCopyLinkPressed;
        case Handler::CompareClicked:
            return HandleCompareClicked;
    }
    return nullptr;
}
