#pragma once
// The worker: splits the argument text, clears each target in turn, shows
// the outcome and marks the run finished.
#include <windows.h>

#include "AnsiString.h"
#include "RunValues.h"
#include "Thread.h"

// The thread's entry; Arg is the address of a TThreadArgs.
void ProcessThread(void* Arg);

// Starts ProcessThread on Args and returns once the worker holds its own copy
// of the argument text, so the caller may release it from then on. When the
// worker cannot be started, shows the failed outcome and finishes the run
// itself, so RunState still reaches rsFinished.
void StartProcessThread(TThreadArgs* Args);

// Finds the next target in a NUL-terminated buffer, starting at Cursor.
// Separators are blank, tab and line feed; a quotation mark switches quoting
// on or off and is dropped; while quoting, separators belong to the target.
// The target is compacted in place and NUL-terminated; Cursor moves past it.
// Returns false when only separators are left.
bool NextTarget(char*& Cursor, char*& Target);

// The outcome text in the system code page.
const char* OutcomeText(bool Success, bool WasCancelled);

// The message box the outcome is shown in, and the thread start; tests put
// their own here.
extern int (WINAPI* OutcomeMessageBox)(HWND Owner, LPCSTR Text, LPCSTR Caption, UINT Style);
extern bool (*BeginWorkerThread)(TThreadEntry Entry, void* Arg);
