#include "output/rtf_writer.h"

#include "archive/list_expansion.h"
#include "compose/report_types.h"
#include "engine/letters.h"
#include "output/page_layout.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const STYLE_PREFIXES[STYLE_COUNT] = {
    "\\pard {\\plain ",       "\\pard \\qc{\\plain \\b ", "\\pard {\\plain \\b\\i ", "\\pard {\\plain ",
    nullptr,                  "\\pard {\\plain ",          "\\pard {\\plain ",        "\\pard \\qc{\\plain ",
    "\\pard \\qc{\\plain ",   "\\pard \\qc{\\plain \\b ",  "\\pard \\qc{\\plain \\b ", "\\pard \\qc{\\plain \\ul\\b ",
    nullptr,
};

// Writes with CR LF for every line feed, as a text-mode file has them.
class RtfFile {
public:
    explicit RtfFile(std::FILE* file) : file_(file) {}

    void write(const char* text) { write(text, std::strlen(text)); }
    void write(const char* text, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) {
            if (text[i] == '\n') std::fputc('\r', file_);
            std::fputc(text[i], file_);
        }
    }
    void printf(const char* format, int value) {
        char piece[64];
        std::snprintf(piece, sizeof piece, format, value);
        write(piece);
    }

    // Report text: the three bytes that mean something to RTF are escaped,
    // so that no report line can break the document, and so is every byte
    // from 128 up.
    void writeText(const char* text, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            if (c == 147)
                write("\\ldblquote ");
            else if (c == 148)
                write("\\rdblquote ");
            else if (c >= 128)
                printf("\\'%02x", c);
            else if (c == '\\' || c == '{' || c == '}') {
                const char escaped[2] = {'\\', static_cast<char>(c)};
                write(escaped, 2);
            } else
                write(reinterpret_cast<const char*>(&text[i]), 1);
        }
    }

private:
    std::FILE* file_;
};

void writeLogoParagraph(RtfFile& rtf) {
    rtf.write("\\pard \\qc{\\plain ");
    const char* text = settings.coverText;
    const std::size_t size = strnlen(text, sizeof settings.coverText);
    int lines = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (text[i] == '\r' && i + 1 < size && text[i + 1] == '\n') {
            rtf.write("\\line\n");
            ++lines;
            ++i;
        } else {
            rtf.writeText(text + i, 1);
        }
    }
    for (; lines < 12; ++lines) rtf.write("\\line");
    rtf.write(" \\par\n}");
}

}  // namespace

int contentsEntryPage(std::uint32_t entryOffset) {
    for (int row = 0; row < indexEntryCount; ++row) {
        if (indexTable[row].entryPosition != entryOffset) continue;
        const int heading = headingLineOfEntry(row);
        return heading < 0 ? 0 : static_cast<int>(lineTable[static_cast<std::size_t>(heading)].page);
    }
    return -1;  // not a contents entry
}

namespace {

void writeLine(RtfFile& rtf, std::FILE* text, int i, const char* tabPrefix) {
    const LineRecord& line = lineTable[static_cast<std::size_t>(i)];
    if (line.style == LOGO_STYLE) {
        writeLogoParagraph(rtf);
        return;
    }
    const std::string bytes = displayLineText(text, i);
    int style = static_cast<int>(line.style);
    const int headingPage = contentsEntryPage(line.offset);
    if (headingPage >= 0) style = 4;
    rtf.write(style == 4 ? tabPrefix : STYLE_PREFIXES[style]);
    const int points = pageLayout.pointSizes[style];
    if (points != 12) rtf.printf("\\fs%d ", points * 2);
    rtf.writeText(bytes.data(), bytes.size());
    if (headingPage > 0) rtf.printf("\\tab %d", headingPage);
    rtf.write(" \\par\n}");
}

std::string stemOf(const char* name, std::size_t length) { return std::string(fileNameStem(name)).substr(0, length); }

}  // namespace

std::string displayLineText(std::FILE* text, int i) {
    const LineRecord& line = lineTable[static_cast<std::size_t>(i)];
    std::string bytes(line.length, '\0');
    if (std::fseek(text, static_cast<long>(line.offset), SEEK_SET) != 0) return "";
    bytes.resize(std::fread(&bytes[0], 1, line.length, text));
    if (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\f' || bytes.back() == ' ')) bytes.pop_back();
    return bytes;
}

std::string reportFileName(const std::string& dataFolder, int reportType, const PersonRecord& person,
                           const char* extension) {
    const char letter = reportTypes[reportType].fileCode;
    const std::string reports = platform::joinPath(dataFolder, "Reports");
    std::string path;
    for (int n = 1; n <= 99; ++n) {
        char name[64];
        if (reportType == TYPE_NAME || reportType == TYPE_NAME + 1)
            std::snprintf(name, sizeof name, "%.5s%02d%c.%.3s", stemOf(person.birthFirst, 5).c_str(), n, letter,
                          extension);
        else if (reportType == TYPE_EVERYDAY)
            std::snprintf(name, sizeof name, "Finder%02d%c.%.3s", n, letter, extension);
        else
            std::snprintf(name, sizeof name, "%.1s%.4s%02d%c.%.3s", stemOf(person.currentFirst, 1).c_str(),
                          stemOf(person.currentLast, 4).c_str(), n, letter, extension);
        path = platform::joinPath(reports, name);
        if (!platform::fileExists(path)) break;
    }
    return path;
}

void writeRtfReport(platform::TextDevice& device, const std::string& textPath, const std::string& rtfPath,
                    int reportType) {
    layoutReport(device, LayoutKind::Rtf, textPath, reportType);
    const bool nearTab = reportType == TYPE_CHART_CALCULATOR || reportType == TYPE_LUCKY || reportType == TYPE_LUCKY + 1;
    const char* tabPrefix = nearTab ? "\\pard \\tqr\\tx5040{\\plain " : "\\pard \\tqr\\tx7920{\\plain ";

    std::FILE* text = std::fopen(textPath.c_str(), "rb");
    if (!text) platform::fatalExit("Can't open ListFile");
    std::FILE* out = std::fopen(rtfPath.c_str(), "wb");
    if (!out) {
        std::fclose(text);
        platform::fatalExit("Can't open .rtf file");
    }
    RtfFile rtf(out);
    rtf.write("{\\rtf1\\ansi \n\\deff0{\\fonttbl{\\f0\\fnil ");
    rtf.write(activeFont.faceName, strnlen(activeFont.faceName, sizeof activeFont.faceName));
    rtf.write(";}}\n{\\colortbl\\red0\\green0\\blue0;}\n{\\stylesheet{\\fs20 \\snext0 Normal;}}\n"
              "\\margl1440\\margr1440\\ftnbj\\ftnrestart \\sectd \\sbknone\\endnhere \n\n");
    int i = 0;
    for (std::uint32_t page = 1; i < lineCount; ++page) {
        while (i < lineCount && lineTable[static_cast<std::size_t>(i)].page == page) writeLine(rtf, text, i++, tabPrefix);
        if (i > bodyStartLine) {
            rtf.write("\\pard {\\plain \\fs16 \n\\line\n");
            rtf.printf("\\line\nPage %d \\line\n}", static_cast<int>(page));
        }
        if (i < lineCount) rtf.write("\\page\n");
    }
    rtf.write("}\n");
    std::fclose(text);
    if (std::fclose(out) != 0) platform::fatalExit("Can't open .rtf file");
}
