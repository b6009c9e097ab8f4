#include "ShortenPath.h"

#include "SysUtils.h"

namespace {

constexpr int MaxWholeLength = 21;

// One pass: replaces what lies between the third-last and the last delimiter
// with "...". False when the text is left as it was.
bool ShortenOnce(AnsiString& Text)
{
    const int length = Text.Length();
    if (length <= MaxWholeLength)
        return false;

    // A backslash is the second byte of a double-byte character when an odd
    // run of lead bytes ends right before it; one forward scan tracks that run.
    int count = 0;
    int thirdLast = 0;
    int secondLast = 0;
    int last = 0;
    int leadRun = 0;
    for (int i = 1; i <= length; ++i) {
        const auto byte = static_cast<unsigned char>(Text[i]);
        if (byte == '\\' && leadRun % 2 == 0) {
            ++count;
            thirdLast = secondLast;
            secondLast = last;
            last = i;
        }
        leadRun = IsLeadByte(byte) ? leadRun + 1 : 0;
    }
    if (count < 4 || last - thirdLast < 5)
        return false;

    // At least four characters lie between the two delimiters: the first
    // three become the dots and the rest goes, so the text only shrinks.
    Text[thirdLast + 1] = '.';
    Text[thirdLast + 2] = '.';
    Text[thirdLast + 3] = '.';
    Text.Delete(thirdLast + 4, last - thirdLast - 4);
    return true;
}

}  // namespace

void ShortenPath(AnsiString& Text, bool Shorten)
{
    if (!Shorten)
        return;
    while (ShortenOnce(Text)) {
    }
}
