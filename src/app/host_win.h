#pragma once

// Stops events from reaching handlers; used while windows are built and once the program ends.
void HoldEvents();

// The exit step: holds events, forgets the layout, releases what the host holds and
// uninitialises OLE. Runs once, whether the program ends normally or through a fatal error.
void RunExitStep();
