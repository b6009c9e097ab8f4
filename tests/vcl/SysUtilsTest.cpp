#include "SysUtils.h"

#include <gtest/gtest.h>

#include "Pause.h"

namespace {

bool Is932()
{
    return GetACP() == 932;
}

TEST(ExtractFilePath, UpToTheLastDelimiterThatIsACharacterOfItsOwn)
{
    const struct {
        const char* path;
        const char* in932;
        const char* in1252;
    } cases[] = {
        {"C:\\dir\\*.*", "C:\\dir\\", "C:\\dir\\"},
        {"C:file.txt", "C:", "C:"},
        {"C:\\", "C:\\", "C:\\"},
        {"name.txt", "", ""},
        {"", "", ""},
        {"\\\\srv\\share\\x", "\\\\srv\\share\\", "\\\\srv\\share\\"},
        {"a/b", "", ""},
        // 表 ends in 0x5C: not a delimiter under 932, one under 1252.
        {"C:\\\x95\x5c", "C:\\", "C:\\\x95\x5c"},
        {"C:\\\x95\x5c\\*.*", "C:\\\x95\x5c\\", "C:\\\x95\x5c\\"},
        // 亜 (0x88 0x9F) ends in a lead byte value: the delimiter after it stands.
        {"C:\\\x88\x9f\\x", "C:\\\x88\x9f\\", "C:\\\x88\x9f\\"},
        // ソソ: two double-byte characters, four bytes, both ending in 0x5C.
        {"D:\\\x83\x5c\x83\x5c", "D:\\", "D:\\\x83\x5c\x83\x5c"},
    };
    for (const auto& c : cases) {
        const AnsiString expected = Is932() ? c.in932 : c.in1252;
        EXPECT_EQ(ExtractFilePath(c.path), expected) << c.path;
    }
}

TEST(IsPathDelimiter, OutOfRangeAndOtherBytes)
{
    const AnsiString path = "C:\\a/b";
    EXPECT_FALSE(IsPathDelimiter(path, 0));
    EXPECT_FALSE(IsPathDelimiter(path, 2));
    EXPECT_TRUE(IsPathDelimiter(path, 3));
    EXPECT_FALSE(IsPathDelimiter(path, 5));
    EXPECT_FALSE(IsPathDelimiter(path, 7));
}

TEST(IsLeadByte, FollowsTheCodePageInForce)
{
    EXPECT_EQ(IsLeadByte(0x81), Is932());
    EXPECT_EQ(IsLeadByte(0xFC), Is932());
    EXPECT_FALSE(IsLeadByte(0xA0));
    EXPECT_FALSE(IsLeadByte('\\'));
}

TEST(Pause, IsARealPause)
{
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < 50; ++i)
        Pause();
    QueryPerformanceCounter(&end);
    const double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    EXPECT_GE(ms, 45.0);  // never zero; no upper bound here (that is the benchmark's)
}

}  // namespace
