#include "window/window_layout.h"

// A layout whose one control names a parent that does not exist: the program must refuse it.
// clang-format off
namespace {

constexpr ControlLayout kControls[] = {
    {.kind = Kind::Button, .name = "按钮1", .number = controls::按钮1, .parent = 0x16019999,
     .left = 10, .top = 10, .width = 48, .height = 32, .text = "对比",
     .settings = ButtonSettings{}},
};

}  // namespace

const WindowLayout kMainWindowLayout = {
    .window_number = kMainWindowNumber,
    .window = {.kind = Kind::Window, .name = "", .number = kWindowItself, .left = 50, .top = 50,
               .width = 419, .height = 209, .text = "damaged", .settings = WindowSettings{}},
    .controls = kControls,
};
// clang-format on
