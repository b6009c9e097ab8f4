#pragma once
// Shortening of a long path for the progress label.
#include "AnsiString.h"

// Replaces folder names in the middle of Text with "..." until it is at most
// 21 characters long or cannot lose more, keeping the first folders and the
// last component. Does nothing unless Shorten is true.
void ShortenPath(AnsiString& Text, bool Shorten);
