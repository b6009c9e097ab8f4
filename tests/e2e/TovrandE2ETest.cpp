// The real Tovrand.exe, started and driven like a user would: boxes read and
// answered, Cancel pressed, the window closed, files' attributes checked.
#include "ChildProcess.h"
#include "TempTree.h"
#include "WindowDriver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace e2e;

namespace {

// Texts in code page 932 (Shift-JIS).
// 処理が完了しました
const char* const kCompleted = "\x8f\x88\x97\x9d\x82\xaa\x8a\xae\x97\xb9\x82\xb5\x82\xdc\x82\xb5\x82\xbd";
// 処理はキャンセルされました
const char* const kCancelled =
    "\x8f\x88\x97\x9d\x82\xcd\x83L\x83\x83\x83\x93\x83Z\x83\x8b\x82\xb3\x82\xea\x82\xdc\x82\xb5\x82\xbd";
const char* const kFailed = "failed";
// このプログラムはファイルの読み取り専用属性を解除するものです
// 解除したいファイルまたは解除したいファイルの含まれるフォルダのアイコンを
// このプログラムのアイコンにDrag&Dropしてください
// (複数アイコン可)
const char* const kUsage =
    "\x82\xb1\x82\xcc\x83v\x83\x8d\x83O\x83\x89\x83\x80\x82\xcd\x83t\x83@\x83" "C\x83\x8b\x82\xcc"
    "\x93\xc7\x82\xdd\x8e\xe6\x82\xe8\x90\xea\x97p\x91\xae\x90\xab\x82\xf0\x89\xf0\x8f\x9c\x82\xb7"
    "\x82\xe9\x82\xe0\x82\xcc\x82\xc5\x82\xb7\x0a"
    "\x89\xf0\x8f\x9c\x82\xb5\x82\xbd\x82\xa2\x83t\x83@\x83" "C\x83\x8b\x82\xdc\x82\xbd\x82\xcd"
    "\x89\xf0\x8f\x9c\x82\xb5\x82\xbd\x82\xa2\x83t\x83@\x83" "C\x83\x8b\x82\xcc\x8a\xdc\x82\xdc"
    "\x82\xea\x82\xe9\x83t\x83H\x83\x8b\x83_\x82\xcc\x83" "A\x83" "C\x83R\x83\x93\x82\xf0\x0a"
    "\x82\xb1\x82\xcc\x83v\x83\x8d\x83O\x83\x89\x83\x80\x82\xcc\x83" "A\x83" "C\x83R\x83\x93\x82\xc9"
    "Drag&Drop\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\x0a"
    "(\x95\xa1\x90\x94\x83" "A\x83" "C\x83R\x83\x93\x89\xc2)";
// 日本語フォルダ, and 表 whose second byte is a backslash.
const char* const kJapaneseFolder = "\x93\xfa\x96{\x8c\xea\x83t\x83H\x83\x8b\x83_";
const char* const kBackslashTrailByte = "\x95\x5c.txt";

// Generous: a slow machine must not fail a test, a hung program must.
const DWORD kWindowTimeout = 20000;
const DWORD kExitTimeout = 20000;

// Enough entries that a walk runs for seconds (1 ms pause per entry).
const int kLongWalkFiles = 1500;

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

class Tovrand : public ::testing::Test {
protected:
    void SetUp() override
    {
        program_ = TovrandProgram();
        if (program_.empty())
            GTEST_SKIP() << "TOVRAND_EXE is not set";
        ASSERT_NE(GetFileAttributesA(program_.c_str()), INVALID_FILE_ATTRIBUTES) << program_;
    }

    void Start(const std::string& arguments)
    {
        ASSERT_TRUE(tovrand_.Start(program_, arguments)) << GetLastError();
    }

    HWND WaitMainWindow()
    {
        HWND window = nullptr;
        WaitUntil([&] { return (window = FindMainWindow(tovrand_.Id())) != nullptr; }, kWindowTimeout);
        return window;
    }

    HWND WaitMessageBox()
    {
        HWND box = nullptr;
        WaitUntil([&] { return (box = FindMessageBox(tovrand_.Id())) != nullptr; }, kWindowTimeout);
        return box;
    }

    std::string LabelText(HWND mainWindow)
    {
        HWND label = FindChild(mainWindow, "Static");
        return label ? WindowText(label) : std::string();
    }

    // A long walk under way: the window is up and shows a visited path. A
    // read-only file target follows the folder, for a stop to leave alone.
    HWND StartLongWalk()
    {
        EXPECT_TRUE(tree_.MakeFolder("long"));
        EXPECT_TRUE(tree_.MakeFiles("long", "f", kLongWalkFiles));
        EXPECT_TRUE(tree_.MakeFile("later.txt"));
        Start(Quoted(tree_.Path("long")) + " " + Quoted(tree_.Path("later.txt")));
        HWND window = WaitMainWindow();
        EXPECT_NE(window, nullptr) << "no main window";
        if (window) {
            EXPECT_TRUE(WaitUntil([&] { return !LabelText(window).empty(); }, kWindowTimeout))
                << "the label never showed a path";
        }
        return window;
    }

    // The outcome box: its text, caption and one OK button; pressing OK ends
    // the program by itself with exit code 0.
    void ExpectOutcomeThenExit(const char* text, HWND owner)
    {
        HWND box = WaitMessageBox();
        ASSERT_NE(box, nullptr) << "no outcome box";
        EXPECT_EQ(MessageBoxText(box), text);
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; }, kWindowTimeout))
            << "the box is not active, so Enter would not reach it";
        if (owner) {
            EXPECT_EQ(GetWindow(box, GW_OWNER), owner);
        }
        ExpectOnlyOkAndPress(box);
        EXPECT_TRUE(tovrand_.HasEnded(kExitTimeout)) << "still running after OK";
        EXPECT_EQ(tovrand_.ExitCode(), 0u);
    }

    void ExpectOnlyOkAndPress(HWND box)
    {
        int buttons = 0;
        for (HWND child : ChildWindows(box))
            buttons += lstrcmpiA(ClassName(child).c_str(), "Button") == 0;
        EXPECT_EQ(buttons, 1);
        HWND ok = FindButton(box, "OK");
        ASSERT_NE(ok, nullptr);
        ASSERT_TRUE(PressButton(ok));
    }

    std::string program_;
    TempTree tree_;
    ChildProcess tovrand_;
};

TEST_F(Tovrand, WithoutArgumentsShowsOnlyTheUsageBox)
{
    ASSERT_TRUE(tovrand_.StartBare(program_));
    HWND box = WaitMessageBox();
    ASSERT_NE(box, nullptr) << "no usage box";
    EXPECT_EQ(MessageBoxText(box), kUsage);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_EQ(FindMainWindow(tovrand_.Id()), nullptr);
    ExpectOnlyOkAndPress(box);
    EXPECT_TRUE(tovrand_.HasEnded(kExitTimeout));
    EXPECT_EQ(tovrand_.ExitCode(), 0u);
}

TEST_F(Tovrand, CompletedRunClearsTargetsAndListedEntriesButNotHiddenOrSystemOnes)
{
    std::string japanese = std::string("top\\") + kJapaneseFolder;
    ASSERT_TRUE(tree_.MakeFolder("top"));
    ASSERT_TRUE(tree_.MakeFile("top\\ro.txt"));
    ASSERT_TRUE(tree_.MakeFile("top\\plain.txt", 0));
    ASSERT_TRUE(tree_.MakeFolder("top\\sub"));
    ASSERT_TRUE(tree_.MakeFolder("top\\sub\\deeper"));
    ASSERT_TRUE(tree_.MakeFile("top\\sub\\deeper\\ro.txt"));
    ASSERT_TRUE(tree_.MakeFile("top\\hidden.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(tree_.MakeFolder("top\\sys", FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(tree_.MakeFile("top\\sys\\inside.txt"));
    ASSERT_TRUE(tree_.MakeFolder(japanese));
    ASSERT_TRUE(tree_.MakeFile(japanese + "\\" + kBackslashTrailByte));
    ASSERT_TRUE(tree_.MakeFile("hiddenTarget.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));

    Start(Quoted(tree_.Path("top")) + " " + Quoted(tree_.Path("hiddenTarget.txt")));
    HWND window = WaitMainWindow();
    ASSERT_NE(window, nullptr) << "no main window";
    ExpectOutcomeThenExit(kCompleted, window);

    EXPECT_FALSE(tree_.IsReadOnly("top\\ro.txt"));
    EXPECT_FALSE(tree_.IsReadOnly("top\\plain.txt"));
    EXPECT_FALSE(tree_.IsReadOnly("top\\sub\\deeper\\ro.txt"));
    EXPECT_FALSE(tree_.IsReadOnly(japanese + "\\" + kBackslashTrailByte));
    EXPECT_FALSE(tree_.IsReadOnly("hiddenTarget.txt")) << "a hidden target is still processed";
    EXPECT_TRUE(tree_.IsReadOnly("top\\hidden.txt")) << "hidden entries are not listed";
    EXPECT_TRUE(tree_.IsReadOnly("top\\sys\\inside.txt")) << "system folders are not entered";
    EXPECT_TRUE(tree_.Attributes("top\\hidden.txt") & FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(Tovrand, MissingTargetFailsLeavesLaterTargetsAndShowsNoPath)
{
    ASSERT_TRUE(tree_.MakeFile("before.txt"));
    ASSERT_TRUE(tree_.MakeFile("after.txt"));
    Start(Quoted(tree_.Path("before.txt")) + " " + Quoted(tree_.Path("missing")) + " "
          + Quoted(tree_.Path("after.txt")));
    HWND window = WaitMainWindow();
    ASSERT_NE(window, nullptr) << "no main window";
    ASSERT_NE(WaitMessageBox(), nullptr);
    EXPECT_EQ(LabelText(window), "") << "file targets are never shown";
    ExpectOutcomeThenExit(kFailed, window);
    EXPECT_FALSE(tree_.IsReadOnly("before.txt"));
    EXPECT_TRUE(tree_.IsReadOnly("after.txt"));
}

TEST_F(Tovrand, QuotedPathWithABlankIsOneTarget)
{
    ASSERT_TRUE(tree_.MakeFolder("My Folder"));
    ASSERT_TRUE(tree_.MakeFile("My Folder\\inside.txt"));
    ASSERT_TRUE(tree_.MakeFile("My File.txt"));
    Start(Quoted(tree_.Path("My Folder")) + " " + Quoted(tree_.Path("My File.txt")));
    ExpectOutcomeThenExit(kCompleted, WaitMainWindow());
    EXPECT_FALSE(tree_.IsReadOnly("My Folder\\inside.txt"));
    EXPECT_FALSE(tree_.IsReadOnly("My File.txt"));
}

TEST_F(Tovrand, CancelDuringALongWalkStopsItWithTheCancelledBox)
{
    HWND window = StartLongWalk();
    ASSERT_NE(window, nullptr);
    HWND cancel = FindButton(window, "Cancel");
    ASSERT_NE(cancel, nullptr);
    ASSERT_TRUE(PressButton(cancel));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(cancel); }, kWindowTimeout))
        << "Cancel stays enabled after being pressed";
    ExpectOutcomeThenExit(kCancelled, window);

    int readOnly = tree_.CountReadOnly("long", "f", kLongWalkFiles);
    EXPECT_LT(readOnly, kLongWalkFiles) << "nothing was cleared before the cancel";
    EXPECT_GT(readOnly, 0) << "the walk went on to the end";
    EXPECT_TRUE(tree_.IsReadOnly("later.txt")) << "a target after the cancel was processed";
}

// Both ways a user closes the window: the title-bar button or Alt+F4 (WM_CLOSE)
// and the system menu (SC_CLOSE).
struct CloseWay {
    const char* name;
    UINT message;
    WPARAM wParam;
};

class TovrandClose : public Tovrand, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(TovrandClose, ClosingDuringALongWalkHidesTheWindowAndStillShowsTheCancelledBox)
{
    HWND window = StartLongWalk();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(PostMessageA(window, GetParam().message, GetParam().wParam, 0));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, kWindowTimeout))
        << "the window stays visible after being closed";
    ExpectOutcomeThenExit(kCancelled, nullptr);

    EXPECT_GT(tree_.CountReadOnly("long", "f", kLongWalkFiles), 0) << "the walk went on to the end";
    EXPECT_TRUE(tree_.IsReadOnly("later.txt")) << "a target after the close was processed";
}

INSTANTIATE_TEST_SUITE_P(Ways, TovrandClose,
                         ::testing::Values(CloseWay{"WmClose", WM_CLOSE, 0},
                                           CloseWay{"ScClose", WM_SYSCOMMAND, SC_CLOSE}),
                         [](const ::testing::TestParamInfo<CloseWay>& info) { return info.param.name; });

TEST_F(Tovrand, LabelShowsTheShortenedPathOfAVisitedEntryWithItsAmpersand)
{
    // Deep enough that every path is cut down to the drive, the first folder,
    // the ellipsis and the entry's name.
    const std::string deep = "deep\\level1\\level2\\level3";
    ASSERT_TRUE(tree_.MakeFolder("deep"));
    ASSERT_TRUE(tree_.MakeFolder("deep\\level1"));
    ASSERT_TRUE(tree_.MakeFolder("deep\\level1\\level2"));
    ASSERT_TRUE(tree_.MakeFolder(deep));
    ASSERT_TRUE(tree_.MakeFiles(deep, "f&", kLongWalkFiles));
    const std::string root = tree_.Root();
    size_t second = root.find('\\', root.find('\\') + 1);
    ASSERT_NE(second, std::string::npos) << root;
    const std::string head = root.substr(0, second + 1) + "...\\f&";

    Start(Quoted(tree_.Path("deep")));
    HWND window = WaitMainWindow();
    ASSERT_NE(window, nullptr) << "no main window";
    HWND label = FindChild(window, "Static");
    ASSERT_NE(label, nullptr) << "no label";
    std::string seen;
    bool shown = WaitUntil(
        [&] {
            seen = WindowText(label);
            return seen.size() == head.size() + 8 && seen.compare(0, head.size(), head) == 0
                && seen.compare(seen.size() - 4, 4, ".txt") == 0;
        },
        kWindowTimeout);
    EXPECT_TRUE(shown) << "expected " << head << "NNNN.txt, last seen " << seen;
    EXPECT_FALSE(GetWindowLongA(label, GWL_STYLE) & SS_NOPREFIX) << "\"&\" must underline";
    PressButton(FindButton(window, "Cancel"));
    ExpectOutcomeThenExit(kCancelled, window);
}

// The layout is designed at 96 dpi for a font 18 pixels high; the window
// follows the text height of its font as created on this system.
class Window : public Tovrand {};

struct Metrics {
    int dpi;
    int textHeight;
};

Metrics MeasureFont()
{
    HDC screen = GetDC(nullptr);
    Metrics metrics{GetDeviceCaps(screen, LOGPIXELSY), 0};
    HFONT font = CreateFontA(MulDiv(-12, metrics.dpi, 96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, "System");
    HGDIOBJ old = SelectObject(screen, font);
    TEXTMETRICA text{};
    GetTextMetricsA(screen, &text);
    metrics.textHeight = text.tmHeight;
    SelectObject(screen, old);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return metrics;
}

TEST_F(Window, LayoutCaptionStyleAndFocusFollowTheFontScaling)
{
    const Metrics metrics = MeasureFont();
    if (const char* dpi = std::getenv("TOVRAND_DPI")) {
        ASSERT_EQ(metrics.dpi, std::atoi(dpi)) << "the prefix is not at the expected resolution";
    }
    auto scaled = [&](int designed) {
        return metrics.textHeight == 18 ? designed : MulDiv(designed, metrics.textHeight, 18);
    };
    std::printf("dpi %d, text height %d\n", metrics.dpi, metrics.textHeight);

    HWND window = StartLongWalk();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), "Tovrand");

    RECT frame{}, client{};
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    EXPECT_EQ(frame.left, 239);
    EXPECT_EQ(frame.top, 125);
    EXPECT_NEAR(client.right, scaled(294), 1);
    EXPECT_NEAR(client.bottom, scaled(112), 1);

    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the window must not be resizable";

    HWND label = FindChild(window, "Static");
    ASSERT_NE(label, nullptr);
    RECT labelRect = RectInParent(label);
    EXPECT_NEAR(labelRect.left, scaled(8), 1);
    EXPECT_NEAR(labelRect.top, scaled(24), 1);

    HWND button = FindButton(window, "Cancel");
    ASSERT_NE(button, nullptr);
    RECT buttonRect = RectInParent(button);
    EXPECT_NEAR(buttonRect.left, scaled(112), 1);
    EXPECT_NEAR(buttonRect.top, scaled(72), 1);
    EXPECT_NEAR(buttonRect.right - buttonRect.left, scaled(75), 1);
    EXPECT_NEAR(buttonRect.bottom - buttonRect.top, scaled(25), 1);
    std::printf("client %ldx%ld, label at %ld,%ld, button %ld,%ld %ldx%ld\n", client.right,
                client.bottom, labelRect.left, labelRect.top, buttonRect.left, buttonRect.top,
                buttonRect.right - buttonRect.left, buttonRect.bottom - buttonRect.top);

    EXPECT_TRUE(IsWindowEnabled(button));
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    HWND focus = nullptr;
    EXPECT_TRUE(WaitUntil(
        [&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            return GetGUIThreadInfo(thread, &info) && (focus = info.hwndFocus) == button;
        },
        kWindowTimeout))
        << "focus is on " << focus << ", not on the button " << button;

    PressButton(button);
    ExpectOutcomeThenExit(kCancelled, window);
}

} // namespace
