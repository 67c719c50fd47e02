#include "archive/language_list.h"
#include "archive/payload.h"
#include "archive_maker.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

std::string asString(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

std::string archive(const std::string& description, std::uint32_t mask) {
    return asString(storedArchive(archiveText({{"A", "a\r\n"}}), ArchiveForm::Scrambled, description, mask));
}

std::string record(const std::string& name, const std::string& data) {
    const PayloadRecordHeader header = makePayloadHeader(name, static_cast<std::uint32_t>(data.size()));
    return std::string(reinterpret_cast<const char*>(&header), sizeof header) + data;
}

class Languages : public PlatformTest {
protected:
    // A program file: an image padded with zeros, then payload records.
    void writeProgram(const std::string& records) {
        std::string image = "MZ program image";
        image.resize(4096, '\0');
        writeFile(programPath(), image + records);
    }
    std::string programPath() const { return pathIn("Program.exe"); }
    void build() { buildLanguageList(folder(), programPath()); }
};

const char* const SPANISH = "Spanish   [Profiles and Forecasts only]";

TEST_F(Languages, FilesFirstThenPayloadArchivesThatNoFileHides) {
    writeFile(pathIn("Text_English.arc"), archive("English   [for all report types]", 0x17FFF));
    writeFile(pathIn("Text_Spanish.arc"), archive(SPANISH, 0x2003));
    writeFile(pathIn("Other.arc"), archive("Other", 0));
    writeProgram(record("Text_Spanish.arc", archive("Spanish from the payload", 0x2003)) +
                 record("Map.exe", "MZ") + record("Text_Portuguese.arc", archive("Portuguese   [x]", 0x2003)));
    build();
    ASSERT_EQ(languageCount, 3);
    EXPECT_STREQ(languageList[0].archiveName, "Text_English.arc");
    EXPECT_EQ(languageList[0].offset, 0u);
    EXPECT_STREQ(languageList[1].archiveName, "Text_Spanish.arc");
    EXPECT_EQ(std::string(languageList[1].holdingPath), pathIn("Text_Spanish.arc"));
    EXPECT_STREQ(languageList[2].archiveName, "Text_Portuguese.arc");
    EXPECT_EQ(std::string(languageList[2].holdingPath), programPath());

    std::uint8_t trailer[TRAILER_SIZE];
    ASSERT_TRUE(readTrailer(1, trailer));
    EXPECT_EQ(trailerDescription(trailer), SPANISH);
    ASSERT_TRUE(readTrailer(2, trailer));
    EXPECT_EQ(trailerDescription(trailer), "Portuguese   [x]");
    EXPECT_EQ(trailerMask(trailer), 0x2003u);
    EXPECT_FALSE(readTrailer(3, trailer));
}

TEST_F(Languages, TwentyArchivesAtMost) {
    for (int i = 0; i < 21; ++i) writeFile(pathIn("Text_L" + std::to_string(100 + i) + ".arc"), archive("L", 1));
    writeProgram(record("Text_Extra.arc", archive("Extra", 1)));
    build();
    EXPECT_EQ(languageCount, 20);
    EXPECT_STREQ(languageList[19].archiveName, "Text_L119.arc");
}

TEST_F(Languages, ServingByMaskAndByKeyword) {
    writeFile(pathIn("Text_Spanish.arc"), archive(SPANISH, 0x2003));
    writeFile(pathIn("Text_Words.arc"), archive("Words   [Profiles only]", 0));
    writeFile(pathIn("Text_Zall.arc"), archive("Zulu   [small talk]", 0));
    build();
    ASSERT_EQ(languageCount, 3);
    EXPECT_TRUE(languageServes(0, 0));
    EXPECT_TRUE(languageServes(0, 1));
    EXPECT_TRUE(languageServes(0, 13));
    EXPECT_TRUE(boxes().empty());
    EXPECT_FALSE(languageServes(0, 6));
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text,
              "Spanish language is not currently avalable for this type of report. Please switch to English.");
    EXPECT_EQ(boxes()[0].caption, "Error");
    EXPECT_EQ(boxes()[0].style, platform::BOX_ICONINFORMATION);

    EXPECT_TRUE(languageServes(1, 0));
    EXPECT_TRUE(languageServes(1, 13));
    EXPECT_FALSE(languageServes(1, 12));
    EXPECT_TRUE(languageServes(2, 12));   // "all" in "small" serves every type
    EXPECT_TRUE(languageServes(2, 16));
    boxes().clear();
    EXPECT_FALSE(languageServes(3, 0));  // no such row: no message
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Languages, KeywordsForEveryReportType) {
    const struct { const char* description; int type; } serves[] = {
        {"X Relationship", 2}, {"X Relationship", 3}, {"X Lucky", 6}, {"X Name", 8},
        {"X Diamond", 10},     {"X Calc", 12},        {"X Mini", 13}, {"X Find", 16}};
    for (const auto& c : serves) {
        writeFile(pathIn("Text_K.arc"), archive(c.description, 0));
        build();
        EXPECT_TRUE(languageServes(0, c.type)) << c.description;
        EXPECT_FALSE(languageServes(0, 4)) << c.description;
    }
    writeFile(pathIn("Text_K.arc"), archive("Single", 0));
    build();
    boxes().clear();
    EXPECT_FALSE(languageServes(0, 0));
    EXPECT_EQ(boxes().back().text.substr(0, 16), "Single language ");
}

TEST_F(Languages, ArchivesShorterThanATrailerServeNothing) {
    writeFile(pathIn("Text_Short.arc"), "{A}\r\n");
    build();
    ASSERT_EQ(languageCount, 1);
    std::uint8_t trailer[TRAILER_SIZE];
    EXPECT_FALSE(readTrailer(0, trailer));
    EXPECT_FALSE(languageServes(0, 0));
    EXPECT_TRUE(boxes().empty());
}

TEST_F(Languages, PayloadReadingStopsAtABrokenHeader) {
    std::string broken = record("Text_Two.arc", archive("Two", 1));
    broken[2] = 'X';
    writeProgram(record("Text_One.arc", archive("One", 1)) + broken + record("Text_Three.arc", archive("Three", 1)));
    const std::vector<PayloadRecord> records = readPayloadRecords(programPath());
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, "Text_One.arc");
    EXPECT_EQ(records[0].dataOffset, 4096u + 64u);

    // A record whose data runs past the end of the file is not listed.
    writeProgram(record("Text_One.arc", archive("One", 1)).substr(0, 200));
    EXPECT_TRUE(readPayloadRecords(programPath()).empty());
    writeFile(programPath(), "no payload at all");
    EXPECT_TRUE(readPayloadRecords(programPath()).empty());
    EXPECT_TRUE(readPayloadRecords(pathIn("missing.exe")).empty());
}

TEST_F(Languages, AMarkerRightAfterColonsIsFound) {
    std::string image = "image ending in colons ::";
    writeFile(programPath(), image + record("Text_One.arc", archive("One", 1)));
    const std::vector<PayloadRecord> records = readPayloadRecords(programPath());
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].dataOffset, image.size() + 64);
}

TEST(PayloadMarker, IsNotInTheProgramImage) {
    EXPECT_EQ(std::string(payloadMarker(), 4), std::string(2, ':') + ">>");
    // The test program is built like the others: its own file must not hold the marker.
    std::string self;
#ifdef _WIN32
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    self = path;
#else
    self = "/proc/self/exe";
#endif
    std::FILE* file = std::fopen(self.c_str(), "rb");
    ASSERT_TRUE(file);
    EXPECT_EQ(findPayloadMarker(file), -1);
    std::fclose(file);
}

}  // namespace
