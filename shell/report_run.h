// The report run behind "Generate Report": the composer writes the list
// file, the expansion turns it into report text, and the text is shown in
// the viewer or saved as an RTF document.
#pragma once

#include "platform/text_device.h"
#include "shell/startup.h"

#include <string>

// Makes the report of the current report type from person1, person2, the
// phrase list and the settings. 1 when it was made; 0 when the archive
// couldn't be opened or a temporary file can't be written (a message has
// been shown then, and nothing was made). The color chart report calls
// chartHandOff instead of composing.
int makeReport(const ProgramFolders& where, void (*chartHandOff)());

// Saves the report text made last as the next numbered RTF file in the
// Reports folder. Its path, or "" after the message "Can't open .rtf file"
// when the file can't be created.
std::string saveReportAsRtf(platform::TextDevice& screen, const ProgramFolders& where);

// A file can be written at path (it is left there, empty).
bool canWriteFile(const std::string& path);
