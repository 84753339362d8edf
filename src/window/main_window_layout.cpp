#include "window/window_layout.h"

namespace {

using namespace controls;

constexpr EventBinding kWindowBindings[] = {{events::kCreated, Handler::WindowCreated}};
constexpr EventBinding kCompareButtonBindings[] = {{events::kClick, Handler::CompareClicked}};
constexpr EventBinding kCopyLinkBindings[] = {{events::kLeftButtonDown, Handler::CopyLinkPressed}};
constexpr EventBinding kDropTargetBindings[] = {{events::kFilesDropped, Handler::FilesDropped}};

// The tables read like the layout they describe, one control to an entry.
// clang-format off

// In layout order. The loader creates them in reverse, so 分组框1 comes first and lies under the
// rest; the four controls that name it as parent count their places from its top-left corner.
constexpr ControlLayout kControls[] = {
    {.kind = Kind::Button, .name = "按钮1", .number = 按钮1, .parent = 分组框1,
     .left = 360, .top = 115, .width = 48, .height = 32, .tab_stop = true, .text = "对比",
     .bindings = kCompareButtonBindings, .settings = ButtonSettings{}},
    {.kind = Kind::Label, .name = "标签1", .number = 标签1, .parent = 分组框1,
     .left = 16, .top = 117, .width = 80, .height = 24, .text = "需对比MD5值:",
     .settings = LabelSettings{}},
    {.kind = Kind::EditBox, .name = "编辑框3", .number = 编辑框3, .parent = 分组框1,
     .left = 104, .top = 117, .width = 248, .height = 32, .tab_stop = true,
     .settings = EditBoxSettings{}},
    {.kind = Kind::HyperLinker, .name = "超级链接框3", .number = 超级链接框3, .parent = 分组框1,
     .left = 360, .top = 81, .width = 35, .height = 16, .text = "复制",
     .bindings = kCopyLinkBindings, .settings = HyperLinkerSettings{}},
    {.kind = Kind::TransLabel, .name = "透明标签2", .number = 透明标签2,
     .left = 27, .top = 64, .width = 64, .height = 24, .text = "文件MD5值：",
     .settings = TransLabelSettings{}},
    {.kind = Kind::TransLabel, .name = "透明标签1", .number = 透明标签1,
     .left = 26, .top = 32, .width = 64, .height = 24, .text = "文件 路径：",
     .settings = TransLabelSettings{}},
    {.kind = Kind::EditBox, .name = "编辑框2", .number = 编辑框2,
     .left = 104, .top = 72, .width = 248, .height = 24, .tab_stop = true,
     .settings = EditBoxSettings{.read_only = true}},
    {.kind = Kind::EditBox, .name = "编辑框1", .number = 编辑框1,
     .left = 105, .top = 32, .width = 247, .height = 24, .tab_stop = true,
     .text = "请将文件用鼠标拖拉到这里自动获取",
     .settings = EditBoxSettings{.read_only = true, .text = Rgb(96, 96, 96)}},
    {.kind = Kind::DropTarget, .name = "拖放对象1", .number = 拖放对象1,
     .left = 8, .top = 232, .width = 24, .height = 32, .visible = false,
     .bindings = kDropTargetBindings, .settings = DropTargetSettings{.accept_files = true}},
    {.kind = Kind::GroupBox, .name = "分组框1", .number = 分组框1,
     .left = 0, .top = -3, .width = 416, .height = 181, .settings = GroupBoxSettings{}},
};

}  // namespace

const WindowLayout kMainWindowLayout = {
    .window_number = kMainWindowNumber,
    .window = {.kind = Kind::Window, .name = "", .number = kWindowItself,
               .left = 50, .top = 50, .width = 419, .height = 209,
               .text = "一键效验文件MD5值  反馈：md5check@example.com",
               .bindings = kWindowBindings, .settings = WindowSettings{}},
    .controls = kControls,
};
// clang-format on
