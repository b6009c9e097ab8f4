#include "ProcessThread.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Fixture.h"
#include "RecordingRunValues.h"

namespace {

const std::string Completed = "\x8f\x88\x97\x9d\x82\xaa\x8a\xae\x97\xb9\x82\xb5\x82\xdc\x82\xb5\x82\xbd";
const std::string CancelledText =
    "\x8f\x88\x97\x9d\x82\xcd\x83\x4c\x83\x83\x83\x93\x83\x5a\x83\x8b\x82\xb3\x82\xea\x82\xdc\x82\xb5\x82\xbd";

std::vector<std::string> Split(std::string Text)
{
    std::vector<std::string> targets;
    std::vector<char> buffer(Text.begin(), Text.end());
    buffer.push_back('\0');
    char* cursor = buffer.data();
    char* target = nullptr;
    while (NextTarget(cursor, target))
        targets.emplace_back(target);
    return targets;
}

TEST(NextTarget, SplitsAtBlanksTabsAndLineFeedsAndHonoursQuotes)
{
    using List = std::vector<std::string>;
    const struct {
        const char* name;
        std::string text;
        List targets;
    } cases[] = {
        {"empty", "", {}},
        {"separators only", " \t\n  \n", {}},
        {"one path", "C:\\a.txt", {"C:\\a.txt"}},
        {"each separator", "a b\tc\nd", {"a", "b", "c", "d"}},
        {"runs of separators", "  a \t\n b  ", {"a", "b"}},
        {"carriage return belongs", "a\r b\r\n", {"a\r", "b\r"}},
        {"quoted blank", "\"C:\\My Folder\" x", {"C:\\My Folder", "x"}},
        {"quotes in the middle", "C:\\My\" \"Folder", {"C:\\My Folder"}},
        {"quoted separators", "\"a\tb\nc d\"", {"a\tb\nc d"}},
        {"backslash before a quote is plain", "\"C:\\My Folder\\\" next", {"C:\\My Folder\\", "next"}},
        {"unclosed quote runs to the end", "a \"b c\td", {"a", "b c\td"}},
        {"empty quotes are an empty target", "\"\" a", {"", "a"}},
        {"adjacent quoted parts", "\"a b\"\"c d\"", {"a bc d"}},
        {"duplicates kept", "a a", {"a", "a"}},
        {"double-byte bytes are ordinary", "\x95\x5c \x83\x5c\x83\x5c", {"\x95\x5c", "\x83\x5c\x83\x5c"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Split(c.text), c.targets) << c.name;
}

TEST(OutcomeText, FailureBeforeCancellation)
{
    EXPECT_STREQ(OutcomeText(false, false), "failed");
    EXPECT_STREQ(OutcomeText(false, true), "failed");
    EXPECT_EQ(OutcomeText(true, true), CancelledText);
    EXPECT_EQ(OutcomeText(true, false), Completed);
}

struct TBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT style;
};
std::vector<TBox> Boxes;

int WINAPI RecordBox(HWND Owner, LPCSTR Text, LPCSTR Caption, UINT Style)
{
    Boxes.push_back({Owner, Text, Caption, Style});
    return IDOK;
}

bool RefuseThread(TThreadEntry, void*)
{
    return false;
}

class ProcessThreadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetRunValues();
        Boxes.clear();
        OutcomeMessageBox = RecordBox;
        BeginWorkerThread = BeginThread;
    }
    void TearDown() override
    {
        OutcomeMessageBox = MessageBoxA;
        BeginWorkerThread = BeginThread;
    }

    // Runs the worker to its end on Text and returns the outcome text.
    std::string Run(const std::string& Text)
    {
        AnsiString* args = new AnsiString(Text.c_str());
        TThreadArgs threadArgs = {args, Owner};
        StartProcessThread(&threadArgs);
        // The worker holds its own copy now: spoil and release the original.
        *args = "spoiled";
        delete args;
        for (int i = 0; i < 30000 && RunState != rsFinished; ++i)
            Sleep(1);
        EXPECT_EQ(RunState, rsFinished);
        EXPECT_EQ(Boxes.size(), 1u);
        return Boxes.empty() ? std::string() : Boxes.back().text;
    }

    // The targets whose walks began, in order (a folder walk publishes "." first).
    static std::vector<std::string> FoldersWalked()
    {
        std::vector<std::string> folders;
        for (const std::string& path : Published) {
            if (path.size() > 2 && path.compare(path.size() - 2, 2, "\\.") == 0)
                folders.push_back(path.substr(0, path.size() - 2));
        }
        return folders;
    }

    const HWND Owner = reinterpret_cast<HWND>(0x1234);
};

TEST_F(ProcessThreadTest, ShowsTheOutcomeOwnedByTheWindowThenFinishes)
{
    TempTree tree;
    ASSERT_TRUE(tree.MakeFile("a.txt", FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(Run("\"" + tree.Path("a.txt") + "\""), Completed);
    EXPECT_EQ(Boxes[0].owner, Owner);
    EXPECT_EQ(Boxes[0].caption, "Tovrand");
    EXPECT_EQ(Boxes[0].style, 0u);
    EXPECT_FALSE(tree.IsReadOnly("a.txt"));
}

TEST_F(ProcessThreadTest, NoTargetsCompletes)
{
    EXPECT_EQ(Run(" \t\n "), Completed);
}

TEST_F(ProcessThreadTest, TargetsRunLeftToRightDuplicatesTwice)
{
    TempTree tree;
    ASSERT_TRUE(tree.MakeFolder("b"));
    ASSERT_TRUE(tree.MakeFolder("a"));
    const std::string a = tree.Path("a"), b = tree.Path("b");
    EXPECT_EQ(Run(b + " " + a + "\t" + b), Completed);
    EXPECT_EQ(FoldersWalked(), (std::vector<std::string>{b, a, b}));
}

TEST_F(ProcessThreadTest, StopsAtTheFirstFailure)
{
    TempTree tree;
    ASSERT_TRUE(tree.MakeFile("before.txt", FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(tree.MakeFile("after.txt", FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(Run(tree.Path("before.txt") + " " + tree.Path("missing.txt") + " " + tree.Path("after.txt")), "failed");
    EXPECT_FALSE(tree.IsReadOnly("before.txt"));
    EXPECT_TRUE(tree.IsReadOnly("after.txt"));
}

TEST_F(ProcessThreadTest, CancelIsNoticedOnlyByAFolderWalk)
{
    TempTree tree;
    ASSERT_TRUE(tree.MakeFile("f1.txt", FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(tree.MakeFile("f2.txt", FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(tree.MakeFolder("d1"));
    ASSERT_TRUE(tree.MakeFolder("d2"));
    ASSERT_TRUE(tree.MakeFile("d1\\inner.txt", FILE_ATTRIBUTE_READONLY));
    RunState = rsCancelRequested;
    // File targets alone do not look at the request.
    EXPECT_EQ(Run(tree.Path("f1.txt") + " " + tree.Path("f2.txt")), Completed);
    EXPECT_FALSE(tree.IsReadOnly("f2.txt"));

    ResetRunValues();
    Boxes.clear();
    RunState = rsCancelRequested;
    EXPECT_EQ(Run(tree.Path("d1") + " " + tree.Path("d2")), CancelledText);
    EXPECT_EQ(FoldersWalked(), (std::vector<std::string>{tree.Path("d1")}));
    EXPECT_TRUE(tree.IsReadOnly("d1\\inner.txt"));
}

TEST_F(ProcessThreadTest, AWorkerThatCannotStartStillEndsTheRun)
{
    BeginWorkerThread = RefuseThread;
    EXPECT_EQ(Run("C:\\anything"), "failed");
    EXPECT_EQ(Boxes[0].owner, Owner);
}

}  // namespace
