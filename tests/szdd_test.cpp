#include "archive/scramble.h"
#include "archive/szdd.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<std::uint8_t> roundTrip(const std::vector<std::uint8_t>& plain) {
    const std::vector<std::uint8_t> packed = compressSzdd(plain.data(), plain.size());
    std::vector<std::uint8_t> back;
    EXPECT_TRUE(expandSzdd(packed.data(), packed.size(), back));
    return back;
}

std::string prose(std::size_t size, unsigned seed) {
    static const char* const words[] = {"the", "number", "of", "your", "life", "path", "shows", "a",
                                        "gift", "for", "leading", "others", "and", "patience", "with",
                                        "yourself", "is", "lesson", "this", "year", "brings", "change"};
    std::mt19937 random(seed);
    std::string text;
    while (text.size() < size) {
        text += words[random() % (sizeof words / sizeof *words)];
        text += random() % 9 ? " " : ".\r\n";
    }
    text.resize(size);
    return text;
}

TEST(Szdd, RoundTripsEveryKindOfInput) {
    EXPECT_TRUE(roundTrip({}).empty());
    EXPECT_EQ(roundTrip({'x'}), (std::vector<std::uint8_t>{'x'}));
    EXPECT_EQ(roundTrip(bytesOf(std::string(100000, ' '))), bytesOf(std::string(100000, ' ')));
    EXPECT_EQ(roundTrip(bytesOf(std::string(5000, 'a'))), bytesOf(std::string(5000, 'a')));
    const std::vector<std::uint8_t> text = bytesOf(prose(300000, 7));
    EXPECT_EQ(roundTrip(text), text);
    std::vector<std::uint8_t> noise(70000);
    std::mt19937 random(3);
    for (auto& b : noise) b = static_cast<std::uint8_t>(random());
    EXPECT_EQ(roundTrip(noise), noise);
    // Repeats at the far edge of the ring, where a copy would overrun itself.
    std::string edge = prose(4078, 1);
    edge += edge + edge;
    EXPECT_EQ(roundTrip(bytesOf(edge)), bytesOf(edge));
}

TEST(Szdd, HeaderIsTheClassicOne) {
    const std::vector<std::uint8_t> packed = compressSzdd(reinterpret_cast<const std::uint8_t*>("abc"), 3);
    const std::uint8_t header[14] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', 0, 3, 0, 0, 0};
    ASSERT_GE(packed.size(), 14u);
    EXPECT_EQ(std::memcmp(packed.data(), header, 14), 0);
}

TEST(Szdd, CompressesProseToLessThanHalf) {
    const std::vector<std::uint8_t> text = bytesOf(prose(200000, 11));
    EXPECT_LT(compressSzdd(text.data(), text.size()).size(), text.size() / 2);
}

TEST(Szdd, CompressesRealEnglishProseToAtMostHalf) {
    // Debian keeps the licence texts on every machine: real English prose.
    std::FILE* file = std::fopen("/usr/share/common-licenses/GPL-3", "rb");
    if (!file) GTEST_SKIP() << "no licence text to compress here";
    std::vector<std::uint8_t> text;
    int c;
    while ((c = std::fgetc(file)) != EOF) text.push_back(static_cast<std::uint8_t>(c));
    std::fclose(file);
    ASSERT_GT(text.size(), 30000u);
    const std::vector<std::uint8_t> packed = compressSzdd(text.data(), text.size());
    EXPECT_LE(packed.size() * 2, text.size());
    std::vector<std::uint8_t> back;
    ASSERT_TRUE(expandSzdd(packed.data(), packed.size(), back));
    EXPECT_EQ(back, text);
}

TEST(Szdd, RefusesBadHeadersShortStreamsAndImpossibleSizes) {
    const std::vector<std::uint8_t> text = bytesOf(prose(20000, 5));
    std::vector<std::uint8_t> packed = compressSzdd(text.data(), text.size());
    std::vector<std::uint8_t> out;

    std::vector<std::uint8_t> tenth = packed;
    tenth[9] = 'T';  // a stored last character of a file name
    EXPECT_FALSE(expandSzdd(tenth.data(), tenth.size(), out));
    std::vector<std::uint8_t> mode = packed;
    mode[8] = 'B';
    EXPECT_FALSE(expandSzdd(mode.data(), mode.size(), out));
    EXPECT_FALSE(expandSzdd(packed.data(), 13, out));

    for (std::size_t cut : {packed.size() - 1, packed.size() / 2, std::size_t(15)})
        EXPECT_FALSE(expandSzdd(packed.data(), cut, out)) << cut;

    std::vector<std::uint8_t> huge = packed;
    huge[10] = huge[11] = huge[12] = 0xFF;
    huge[13] = 0x7F;
    EXPECT_FALSE(expandSzdd(huge.data(), huge.size(), out));
    EXPECT_TRUE(out.empty());

    // The largest expansion a stream can really give is still accepted.
    std::vector<std::uint8_t> runs = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', 0, 0, 0, 0, 0};
    const std::uint32_t size = static_cast<std::uint32_t>(largestSzddExpansion(14 + 17));
    for (int i = 0; i < 4; ++i) runs[10 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    runs.push_back(0);  // eight matches of 18 blanks from the ring
    for (int i = 0; i < 8; ++i) {
        runs.push_back(0x00);
        runs.push_back(0x0F);
    }
    ASSERT_TRUE(expandSzdd(runs.data(), runs.size(), out));
    EXPECT_EQ(out, std::vector<std::uint8_t>(size, ' '));
}

TEST(Scramble, MarkerIsScrambledSzddAndThePassUndoesItself) {
    std::uint8_t marker[4];
    std::memcpy(marker, scrambleMarker, 4);
    unscrambleArchive(marker, 4);
    EXPECT_EQ(std::memcmp(marker, "SZDD", 4), 0);

    std::vector<std::uint8_t> text = bytesOf(prose(10000, 2));
    const std::vector<std::uint8_t> original = text;
    unscrambleArchive(text.data(), text.size());
    EXPECT_NE(text, original);
    unscrambleArchive(text.data(), text.size());
    EXPECT_EQ(text, original);
}

#ifndef _WIN32
// The peer: the compression utility's own expander and compressor.
bool havePeer() { return std::system("command -v msexpand >/dev/null 2>&1 && command -v mscompress >/dev/null 2>&1") == 0; }

std::string scratch(const char* name) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/" + name + std::to_string(::getpid());
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(f);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<std::uint8_t>(c));
    std::fclose(f);
    return bytes;
}

TEST(SzddPeer, OurStreamExpandsByteForByteWithTheUtility) {
    if (!havePeer()) GTEST_SKIP() << "msexpand is not installed";
    const std::vector<std::uint8_t> text = bytesOf(prose(120000, 9) + std::string(3000, ' ') + prose(999, 4));
    const std::string packedPath = scratch("ours.szdd"), plainPath = scratch("ours.txt");
    writeBytes(packedPath, compressSzdd(text.data(), text.size()));
    ASSERT_EQ(std::system(("msexpand < " + packedPath + " > " + plainPath + " 2>/dev/null").c_str()), 0);
    EXPECT_EQ(readBytes(plainPath), text);
    std::remove(packedPath.c_str());
    std::remove(plainPath.c_str());
}

TEST(SzddPeer, TheUtilitysStreamExpandsWithOurs) {
    if (!havePeer()) GTEST_SKIP() << "mscompress is not installed";
    const std::vector<std::uint8_t> text = bytesOf(std::string(40, ' ') + prose(80000, 12));
    const std::string plainPath = scratch("theirs.txt");
    writeBytes(plainPath, text);
    ASSERT_EQ(std::system(("mscompress " + plainPath + " >/dev/null 2>&1").c_str()), 0);
    const std::vector<std::uint8_t> packed = readBytes(plainPath + "_");
    std::vector<std::uint8_t> back;
    ASSERT_TRUE(expandSzdd(packed.data(), packed.size(), back));
    EXPECT_EQ(back, text);
    std::remove(plainPath.c_str());
    std::remove((plainPath + "_").c_str());
}
#endif

}  // namespace
