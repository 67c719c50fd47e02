// The system's side of starting programs for Vek.exe.
#pragma once

#include "shell/launchers.h"

// Starts programs with the real system calls. A started program is given
// time to come up (it waits for input, ends, or the time limit passes)
// before the call returns, so that the chart program has read its hand-off
// file before that file is deleted.
ProgramStarter& systemStarter();
