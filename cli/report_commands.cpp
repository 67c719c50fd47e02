#include "cli/report_commands.h"

#include "archive/language_list.h"
#include "archive/list_expansion.h"
#include "archive/text_archive.h"
#include "cli/cp1252.h"
#include "cli/options.h"
#include "cli/person_options.h"
#include "compose/list_writer.h"
#include "compose/report_types.h"
#include "output/page_layout.h"
#include "output/rtf_writer.h"
#include "people/name_reading.h"
#include "platform/platform.h"
#include "shell/report_state.h"
#include "shell/settings.h"

#include <cstdio>
#include <cstring>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>

namespace {

const char* const LIST_USAGE =
    "usage: vek list --type profile|short|compatibility|chart-calculator|lucky|name|diamond|everyday\n"
    "                [person options as for vek numbers] [--second-birth-first S ... --second-born M/D/YYYY]\n"
    "                [--phrase N TEXT]... [--address S] [--phone S] [--nine-digits S] [--age A]\n"
    "                [--ages A1-A2] [--years Y1-Y2] [--months M/YYYY-M/YYYY] [--day-months M/YYYY-M/YYYY]\n"
    "                [--topics all|N,N,...] [--daily] [--settings Vek.ini] [--archive PATH] [--today M/D/YYYY]\n"
    "                -o LIST_FILE\n";
const char* const REPORT_USAGE =
    "usage: vek report [the options of vek list, without -o] [--rtf [PATH]] [--text PATH]\n";
const char* const EXPAND_USAGE = "usage: vek expand [--archive PATH] LIST_FILE -o REPORT_TEXT\n";

enum { EXIT_FAILED = 1, EXIT_USAGE = 2, EXIT_MISSING_SUBJECTS = 3 };

const struct { const char* name; int type; } TYPE_NAMES[] = {
    {"profile", TYPE_PROFILES},   {"short", TYPE_SHORT_PROFILES},
    {"compatibility", TYPE_COMPATIBILITY}, {"chart-calculator", TYPE_CHART_CALCULATOR},
    {"lucky", TYPE_LUCKY},        {"name", TYPE_NAME},
    {"diamond", TYPE_DIAMOND},    {"everyday", TYPE_EVERYDAY},
};

// Messages of the run: missing subjects are counted, everything goes to err.
std::string* messages = nullptr;
int missingSubjects = 0;

int recordMessage(const char* text, const char*, unsigned) {
    if (std::strstr(text, "NOT IN TEXT ARCHIVE")) ++missingSubjects;
    if (messages) *messages += std::string(text) + "\n";
    return platform::ANSWER_OK;
}

class MessageCapture {
public:
    explicit MessageCapture(std::string& err) {
        messages = &err;
        missingSubjects = 0;
        platform::setMessageBoxHook(recordMessage);
    }
    ~MessageCapture() {
        platform::setMessageBoxHook(nullptr);
        messages = nullptr;
    }
};

// Without --archive: the English archive of the data folder, else the one
// this build made.
std::string archivePath(const Options& options) {
    if (options.has("archive")) return options.get("archive");
    const std::string installed = platform::joinPath(platform::dataFolder(), "Text_English.arc");
    if (platform::fileExists(installed)) return installed;
#ifdef TAMSI_BUILT_ARCHIVE
    return TAMSI_BUILT_ARCHIVE;
#else
    return installed;
#endif
}

bool archiveSource(const std::string& path, LanguageEntry& source, std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        error = path + ": can't be read";
        return false;
    }
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fclose(file);
    source = LanguageEntry{};
    const std::size_t slash = path.find_last_of("/\\");
    std::snprintf(source.archiveName, sizeof source.archiveName, "%s",
                  path.substr(slash == std::string::npos ? 0 : slash + 1).c_str());
    std::snprintf(source.holdingPath, sizeof source.holdingPath, "%s", path.c_str());
    source.length = size > 0 ? static_cast<std::uint32_t>(size) : 0;
    return true;
}

// "M/YYYY-M/YYYY" as two month indexes.
bool parseMonthRange(const std::string& text, int& first, int& last) {
    unsigned m1, y1, m2, y2;
    char end;
    if (std::sscanf(text.c_str(), "%u/%u-%u/%u%c", &m1, &y1, &m2, &y2, &end) != 4) return false;
    if (m1 < 1 || m1 > 12 || m2 < 1 || m2 > 12 || y1 > 99999 || y2 > 99999) return false;
    first = monthIndex(static_cast<int>(y1), static_cast<int>(m1));
    last = monthIndex(static_cast<int>(y2), static_cast<int>(m2));
    return first <= last && last - first < 12 * 100;
}

bool readTopics(const std::string& text, std::string& error) {
    if (text == "all") {
        std::memset(settings.topicFlags, 1, TOPIC_FLAG_COUNT);
        settings.topicFlags[TOPIC_ALWAYS_OFF] = 0;
        return true;
    }
    std::memset(settings.topicFlags, 0, TOPIC_FLAG_COUNT);
    std::stringstream list(text);
    std::string item;
    while (std::getline(list, item, ',')) {
        int flag = -1;
        if (!parseRange(item, TOPIC_FLAG_COUNT - 1, flag, flag)) {
            error = "--topics takes all or flag numbers 0 to 35 separated by commas";
            return false;
        }
        settings.topicFlags[flag] = 1;
    }
    return true;
}

bool readPhrases(const Options& options, int type, std::string& error) {
    std::memset(phraseList, 0, sizeof phraseList);
    auto take = [&](int index, const std::string& utf8, const std::string& option) {
        std::string text;
        if (!utf8ToCp1252(utf8, text)) {
            error = "--" + option + " holds a character that Windows-1252 lacks";
            return false;
        }
        char field[NAME_SIZE];
        YwReading reading;
        const bool asName = type == TYPE_NAME;
        const NameReadResult result = readNameField(text.c_str(), field, false, asName && settings.autoYW, reading);
        if (asName && result == NameReadResult::Comma) {
            error = std::string(nameReadMessage(result)) + " (--" + option + ")";
            return false;
        }
        std::memcpy(phraseList[index], field, NAME_SIZE);
        return true;
    };
    for (const auto& phrase : options.pairs("phrase")) {
        int index = -1;
        if (!parseRange(phrase.first, PHRASE_COUNT, index, index) || index < 1) {
            error = "--phrase takes a number from 1 to 8 and a text";
            return false;
        }
        if (!take(index - 1, phrase.second, "phrase")) return false;
    }
    if (type != TYPE_EVERYDAY) return true;
    const char* const fields[] = {"address", "phone", "nine-digits"};
    for (int i = 0; i < 3; ++i)
        if (!take(i, options.get(fields[i]), fields[i])) return false;
    // The everyday dialog's checks.
    auto allDigits = [](const char* s) { return std::strspn(s, "0123456789") == std::strlen(s); };
    if (!allDigits(phraseList[1])) error = "Must be all digits. (--phone)";
    else if (!allDigits(phraseList[2])) error = "Must be all digits. (--nine-digits)";
    else if (phraseList[2][0] && std::strlen(phraseList[2]) != 9) error = "Must have 9 digits. (--nine-digits)";
    else if (std::count(phraseList[2], phraseList[2] + std::strlen(phraseList[2]), '0') > 3)
        error = "May have no more than 3 zeros. (--nine-digits)";
    return error.empty();
}

bool readRanges(const Options& options, int type, std::string& error) {
    // Read into locals: the settings record is packed, its fields can't be bound to references.
    int first = 0, last = 0;
    if (options.has("ages")) {
        if (!parseRange(options.get("ages"), 999, first, last)) {
            error = "--ages must be A1-A2, ages from 0 to 999";
            return false;
        }
        settings.firstAge = first;
        settings.lastAge = last;
    }
    if (options.has("age")) {
        if (!parseRange(options.get("age"), 999, first, first) || first < 1 || first > 81) {
            error = "Error in age: must be between 1 and 81 (--age)";
            return false;
        }
        settings.firstAge = first;
        if (type == TYPE_DIAMOND) settings.lastAge = 0;
    }
    if (options.has("years")) {
        if (!parseRange(options.get("years"), 99999, first, last)) {
            error = "--years must be Y1-Y2";
            return false;
        }
        settings.firstYear = first;
        settings.lastYear = last;
    }
    if (options.has("months")) {
        if (!parseMonthRange(options.get("months"), first, last)) {
            error = "--months must be M/YYYY-M/YYYY, at most 100 years";
            return false;
        }
        settings.firstMonth = first;
        settings.lastMonth = last;
    }
    if (options.has("day-months")) {
        if (!parseMonthRange(options.get("day-months"), first, last)) {
            error = "--day-months must be M/YYYY-M/YYYY, at most 100 years";
            return false;
        }
        settings.firstDayMonth = first;
        settings.lastDayMonth = last;
    }
    return !options.has("topics") || readTopics(options.get("topics"), error);
}

std::string marksLine(int type) {
    char line[200];
    std::snprintf(line, sizeof line, "type=%d coverStart=%u contentsStart=%u chartStart=%u bodyStart=%u listEnd=%u\n",
                  type, static_cast<unsigned>(sectionMarks.coverStart), static_cast<unsigned>(sectionMarks.contentsStart),
                  static_cast<unsigned>(sectionMarks.chartStart), static_cast<unsigned>(sectionMarks.bodyStart),
                  static_cast<unsigned>(sectionMarks.listEnd));
    return line;
}

bool readMarks(const std::string& path, int& type) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    unsigned c, n, h, b, e;
    const bool ok = std::fscanf(file, "type=%d coverStart=%u contentsStart=%u chartStart=%u bodyStart=%u listEnd=%u",
                                &type, &c, &n, &h, &b, &e) == 6;
    std::fclose(file);
    if (ok) sectionMarks = SectionMarks{c, n, h, b, e};
    return ok;
}

int finish() {
    closeTextArchive();
    return missingSubjects > 0 ? EXIT_MISSING_SUBJECTS : 0;
}

OptionKinds listOptionKinds() {
    OptionKinds kinds;
    kinds.values = PERSON_OPTIONS;
    kinds.values.insert(kinds.values.end(), SECOND_PERSON_OPTIONS.begin(), SECOND_PERSON_OPTIONS.end());
    for (const char* name : {"type", "address", "phone", "nine-digits", "age", "ages", "years", "months",
                             "day-months", "topics", "settings", "archive", "output"})
        kinds.values.push_back(name);
    kinds.flags = {"daily"};
    kinds.pairs = {"phrase"};
    return kinds;
}

// Reads the report's input and settings from the options, opens the archive
// and writes the list file to listPath. 0, or the exit status of a failure.
int composeReport(const Options& options, const char* command, const std::string& listPath, int& type,
                  std::string& err) {
    std::string error;
    type = -1;
    for (const auto& entry : TYPE_NAMES)
        if (options.get("type") == entry.name) type = entry.type;
    if (type < 0) {
        err = std::string(command) + ": --type is needed\n" + LIST_USAGE;
        return EXIT_USAGE;
    }

    TodayDate date;
    if (!readTodayOption(options, date, error)) {
        err = std::string(command) + ": " + error + "\n";
        return EXIT_USAGE;
    }
    clearPeople();
    // The name and everyday reports don't need the person, but keep one
    // given (the name report's file is named after it).
    const bool personNeeded = type != TYPE_NAME && type != TYPE_EVERYDAY;
    const bool fromFile = options.has("settings");
    if (fromFile && !loadSettings(options.get("settings"))) {
        err = std::string(command) + ": " + options.get("settings") + " is not a settings file\n";
        return EXIT_USAGE;
    }
    if (!fromFile) applySettingsDefaults(type, ".", date, person1);
    if (!readSettingOptions(options, error) ||
        !readPersonFields(options, "", date, person1, error, personNeeded) ||
        (type == TYPE_COMPATIBILITY && !readPersonFields(options, "second-", date, person2, error)) ||
        !readPhrases(options, type, error)) {
        err = error + "\n";
        return EXIT_USAGE;
    }
    if (!fromFile) {
        // The defaults' ages follow the first person; the options given still count.
        applySettingsDefaults(type, ".", date, person1);
        readSettingOptions(options, error);
    }
    activeFont = settings.reportFont;
    dailyLuckyNumbers = options.has("daily") ? 1 : 0;
    if (!readRanges(options, type, error)) {
        err = error + "\n";
        return EXIT_USAGE;
    }

    LanguageEntry source;
    if (!archiveSource(archivePath(options), source, error)) {
        err = std::string(command) + ": " + error + "\n";
        return EXIT_FAILED;
    }
    reportType = type;
    if (!openTextArchive(source, type, platform::dataFolder())) return EXIT_FAILED;
    currentReportFile = listPath;
    reportTypes[type].composer();
    return 0;
}

}  // namespace

int runListCommand(const std::vector<std::string>& args, std::string& out, std::string& err) {
    Options options;
    std::string error;
    if (!options.parse(args, listOptionKinds(), error)) {
        err = "vek list: " + error + "\n" + LIST_USAGE;
        return EXIT_USAGE;
    }
    if (!options.has("output")) {
        err = std::string("vek list: -o LIST_FILE is needed\n") + LIST_USAGE;
        return EXIT_USAGE;
    }
    MessageCapture capture(err);
    int type;
    if (const int status = composeReport(options, "vek list", options.get("output"), type, err)) return status;
    out = marksLine(type);
    platform::writeFileReplacing(currentReportFile + ".marks", out.data(), out.size());
    return finish();
}

int runExpandCommand(const std::vector<std::string>& args, std::string& out, std::string& err) {
    OptionKinds kinds;
    kinds.values = {"archive", "output"};
    kinds.positional = 1;
    Options options;
    std::string error;
    if (!options.parse(args, kinds, error) || options.positional().size() != 1 || !options.has("output")) {
        err = "vek expand: " + (error.empty() ? std::string("LIST_FILE and -o are needed") : error) +
              "\n" + EXPAND_USAGE;
        return EXIT_USAGE;
    }
    const std::string listPath = options.positional()[0];
    int type = TYPE_SHORT_PROFILES;
    if (!readMarks(listPath + ".marks", type)) sectionMarks = SectionMarks{0, 0, 0, 0, 0};
    LanguageEntry source;
    if (!archiveSource(archivePath(options), source, error)) {
        err = "vek expand: " + error + "\n";
        return EXIT_FAILED;
    }
    if (!platform::fileExists(listPath)) {
        err = "vek expand: " + listPath + ": can't be read\n";
        return EXIT_FAILED;
    }
    MessageCapture capture(err);
    reportType = type;
    if (!openTextArchive(source, type, platform::dataFolder())) return EXIT_FAILED;
    expandListFile(listPath, options.get("output"));
    out = marksLine(type);
    return finish();
}

namespace {

// The laid-out lines as text: one display line per line, a form feed
// between pages, UTF-8.
bool writeTextReport(const std::string& textPath, const std::string& path) {
    std::FILE* text = std::fopen(textPath.c_str(), "rb");
    if (!text) return false;
    std::string out;
    for (int i = 0; i < lineCount; ++i) {
        if (i > 0 && lineTable[static_cast<std::size_t>(i)].page != lineTable[static_cast<std::size_t>(i) - 1].page)
            out += "\f\n";
        out += cp1252ToUtf8(displayLineText(text, i));
        const int page = contentsEntryPage(lineTable[static_cast<std::size_t>(i)].offset);
        if (page > 0) out += "\t" + std::to_string(page);
        out += '\n';
    }
    std::fclose(text);
    return platform::writeFileReplacing(path, out.data(), out.size());
}

}  // namespace

int runReportCommand(const std::vector<std::string>& given, std::string& out, std::string& err) {
    // "--rtf" may stand without its path.
    std::vector<std::string> args;
    for (std::size_t i = 0; i < given.size(); ++i) {
        args.push_back(given[i]);
        if (given[i] == "--rtf" && (i + 1 == given.size() || given[i + 1].compare(0, 2, "--") == 0)) args.back() = "--rtf=";
    }
    OptionKinds kinds = listOptionKinds();
    kinds.values.push_back("rtf");
    kinds.values.push_back("text");
    Options options;
    std::string error;
    if (!options.parse(args, kinds, error) || options.has("output")) {
        err = "vek report: " + (error.empty() ? std::string("the report goes to --rtf or --text, not -o") : error) +
              "\n" + REPORT_USAGE + LIST_USAGE;
        return EXIT_USAGE;
    }
    MessageCapture capture(err);
    // The list file and the report text go to a folder of this run's own, so
    // that runs at the same time never share them.
    platform::PrivateFolder work;
    if (!work.made()) {
        err += "vek report: no folder for the temporary files can be made in " + platform::tempFolder() + "\n";
        return EXIT_FAILED;
    }
    const std::string listPath = work.file(LIST_FILE_NAME), textPath = work.file(REPORT_TEXT_FILE_NAME);
    int type;
    int status = composeReport(options, "vek report", listPath, type, err);
    if (status == 0) {
        expandListFile(listPath, textPath);
        closeTextArchive();
        std::unique_ptr<platform::TextDevice> screen = platform::screenTextDevice();
        // Without the font's widths nothing would wrap and every page break would be wrong.
        if (!layoutReport(*screen, LayoutKind::Rtf, textPath, type)) {
            const std::string why = screen->fontProblem();
            err += "vek report: the report font can't be measured" + (why.empty() ? "" : ": " + why) + "\n";
            return EXIT_FAILED;
        }
        if (options.has("text")) {
            if (!writeTextReport(textPath, options.get("text"))) {
                err += options.get("text") + ": can't be written\n";
                status = EXIT_FAILED;
            }
        }
        if (options.has("rtf") || !options.has("text")) {
            std::string rtfPath = options.get("rtf");
            if (rtfPath.empty()) {
                const std::string folder = platform::dataFolder();
                platform::makeDirectory(folder);
                platform::makeDirectory(platform::joinPath(folder, "Reports"));
                rtfPath = reportFileName(folder, type, person1, "rtf");
            }
            writeRtfReport(*screen, textPath, rtfPath, type);
            out += rtfPath + "\n";
        }
    }
    if (status != 0) return status;
    return finish();
}
