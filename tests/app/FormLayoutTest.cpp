#include <gtest/gtest.h>

#include <windows.h>

#include <random>
#include <string>

#include "FormLayout.h"

namespace {

TLayout Read(const std::string& text)
{
    return ReadLayout(text.data(), text.size());
}

// The program's own layout, compiled into this test as it is into the program.
std::string ProgramLayout()
{
    HRSRC resource = FindResourceA(nullptr, "TSDIAPPFORM", MAKEINTRESOURCEA(10));
    if (!resource)
        return {};
    const char* data = static_cast<const char*>(LockResource(LoadResource(nullptr, resource)));
    return std::string(data, SizeofResource(nullptr, resource));
}

int Integer(const TLayoutObject& object, const char* name)
{
    const TLayoutProperty* p = object.Find(name);
    int value = 0;
    EXPECT_TRUE(p && AsInteger(p->Value, value)) << name;
    return value;
}

std::string Word(const TLayoutObject& object, const char* name)
{
    const TLayoutProperty* p = object.Find(name);
    EXPECT_TRUE(p && (p->Value.Kind == TLayoutValue::Identifier || p->Value.Kind == TLayoutValue::String)) << name;
    return p ? p->Value.Text : std::string();
}

}  // namespace

TEST(FormLayout, ProgramLayoutReadsWithoutFault)
{
    std::string text = ProgramLayout();
    ASSERT_FALSE(text.empty()) << "layout resource missing";
    TLayout layout = Read(text);
    for (const TLayoutError& e : layout.Errors)
        ADD_FAILURE() << "line " << e.Line << ": " << e.Message;
    ASSERT_TRUE(layout.HasRoot);

    const TLayoutObject& form = layout.Root;
    EXPECT_EQ(form.Name, "SDIAppForm");
    EXPECT_EQ(form.ClassName, "TSDIAppForm");
    EXPECT_EQ(Integer(form, "Left"), 239);
    EXPECT_EQ(Integer(form, "Top"), 125);
    EXPECT_EQ(Integer(form, "ClientWidth"), 294);
    EXPECT_EQ(Integer(form, "ClientHeight"), 112);
    EXPECT_EQ(Word(form, "BorderStyle"), "bsSingle");
    const TLayoutProperty* icons = form.Find("BorderIcons");
    ASSERT_TRUE(icons);
    EXPECT_EQ(icons->Value.Kind, TLayoutValue::Set);
    EXPECT_EQ(icons->Value.Items, (std::vector<std::string>{"biSystemMenu", "biMinimize"}));
    EXPECT_EQ(Word(form, "Caption"), "Tovrand");
    EXPECT_EQ(Word(form, "Color"), "clBtnFace");
    EXPECT_EQ(Word(form, "Font.Charset"), "DEFAULT_CHARSET");
    EXPECT_EQ(Word(form, "Font.Color"), "clWindowText");
    EXPECT_EQ(Integer(form, "Font.Height"), -12);
    EXPECT_EQ(Word(form, "Font.Name"), "System");
    ASSERT_TRUE(form.Find("Font.Style"));
    EXPECT_TRUE(form.Find("Font.Style")->Value.Items.empty());
    EXPECT_EQ(Word(form, "OldCreateOrder"), "True");
    EXPECT_EQ(Word(form, "OnCreate"), "FormCreate");
    EXPECT_EQ(Word(form, "OnDestroy"), "FormDestroy");
    EXPECT_EQ(Integer(form, "PixelsPerInch"), 96);
    EXPECT_EQ(Integer(form, "TextHeight"), 18);

    ASSERT_EQ(form.Children.size(), 2u);
    const TLayoutObject& label = form.Children[0];
    EXPECT_EQ(label.Name, "LabelFileName");
    EXPECT_EQ(label.ClassName, "TLabel");
    EXPECT_EQ(Integer(label, "Left"), 8);
    EXPECT_EQ(Integer(label, "Top"), 24);
    EXPECT_EQ(Integer(label, "Width"), 6);
    EXPECT_EQ(Integer(label, "Height"), 18);
    EXPECT_FALSE(label.Find("Caption"));  // empty

    const TLayoutObject& button = form.Children[1];
    EXPECT_EQ(button.Name, "ButtonCancel");
    EXPECT_EQ(button.ClassName, "TButton");
    EXPECT_EQ(Integer(button, "Left"), 112);
    EXPECT_EQ(Integer(button, "Top"), 72);
    EXPECT_EQ(Integer(button, "Width"), 75);
    EXPECT_EQ(Integer(button, "Height"), 25);
    EXPECT_EQ(Word(button, "Caption"), "Cancel");
    EXPECT_EQ(Word(button, "Enabled"), "False");
    EXPECT_EQ(Integer(button, "TabOrder"), 0);
    EXPECT_EQ(Word(button, "OnClick"), "ButtonCancelClick");
}

TEST(FormLayout, ValueForms)
{
    TLayout layout = Read(
        "object F: TF\r\n"
        "  Quoted = 'it''s'#13#10'two'\r\n"
        "  Codes = #$41#66\r\n"
        "  Empty = ''\r\n"
        "  Negative = -2147483648\r\n"
        "  Hex = $1F\r\n"
        "  Set = [ a , b ]\r\n"
        "  NoSet = []\r\n"
        "  Twice = 1\r\n"
        "  Twice = 2\r\n"
        "end\r\n");
    EXPECT_TRUE(layout.Errors.empty());
    const TLayoutObject& f = layout.Root;
    EXPECT_EQ(Word(f, "Quoted"), "it's\r\ntwo");
    EXPECT_EQ(Word(f, "Codes"), "AB");
    EXPECT_EQ(Word(f, "Empty"), "");
    EXPECT_EQ(Integer(f, "Negative"), -2147483647 - 1);
    EXPECT_EQ(Integer(f, "Hex"), 31);
    EXPECT_EQ(f.Find("Set")->Value.Items, (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(f.Find("NoSet")->Value.Items.empty());
    EXPECT_EQ(Integer(f, "Twice"), 2);  // the last one counts
}

// Each broken text is read as far as it can be: the fault is reported at
// its line and what is around it is kept.
TEST(FormLayout, FaultsAreReportedAndPassedOver)
{
    struct {
        const char* Name;
        const char* Text;
        int ErrorLine;
        const char* KeptProperty;  // on the root, read despite the fault
    } cases[] = {
        {"line without '='", "object F: TF\n  Left 1\n  Top = 2\nend\n", 2, "Top"},
        {"number with junk", "object F: TF\n  Left = 12abc\n  Top = 2\nend\n", 2, "Top"},
        {"number too big", "object F: TF\n  Left = 99999999999\n  Top = 2\nend\n", 2, "Top"},
        {"unterminated string", "object F: TF\n  Caption = 'abc\n  Top = 2\nend\n", 2, "Top"},
        {"character code too big", "object F: TF\n  Caption = #256\n  Top = 2\nend\n", 2, "Top"},
        {"unclosed set", "object F: TF\n  Icons = [a, b\n  Top = 2\nend\n", 2, "Top"},
        {"empty set item", "object F: TF\n  Icons = [a, ]\n  Top = 2\nend\n", 2, "Top"},
        {"two values", "object F: TF\n  Left = 1 2\n  Top = 2\nend\n", 2, "Top"},
        {"truncated: missing end", "object F: TF\n  Top = 2\n  object B: TButton\n    Left = 1\n", 4, "Top"},
        {"end without object", "object F: TF\n  Top = 2\nend\nend\n", 4, "Top"},
        {"property after the end", "object F: TF\n  Top = 2\nend\nLeft = 1\n", 4, "Top"},
        {"second top-level object", "object F: TF\n  Top = 2\nend\nobject G: TG\n  Left = 1\nend\n", 4, "Top"},
        {"broken object header",
         "object F: TF\n  object : TButton\n    Left = 5\n  end\n  Top = 2\nend\n", 2, "Top"},
    };
    for (auto& c : cases) {
        TLayout layout = Read(c.Text);
        ASSERT_FALSE(layout.Errors.empty()) << c.Name;
        EXPECT_EQ(layout.Errors.front().Line, c.ErrorLine) << c.Name;
        ASSERT_TRUE(layout.HasRoot) << c.Name;
        EXPECT_EQ(layout.Root.Name, "F") << c.Name;
        EXPECT_EQ(Integer(layout.Root, c.KeptProperty), 2) << c.Name;
        EXPECT_FALSE(layout.Root.Find("Left")) << c.Name << ": the faulty or misplaced value must not land on F";
    }
}

TEST(FormLayout, BrokenObjectKeepsItsSiblings)
{
    TLayout layout = Read(
        "object F: TF\n"
        "  object : TLabel\n"
        "    object Inner: TLabel\n"
        "    end\n"
        "  end\n"
        "  object B: TButton\n"
        "    Left = 3\n"
        "  end\n"
        "end\n");
    ASSERT_EQ(layout.Errors.size(), 1u);
    ASSERT_EQ(layout.Root.Children.size(), 1u);
    EXPECT_EQ(layout.Root.Children[0].Name, "B");
    EXPECT_EQ(Integer(layout.Root.Children[0], "Left"), 3);
}

TEST(FormLayout, NothingToReadIsAnError)
{
    for (const char* text : {"", "\n\n  \n", "garbage", "end\n"}) {
        TLayout layout = Read(text);
        EXPECT_FALSE(layout.HasRoot) << text;
        EXPECT_FALSE(layout.Errors.empty()) << text;
    }
}

TEST(FormLayout, DeepNestingIsCutOff)
{
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "object O" + std::to_string(i) + ": TX\n";
    for (int i = 0; i < 5000; ++i)
        text += "end\n";
    TLayout layout = Read(text);
    EXPECT_TRUE(layout.HasRoot);
    EXPECT_EQ(layout.Errors.size(), 1u);
    int depth = 0;
    for (const TLayoutObject* o = &layout.Root; !o->Children.empty(); o = &o->Children.front())
        ++depth;
    EXPECT_LT(depth, 100);
}

// Whatever the bytes, reading ends and reports instead of crashing.
TEST(FormLayout, ArbitraryBytesDoNotCrash)
{
    std::mt19937 random(1234);
    const std::string pieces[] = {"object ", "end", "\n", " = ", "'", "''", "#", "$", "[", "]", ",", ":",
                                  "Name", "TX", "-", "9", ".", "\0", "\x82\xa0", "\r"};
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        int n = static_cast<int>(random() % 60);
        for (int i = 0; i < n; ++i)
            text += pieces[random() % (sizeof pieces / sizeof pieces[0])];
        if (round % 2)
            text[random() % (text.size() + 1 > 1 ? text.size() : 1)] = static_cast<char>(random());
        TLayout layout = Read(text);
        (void)layout;
    }
}
