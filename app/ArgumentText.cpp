#include "ArgumentText.h"

namespace {

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

}  // namespace

const char* ArgumentText(const char* CommandLine)
{
    const char* p = CommandLine;
    if (!p)
        return "";
    while (IsBlankOrTab(*p))
        ++p;
    if (*p == '"') {
        ++p;
        while (*p && *p != '"' && *p != '\t')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p && !IsBlankOrTab(*p))
            ++p;
    }
    while (IsBlankOrTab(*p))
        ++p;
    return p;
}
