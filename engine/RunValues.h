#pragma once
// The values through which the main window and the worker cooperate. Both
// sides poll them; nothing is posted or signalled between the threads.
#include <windows.h>

#include <atomic>

#include "AnsiString.h"

enum TRunState : unsigned char {
    rsIdle = 0,             // no run; at process start and just before the process ends
    rsRunning = 1,          // worker started, no cancellation asked for
    rsCancelRequested = 2,  // Cancel pressed, or the window destroyed, during the run
    rsFinished = 3,         // outcome shown and dismissed; the worker is ending
};

// Single bytes, each load and store whole, no lock.
extern std::atomic<TRunState> RunState;
extern std::atomic<bool> Cancelled;

// A string replaced by the worker and copied by the main thread. The lock is
// held only for the assignment or the copy, never while doing anything else.
class TSharedPath {
public:
    void Assign(const AnsiString& Path);
    // Copies into Target, reusing its storage where it can.
    void CopyTo(AnsiString& Target) const;

private:
    mutable SRWLOCK lock_ = SRWLOCK_INIT;
    AnsiString path_;
};

extern TSharedPath CurrentPath;

// The argument text, owned by the entry from before the window exists until
// after the message loop.
extern AnsiString* CommandArgs;

// Handed to the worker as its only argument.
struct TThreadArgs {
    AnsiString* Args;  // the argument text
    HWND Owner;        // owner of the outcome message box
};

extern TThreadArgs ThreadArgs;
