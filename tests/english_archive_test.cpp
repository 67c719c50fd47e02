// The English archive this build packs: every subject any composer can name,
// for every value the numbers can take, and the rules its texts must keep.
#include "archive/text_archive.h"
#include "compose/phrases.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::string> numbered(const char* prefix, const std::vector<int>& values, const char* format = "%02d",
                                  const char* suffix = "") {
    std::vector<std::string> names;
    for (int v : values) {
        char name[32], number[8];
        std::snprintf(number, sizeof number, format, v);
        std::snprintf(name, sizeof name, "%s%s%s", prefix, number, suffix);
        names.push_back(name);
    }
    return names;
}

std::vector<int> range(int first, int last) {
    std::vector<int> values;
    for (int v = first; v <= last; ++v) values.push_back(v);
    return values;
}

std::vector<int> with(std::vector<int> values, std::vector<int> more) {
    values.insert(values.end(), more.begin(), more.end());
    return values;
}

std::vector<std::string> letters(const char* prefix) {
    std::vector<std::string> names;
    for (char c = 'A'; c <= 'Z'; ++c) names.push_back(std::string(prefix) + c);
    return names;
}

// Every subject name a composer writes, for every reachable value. The Life
// Path's other sums (methods B and C) fall back to these roots.
std::vector<std::string> allSubjects() {
    std::vector<std::string> all = {
        "COVER.STD", "COVER.CPT", "COVER.CLC", "COVER.DMD", "COVER.LUK", "COVER.NAM", "INTRO.STD", "INTRO.CPT",
        "INTRO.CLC", "INTRO.DMD", "INTRO.LUK", "INTRO.NAM", "LIFPTH__", "BTHDAY__", "EXPRSN__", "EXPMNR__",
        "HRTDSR__", "HRTMNR__", "PERSON__", "MTRITY__", "LEBRDG__", "HPBRDG__", "KRMLSN__", "HDNPSN__",
        "POEXPR__", "BALNUM__", "RATION__", "CNRSTON_", "SUBCNS__", "PINCLS__", "CYCLES__", "TRNPHYS_",
        "ESSENC__", "PRSNYR__", "CHGFST__", "CHGSND__", "CHGTRD__", "CHGFTH__", "SAMENUM.CPT", "COMP_LP.CPT",
        "COMP_EX.CPT", "COMP_HD.CPT", "COMP_PR.CPT", "RELRPT1.CPT", "RELRPT2.CPT", "SAMEYEAR.CPT", "SAMEMNTH.CPT",
        "CYCC_PY.CPT", "CYCC_PM.CPT", "SEPTMBR.CPT", "PRGRSSVE.CLC", "CHLNG__.DMD", "ROOT__.DMD", "ACTKY__.DMD",
        "OUTCM__.DMD", "EXPRSN__.NAM", "HRTDSR__.NAM", "PERSON__.NAM",
    };
    auto add = [&](const std::vector<std::string>& names) { all.insert(all.end(), names.begin(), names.end()); };
    const std::vector<int> digits = range(1, 9), masters = with(range(1, 9), {11, 22});
    add(numbered("LIFPTH", with(masters, {13, 14, 16, 19, 33})));
    add(numbered("BTHDAY", range(1, 31)));
    for (const char* prefix : {"EXPRSN", "EXPMNR", "HRTDSR", "HRTMNR", "POEXPH", "POEXMT", "POEXEM", "POEXIT",
                               "RATION", "PINCLS", "CYCLES"})
        add(numbered(prefix, masters));
    for (const char* prefix : {"PERSON", "MTRITY", "KRMLSN", "HDNPSN", "BALNUM", "PRSNYR"}) add(numbered(prefix, digits));
    add(numbered("LEBRDG", range(0, 8)));
    add(numbered("HPBRDG", range(0, 8)));
    add(numbered("CHGTXT", range(0, 8)));
    add(numbered("SUBCNS", range(3, 9)));
    add(numbered("ESSENC", with(digits, {11, 16, 19, 22})));
    add(numbered("LEAPDAY", digits, "%d"));
    for (const char* prefix : {"CNRSTON", "TRNPHYS", "TRNMNTL", "TRNSPRT"}) add(letters(prefix));
    std::vector<int> keys;
    for (int year = 1; year <= 9; ++year)
        for (int month = 1; month <= 12; ++month) keys.push_back(year * 100 + month);
    add(numbered("PRSNM", keys, "%03d"));
    add(numbered("PRSND", keys, "%03d"));
    std::vector<int> pairs;
    for (int a = 1; a <= 9; ++a)
        for (int b = a; b <= 9; ++b) pairs.push_back(10 * a + b);
    add(numbered("COMP_", pairs, "%d", ".CPT"));
    add(numbered("CYCC_", pairs, "%02d", ".CPT"));
    const std::vector<int> cells = with(range(0, 9), {11, 13, 14, 16, 19, 22, 33});
    for (const char* prefix : {"CHLNG_", "ROOT_", "ACTKY_", "OUTCM_"}) add(numbered(prefix, cells, "%02d", ".DMD"));
    add(numbered("EXPRSN", masters, "%02d", ".NAM"));
    add(numbered("HRTDSR", masters, "%02d", ".NAM"));
    add(numbered("PERSON", digits, "%02d", ".NAM"));
    std::vector<int> syntheses;
    for (int e = 1; e <= 9; ++e)
        for (int h = 0; h <= 9; ++h)
            for (int p = 0; p <= 9; ++p) syntheses.push_back(100 * e + 10 * h + p);
    add(numbered("SYNTH", syntheses, "%03d", ".NAM"));
    add(numbered("ADDR", digits, "%02d", ".FND"));
    add(numbered("PHONE", digits, "%02d", ".FND"));
    add(numbered("FIND", range(6, 81), "%02d", ".FND"));
    return all;
}

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
    std::vector<std::string> missing;
    for (const std::string& name : allSubjects())
        if (findSubject(name.c_str()) < 0) missing.push_back(name);
    std::string list;
    for (const std::string& name : missing) list += name + " ";
    EXPECT_TRUE(missing.empty()) << missing.size() << " missing: " << list;
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
    // No text line may look like a line style code to the layout or the
    // contents pairing; covers may use the cover styles.
    for (const SubjectEntry& row : textArchive.subjectTable) {
        const std::string name = row.name;
        if (name == QUOTES_SUBJECT) continue;
        const bool cover = name.compare(0, 6, "COVER.") == 0;
        const std::string text(reinterpret_cast<const char*>(textArchive.data.data()) + row.text, row.length);
        std::size_t at = 0;
        while (at < text.size()) {
            const char first = text[at];
            const bool code = first == '$' || first == '&' || first == '%' || first == '_' || first == '=' ||
                              (first >= '0' && first <= '6');
            EXPECT_FALSE(code && !(cover && first >= '0' && first <= '6'))
                << name << ": a line starts with '" << first << "'";
            const std::size_t end = text.find('\n', at);
            if (end == std::string::npos) break;
            at = end + 1;
        }
        // Room for the longest names in place of "#1" to "#4".
        std::size_t variables = 0;
        for (std::size_t i = text.find('#'); i != std::string::npos; i = text.find('#', i + 1)) ++variables;
        EXPECT_LT(row.length + variables * 78, 9999u) << name;
    }
    EXPECT_LE(textArchive.subjectTable.size(), 4000u);
}

}  // namespace
