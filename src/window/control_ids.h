#pragma once

#include <cstdint>

// The numbers by which the handlers, the host and the tests name the window, its controls,
// their events and their properties. Everything that names a control includes this header.

using WindowNumber = std::uint32_t;
using ControlNumber = std::uint32_t;
using EventNumber = std::int32_t;

constexpr WindowNumber kMainWindowNumber = 0x52010001;

// The control number by which a window names itself.
constexpr ControlNumber kWindowItself = 0x06010000;

// Marks a control whose parent is the window itself.
constexpr ControlNumber kNoParent = 0;

namespace controls {
constexpr ControlNumber 按钮1 = 0x160102B5;
constexpr ControlNumber 标签1 = 0x160102B4;
constexpr ControlNumber 编辑框3 = 0x160102B3;
constexpr ControlNumber 超级链接框3 = 0x16010290;
constexpr ControlNumber 透明标签2 = 0x1601024A;
constexpr ControlNumber 透明标签1 = 0x16010249;
constexpr ControlNumber 编辑框2 = 0x16010008;
constexpr ControlNumber 编辑框1 = 0x16010007;
constexpr ControlNumber 拖放对象1 = 0x16010002;
constexpr ControlNumber 分组框1 = 0x1601024D;
}  // namespace controls

namespace events {
constexpr EventNumber kCreated = 0;          // the window, once its controls exist
constexpr EventNumber kClick = 0;            // a button
constexpr EventNumber kFilesDropped = 3;     // a drop target
constexpr EventNumber kLeftButtonDown = -1;  // any control, before the press reaches it
}  // namespace events

// Property numbers 0 to 7 are common to every kind; from 8 on they belong to the kind.
enum class Property : int {
    kEditBoxContent = 8,
};

// Child-window identifiers count up in creation order.
constexpr int kFirstChildIdentifier = 100;
constexpr int kChildIdentifierStep = 10;
