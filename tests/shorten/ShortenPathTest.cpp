#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "ShortenPath.h"
#include "SysUtils.h"

// Counts heap allocations so that a test can see the display path make none.
namespace {
std::atomic<long> Allocations{0};
}

void* operator new(std::size_t size)
{
    ++Allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

std::string Shortened(const std::string& text, bool shorten = true)
{
    AnsiString s(text.c_str(), static_cast<int>(text.size()));
    ShortenPath(s, shorten);
    return std::string(s.c_str(), static_cast<size_t>(s.Length()));
}

bool ShiftJis() { return GetACP() == 932; }

TEST(ShortenPathSetup, RunsUnderTheCodePageItWasStartedFor)
{
    if (const char* expected = std::getenv("TOVRAND_CODEPAGE")) {
        ASSERT_EQ(std::to_string(GetACP()), expected);
    }
    EXPECT_EQ(ShiftJis(), IsLeadByte(0x95));
}

struct Case {
    const char* name;
    std::string text;
    std::string expected;
};

TEST(ShortenPath, ShortensPlainPaths)
{
    const std::vector<Case> cases = {
        {"worked example, two passes", "C:\\aaa\\bbb\\ccc\\ddd\\file.txt", "C:\\aaa\\...\\file.txt"},
        {"21 characters stay whole", "C:\\aa\\bb\\cc\\dd\\ee.txt", "C:\\aa\\bb\\cc\\dd\\ee.txt"},
        {"22 characters are shortened", "C:\\aa\\bb\\cc\\dd\\eee.txt", "C:\\aa\\bb\\...\\eee.txt"},
        {"two one-letter folders stay", "C:\\aaaaaaaaa\\b\\c\\f.txt", "C:\\aaaaaaaaa\\b\\c\\f.txt"},
        {"five apart is enough", "C:\\aaaaaaaa\\b\\cc\\f.txt", "C:\\aaaaaaaa\\...\\f.txt"},
        {"three delimiters stay whole", "C:\\aaaaaaaaaa\\bbbbbbbbbb\\file.txt",
         "C:\\aaaaaaaaaa\\bbbbbbbbbb\\file.txt"},
        {"long name keeps the path", "C:\\a\\b\\c\\d\\e\\averyveryverylongfilename.txt",
         "C:\\a\\b\\c\\d\\e\\averyveryverylongfilename.txt"},
        {"network share", "\\\\srv\\share\\folder1\\folder2\\folder3\\file.txt", "\\\\srv\\...\\file.txt"},
        {"stops at three delimiters", "D:\\data\\2000\\reports\\monthly\\archive\\summary.doc",
         "D:\\data\\...\\summary.doc"},
        {"a folder named ...", "C:\\aaaa\\...\\bbbb\\cccc\\file.txt", "C:\\aaaa\\...\\file.txt"},
        {"only an ellipsis between", "C:\\aaaaaaaaaaaaaaaa\\...\\file.txt", "C:\\aaaaaaaaaaaaaaaa\\...\\file.txt"},
        {"long file name stays whole", "C:\\aa\\bb\\cc\\dd\\a-very-long-file-name.txt",
         "C:\\aa\\...\\a-very-long-file-name.txt"},
        {"trailing delimiter", "C:\\aaaa\\bbbb\\cccc\\dddd\\", "C:\\aaaa\\bbbb\\...\\"},
        {"colon and slash are no delimiters", "C:/aaaa/bbbb/cccc/dddd/eeee:f.txt",
         "C:/aaaa/bbbb/cccc/dddd/eeee:f.txt"},
        {"empty", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Shortened(c.text), c.expected) << c.name;
}

TEST(ShortenPath, DoesNothingUnlessAsked)
{
    const std::string text = "C:\\aaa\\bbb\\ccc\\ddd\\file.txt";
    EXPECT_EQ(Shortened(text, false), text);
}

// Double-byte characters whose second byte is 0x5C, and others that are two
// lead bytes, so that a backslash after them is a delimiter of its own.
const std::string Nou = "\x94\x5c";     // 能
const std::string Ryoku = "\x97\xcd";   // 力
const std::string Hyou = "\x95\x5c";    // 表
const std::string So = "\x83\x5c";      // ソ
const std::string Fu = "\x83\x74";      // フ
const std::string To = "\x83\x67";      // ト
const std::string Lya = "\x83\x83";     // ャ

struct CodePageCase {
    const char* name;
    std::string text;
    std::string under932;
    std::string under1252;
};

TEST(ShortenPath, CountsOnlyBackslashesThatAreCharactersOfTheirOwn)
{
    const std::string japaneseFolders = "C:\\" + Nou + Ryoku + Hyou + "\\" + Lya + So + Fu + To + "\\readme.txt";
    const std::string japaneseName = "C:\\aaaa\\bbbb\\cccc\\" + So + Fu + To + Hyou + ".txt";
    const std::string afterWholeCharacter = "C:\\aaaaaaaa\\bbbb\\" + Lya + "\\file.txt";
    const std::vector<CodePageCase> cases = {
        {"folders 能力表 and ャソフト are two folders", japaneseFolders, japaneseFolders,
         "C:\\" + Nou + "...\\readme.txt"},
        {"file name ソフト表.txt is not split", japaneseName, "C:\\aaaa\\...\\" + So + Fu + To + Hyou + ".txt",
         "C:\\aaaa\\bbbb\\...\\.txt"},
        {"backslash after ャ is a delimiter", afterWholeCharacter, "C:\\aaaaaaaa\\...\\file.txt",
         "C:\\aaaaaaaa\\...\\file.txt"},
    };
    for (const CodePageCase& c : cases)
        EXPECT_EQ(Shortened(c.text), ShiftJis() ? c.under932 : c.under1252) << c.name;
}

TEST(ShortenPath, AllocatesNothingWhileShortening)
{
    std::string text = "C:";
    for (int i = 0; i < 40; ++i)
        text += "\\folder" + std::to_string(i);
    text += "\\file.txt";
    AnsiString s(text.c_str());
    const long before = Allocations;
    ShortenPath(s, true);
    const long after = Allocations;
    EXPECT_EQ(after, before);
    EXPECT_EQ(std::string(s.c_str()), "C:\\folder0\\...\\file.txt");
}

// Positions of the delimiters, found by the platform layer's own test.
std::vector<int> Delimiters(const std::string& text)
{
    const AnsiString s(text.c_str(), static_cast<int>(text.size()));
    std::vector<int> positions;
    for (int i = 1; i <= s.Length(); ++i) {
        if (IsPathDelimiter(s, i))
            positions.push_back(i);
    }
    return positions;
}

std::string RandomPath(std::mt19937& random)
{
    static const std::vector<std::string> pieces = {
        "\\", "\\", "\\", "a", "bc", "def", ".", "...", ":", "/", Nou, Hyou, So, Lya, Fu, Ryoku,
        "\x81", "\xe0", "\xfc", "\xa0", "\xdf", "\x7f",
    };
    std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> count(0, 40);
    std::string text;
    for (int n = count(random); n > 0; --n)
        text += pieces[pick(random)];
    return text;
}

TEST(ShortenPath, KeepsStartAndEndOfAnyPath)
{
    std::mt19937 random(20261211);
    int changed = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string text = RandomPath(random);
        const std::string result = Shortened(text);
        SCOPED_TRACE(text);
        ASSERT_LE(result.size(), text.size());
        if (result != text) {
            ++changed;
            const std::vector<int> delimiters = Delimiters(text);
            ASSERT_GE(delimiters.size(), 4u);
            const size_t start = static_cast<size_t>(delimiters[1]);
            const size_t end = text.size() - static_cast<size_t>(delimiters.back()) + 1;
            ASSERT_GE(result.size(), start + end);
            EXPECT_EQ(result.substr(0, start), text.substr(0, start));
            EXPECT_EQ(result.substr(result.size() - end), text.substr(text.size() - end));
        }
        ASSERT_EQ(Shortened(result), result);
    }
    // The generator must actually exercise shortening.
    EXPECT_GT(changed, 1000);
}

}  // namespace
