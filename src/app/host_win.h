#pragma once

#include <windows.h>

#include "window/control_ids.h"
#include "window/events.h"

class MainWindow;

// The window host: loads the window from its layout, runs the message loop, raises events to the
// handlers bound in the layout and ends the program. It holds the program's only mutable state.

// The whole life of the GUI: initialises the host, loads the main window, runs the loop.
// Returns 0 once the loop has ended.
int StartProgram();

// OLE, the current directory and the layout; a layout that fails its check is fatal.
void InitializeHost();

// Builds the window, raises its Created event and shows it. False when no window has that
// number or it cannot be created.
bool LoadWindow(WindowNumber window);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

// The handle of a loaded window (control kWindowItself) or of one of its controls; anything
// else is fatal.
HWND GetWindowHandle(WindowNumber window, ControlNumber control);

// The loaded window of that number, or null.
MainWindow* LoadedWindow(WindowNumber window);

// Called by a window after its last message: it is no longer loaded, and when it was the last
// one the loop is asked to end.
void WindowGone(const MainWindow* window);

// Raises an event for a control. Returns what the handler ended with; nothing when no handler
// is bound, the handler ended without a value, or events are held.
HandlerResult RaiseEvent(WindowNumber window, ControlNumber control, EventNumber event,
                         const EventArguments& arguments = {});

// While held, events reach no handler.
void HoldEvents();
void ReleaseEvents();

// The exit step: holds events, forgets the layout, releases what the host holds and
// uninitialises OLE.
void RunExitStep();
