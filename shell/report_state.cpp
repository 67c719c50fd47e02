#include "shell/report_state.h"

int reportType = REPORT_SHORT_PROFILES;
