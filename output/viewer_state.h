// The viewer's state and rules without a window: the top line and where the
// last jump started, the selected contents entry, keys and the scroll bar,
// clicks on contents entries, and which lines a page or screen holds.
#pragma once

#include <cstdint>
#include <vector>

enum { VIEWER_PAGE_STEP = 20, NO_LINE = -1, NO_ENTRY = -1 };

struct ViewerState {
    int topLine = 0;
    int previousTopLine = NO_LINE;  // where the last jump started, for Back
    int selectedEntry = NO_ENTRY;   // a row of indexTable
};

extern ViewerState viewer;

// The line a report opens on: its table of contents for the name report,
// else its text.
int openingTopLine(int reportType);

// A new layout keeps the top line's number but forgets the selection and Back.
void forgetJumps(ViewerState& state);

enum class ViewerMove { LineUp, LineDown, PageUp, PageDown, First, Last };
// Moves the top line, held within the report; true when it changed.
bool moveTopLine(ViewerState& state, ViewerMove move);
// The scroll bar's thumb let go at a line.
bool setTopLine(ViewerState& state, int line);

// View jumps (Cover, Index, Chart, Text) remember where they started.
void jumpTo(ViewerState& state, int line);
// Back: to where the last jump started, which stays remembered.
bool goBack(ViewerState& state);

// A press at height y: the entry drawn there becomes selected when it leads
// to a heading; a press outside every entry clears the selection.
void pressAt(ViewerState& state, int y);
// The entry whose drawn band holds y, or NO_ENTRY.
int entryDrawnAt(int y);
// Follows the selected entry to its heading; true when the view moved.
bool followSelectedEntry(ViewerState& state);

// The indexTable row whose entry is the line starting at offset, or NO_ENTRY.
int entryAtOffset(std::uint32_t offset);

enum class DrawMode { Screen, Print, Skip };
struct PlacedLine {
    int line;
    int y;
    int style;  // the style it is drawn in
};
enum { END_OF_LINES = -2 };
// The lines drawn from first at the text area's top: on the screen while
// their tops lie inside the text area (the last may show in part); on a
// page while they fit whole, and up to a style 5 line. Returns the next
// line, or END_OF_LINES when none is left.
int placeLines(int first, DrawMode mode, std::vector<PlacedLine>& placed);
