#include "ClearTarget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "Fixture.h"
#include "Pause.h"
#include "RecordingRunValues.h"

namespace {

constexpr DWORD RO = FILE_ATTRIBUTE_READONLY;
constexpr DWORD HIDDEN = FILE_ATTRIBUTE_HIDDEN;
constexpr DWORD SYSTEM = FILE_ATTRIBUTE_SYSTEM;

class ClearTargetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetRunValues();
        Pause();  // its timer opens on first use: not a leak
    }

    static bool WasPublished(const std::string& Path)
    {
        return std::find(Published.begin(), Published.end(), Path) != Published.end();
    }
};

TEST_F(ClearTargetTest, ClearsReadOnlyFilesAndFoldersAtEveryDepth)
{
    TempTree tree;
    ASSERT_TRUE(tree.MakeFile("top.txt", RO));
    ASSERT_TRUE(tree.MakeFile("plain.txt", 0));
    ASSERT_TRUE(tree.MakeFolder("one"));
    ASSERT_TRUE(tree.MakeFile("one\\mid.txt", RO));
    ASSERT_TRUE(tree.MakeFolder("one\\two"));
    ASSERT_TRUE(tree.MakeFile("one\\two\\deep.txt", RO));
    ASSERT_TRUE(tree.MakeFolder("one\\two\\three"));
    ASSERT_TRUE(tree.MakeFile("one\\two\\three\\deepest.txt", RO));

    const int handlesBefore = CountOpenHandles();
    EXPECT_TRUE(ClearTarget(tree.Root().c_str()));
    EXPECT_EQ(CountOpenHandles(), handlesBefore);

    for (const char* file : {"top.txt", "plain.txt", "one\\mid.txt", "one\\two\\deep.txt", "one\\two\\three\\deepest.txt"})
        EXPECT_FALSE(tree.IsReadOnly(file)) << file;
    // A folder target's first publication is its "." entry; the target itself is never published.
    ASSERT_FALSE(Published.empty());
    EXPECT_EQ(Published.front(), tree.Path("."));
    EXPECT_FALSE(WasPublished(tree.Root()));
    EXPECT_TRUE(WasPublished(tree.Path("one\\two\\three\\deepest.txt")));
    EXPECT_FALSE(Cancelled);
}

TEST_F(ClearTargetTest, FileTargets)
{
    TempTree tree;
    ASSERT_TRUE(tree.MakeFile("ro.txt", RO));
    ASSERT_TRUE(tree.MakeFile("plain.txt", 0));
    ASSERT_TRUE(tree.MakeFile("hidden-system.txt", RO | HIDDEN | SYSTEM));

    EXPECT_TRUE(ClearTarget(tree.Path("ro.txt").c_str()));
    EXPECT_FALSE(tree.IsReadOnly("ro.txt"));
    EXPECT_TRUE(ClearTarget(tree.Path("plain.txt").c_str()));
    EXPECT_FALSE(tree.IsReadOnly("plain.txt"));
    // Named directly, a hidden system file is processed, and keeps its other bits.
    EXPECT_TRUE(ClearTarget(tree.Path("hidden-system.txt").c_str()));
    EXPECT_EQ(tree.Attributes("hidden-system.txt") & (RO | HIDDEN | SYSTEM), HIDDEN | SYSTEM);
    // File targets publish nothing.
    EXPECT_TRUE(Published.empty());
}

TEST_F(ClearTargetTest, TargetsThatCannotBeRead)
{
    TempTree tree;
    EXPECT_FALSE(ClearTarget(tree.Path("no-such-file.txt").c_str()));
    EXPECT_FALSE(ClearTarget(tree.Path("no-such-folder\\file.txt").c_str()));
    EXPECT_FALSE(ClearTarget(""));
    EXPECT_TRUE(Published.empty());
}

TEST_F(ClearTargetTest, HiddenAndSystemEntriesInsideAWalkAreLeftAlone)
{
    TempTree tree;
    ASSERT_TRUE(tree.MakeFile("plain.txt", RO));
    ASSERT_TRUE(tree.MakeFile("hidden.txt", RO | HIDDEN));
    ASSERT_TRUE(tree.MakeFile("system.txt", RO | SYSTEM));
    ASSERT_TRUE(tree.MakeFolder("hidden-dir"));
    ASSERT_TRUE(tree.MakeFile("hidden-dir\\inner.txt", RO));
    ASSERT_TRUE(tree.MakeFolder("system-dir"));
    ASSERT_TRUE(tree.MakeFile("system-dir\\inner.txt", RO));
    // Set last: Wine marks a folder's attribute only after its content exists.
    ASSERT_TRUE(SetFileAttributesA(tree.Path("hidden-dir").c_str(), HIDDEN));
    ASSERT_TRUE(SetFileAttributesA(tree.Path("system-dir").c_str(), SYSTEM));

    EXPECT_TRUE(ClearTarget(tree.Root().c_str()));
    EXPECT_FALSE(tree.IsReadOnly("plain.txt"));
    EXPECT_EQ(tree.Attributes("hidden.txt") & (RO | HIDDEN), RO | HIDDEN);
    EXPECT_TRUE(tree.IsReadOnly("system.txt"));
    EXPECT_TRUE(tree.IsReadOnly("hidden-dir\\inner.txt"));
    EXPECT_TRUE(tree.IsReadOnly("system-dir\\inner.txt"));
    EXPECT_FALSE(WasPublished(tree.Path("hidden.txt")));
    EXPECT_FALSE(WasPublished(tree.Path("hidden-dir")));

    // Named directly, a hidden folder is walked.
    EXPECT_TRUE(ClearTarget(tree.Path("hidden-dir").c_str()));
    EXPECT_FALSE(tree.IsReadOnly("hidden-dir\\inner.txt"));
    EXPECT_TRUE(tree.Attributes("hidden-dir") & HIDDEN);
}

TEST_F(ClearTargetTest, ReadOnlyFolderTargetAndSubfolder)
{
    const std::string folder = FixtureRoot() + "\\ro-folder";
    ASSERT_TRUE(IsReadOnly(folder));
    EXPECT_TRUE(ClearTarget(folder.c_str()));
    EXPECT_FALSE(IsReadOnly(folder));
    EXPECT_FALSE(IsReadOnly(folder + "\\ro-sub"));
    EXPECT_FALSE(IsReadOnly(folder + "\\ro-sub\\file.txt"));
}

TEST_F(ClearTargetTest, RefusedChanges)
{
    // A file target whose change the platform refuses has failed.
    EXPECT_FALSE(ClearTarget((FixtureRoot() + "\\refused-target.txt").c_str()));
    EXPECT_TRUE(IsReadOnly(FixtureRoot() + "\\refused-target.txt"));

    // Inside a walk the refusal is silent and the walk goes on.
    const std::string folder = FixtureRoot() + "\\refused";
    EXPECT_TRUE(ClearTarget(folder.c_str()));
    EXPECT_TRUE(IsReadOnly(folder + "\\locked.txt"));
    EXPECT_FALSE(IsReadOnly(folder + "\\other.txt"));
}

TEST_F(ClearTargetTest, LinksBackIntoTheTreeAreNotDescended)
{
    // Without the guard, two links to enclosing folders make the walk endless:
    // stop it after a while and fail.
    std::atomic<bool> done{false};
    std::thread watchdog([&done] {
        for (int i = 0; i < 3000 && !done; ++i)
            Sleep(10);
        if (!done)
            RunState = rsCancelRequested;
    });
    const std::string cycle = FixtureRoot() + "\\cycle";
    const bool cleared = ClearTarget(cycle.c_str());
    done = true;
    watchdog.join();

    EXPECT_TRUE(cleared);
    ASSERT_FALSE(Cancelled) << "the walk did not end; last path: " << Published.back();
    EXPECT_FALSE(IsReadOnly(cycle + "\\a\\file.txt"));
    // Links elsewhere are followed: to a sibling, and out of the tree.
    EXPECT_FALSE(IsReadOnly(FixtureRoot() + "\\outside\\far.txt"));
    EXPECT_TRUE(WasPublished(cycle + "\\b\\sibling\\file.txt"));
    EXPECT_TRUE(WasPublished(cycle + "\\out\\far.txt"));
    // The links themselves are visited, but nothing below them.
    EXPECT_TRUE(WasPublished(cycle + "\\a\\up"));
    EXPECT_TRUE(WasPublished(cycle + "\\a\\self"));
    for (const std::string& path : Published) {
        EXPECT_EQ(path.find("\\up\\"), std::string::npos) << path;
        EXPECT_EQ(path.find("\\self\\"), std::string::npos) << path;
        EXPECT_EQ(std::count(Published.begin(), Published.end(), path), 1) << path;
    }
}

TEST_F(ClearTargetTest, DoubleByteNamesWhoseSecondByteIsABackslash)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "needs code page 932";
    TempTree tree;
    const std::string hyou = "\x95\x5c";  // 表
    const std::string so = "\x83\x5c";    // ソ
    const std::string a = "\x88\x9f";     // 亜: its second byte is also a lead byte
    ASSERT_TRUE(tree.MakeFolder(hyou));
    ASSERT_TRUE(tree.MakeFolder(a));
    ASSERT_TRUE(tree.MakeFile(a + "\\c.txt", RO));
    ASSERT_TRUE(tree.MakeFile(hyou + "\\a.txt", RO));
    ASSERT_TRUE(tree.MakeFolder(hyou + "\\" + so + so));
    ASSERT_TRUE(tree.MakeFile(hyou + "\\" + so + so + "\\b.txt", RO));

    EXPECT_TRUE(ClearTarget(tree.Path(hyou).c_str()));
    EXPECT_FALSE(tree.IsReadOnly(hyou + "\\a.txt"));
    EXPECT_FALSE(tree.IsReadOnly(hyou + "\\" + so + so + "\\b.txt"));
    EXPECT_TRUE(WasPublished(tree.Path(hyou + "\\" + so + so + "\\b.txt")));
    EXPECT_TRUE(ClearTarget(tree.Path(a).c_str()));
    EXPECT_FALSE(tree.IsReadOnly(a + "\\c.txt"));
}

TEST_F(ClearTargetTest, TargetEndingWithABackslashKeepsBothBackslashes)
{
    TempTree tree;
    ASSERT_TRUE(tree.MakeFile("f.txt", RO));
    EXPECT_TRUE(ClearTarget((tree.Root() + "\\").c_str()));
    EXPECT_FALSE(tree.IsReadOnly("f.txt"));
    EXPECT_TRUE(WasPublished(tree.Root() + "\\\\f.txt"));
}

// Depth of a published path below the target: 1 for the target's own entries.
int Level(const std::string& Root, const std::string& Path)
{
    return static_cast<int>(std::count(Path.begin() + static_cast<long>(Root.size()), Path.end(), '\\'));
}

TEST_F(ClearTargetTest, CancelUnwindsWithoutFurtherChanges)
{
    TempTree tree;
    const char* const files[] = {
        "a1.txt", "a2.txt", "a3.txt",
        "l1\\b1.txt", "l1\\b2.txt", "l1\\b3.txt",
        "l1\\l2\\c1.txt", "l1\\l2\\c2.txt", "l1\\l2\\c3.txt", "z-later\\d.txt",
    };
    ASSERT_TRUE(tree.MakeFolder("l1"));
    ASSERT_TRUE(tree.MakeFolder("l1\\l2"));
    ASSERT_TRUE(tree.MakeFolder("z-later"));
    for (const char* file : files)
        ASSERT_TRUE(tree.MakeFile(file, RO));

    const int handlesBefore = CountOpenHandles();
    CancelAt = tree.Path("l1\\l2\\c2.txt");  // at nesting level 3
    EXPECT_TRUE(ClearTarget(tree.Root().c_str()));
    EXPECT_TRUE(Cancelled);

    const auto trigger = std::find(Published.begin(), Published.end(), CancelAt);
    ASSERT_NE(trigger, Published.end());
    // On the way out each enclosing level publishes at most its next entry.
    int last = Level(tree.Root(), *trigger);
    EXPECT_EQ(last, 3);
    EXPECT_LE(Published.end() - trigger - 1, 2);
    for (auto after = trigger + 1; after != Published.end(); ++after) {
        const int level = Level(tree.Root(), *after);
        EXPECT_LT(level, last) << *after;
        last = level;
    }
    // Only what was visited before the request changed; the triggering entry did not.
    for (const char* file : files) {
        const bool visitedBefore = std::find(Published.begin(), trigger, tree.Path(file)) != trigger;
        EXPECT_EQ(tree.IsReadOnly(file), !visitedBefore) << file;
    }
    EXPECT_TRUE(tree.IsReadOnly("l1\\l2\\c2.txt"));
    // Every listing was released.
    EXPECT_EQ(CountOpenHandles(), handlesBefore);
}

TEST_F(ClearTargetTest, CancelRequestedBeforeAFolderTarget)
{
    // The folder loses its own bit, then the walk stops at its first entry.
    const std::string folder = FixtureRoot() + "\\ro-cancel";
    ASSERT_TRUE(IsReadOnly(folder));
    RunState = rsCancelRequested;
    EXPECT_TRUE(ClearTarget(folder.c_str()));
    EXPECT_TRUE(Cancelled);
    EXPECT_FALSE(IsReadOnly(folder));
    ASSERT_EQ(Published.size(), 1u);
    EXPECT_TRUE(IsReadOnly(folder + "\\f.txt"));
}

TEST_F(ClearTargetTest, CancelIsNotNoticedWhereNothingIsListed)
{
    TempTree tree;
    ASSERT_TRUE(tree.MakeFile("h.txt", RO | HIDDEN));
    RunState = rsCancelRequested;
    // Pattern of a folder that lists nothing at all.
    EXPECT_TRUE(ClearFolder((tree.Path("h.txt") + "-none\\*.*").c_str()));
    EXPECT_FALSE(Cancelled);
    EXPECT_TRUE(Published.empty());
}

}  // namespace
