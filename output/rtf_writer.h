// Reports saved as RTF documents that keep the program's own lines and pages.
#pragma once

#include "people/person.h"
#include "platform/text_device.h"

#include <cstdint>
#include <cstdio>
#include <string>

// The first free numbered name for the report in dataFolder's Reports
// folder (01 to 99; 99 is taken again when all exist).
std::string reportFileName(const std::string& dataFolder, int reportType, const PersonRecord& person,
                           const char* extension);

// Lays out the report text at textPath on an RTF page and writes the
// document to rtfPath. The program ends with "Can't open ListFile" or
// "Can't open .rtf file" when a file can't be opened.
void writeRtfReport(platform::TextDevice& device, const std::string& textPath, const std::string& rtfPath,
                    int reportType);

// For a contents entry (a line starting at entryOffset), the page of its
// heading (0 when the heading isn't found); -1 for any other line.
int contentsEntryPage(std::uint32_t entryOffset);

// The bytes of display line i, without a final line feed, form feed or blank.
std::string displayLineText(std::FILE* text, int i);
