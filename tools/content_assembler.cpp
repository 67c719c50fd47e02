// Writes the report subjects that are assembled from hand-written building
// blocks rather than written one by one:
//   SYNTHk.NAM  the name report's synthesis for k = 100 E + 10 H + P, from
//               the blocks E1..E9, H0..H9 and P0..P9 of blocks/synth.txt;
//   PRSNDk      the day-by-day forecast of a month (k = Personal Year x 100
//               + month), one line per day from the blocks DAY1..DAY9 of
//               blocks/days.txt, chosen so that no line repeats in a month
//               and the choice moves on from month to month, each line
//               led by DAY_WORD and its number ("Day 12: ").
// A language without the name report has no synth.txt.
// Usage: content_assembler BLOCKS_DIR OUTPUT_FILE [DAY_WORD]
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Blocks = std::map<std::string, std::vector<std::string>>;  // block name -> its non-empty lines

bool readBlocks(const std::string& path, Blocks& blocks) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << path << ": can't be read\n";
        return false;
    }
    std::string line, current;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > 2 && line.front() == '{' && line.back() == '}') {
            current = line.substr(1, line.size() - 2);
            blocks[current];
        } else if (!line.empty() && !current.empty()) {
            blocks[current].push_back(line);
        }
    }
    return true;
}

bool need(const Blocks& blocks, const std::string& name, const std::string& file) {
    const auto found = blocks.find(name);
    if (found != blocks.end() && !found->second.empty()) return true;
    std::cerr << file << ": block {" << name << "} is missing or empty\n";
    return false;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : " ") + line;
    return text;
}

int reduce(int n) {
    while (n > 9) {
        int sum = 0;
        for (; n > 0; n /= 10) sum += n % 10;
        n = sum;
    }
    return n;
}

int daysOfMonth(int month) {
    // February's 29th has a text of its own.
    static const int DAYS[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return DAYS[month - 1];
}

bool writeSyntheses(const Blocks& synth, const std::string& file, std::ostream& out) {
    bool ok = true;
    for (int i = 1; i <= 9; ++i) ok = need(synth, "E" + std::to_string(i), file) && ok;
    for (int i = 0; i <= 9; ++i) {
        ok = need(synth, "H" + std::to_string(i), file) && ok;
        ok = need(synth, "P" + std::to_string(i), file) && ok;
    }
    if (!ok) return false;
    for (int e = 1; e <= 9; ++e)
        for (int h = 0; h <= 9; ++h)
            for (int p = 0; p <= 9; ++p) {
                char name[32];
                std::snprintf(name, sizeof name, "SYNTH%d%d%d.NAM", e, h, p);
                out << "{" << name << "}\n"
                    << joined(synth.at("E" + std::to_string(e))) << " " << joined(synth.at("H" + std::to_string(h)))
                    << " " << joined(synth.at("P" + std::to_string(p))) << "\n\n";
            }
    return true;
}

bool writeDays(const Blocks& days, const std::string& file, const std::string& dayWord, std::ostream& out) {
    bool ok = true;
    for (int n = 1; n <= 9; ++n) ok = need(days, "DAY" + std::to_string(n), file) && ok;
    if (!ok) return false;
    for (int year = 1; year <= 9; ++year) {
        for (int month = 1; month <= 12; ++month) {
            char name[32];
            std::snprintf(name, sizeof name, "PRSND%d%02d", year, month);
            out << "{" << name << "}\n";
            int seen[10] = {};
            for (int day = 1; day <= daysOfMonth(month); ++day) {
                const int number = reduce(year + month + day);
                const std::vector<std::string>& lines = days.at("DAY" + std::to_string(number));
                const std::size_t count = lines.size();
                // Each month starts at its own place in the block and steps on by
                // a stride coprime to most block sizes.
                const std::size_t start = static_cast<std::size_t>((year - 1) * 12 + (month - 1)) * 5;
                const std::size_t pick = (start + static_cast<std::size_t>(seen[number]++) * 7) % count;
                out << dayWord << " " << day << ": " << lines[pick] << "\n";
            }
            out << "\n";
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: content_assembler BLOCKS_DIR OUTPUT_FILE [DAY_WORD]\n";
        return 2;
    }
    const std::string folder = argv[1];
    const std::string dayWord = argc == 4 ? argv[3] : "Day";
    Blocks synth, days;
    const std::string synthFile = folder + "/synth.txt", daysFile = folder + "/days.txt";
    const bool withSyntheses = std::ifstream(synthFile).good();
    if ((withSyntheses && !readBlocks(synthFile, synth)) || !readBlocks(daysFile, days)) return 1;
    std::ostringstream out;
    out << "\n";
    if ((withSyntheses && !writeSyntheses(synth, synthFile, out)) || !writeDays(days, daysFile, dayWord, out)) return 1;
    std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
    file << out.str();
    return file ? 0 : 1;
}
