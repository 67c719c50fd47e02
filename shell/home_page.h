// The home page's hot regions: the report names on the picture, each a
// rectangle that starts its report.
#pragma once

enum { HOME_REGION_COUNT = 11, HOME_PAGE_WIDTH = 540, HOME_PAGE_HEIGHT = 350, HOME_COMMAND_BASE = 900 };

struct HomeRegion {
    int left, top, right, bottom;
    int command;  // the report type plus 900
    const char* label;
};

extern const HomeRegion HOME_REGIONS[HOME_REGION_COUNT];

// The first region holding the point (left and top inside, right and bottom
// outside), or nullptr.
const HomeRegion* homeRegionAt(int x, int y);

// Where a region's label is drawn: three pixels above its rectangle.
inline int labelTop(const HomeRegion& region) { return region.top - 3; }
inline int regionReportType(const HomeRegion& region) { return region.command - HOME_COMMAND_BASE; }
