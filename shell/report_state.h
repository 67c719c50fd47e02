// The report type being made: the row of the report-type table.
#pragma once

enum { REPORT_PERSONALITY_PROFILES = 0, REPORT_SHORT_PROFILES = 13 };

extern int reportType;
