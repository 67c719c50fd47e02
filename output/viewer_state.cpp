#include "output/viewer_state.h"

#include "archive/list_expansion.h"
#include "compose/report_types.h"
#include "output/page_layout.h"

#include <algorithm>

ViewerState viewer;

int openingTopLine(int reportType) {
    return reportType == TYPE_NAME || reportType == TYPE_NAME + 1 ? contentsStartLine : bodyStartLine;
}

void forgetJumps(ViewerState& state) {
    state.previousTopLine = NO_LINE;
    state.selectedEntry = NO_ENTRY;
}

bool setTopLine(ViewerState& state, int line) {
    const int held = std::max(0, std::min(line, lineCount - 1));
    if (held == state.topLine) return false;
    state.topLine = held;
    return true;
}

bool moveTopLine(ViewerState& state, ViewerMove move) {
    switch (move) {
    case ViewerMove::LineUp: return setTopLine(state, state.topLine - 1);
    case ViewerMove::LineDown: return setTopLine(state, state.topLine + 1);
    case ViewerMove::PageUp: return setTopLine(state, state.topLine - VIEWER_PAGE_STEP);
    case ViewerMove::PageDown: return setTopLine(state, state.topLine + VIEWER_PAGE_STEP);
    case ViewerMove::First: return setTopLine(state, 0);
    case ViewerMove::Last: return setTopLine(state, lineCount - 1);
    }
    return false;
}

void jumpTo(ViewerState& state, int line) {
    state.previousTopLine = state.topLine;
    state.topLine = line;
}

bool goBack(ViewerState& state) {
    if (state.previousTopLine == NO_LINE) return false;
    state.topLine = state.previousTopLine;
    return true;
}

int entryDrawnAt(int y) {
    for (int row = 0; row < indexEntryCount; ++row)
        if (indexTable[row].drawnTop <= y && y < indexTable[row].drawnBottom) return row;
    return NO_ENTRY;
}

void pressAt(ViewerState& state, int y) {
    const int row = entryDrawnAt(y);
    if (row == NO_ENTRY) {
        state.selectedEntry = NO_ENTRY;
    } else if (row != state.selectedEntry && indexTable[row].targetPosition != 0) {
        state.selectedEntry = row;
    }
}

bool followSelectedEntry(ViewerState& state) {
    if (state.selectedEntry == NO_ENTRY) return false;
    const int heading = headingLineOfEntry(state.selectedEntry);
    if (heading < 0 || heading < bodyStartLine) return false;
    jumpTo(state, heading);
    return true;
}

int entryAtOffset(std::uint32_t offset) {
    for (int row = 0; row < indexEntryCount; ++row)
        if (indexTable[row].entryPosition == offset) return row;
    return NO_ENTRY;
}

int placeLines(int first, DrawMode mode, std::vector<PlacedLine>& placed) {
    placed.clear();
    if (lineCount <= 0 || first < 0 || first >= lineCount) return END_OF_LINES;
    const Box& area = pageLayout.text;
    int y = area.top;
    int i = first;
    for (; i < lineCount; ++i) {
        const LineRecord& line = lineTable[static_cast<std::size_t>(i)];
        int style = static_cast<int>(line.style);
        if (mode == DrawMode::Screen && entryAtOffset(line.offset) != NO_ENTRY) style = 3;
        const int height = pageLayout.lineHeights[style];
        // A page always takes its first line, so that a line taller than
        // the page can't stop the printing.
        if (mode == DrawMode::Screen ? y >= area.bottom : y + height >= area.bottom && !placed.empty()) break;
        placed.push_back(PlacedLine{i, y, style});
        y += height;
        if (mode != DrawMode::Screen && style == PAGE_END_STYLE) {
            ++i;
            break;
        }
    }
    return i < lineCount ? i : END_OF_LINES;
}
