// The road of one full profile report on the English archive, step by step
// and whole: opening the archive, the composer writing the list file, the
// expansion into report text, the viewer's layout on a 1024 x 700 client
// area, and the RTF document. The person and the settings are read by
// "vek list --type profile" itself, so the report is the one "vek report
// --type profile" makes for the same person.
#include "archive/language_list.h"
#include "archive/list_expansion.h"
#include "archive/text_archive.h"
#include "cli/report_commands.h"
#include "compose/list_writer.h"
#include "compose/report_types.h"
#include "output/page_layout.h"
#include "output/rtf_writer.h"
#include "platform/platform.h"
#include "platform/text_device.h"
#include "shell/report_state.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const int REPORT = TYPE_PROFILES;
const Box CLIENT_AREA{0, 0, 1024, 700};

// The report's files, in a private folder that is also the data folder (the
// profile reports keep their user text file there).
struct Road {
    std::string folder;
    std::string listPath, textPath, rtfPath;
    ArchiveSource source{};
    SectionMarks listMarks{};  // as the composer wrote them
    SectionMarks textMarks{};  // as the expansion turned them
};
Road road;

// Messages shown during a run; any one of them (a missing subject, an
// archive problem) makes the figures worthless.
std::string shownMessages;

int keepMessage(const char* text, const char*, unsigned) {
    shownMessages += std::string(text) + "\n";
    return platform::ANSWER_OK;
}

bool checkQuiet(benchmark::State& state) {
    if (shownMessages.empty()) return true;
    state.SkipWithError(("the report showed: " + shownMessages).c_str());
    return false;
}

long fileSize(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return -1;
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fclose(file);
    return size;
}

bool openArchive() { return openTextArchive(road.source, REPORT, road.folder) == 1; }

bool openArchiveOrSkip(benchmark::State& state) {
    if (openArchive()) return true;
    state.SkipWithError(("the archive did not open: " + shownMessages).c_str());
    return false;
}

void compose() {
    currentReportFile = road.listPath;
    reportTypes[REPORT].composer();
}

void expand() {
    sectionMarks = road.listMarks;
    expandListFile(road.listPath, road.textPath);
}

void layOutOnScreen(platform::TextDevice& screen) {
    sectionMarks = road.textMarks;
    layoutReport(screen, LayoutKind::Screen, road.textPath, REPORT, CLIENT_AREA);
}

void writeRtf(platform::TextDevice& screen) {
    sectionMarks = road.textMarks;
    writeRtfReport(screen, road.textPath, road.rtfPath, REPORT);
}

void countLayout(benchmark::State& state) {
    state.counters["display_lines"] = lineCount;
    state.counters["pages"] = lineCount > 0 ? lineTable[static_cast<std::size_t>(lineCount) - 1].page : 0;
}

// (a) Reading, unscrambling and expanding the archive, its subject table
// and phrases: once per report.
void openingTheArchive(benchmark::State& state) {
    for (auto _ : state) {
        if (!openArchiveOrSkip(state)) break;
        closeTextArchive();
    }
    if (checkQuiet(state)) state.counters["archive_bytes"] = static_cast<double>(road.source.length);
}
BENCHMARK(openingTheArchive)->Unit(benchmark::kMillisecond);

// (b) The profile composer writing the list file, with the archive open.
void composing(benchmark::State& state) {
    if (!openArchiveOrSkip(state)) return;
    for (auto _ : state) compose();
    closeTextArchive();
    if (checkQuiet(state)) state.counters["list_bytes"] = static_cast<double>(fileSize(road.listPath));
}
BENCHMARK(composing)->Unit(benchmark::kMillisecond);

// (c) The expansion of that list file into report text.
void expanding(benchmark::State& state) {
    if (!openArchiveOrSkip(state)) return;
    for (auto _ : state) expand();
    closeTextArchive();
    if (checkQuiet(state)) state.counters["text_bytes"] = static_cast<double>(fileSize(road.textPath));
}
BENCHMARK(expanding)->Unit(benchmark::kMillisecond);

// (d) The viewer's layout, with the fonts measured afresh as at every
// report (a new screen device) ...
void screenLayout(benchmark::State& state) {
    for (auto _ : state) {
        const std::unique_ptr<platform::TextDevice> screen = platform::screenTextDevice();
        layOutOnScreen(*screen);
    }
    if (checkQuiet(state)) countLayout(state);
}
BENCHMARK(screenLayout)->Unit(benchmark::kMillisecond);

// ... and again with fonts already measured: the line table and the pages
// alone, as after a resize of the viewer.
void screenLayoutFontsKnown(benchmark::State& state) {
    const std::unique_ptr<platform::TextDevice> screen = platform::screenTextDevice();
    layOutOnScreen(*screen);
    for (auto _ : state) layOutOnScreen(*screen);
    if (checkQuiet(state)) countLayout(state);
}
BENCHMARK(screenLayoutFontsKnown)->Unit(benchmark::kMillisecond);

// (e) The RTF writer: its own layout on an RTF page, then the document.
void rtfDocument(benchmark::State& state) {
    for (auto _ : state) {
        const std::unique_ptr<platform::TextDevice> screen = platform::screenTextDevice();
        writeRtf(*screen);
    }
    if (!checkQuiet(state)) return;
    countLayout(state);
    state.counters["rtf_bytes"] = static_cast<double>(fileSize(road.rtfPath));
}
BENCHMARK(rtfDocument)->Unit(benchmark::kMillisecond);

// ... and with fonts already measured: the RTF page's layout and the writing.
void rtfDocumentFontsKnown(benchmark::State& state) {
    const std::unique_ptr<platform::TextDevice> screen = platform::screenTextDevice();
    writeRtf(*screen);
    for (auto _ : state) writeRtf(*screen);
    if (!checkQuiet(state)) return;
    countLayout(state);
    state.counters["rtf_bytes"] = static_cast<double>(fileSize(road.rtfPath));
}
BENCHMARK(rtfDocumentFontsKnown)->Unit(benchmark::kMillisecond);

// (f) The whole road, a to e, as one report run makes it.
void wholeRoad(benchmark::State& state) {
    for (auto _ : state) {
        if (!openArchiveOrSkip(state)) break;
        compose();
        road.listMarks = sectionMarks;
        expand();
        road.textMarks = sectionMarks;
        closeTextArchive();
        const std::unique_ptr<platform::TextDevice> screen = platform::screenTextDevice();
        layOutOnScreen(*screen);
        writeRtf(*screen);
    }
    if (checkQuiet(state)) countLayout(state);
}
BENCHMARK(wholeRoad)->Unit(benchmark::kMillisecond);

// Makes the private folder, lets "vek list" read the person and the settings
// and write the first list file, and expands it once, so that every step
// finds its input. False with a message on stderr.
bool prepareRoad() {
    char folder[] = "/tmp/report_bench-XXXXXX";
    if (!mkdtemp(folder)) {
        std::perror("report_bench: mkdtemp");
        return false;
    }
    road.folder = folder;
    road.listPath = platform::joinPath(road.folder, LIST_FILE_NAME);
    road.textPath = platform::joinPath(road.folder, REPORT_TEXT_FILE_NAME);
    road.rtfPath = platform::joinPath(road.folder, "report.rtf");
    platform::setDataFolderOverride(road.folder.c_str());

    const std::vector<std::string> args = {
        "--type", "profile", "--birth-first", "Maria", "--birth-middle", "Elena", "--birth-last", "Torres",
        "--current-first", "Maria", "--current-last", "Torres", "--born", "5/15/1949", "--today", "12/8/2026",
        "--archive", TAMSI_ENGLISH_ARCHIVE, "-o", road.listPath};
    std::string out, err;
    const int status = runListCommand(args, out, err);
    if (status != 0) {
        std::fprintf(stderr, "report_bench: vek list ended with status %d:\n%s", status, err.c_str());
        return false;
    }
    road.listMarks = sectionMarks;

    const long size = fileSize(TAMSI_ENGLISH_ARCHIVE);
    ArchiveSource& source = road.source;
    std::snprintf(source.archiveName, sizeof source.archiveName, "%s", "Text_English.arc");
    std::snprintf(source.holdingPath, sizeof source.holdingPath, "%s", TAMSI_ENGLISH_ARCHIVE);
    source.offset = 0;
    source.length = static_cast<std::uint32_t>(size > 0 ? size : 0);

    platform::setMessageBoxHook(keepMessage);
    if (!openArchive()) {
        std::fprintf(stderr, "report_bench: %s can't be opened:\n%s", TAMSI_ENGLISH_ARCHIVE, shownMessages.c_str());
        return false;
    }
    expand();
    road.textMarks = sectionMarks;
    closeTextArchive();
    return true;
}

void removeRoad() {
    platform::setMessageBoxHook(nullptr);
    platform::setDataFolderOverride(nullptr);
    if (road.folder.empty()) return;
    for (const std::string& name : platform::listFiles(road.folder, "*"))
        platform::removeFile(platform::joinPath(road.folder, name));
    platform::removeDirectory(road.folder);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const bool ready = prepareRoad();
    if (ready) benchmark::RunSpecifiedBenchmarks();
    removeRoad();
    return ready ? 0 : 1;
}
