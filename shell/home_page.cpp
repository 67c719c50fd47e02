#include "shell/home_page.h"

namespace {
constexpr HomeRegion region(int top, int command, const char* label) { return {300, top, 530, top + 14, command, label}; }
}  // namespace

const HomeRegion HOME_REGIONS[HOME_REGION_COUNT] = {
    region(64, 913, "Short Profiles"),
    region(86, 912, "Chart Calculator"),
    region(130, 914, "Brindo"),
    region(172, 900, "Personality Profiles & Forecasts"),
    region(194, 916, "Everyday Numbers"),
    region(216, 902, "Relationship's Compatibility"),
    region(238, 908, "Name Advisor"),
    region(260, 906, "Lucky Numbers"),
    region(282, 910, "The Diamond"),
    region(304, 904, "ColorChromagraph"),
    region(326, 915, "E-Book & Audio Course"),
};

const HomeRegion* homeRegionAt(int x, int y) {
    for (const HomeRegion& r : HOME_REGIONS)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return &r;
    return nullptr;
}
