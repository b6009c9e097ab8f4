#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "Form.h"
#include "StdCtrls.h"

namespace {

std::vector<std::string> Events;

// What a handler saw, for the checks after it ran.
struct {
    bool ControlsBound = false;
    bool DerivedConstructed = false;
    bool WindowExisted = false;
    bool WindowVisible = true;
} Seen;

class TTestForm : public TForm {
public:
    TLabel* Label1;
    TButton* Button1;
    bool Constructed;  // set by this class's own constructor

    TTestForm(const char* ClassName) : TForm(nullptr, ClassName[1] == 'B' ? Broken : Binding)
    {
        Constructed = true;
        Events.push_back("constructor");
    }

    void FormCreate(TObject*)
    {
        Seen.ControlsBound = Label1 && Button1;
        Events.push_back("create");
    }
    void FormDestroy(TObject*)
    {
        Seen.WindowExisted = IsWindow(Handle()) != 0;
        Seen.WindowVisible = IsWindowVisible(Handle()) != 0;
        Events.push_back("destroy");
    }
    void Button1Click(TObject* Sender)
    {
        Events.push_back(Sender == Button1 ? "click" : "click from elsewhere");
    }

    static const TFormBinding Binding;
    static const TFormBinding Broken;
};

#define TEST_FORM_TABLE(Name)                                                                    \
    {Name,                                                                                       \
     {FORM_FIELD(TTestForm, Label1), FORM_FIELD(TTestForm, Button1)},                            \
     {FORM_HANDLER(TTestForm, FormCreate), FORM_HANDLER(TTestForm, FormDestroy),                 \
      FORM_HANDLER(TTestForm, Button1Click)}}

const TFormBinding TTestForm::Binding = TEST_FORM_TABLE("TTestForm");
const TFormBinding TTestForm::Broken = TEST_FORM_TABLE("TBrokenForm");

// What the forms told a debugger: OutputDebugString raises an exception that
// a vectored handler sees first.
std::vector<std::string> DebugOutput;

LONG CALLBACK CatchDebugOutput(EXCEPTION_POINTERS* info)
{
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    if (record->ExceptionCode == DBG_PRINTEXCEPTION_C && record->NumberParameters >= 2)
        DebugOutput.emplace_back(reinterpret_cast<const char*>(record->ExceptionInformation[1]));
    return EXCEPTION_CONTINUE_SEARCH;
}

bool Reported(const std::string& part)
{
    for (const std::string& line : DebugOutput)
        if (line.find(part) != std::string::npos)
            return true;
    return false;
}

int SetTextCount = 0;
WNDPROC StaticProc = nullptr;

LRESULT CALLBACK CountSetText(HWND window, UINT message, WPARAM w, LPARAM l)
{
    if (message == WM_SETTEXT)
        ++SetTextCount;
    return CallWindowProcA(StaticProc, window, message, w, l);
}

SIZE Measure(HFONT font, const char* text, UINT flags = 0)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r = {0, 0, 0, 0};
    DrawTextA(dc, text, -1, &r, DT_CALCRECT | DT_LEFT | DT_EXPANDTABS | flags);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right, r.bottom};
}

int TextHeightOf(HFONT font)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

std::string Text(HWND window)
{
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

class FormTest : public testing::Test {
protected:
    void SetUp() override
    {
        Events.clear();
        Seen = {};
    }
};

}  // namespace

TEST_F(FormTest, CreationOrderAndWindowFromTheLayout)
{
    DebugOutput.clear();
    PVOID catcher = AddVectoredExceptionHandler(1, CatchDebugOutput);
    auto* form = new TTestForm("TTestForm");
    RemoveVectoredExceptionHandler(catcher);
    EXPECT_TRUE(DebugOutput.empty()) << DebugOutput.front();
    EXPECT_EQ(Events, (std::vector<std::string>{"create", "constructor"}));
    EXPECT_TRUE(Seen.ControlsBound);
    EXPECT_FALSE(form->HandleAllocated()) << "the window is made on the first request";

    HWND window = form->Handle();
    ASSERT_TRUE(window);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "TTestForm");
    EXPECT_EQ(Text(window), "Test");
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);

    // Designed for a text height of 36: everything inside follows the
    // height the font really has; the window's position does not.
    int measured = TextHeightOf(form->Font());
    RECT client, outer;
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    EXPECT_EQ(client.right, MulDiv(600, measured, 36));
    EXPECT_EQ(client.bottom, MulDiv(300, measured, 36));
    EXPECT_EQ(outer.left, 10);
    EXPECT_EQ(outer.top, 20);

    HWND button = form->Button1->Handle();
    HWND label = form->Label1->Handle();
    ASSERT_TRUE(button && label);
    GetClassNameA(button, className, sizeof className);
    EXPECT_STREQ(className, "Button");
    EXPECT_EQ(Text(button), "Go");
    EXPECT_FALSE(IsWindowEnabled(button));
    EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & (BS_TYPEMASK | WS_TABSTOP), BS_PUSHBUTTON | WS_TABSTOP);
    RECT r;
    GetWindowRect(button, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, MulDiv(100, measured, 36));
    EXPECT_EQ(r.top, MulDiv(50, measured, 36));
    EXPECT_EQ(r.right - r.left, MulDiv(80, measured, 36));
    EXPECT_EQ(r.bottom - r.top, MulDiv(30, measured, 36));

    GetClassNameA(label, className, sizeof className);
    EXPECT_STREQ(className, "Static");
    EXPECT_EQ(Text(label), "first");
    EXPECT_EQ(GetWindowLongA(label, GWL_STYLE) & SS_NOPREFIX, 0);
    GetWindowRect(label, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, MulDiv(20, measured, 36));
    EXPECT_EQ(r.top, MulDiv(40, measured, 36));
    SIZE first = Measure(form->Font(), "first");
    EXPECT_EQ(r.right - r.left, first.cx) << "sized to its text when loaded";
    EXPECT_EQ(r.bottom - r.top, first.cy);

    for (HWND control : {button, label})
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), form->Font());

    delete form;
    EXPECT_EQ(Events.back(), "destroy");
    EXPECT_TRUE(Seen.WindowExisted) << "OnDestroy runs before the window is destroyed";
    EXPECT_FALSE(Seen.WindowVisible) << "and after it is hidden";
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(FormTest, LabelSizesItselfAndSkipsUnchangedText)
{
    TTestForm form("TTestForm");
    HWND label = form.Label1->Handle();
    form.Handle();
    label = form.Label1->Handle();
    ASSERT_TRUE(label);
    StaticProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountSetText)));
    SetTextCount = 0;

    struct {
        const char* Caption;
        const char* MeasuredAs;  // without prefix processing
    } cases[] = {
        {"C:\\a much longer text than the form is wide\\file.txt",
         "C:\\a much longer text than the form is wide\\file.txt"},
        {"a&b", "ab"},
        {"a&&b", "a&b"},
    };
    for (auto& c : cases) {
        form.Label1->SetCaption(c.Caption);
        EXPECT_EQ(Text(label), c.Caption);
        SIZE expected = Measure(form.Font(), c.MeasuredAs, DT_NOPREFIX);
        RECT r;
        GetWindowRect(label, &r);
        EXPECT_EQ(r.right - r.left, expected.cx) << c.Caption;
        EXPECT_EQ(r.bottom - r.top, expected.cy) << c.Caption;
        EXPECT_EQ(form.Label1->Width(), expected.cx) << c.Caption;
    }
    EXPECT_EQ(SetTextCount, 3);

    form.Label1->SetCaption("a&&b");
    EXPECT_EQ(SetTextCount, 3) << "the same text again is not set again";

    form.Label1->SetCaption("");
    SIZE blank = Measure(form.Font(), " ");
    EXPECT_EQ(form.Label1->Height(), blank.cy) << "an empty label keeps the height of a line";
    SetWindowLongPtrA(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticProc));
}

TEST_F(FormTest, ButtonClickReachesTheHandlerOnlyWhenEnabled)
{
    TTestForm form("TTestForm");
    form.Show(SW_SHOWNOACTIVATE);
    HWND button = form.Button1->Handle();
    ASSERT_TRUE(button);

    SendMessageA(button, BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(Events, (std::vector<std::string>{"create", "constructor"})) << "disabled in the layout";

    form.Button1->SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(button));
    SendMessageA(button, BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(Events.back(), "click");

    // Enter reaches the form as IDOK from the keyboard navigation: the focused button takes it.
    Events.clear();
    SetFocus(button);
    SendMessageA(form.Handle(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Events, (std::vector<std::string>{"click"}));
    SetFocus(nullptr);
    SendMessageA(form.Handle(), WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Events, (std::vector<std::string>{"click"})) << "no focused button, no click";
}

// A layout naming handlers, properties and classes the form does not have
// is reported and passed over; every field still refers to a control.
TEST_F(FormTest, BrokenLayoutDoesNotBreakTheForm)
{
    DebugOutput.clear();
    PVOID catcher = AddVectoredExceptionHandler(1, CatchDebugOutput);
    TTestForm form("TBrokenForm");
    RemoveVectoredExceptionHandler(catcher);
    for (const char* fault : {"line 3: no handler NoSuchHandler for OnCreate", "line 4: the form has no property Colour",
                              "line 5: the form has no property Left", "line 9: no control class TGadget",
                              "line 13: no handler AlsoMissing for OnClick", "line 14: Button1 has no event OnDblClick",
                              "no control of the right class for Label1"})
        EXPECT_TRUE(Reported(fault)) << fault;

    EXPECT_EQ(Events, (std::vector<std::string>{"constructor"})) << "OnCreate named no handler of the form";
    ASSERT_TRUE(form.Label1);
    ASSERT_TRUE(form.Button1);
    EXPECT_FALSE(form.Button1->OnClick);
    ASSERT_TRUE(form.Handle());
    EXPECT_EQ(Text(form.Handle()), "Broken");
    EXPECT_TRUE(form.Label1->Handle()) << "a label made for the field, the layout's one being a button";
    form.Label1->SetCaption("still works");
    EXPECT_EQ(Text(form.Label1->Handle()), "still works");
}
