#include <windows.h>

#include "app/host_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    StartProgram();
    RunExitStep();
    // The loop ended on WM_QUIT, which the host posts with 0 when the last window is gone.
    ExitProcess(0);
}
