#include "cli/archive_command.h"

#include "archive/archive_check.h"
#include "archive/archive_pack.h"
#include "archive/language_list.h"
#include "archive/text_archive.h"
#include "cli/archive_sources.h"
#include "cli/cp1252.h"
#include "cli/options.h"
#include "compose/phrases.h"
#include "people/text_file.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace {

const char* const USAGE =
    "usage: vek archive pack SOURCE_DIR OUT.arc [--form plain|szdd|scrambled] [--description TEXT] "
    "[--mask HEX]\n"
    "       vek archive unpack IN.arc OUT.txt\n"
    "       vek archive list IN.arc\n"
    "       vek archive check IN.arc\n";

enum { EXIT_PROBLEMS = 1, EXIT_USAGE = 2 };

int usage(std::string& err, const std::string& why) {
    err = "vek archive: " + why + "\n" + USAGE;
    return EXIT_USAGE;
}

bool readStored(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& err) {
    std::string content;
    if (!readWholeFile(path, content)) {
        err = path + ": can't be read\n";
        return false;
    }
    bytes.assign(content.begin(), content.end());
    return true;
}

// The plain text the loader sees, and where the archive's own text ends.
bool readPlain(const std::string& path, std::vector<std::uint8_t>& plain, std::size_t& textEnd, std::string& err) {
    if (!readStored(path, plain, err)) return false;
    if (!makeArchivePlain(plain, &textEnd)) {
        err = path + ": not an archive (none of plain text, SZDD or scrambled SZDD), or a damaged SZDD stream\n";
        return false;
    }
    return true;
}

// Phrases whose conversions don't fit the arguments their composer passes
// (the program would show them as plain text).
std::vector<ArchiveProblem> checkPhraseFormats(const std::vector<std::uint8_t>& plain, std::size_t textEnd) {
    std::vector<ArchiveProblem> problems;
    std::vector<SubjectEntry> table;
    if (!buildSubjectTable(plain.data(), plain.size(), table)) return problems;
    const SubjectEntry* quotes = nullptr;
    for (const SubjectEntry& row : table)
        if (std::string(row.name) == QUOTES_SUBJECT) quotes = &row;
    if (!quotes || quotes->length >= PHRASE_BLOCK_SIZE) return problems;
    // The loader's own walk, into a block of our own.
    std::vector<char> block(PHRASE_BLOCK_SIZE);
    const char* phrases[MAX_PHRASES];
    const int count = buildQuoteTable(reinterpret_cast<const char*>(plain.data()) + quotes->text,
                                      ownTextLength(quotes->text, quotes->length, textEnd), block.data(), phrases);
    std::size_t lineOfQuotes = 1;
    for (std::uint32_t i = 0; i < quotes->text; ++i) lineOfQuotes += plain[i] == '\n';
    for (std::size_t i = 0; i < PHRASE_USE_COUNT; ++i) {
        const PhraseUse& use = PHRASE_USES[i];
        if (use.number >= count || formatFits(phrases[use.number], use.signature)) continue;
        std::string wanted;
        for (const char* c = use.signature; *c; ++c) wanted += *c == 's' ? " text" : " number";
        problems.push_back({lineOfQuotes, QUOTES_SUBJECT,
                            "phrase " + std::to_string(use.number) + " has conversions that don't fit its arguments (" +
                                (wanted.empty() ? std::string(" none") : wanted) + " )"});
    }
    return problems;
}

std::string problemLine(const std::string& where, const ArchiveProblem& problem) {
    std::string line = where + ": ";
    if (!problem.subject.empty()) line += "subject {" + cp1252ToUtf8(problem.subject) + "}: ";
    return line + problem.message + "\n";
}

int pack(const std::vector<std::string>& args, std::string& out, std::string& err) {
    if (args.size() < 2) return usage(err, "pack needs SOURCE_DIR and OUT.arc");
    Options options;
    std::string error;
    if (!options.parse(std::vector<std::string>(args.begin() + 2, args.end()), {"form", "description", "mask"},
                       error))
        return usage(err, error);

    const std::string formName = options.get("form", "scrambled");
    ArchiveForm form;
    if (formName == "plain") form = ArchiveForm::Plain;
    else if (formName == "szdd") form = ArchiveForm::Szdd;
    else if (formName == "scrambled") form = ArchiveForm::Scrambled;
    else return usage(err, "--form must be plain, szdd or scrambled");

    std::string description;
    if (!utf8ToCp1252(options.get("description"), description))
        return usage(err, "--description holds a character that Windows-1252 does not have");
    if (description.size() > TRAILER_TEXT_SIZE - 1) return usage(err, "--description is longer than 251 characters");
    const std::string maskText = options.get("mask", "17FFF");
    char* maskEnd = nullptr;
    const unsigned long mask = std::strtoul(maskText.c_str(), &maskEnd, 16);
    if (maskText.empty() || *maskEnd || mask > 0xFFFFFFFFul) return usage(err, "--mask must be a hexadecimal number");

    const ArchiveSources sources = readArchiveSources(args[0]);
    for (const std::string& e : sources.errors) err += e + "\n";
    std::vector<std::uint8_t> stored = makeStoredArchive(sources.plainText, form, description,
                                                         static_cast<std::uint32_t>(mask));
    // Check what the loader will see: for the plain form that includes the trailer.
    std::vector<std::uint8_t> plain = stored;
    if (form != ArchiveForm::Plain) plain.assign(sources.plainText.begin(), sources.plainText.end());
    const std::size_t textEnd = form == ArchiveForm::Plain ? stored.size() - TRAILER_SIZE : plain.size();
    for (const ArchiveProblem& problem : checkArchiveText(plain.data(), plain.size(), textEnd))
        err += problemLine(describeOrigin(sources, problem.line), problem);
    for (const ArchiveProblem& problem : checkPhraseFormats(plain, textEnd))
        err += problemLine("phrases.txt", problem);
    if (!err.empty()) return EXIT_PROBLEMS;

    if (!platform::writeFileReplacing(args[1], stored.data(), stored.size())) {
        err = args[1] + ": can't be written\n";
        return EXIT_PROBLEMS;
    }
    char summary[160];
    std::snprintf(summary, sizeof summary, "%s: %zu bytes of text stored in %zu bytes (%s)\n", args[1].c_str(),
                  sources.plainText.size(), stored.size(), formName.c_str());
    out = summary;
    return 0;
}

int unpack(const std::vector<std::string>& args, std::string& err) {
    if (args.size() != 2) return usage(err, "unpack needs IN.arc and OUT.txt");
    std::vector<std::uint8_t> plain;
    std::size_t textEnd = 0;
    if (!readPlain(args[0], plain, textEnd, err)) return EXIT_PROBLEMS;
    // A plain stored body still has its trailer after the text; it is not text.
    plain.resize(textEnd);
    if (!platform::writeFileReplacing(args[1], plain.data(), plain.size())) {
        err = args[1] + ": can't be written\n";
        return EXIT_PROBLEMS;
    }
    return 0;
}

int list(const std::vector<std::string>& args, std::string& out, std::string& err) {
    if (args.size() != 1) return usage(err, "list needs IN.arc");
    std::vector<std::uint8_t> plain;
    std::size_t textEnd = 0;
    if (!readPlain(args[0], plain, textEnd, err)) return EXIT_PROBLEMS;
    std::vector<SubjectEntry> table;
    if (!buildSubjectTable(plain.data(), plain.size(), table)) {
        err = args[0] + ": the subject table can't be built (vek archive check tells why)\n";
        return EXIT_PROBLEMS;
    }
    for (const SubjectEntry& row : table) {
        char line[64];
        std::snprintf(line, sizeof line, "%-15s %5u\n", row.name, static_cast<unsigned>(row.length));
        out += cp1252ToUtf8(line);
    }
    return 0;
}

int check(const std::vector<std::string>& args, std::string& out, std::string& err) {
    if (args.size() != 1) return usage(err, "check needs IN.arc");
    std::vector<std::uint8_t> stored, plain;
    if (!readStored(args[0], stored, err)) return EXIT_PROBLEMS;
    if (stored.size() < TRAILER_SIZE) err += args[0] + ": shorter than its 256-byte trailer\n";
    plain = stored;
    std::size_t textEnd = 0;
    if (!makeArchivePlain(plain, &textEnd)) {
        err += args[0] + ": not an archive (none of plain text, SZDD or scrambled SZDD), or a damaged SZDD stream\n";
        return EXIT_PROBLEMS;
    }
    for (const ArchiveProblem& problem : checkArchiveText(plain.data(), plain.size(), textEnd))
        err += problemLine(args[0] + ":" + std::to_string(problem.line), problem);
    for (const ArchiveProblem& problem : checkPhraseFormats(plain, textEnd))
        err += problemLine(args[0] + ":" + std::to_string(problem.line), problem);
    if (!err.empty()) return EXIT_PROBLEMS;
    const std::uint8_t* trailer = stored.data() + stored.size() - TRAILER_SIZE;
    char mask[16];
    std::snprintf(mask, sizeof mask, "%X", static_cast<unsigned>(trailerMask(trailer)));
    out = args[0] + ": good; \"" + cp1252ToUtf8(trailerDescription(trailer)) + "\", mask " + mask + "\n";
    return 0;
}

}  // namespace

int runArchiveCommand(const std::vector<std::string>& args, std::string& out, std::string& err) {
    if (args.empty()) return usage(err, "which archive command?");
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "pack") return pack(rest, out, err);
    if (args[0] == "unpack") return unpack(rest, err);
    if (args[0] == "list") return list(rest, out, err);
    if (args[0] == "check") return check(rest, out, err);
    return usage(err, "unknown archive command '" + args[0] + "'");
}
