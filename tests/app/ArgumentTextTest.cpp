#include <gtest/gtest.h>

#include <string>

#include "ArgumentText.h"

namespace {

struct TCase {
    const char* Name;
    const char* CommandLine;
    const char* Expected;
};

const TCase Cases[] = {
    {"empty", "", ""},
    {"name only", "Tovrand.exe", ""},
    {"name and blanks only", "Tovrand.exe  \t ", ""},
    {"plain name", "Tovrand.exe C:\\a b", "C:\\a b"},
    {"leading blanks and tabs", " \t Tovrand.exe\tC:\\a", "C:\\a"},
    {"quoted name with a blank", "\"C:\\Program Files\\Tovrand.exe\" C:\\a", "C:\\a"},
    {"quoted name, argument right after", "\"C:\\Tovrand.exe\"C:\\a", "C:\\a"},
    {"quoted name, blanks and tabs after", "\"Tovrand.exe\" \t \"C:\\a b\"", "\"C:\\a b\""},
    {"quoted name ends at a tab", "\"C:\\x\ty.exe\" C:\\a", "y.exe\" C:\\a"},
    {"unterminated quoted name", "\"C:\\Program Files\\Tovrand.exe C:\\a", ""},
    {"empty quoted name", "\"\" C:\\a", "C:\\a"},
    {"line feed after the name is kept", "Tovrand.exe \nC:\\a", "\nC:\\a"},
    {"line feed is part of an unquoted name", "Tovrand.exe\nC:\\a", ""},
    {"line feed after a quoted name is kept", "\"Tovrand.exe\"\nC:\\a", "\nC:\\a"},
    {"blanks inside the arguments are kept", "Tovrand.exe a  b\t", "a  b\t"},
};

}  // namespace

TEST(ArgumentText, Cases)
{
    for (const TCase& c : Cases)
        EXPECT_EQ(std::string(ArgumentText(c.CommandLine)), c.Expected) << c.Name;
}

TEST(ArgumentText, NullCommandLineIsEmpty)
{
    EXPECT_STREQ(ArgumentText(nullptr), "");
}
