#pragma once
// Removing the read-only attribute from one target and, for a folder, from
// everything listed below it.
#include "AnsiString.h"

// True when the target counts as cleared: it exists and, for a file, the
// platform accepted the change. A folder target always counts as cleared.
bool ClearTarget(const AnsiString& Path);

// Walks the folder that Pattern (a folder path followed by "\*.*") lists,
// publishing every entry in CurrentPath and stopping when cancellation is
// requested. Always true.
bool ClearFolder(const AnsiString& Pattern);
