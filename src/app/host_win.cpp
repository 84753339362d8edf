#include "app/host_win.h"

void HoldEvents() {}
void RunExitStep() {}
