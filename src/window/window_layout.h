#pragma once

#include <cstdint>
#include <span>
#include <variant>

#include "window/control_ids.h"

// The constant description of a window: the window itself and its controls, with everything
// about how they look and which handlers their events reach.

enum class Kind { Window, EditBox, GroupBox, Label, Button, HyperLinker, TransLabel, DropTarget };

// An RGB colour, or the system default, which stands for COLOR_BTNFACE at the time of drawing.
struct Colour {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool system_default = false;
};
constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return {red, green, blue, false};
}
constexpr Colour kSystemDefault = {0, 0, 0, true};

enum class Handler { WindowCreated, CompareClicked, FilesDropped, CopyLinkPressed };

struct EventBinding {
    EventNumber event;
    Handler handler;
};

enum class Alignment { Left, Centre, Right };

struct WindowSettings {
    bool control_box = true;
    bool minimise_button = true;
    bool maximise_button = false;
    bool resizable = false;
    bool centred = true;
    bool movable = true;
    Colour background = kSystemDefault;
    bool shown_in_taskbar = true;
    bool always_on_top = false;
    bool escape_closes = true;
    bool enter_moves_focus = false;
    bool f1_opens_help = false;
    bool dragged_by_client_area = false;
    bool keeps_title_bar_active = false;
};

struct EditBoxSettings {
    bool read_only = false;
    Colour text = Rgb(0, 0, 0);
    Colour background = Rgb(255, 255, 255);
    bool multi_line = false;
    Alignment alignment = Alignment::Left;
    int maximum_length = 0;  // 0: no limit beyond the system's own
    bool hides_selection = true;
};

struct GroupBoxSettings {
    Alignment caption_alignment = Alignment::Left;
    Colour text = Rgb(0, 0, 0);
    Colour background = kSystemDefault;
};

struct LabelSettings {
    Colour text = Rgb(0, 0, 0);
    Colour background = kSystemDefault;
    Alignment alignment = Alignment::Left;
    bool centred_vertically = true;
    bool word_wrap = false;
};

struct ButtonSettings {
    bool is_default = false;
};

struct HyperLinkerSettings {
    const char* email_address = "";
    const char* web_address = "";
    Colour text = Rgb(0, 0, 255);
    Colour pointer_over = Rgb(128, 128, 128);
    Colour opened = Rgb(128, 0, 0);
    Colour background = kSystemDefault;
};

struct TransLabelSettings {
    Colour text = Rgb(0, 0, 0);
    Alignment alignment = Alignment::Left;
    bool centred_vertically = true;
    bool word_wrap = false;
};

struct DropTargetSettings {
    bool accept_text = false;
    bool accept_html = false;
    bool accept_url = false;
    bool accept_files = false;
};

using KindSettings =
    std::variant<WindowSettings, EditBoxSettings, GroupBoxSettings, LabelSettings, ButtonSettings,
                 HyperLinkerSettings, TransLabelSettings, DropTargetSettings>;

struct ControlLayout {
    Kind kind;
    const char* name;  // empty for the window itself
    ControlNumber number;
    ControlNumber parent = kNoParent;
    // A control's place counts from its parent's client area; the window's is its outer frame
    // on the screen.
    std::int32_t left, top, width, height;
    const char* tag = "";
    bool visible = true;
    bool disabled = false;
    int mouse_pointer = 0;  // 0: the class cursor
    bool tab_stop = false;
    std::int32_t focus_rank = 0;
    const char* text = "";  // caption, or content at start
    std::span<const EventBinding> bindings = {};
    KindSettings settings;
};

struct WindowLayout {
    WindowNumber window_number;
    ControlLayout window;  // its number is kWindowItself
    std::span<const ControlLayout> controls;
};

// The program's one window.
extern const WindowLayout kMainWindowLayout;
