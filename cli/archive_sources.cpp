#include "cli/archive_sources.h"

#include "cli/cp1252.h"
#include "people/text_file.h"
#include "platform/platform.h"

const char* const PHRASES_FILE_NAME = "phrases.txt";

namespace {

void addLine(ArchiveSources& sources, const std::string& text, const std::string& file, std::size_t line) {
    sources.plainText += text;
    sources.plainText += "\r\n";
    sources.origins.push_back({file, line});
}

// Adds one source file; the phrases file is one subject without name lines.
void addSourceFile(ArchiveSources& sources, const std::string& folder, const std::string& file) {
    std::string content;
    if (!readWholeFile(platform::joinPath(folder, file), content)) {
        sources.errors.push_back(file + ": can't be read");
        return;
    }
    if (content.compare(0, 3, "\xEF\xBB\xBF") == 0) content.erase(0, 3);
    const bool phrases = file == PHRASES_FILE_NAME;
    if (phrases) addLine(sources, "{QUOTES.Q}", file, 0);
    bool inSubject = phrases;
    std::size_t number = 0;
    forEachLine(content, [&](std::string_view utf8) {
        ++number;
        std::string line;
        if (!utf8ToCp1252(utf8, line)) {
            sources.errors.push_back(file + ":" + std::to_string(number) +
                                     ": a character that Windows-1252 does not have");
            return;
        }
        if (phrases && line.empty()) return;  // blank lines between phrases are only for the eye
        if (!inSubject) {
            if (line.empty()) return;
            if (line[0] != '{') {
                sources.errors.push_back(file + ":" + std::to_string(number) + ": text before the first subject");
                return;
            }
            inSubject = true;
        }
        // The loader ends a text at any "{": only a subject line may hold one, at its start.
        if (line.find('{', phrases ? 0 : 1) != std::string::npos) {
            sources.errors.push_back(file + ":" + std::to_string(number) + ": '{' may not appear inside a text");
            return;
        }
        addLine(sources, line, file, number);
    });
}

}  // namespace

ArchiveSources readArchiveSources(const std::string& folder) {
    ArchiveSources sources;
    if (!platform::directoryExists(folder)) {
        sources.errors.push_back(folder + ": no such folder");
        return sources;
    }
    const std::vector<std::string> files = platform::listFiles(folder, "*.txt");
    for (const std::string& file : files)
        if (file == PHRASES_FILE_NAME) addSourceFile(sources, folder, file);
    for (const std::string& file : files)
        if (file != PHRASES_FILE_NAME) addSourceFile(sources, folder, file);
    return sources;
}

std::string describeOrigin(const ArchiveSources& sources, std::size_t line) {
    if (line == 0 || line > sources.origins.size()) return "(trailer)";
    const SourceLine& origin = sources.origins[line - 1];
    return origin.file + ":" + std::to_string(origin.line);
}
