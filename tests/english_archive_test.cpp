// The English archive this build packs: every subject any composer can name,
// for every value the numbers can take, and the rules its texts must keep.
#include "archive/text_archive.h"
#include "archive_subjects.h"
#include "compose/phrases.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

class EnglishArchive : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        const std::string stored = readFile(TAMSI_ENGLISH_ARCHIVE);
        ASSERT_FALSE(stored.empty()) << "the build packs " << TAMSI_ENGLISH_ARCHIVE;
        ASSERT_EQ(openStoredArchive(std::vector<std::uint8_t>(stored.begin(), stored.end())), 1);
    }
    void TearDown() override {
        closeTextArchive();
        PlatformTest::TearDown();
    }
};

TEST_F(EnglishArchive, HoldsEverySubjectAComposerCanName) {
    const std::vector<std::string> missing = missingSubjects(allSubjects());
    EXPECT_TRUE(missing.empty()) << missing.size() << " missing:" << joinedProblems(missing);
}

TEST_F(EnglishArchive, EveryPhraseFitsItsArguments) {
    for (std::size_t i = 0; i < PHRASE_USE_COUNT; ++i) {
        const PhraseUse& use = PHRASE_USES[i];
        EXPECT_TRUE(formatFits(phraseText(use.number), use.signature)) << "phrase " << use.number;
        EXPECT_STRNE(phraseText(use.number), "") << "phrase " << use.number;
    }
    for (int n = 351; n <= 354; ++n) EXPECT_STRNE(phraseText(n), "");
    for (int n = 361; n <= 372; ++n) EXPECT_STRNE(phraseText(n), "");
    EXPECT_EQ(phraseText(36)[1], '\n') << "the progressive chart's phrase starts its own line";
}

TEST_F(EnglishArchive, TextsKeepTheLineRules) {
    const std::vector<std::string> problems = lineRuleProblems();
    EXPECT_TRUE(problems.empty()) << joinedProblems(problems);
    EXPECT_LE(textArchive.subjectTable.size(), 4000u);
}

// ---------------------------------------------------------------------------
// Lint rules. A subject is chosen by a number (or a letter) alone, so its
// text reaches everyone who has that number, in every position it can be
// named in and at every age. Each failure names the subject and the words.

struct Subject {
    std::string name;
    std::string text;
};

std::vector<Subject> archiveSubjects() {
    std::vector<Subject> subjects;
    for (const SubjectEntry& row : textArchive.subjectTable) {
        if (std::string(row.name) == QUOTES_SUBJECT) continue;
        subjects.push_back({row.name, std::string(reinterpret_cast<const char*>(textArchive.data.data()) + row.text,
                                                  row.length)});
    }
    return subjects;
}

bool isWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '\''; }

// The sentence around position at, shortened, for a failure message.
std::string around(const std::string& text, std::size_t at, std::size_t length) {
    std::size_t begin = at, end = at + length;
    while (begin > 0 && at - begin < 60 && text[begin - 1] != '\n' &&
           !(begin > 1 && (text[begin - 2] == '.' || text[begin - 2] == '?' || text[begin - 2] == '!')))
        --begin;
    while (end < text.size() && end - at < 60 && text[end] != '\r' && text[end] != '\n' &&
           !(text[end] == '.' || text[end] == '?' || text[end] == '!'))
        ++end;
    return "\"" + text.substr(begin, end - begin) + "\"";
}

// The sentence that holds position at, whole and in lower case.
std::string sentenceAt(const std::string& text, std::size_t at) {
    std::size_t begin = at, end = at;
    while (begin > 0 && text[begin - 1] != '\n' && text[begin - 1] != '.' && text[begin - 1] != '?' &&
           text[begin - 1] != '!')
        --begin;
    while (end < text.size() && text[end] != '\n' && text[end] != '.' && text[end] != '?' && text[end] != '!') ++end;
    std::string sentence = text.substr(begin, end - begin);
    for (char& c : sentence) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return sentence;
}

// Where a phrase of whole words occurs, case ignored; a '*' at the end of the
// phrase lets its last word run on ("grandchild*" finds "grandchildren").
std::vector<std::size_t> phraseHits(const std::string& text, std::string phrase) {
    const bool open = !phrase.empty() && phrase.back() == '*';
    if (open) phrase.pop_back();
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::vector<std::size_t> hits;
    for (std::size_t at = lower.find(phrase); at != std::string::npos; at = lower.find(phrase, at + 1)) {
        const std::size_t end = at + phrase.size();
        if (at > 0 && isWordChar(lower[at - 1])) continue;
        if (!open && end < lower.size() && isWordChar(lower[end])) continue;
        hits.push_back(at);
    }
    return hits;
}

std::string failures(const std::map<std::string, std::vector<std::string>>& found) {
    std::string report;
    for (const auto& [name, list] : found) {
        report += "\n  " + name + ":";
        for (const std::string& item : list) report += "\n    " + item;
    }
    return report;
}

// A name made of a prefix and digits ("PINCLS07", "ROOT_16.DMD"): the digits.
bool numberOf(const std::string& name, const std::string& prefix, int& number) {
    if (name.compare(0, prefix.size(), prefix) != 0) return false;
    std::size_t end = prefix.size();
    while (end < name.size() && std::isdigit(static_cast<unsigned char>(name[end]))) ++end;
    if (end == prefix.size()) return false;
    number = std::atoi(name.substr(prefix.size(), end - prefix.size()).c_str());
    return true;
}

// Subjects named for any position of their topic: the composer's phrase line
// names the position and the ages, so the text must read right in each.
bool sharedByPositions(const std::string& name) {
    int number;
    for (const char* prefix : {"PINCLS", "CYCLES", "CHGTXT", "ESSENC"})
        if (numberOf(name, prefix, number)) return true;
    for (const char* prefix : {"TRNPHYS", "TRNMNTL", "TRNSPRT"})
        if (name.size() == 8 && name.compare(0, 7, prefix) == 0 && std::isupper(static_cast<unsigned char>(name[7])))
            return true;
    return false;
}

TEST_F(EnglishArchive, TextsSharedByPositionsNameNoPositionAsTheirOwn) {
    const char* const POSITION_WORDS[] = {"first",  "second",      "third",       "fourth",      "formative",
                                          "productive", "harvest", "childhood",   "early years", "later years",
                                          "middle years", "later life", "old age", "youth"};
    std::map<std::string, std::vector<std::string>> found;
    for (const Subject& subject : archiveSubjects()) {
        if (!sharedByPositions(subject.name)) continue;
        for (const char* word : POSITION_WORDS)
            for (std::size_t at : phraseHits(subject.text, word))
                found[subject.name].push_back(std::string(word) + " in " + around(subject.text, at, std::strlen(word)));
    }
    EXPECT_TRUE(found.empty()) << found.size() << " texts shared by positions name a position:" << failures(found);
}

// The sums a subject's readers all have: its own number and the numbers it
// reduces through (a Find number of 29 is also an 11 and a 2). Subjects of a
// single digit are shown for every sum that reduces to it, so they may speak
// of none.
std::set<int> sumsEveryReaderHas(int number) {
    std::set<int> sums = {number};
    while (number > 9) {
        int sum = 0;
        for (; number > 0; number /= 10) sum += number % 10;
        number = sum;
        sums.insert(number);
    }
    return sums;
}

// A value text: a subject chosen by a number. Pair texts, the month keys and
// the name syntheses are named by codes, not sums.
bool valueNumber(const std::string& name, int& number) {
    for (const char* prefix : {"COMP_", "CYCC_", "SYNTH", "PRSNM", "PRSND"})
        if (name.compare(0, std::strlen(prefix), prefix) == 0) return false;
    std::size_t digits = 0;
    while (digits < name.size() && !std::isdigit(static_cast<unsigned char>(name[digits]))) ++digits;
    if (digits == name.size() || digits == 0) return false;
    return numberOf(name, name.substr(0, digits), number);
}

bool masterOrKarmic(int n) { return n == 11 || n == 22 || n == 33 || n == 13 || n == 14 || n == 16 || n == 19; }

TEST_F(EnglishArchive, ValueTextsSpeakOnlyOfSumsEveryReaderHas) {
    std::map<std::string, std::vector<std::string>> found;
    for (const Subject& subject : archiveSubjects()) {
        int number;
        if (!valueNumber(subject.name, number)) continue;
        const std::set<int> allowed = sumsEveryReaderHas(number);
        const std::string& text = subject.text;
        for (std::size_t at = 0; at < text.size();) {
            if (!std::isdigit(static_cast<unsigned char>(text[at])) || (at > 0 && isWordChar(text[at - 1]))) {
                ++at;
                continue;
            }
            std::size_t end = at;
            while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
            const int first = std::atoi(text.substr(at, end - at).c_str());
            bool slashed = false;
            int second = -1;
            if (end + 1 < text.size() && text[end] == '/' && std::isdigit(static_cast<unsigned char>(text[end + 1]))) {
                std::size_t next = end + 1;
                while (next < text.size() && std::isdigit(static_cast<unsigned char>(text[next]))) ++next;
                second = std::atoi(text.substr(end + 1, next - end - 1).c_str());
                slashed = true;
                end = next;
            }
            const bool ordinal = end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]));  // "13th"
            const bool foreign = slashed ? !(allowed.count(first) && allowed.count(second))
                                         : !ordinal && masterOrKarmic(first) && !allowed.count(first);
            if (foreign) found[subject.name].push_back(around(text, at, end - at));
            at = end;
        }
    }
    EXPECT_TRUE(found.empty()) << found.size()
                               << " value texts speak of a sum not every reader of the subject has:" << failures(found);
}

// A stage of life named as one of several ("after a move, a retirement or a
// loss") or in advice framed for everyone ("whether you work or have
// retired") assumes nothing about the reader.
bool framedForEveryone(const std::string& text, std::size_t at, std::size_t length) {
    const std::string sentence = sentenceAt(text, at);
    if (sentence.find("whether") != std::string::npos) return true;
    const std::size_t from = at > 40 ? at - 40 : 0;
    std::string window = text.substr(from, at + length + 40 - from);
    for (char& c : window) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::size_t offset = at - from;
    // Only the part of the window inside the hit's sentence counts.
    std::size_t begin = window.find_last_of(".?!;", offset);
    begin = begin == std::string::npos ? 0 : begin + 1;
    std::size_t end = window.find_first_of(".?!;", offset);
    if (end == std::string::npos) end = window.size();
    return window.substr(begin, end - begin).find(" or ") != std::string::npos;
}

TEST_F(EnglishArchive, NoTextAssumesAStageOfLife) {
    const char* const STAGE_WORDS[] = {
        "retired",      "retire",          "retiree*",      "retirement",    "grandchild*",
        "grandparent*", "grandson*",       "granddaughter*", "no longer employed", "unemployed", "singles",
        "if you are single", "if you are married", "your marriage", "your spouse", "your husband", "your wife",
        "your children", "your kids",      "your son",      "your daughter", "your boss",     "your employer",
        "your school",  "your classmates", "your teacher*", "your homework", "empty nest",
        "widow*"};
    std::map<std::string, std::vector<std::string>> found;
    for (const Subject& subject : archiveSubjects())
        for (const char* word : STAGE_WORDS)
            for (std::size_t at : phraseHits(subject.text, word))
                if (!framedForEveryone(subject.text, at, std::strlen(word)))
                    found[subject.name].push_back(std::string(word) + " in " +
                                                  around(subject.text, at, std::strlen(word)));
    EXPECT_TRUE(found.empty()) << found.size() << " texts assume a stage of life:" << failures(found);
}

// The forecasts of the years, months and days (and the day lines assembled
// into them) reach every reader in the calendar range, at 18 as at 80, so
// they name no errand of one stage of life, not even as one of several.
bool forecastSubject(const std::string& name) {
    for (const char* prefix : {"PRSNYR", "PRSNM", "PRSND", "LEAPDAY"})
        if (name.compare(0, std::strlen(prefix), prefix) == 0) return true;
    return false;
}

TEST_F(EnglishArchive, ForecastsFitReadersOfEveryAge) {
    const char* const LATE_LIFE_WORDS[] = {
        "pension*",  "your will",  "the will,", "a will",          "power of attorney", "pill",
        "pills",     "tablets",    "prescription*", "medicine cabinet", "grandchild*",  "grandparent*",
        "years ago", "earlier years", "someone younger", "a younger person", "elderly",   "retire*"};
    std::map<std::string, std::vector<std::string>> found;
    for (const Subject& subject : archiveSubjects()) {
        if (!forecastSubject(subject.name)) continue;
        for (const char* word : LATE_LIFE_WORDS)
            for (std::size_t at : phraseHits(subject.text, word))
                found[subject.name].push_back(std::string(word) + " in " + around(subject.text, at, std::strlen(word)));
    }
    EXPECT_TRUE(found.empty()) << found.size() << " forecasts assume the reader's age:" << failures(found);
}

// The texts speak to the reader about the reader; how a number line is made
// is said where it is true (the name numbers add the reduced parts of the
// name, not all of its letters), and the tool that prints them is not named.
TEST_F(EnglishArchive, TextsDoNotTalkAboutTheTool) {
    const char* const TOOL_WORDS[] = {"the program", "this program", "the software", "total of the letters",
                                      "total of all the letters", "total of all letters"};
    std::map<std::string, std::vector<std::string>> found;
    for (const Subject& subject : archiveSubjects())
        for (const char* word : TOOL_WORDS)
            for (std::size_t at : phraseHits(subject.text, word))
                found[subject.name].push_back(std::string(word) + " in " + around(subject.text, at, std::strlen(word)));
    EXPECT_TRUE(found.empty()) << found.size() << " texts talk about the tool or a wrong reckoning:"
                               << failures(found);
}

TEST_F(EnglishArchive, OneSpellingThroughout) {
    // The archive spells the British way (colour, organise, centre).
    const std::map<std::string, std::string> PREFERRED = {
        {"judgment*", "judgement"}, {"toward", "towards"}, {"acknowledgment*", "acknowledgement"}};
    std::map<std::string, std::vector<std::string>> found;
    for (const Subject& subject : archiveSubjects())
        for (const auto& [spelling, preferred] : PREFERRED)
            for (std::size_t at : phraseHits(subject.text, spelling))
                found[subject.name].push_back(preferred + " for " + around(subject.text, at, spelling.size()));
    EXPECT_TRUE(found.empty()) << found.size() << " texts spell against the archive:" << failures(found);
}

}  // namespace
