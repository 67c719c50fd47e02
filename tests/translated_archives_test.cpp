// The Spanish and the Portuguese archive this build packs: they serve the
// full and the short profile, hold every subject and phrase those reports
// can name, keep the line rules, and leave no English behind.
#include "archive/language_list.h"
#include "archive/text_archive.h"
#include "archive_subjects.h"
#include "compose/phrases.h"
#include "compose/report_types.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Language {
    const char* name;   // as the trailer's first word
    const char* path;
};

const Language LANGUAGES[] = {{"Spanish", TAMSI_SPANISH_ARCHIVE}, {"Portuguese", TAMSI_PORTUGUESE_ARCHIVE}};

class TranslatedArchive : public PlatformTest, public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        stored = readFile(GetParam().path);
        ASSERT_FALSE(stored.empty()) << "the build packs " << GetParam().path;
        ASSERT_EQ(openStoredArchive(std::vector<std::uint8_t>(stored.begin(), stored.end())), 1);
    }
    void TearDown() override {
        closeTextArchive();
        PlatformTest::TearDown();
    }
    LanguageEntry entry() const {
        LanguageEntry row{};
        std::snprintf(row.archiveName, sizeof row.archiveName, "Text_%s.arc", GetParam().name);
        std::snprintf(row.holdingPath, sizeof row.holdingPath, "%s", GetParam().path);
        row.length = static_cast<std::uint32_t>(stored.size());
        return row;
    }
    std::string stored;
};

TEST_P(TranslatedArchive, HoldsEverySubjectTheProfilesCanName) {
    const std::vector<std::string> missing = missingSubjects(profileSubjects());
    EXPECT_TRUE(missing.empty()) << missing.size() << " missing:" << joinedProblems(missing);
}

TEST_P(TranslatedArchive, EveryPhraseFitsItsArguments) {
    for (std::size_t i = 0; i < PHRASE_USE_COUNT; ++i) {
        const PhraseUse& use = PHRASE_USES[i];
        EXPECT_TRUE(formatFits(phraseText(use.number), use.signature)) << "phrase " << use.number;
        EXPECT_STRNE(phraseText(use.number), "") << "phrase " << use.number;
    }
    for (int n = 361; n <= 372; ++n) EXPECT_STRNE(phraseText(n), "") << "the name of month " << n - 360;
}

TEST_P(TranslatedArchive, TextsKeepTheLineRules) {
    const std::vector<std::string> problems = lineRuleProblems();
    EXPECT_TRUE(problems.empty()) << joinedProblems(problems);
}

TEST_P(TranslatedArchive, ServesTheProfilesAndRefusesTheOtherReports) {
    const LanguageEntry row = entry();
    for (int type : {int{TYPE_PROFILES}, TYPE_PROFILES + 1, int{TYPE_SHORT_PROFILES}}) EXPECT_TRUE(languageServes(row, type));
    EXPECT_TRUE(boxes().empty());
    EXPECT_FALSE(languageServes(row, TYPE_LUCKY));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, std::string(GetParam().name) +
                                   " language is not currently avalable for this type of report. Please switch to "
                                   "English.");
    EXPECT_EQ(boxes()[0].caption, "Error");
    for (int type : {TYPE_COMPATIBILITY, TYPE_NAME, TYPE_DIAMOND, TYPE_CHART_CALCULATOR, TYPE_EVERYDAY})
        EXPECT_FALSE(languageServes(row, type)) << "type " << type;
}

// Words that only an English sentence holds: a text left untranslated, or a
// phrase half done, shows them.
TEST_P(TranslatedArchive, NoEnglishIsLeft) {
    const char* const ENGLISH[] = {" the ", " you ", " your ", " and ", " with ", " which ", " this ", " that "};
    std::vector<std::string> found;
    for (const SubjectEntry& row : textArchive.subjectTable) {
        std::string text(reinterpret_cast<const char*>(textArchive.data.data()) + row.text, row.length);
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        for (const char* word : ENGLISH)
            if (text.find(word) != std::string::npos) {
                found.push_back(std::string(row.name) + ": \"" + word + "\"");
                break;
            }
    }
    EXPECT_TRUE(found.empty()) << joinedProblems(found);
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedArchive, ::testing::ValuesIn(LANGUAGES),
                         [](const ::testing::TestParamInfo<Language>& info) { return std::string(info.param.name); });

}  // namespace
