// The subjects the composers name and the line rules every text archive
// keeps, for the content tests of each language.
#pragma once

#include "archive/text_archive.h"

#include <cstdio>
#include <string>
#include <vector>

inline std::vector<std::string> numbered(const char* prefix, const std::vector<int>& values, const char* format = "%02d",
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

inline std::vector<int> range(int first, int last) {
    std::vector<int> values;
    for (int v = first; v <= last; ++v) values.push_back(v);
    return values;
}

inline std::vector<int> with(std::vector<int> values, std::vector<int> more) {
    values.insert(values.end(), more.begin(), more.end());
    return values;
}

inline std::vector<std::string> letters(const char* prefix) {
    std::vector<std::string> names;
    for (char c = 'A'; c <= 'Z'; ++c) names.push_back(std::string(prefix) + c);
    return names;
}

// Every subject name the full and the short profile (report types 0, 1 and
// 13) can write, for every reachable value. The Life Path's other sums
// (methods B and C) fall back to these roots.
inline std::vector<std::string> profileSubjects() {
    std::vector<std::string> all = {
        "COVER.STD", "INTRO.STD", "LIFPTH__", "BTHDAY__", "EXPRSN__", "EXPMNR__", "HRTDSR__", "HRTMNR__",
        "PERSON__", "MTRITY__", "LEBRDG__", "HPBRDG__", "KRMLSN__", "HDNPSN__", "POEXPR__", "BALNUM__", "RATION__",
        "CNRSTON_", "SUBCNS__", "PINCLS__", "CYCLES__", "TRNPHYS_", "ESSENC__", "PRSNYR__", "CHGFST__",
        "CHGSND__", "CHGTRD__", "CHGFTH__",
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
    return all;
}

// Every subject name a composer of any report writes.
inline std::vector<std::string> allSubjects() {
    std::vector<std::string> all = profileSubjects();
    for (const char* name : {"COVER.CPT", "COVER.CLC", "COVER.DMD", "COVER.LUK", "COVER.NAM", "INTRO.CPT", "INTRO.CLC",
                             "INTRO.DMD", "INTRO.LUK", "INTRO.NAM", "SAMENUM.CPT", "COMP_LP.CPT", "COMP_EX.CPT",
                             "COMP_HD.CPT", "COMP_PR.CPT", "RELRPT1.CPT", "RELRPT2.CPT", "SAMEYEAR.CPT",
                             "SAMEMNTH.CPT", "CYCC_PY.CPT", "CYCC_PM.CPT", "SEPTMBR.CPT", "PRGRSSVE.CLC",
                             "CHLNG__.DMD", "ROOT__.DMD", "ACTKY__.DMD", "OUTCM__.DMD", "EXPRSN__.NAM",
                             "HRTDSR__.NAM", "PERSON__.NAM"})
        all.push_back(name);
    auto add = [&](const std::vector<std::string>& names) { all.insert(all.end(), names.begin(), names.end()); };
    const std::vector<int> digits = range(1, 9), masters = with(range(1, 9), {11, 22});
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

// The subjects of names missing from the open archive.
inline std::vector<std::string> missingSubjects(const std::vector<std::string>& names) {
    std::vector<std::string> missing;
    for (const std::string& name : names)
        if (findSubject(name.c_str()) < 0) missing.push_back(name);
    return missing;
}

// Text lines of the open archive that would break a report: a line that
// looks like a style code to the layout or the contents pairing (covers may
// use the cover styles), and texts without room for the longest names in
// place of "#1" to "#4".
inline std::vector<std::string> lineRuleProblems() {
    std::vector<std::string> problems;
    for (const SubjectEntry& row : textArchive.subjectTable) {
        const std::string name = row.name;
        if (name == QUOTES_SUBJECT) continue;
        const bool cover = name.compare(0, 6, "COVER.") == 0;
        const std::string text(reinterpret_cast<const char*>(textArchive.data.data()) + row.text, row.length);
        for (std::size_t at = 0; at < text.size();) {
            const char first = text[at];
            const bool code = first == '$' || first == '&' || first == '%' || first == '_' || first == '=' ||
                              (first >= '0' && first <= '6');
            if (code && !(cover && first >= '0' && first <= '6'))
                problems.push_back(name + ": a line starts with '" + first + "'");
            const std::size_t end = text.find('\n', at);
            if (end == std::string::npos) break;
            at = end + 1;
        }
        std::size_t variables = 0;
        for (std::size_t i = text.find('#'); i != std::string::npos; i = text.find('#', i + 1)) ++variables;
        if (row.length + variables * 78 >= 9999u) problems.push_back(name + ": no room for the longest names");
    }
    return problems;
}

inline std::string joinedProblems(const std::vector<std::string>& problems) {
    std::string list;
    for (const std::string& problem : problems) list += "\n  " + problem;
    return list;
}
