// Opening a text archive of about 1 MB of English prose, stored scrambled
// and compressed: unscramble, expand, subject table, and the whole opening.
// "archive_bench --write-text PATH" also writes the plain text, so that other
// tools can be timed on the same bytes.
#include "archive/archive_pack.h"
#include "archive/scramble.h"
#include "archive/szdd.h"
#include "archive/text_archive.h"
#include "platform/platform.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

std::string readText(const std::string& path) {
    std::string text;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return text;
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, got);
    std::fclose(file);
    return text;
}

// The licence texts of the system, paragraph by paragraph, dealt out in a
// fixed shuffled order into subjects of 1 to 4 KB until 1 MB is reached.
std::string englishArchiveText() {
    std::vector<std::string> paragraphs;
    for (const std::string& name : platform::listFiles("/usr/share/common-licenses", "*")) {
        const std::string text = readText("/usr/share/common-licenses/" + name);
        std::size_t at = 0;
        while (at < text.size()) {
            std::size_t end = text.find("\n\n", at);
            if (end == std::string::npos) end = text.size();
            std::string paragraph = text.substr(at, end - at);
            for (char& c : paragraph)
                if (c == '{' || c == '}' || static_cast<unsigned char>(c) >= 0x80) c = ' ';
            if (paragraph.size() > 40) paragraphs.push_back(paragraph);
            at = end + 2;
        }
    }
    std::string archive = "{QUOTES.Q}\r\n1 <Heading>\r\n";
    std::mt19937 random(1);
    int subject = 0;
    while (archive.size() < 1000000 && !paragraphs.empty()) {
        archive += "{S" + std::to_string(subject++) + "}\r\n";
        std::size_t length = 0;
        const std::size_t target = 1000 + random() % 3000;
        while (length < target) {
            std::string paragraph = paragraphs[random() % paragraphs.size()];
            std::string crlf;
            for (char c : paragraph) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
            crlf += "\r\n\r\n";
            if (length + crlf.size() > 9000) break;
            archive += crlf;
            length += crlf.size();
        }
    }
    return archive;
}

const std::string& plainText() {
    static const std::string text = englishArchiveText();
    return text;
}

const std::vector<std::uint8_t>& storedText() {
    static const std::vector<std::uint8_t> stored =
        makeStoredArchive(plainText(), ArchiveForm::Scrambled, "English   [for all report types]", 0x17FFF);
    return stored;
}

void setBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(plainText().size()));
    state.counters["stored_percent"] = 100.0 * static_cast<double>(storedText().size()) /
                                       static_cast<double>(plainText().size());
}

void unscramble(benchmark::State& state) {
    std::vector<std::uint8_t> bytes = storedText();
    for (auto _ : state) {
        unscrambleArchive(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(bytes.data());
    }
    setBytes(state);
}
BENCHMARK(unscramble)->Unit(benchmark::kMillisecond);

void expand(benchmark::State& state) {
    std::vector<std::uint8_t> szdd = storedText();
    unscrambleArchive(szdd.data(), szdd.size());
    std::vector<std::uint8_t> out;
    for (auto _ : state) {
        expandSzdd(szdd.data(), szdd.size(), out);
        benchmark::DoNotOptimize(out.data());
    }
    setBytes(state);
}
BENCHMARK(expand)->Unit(benchmark::kMillisecond);

void subjectTable(benchmark::State& state) {
    const std::string& text = plainText();
    std::vector<SubjectEntry> table;
    for (auto _ : state) {
        buildSubjectTable(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), table);
        benchmark::DoNotOptimize(table.data());
    }
    setBytes(state);
}
BENCHMARK(subjectTable)->Unit(benchmark::kMillisecond);

void wholeOpening(benchmark::State& state) {
    for (auto _ : state) {
        if (openStoredArchive(storedText()) != 1) state.SkipWithError("the archive did not open");
        closeTextArchive();
    }
    setBytes(state);
}
BENCHMARK(wholeOpening)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--write-text") != 0) continue;
        std::FILE* file = std::fopen(argv[i + 1], "wb");
        if (!file) return 1;
        std::fwrite(plainText().data(), 1, plainText().size(), file);
        std::fclose(file);
        std::printf("%zu bytes of text, stored in %zu bytes\n", plainText().size(), storedText().size());
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
