#pragma once

#include "window/events.h"
#include "window/window_layout.h"

// The program's whole behaviour: the four handlers the layout binds to events.
HandlerResult HandleWindowCreated(const EventArguments& arguments);
HandlerResult HandleFilesDropped(const EventArguments& arguments);
HandlerResult HandleCopyLinkPressed(const EventArguments& arguments);
HandlerResult HandleCompareClicked(const EventArguments& arguments);

// The handler a layout binding names.
HandlerFunction ResolveHandler(Handler handler);
