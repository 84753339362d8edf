#include "app/fatal_error_win.h"

#include <windows.h>

#include "app/fatal_message.h"
#include "app/host_win.h"
#include "base/allocation_stop.h"

void ReportFatalError(std::string_view message, std::int32_t code) {
    HoldEvents();
    const std::string text = ComposeFatalText(message, code);
    MessageBoxA(nullptr, text.c_str(), "错误", MB_ICONERROR);
    RunExitStep();
    ExitProcess(static_cast<UINT>(-1));
}

void StopOnAllocationFailure(std::size_t bytes) {
    ReportFatalError(AllocationFailureMessage(bytes));
}
