#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "systems/files/NumbersFile.h"
#include "systems/files/TextFile.h"

using systems::files::FileProblem;
using systems::files::parseNumbers;

namespace {

struct NumbersCase {
    const char* text;
    Wheel wheel;
    std::vector<PocketCode> numbers; // when read
    const char* problem;             // otherwise: the whole message
};

const NumbersCase kNumbersCases[] = {
    {"17\n0\n36\n", Wheel::European, {17, 0, 36}, nullptr},
    {"# a night at the casino\n\n  5  \r\n00 # the double zero\n12", Wheel::American, {5, kDoubleZero, 12}, nullptr},
    {"1\n37\n", Wheel::European, {}, "spins.txt:2: expected one winning number, 0, 00 or 1 to 36, found \"37\""},
    {"1\n\n07\n", Wheel::European, {}, "spins.txt:3: expected one winning number, 0, 00 or 1 to 36, found \"07\""},
    {"-1\n", Wheel::European, {}, "spins.txt:1: expected one winning number, 0, 00 or 1 to 36, found \"-1\""},
    {"3 4\n", Wheel::European, {}, "spins.txt:1: expected one winning number, 0, 00 or 1 to 36, found \"3 4\""},
    {"red\n", Wheel::American, {}, "spins.txt:1: expected one winning number, 0, 00 or 1 to 36, found \"red\""},
    {"5\n00\n", Wheel::European, {}, "spins.txt:2: 00 is not on the European wheel"},
    {"", Wheel::European, {}, "spins.txt: holds no winning numbers"},
    {"# nothing but comments\n\n", Wheel::American, {}, "spins.txt: holds no winning numbers"},
};

TEST(NumbersFile, ReadsNumbersAndRefusesAnythingElseWithItsLine) {
    for (const NumbersCase& c : kNumbersCases) {
        SCOPED_TRACE(c.text);
        if (c.problem == nullptr) {
            EXPECT_EQ(parseNumbers(c.text, c.wheel, "spins.txt"), c.numbers);
            continue;
        }
        try {
            parseNumbers(c.text, c.wheel, "spins.txt");
            ADD_FAILURE() << "read without complaint";
        } catch (const FileProblem& problem) {
            EXPECT_EQ(std::string(problem.what()), c.problem);
        }
    }
}

TEST(NumbersFile, RefusesMoreNumbersThanAFileMayHold) {
    std::string text;
    for (std::size_t i = 0; i <= systems::files::kMaxRecordedNumbers; ++i)
        text += "1\n";
    EXPECT_THROW(parseNumbers(text, Wheel::European, "many.txt"), FileProblem);
    text.resize(text.size() - 2);
    EXPECT_EQ(parseNumbers(text, Wheel::European, "many.txt").size(), systems::files::kMaxRecordedNumbers);
}

TEST(NumbersFile, RefusesATenMegabyteFileAndAMissingOne) {
    const auto path = std::filesystem::temp_directory_path() / "quelta-ten-megabytes.txt";
    {
        std::ofstream out(path);
        for (int i = 0; i < 10 * 1024 * 1024 / 4; ++i)
            out << "12\n ";
    }
    try {
        systems::files::readNumbersFile(path, Wheel::European);
        ADD_FAILURE() << "a 10 MB file was read";
    } catch (const FileProblem& problem) {
        EXPECT_EQ(std::string(problem.what()),
                  path.string() + ": is larger than 8 MiB, more than such a file can hold");
    }
    std::filesystem::remove(path);
    EXPECT_THROW(systems::files::readNumbersFile(path, Wheel::European), FileProblem);
}

} // namespace
