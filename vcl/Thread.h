#pragma once
// Thread start and end through the C runtime, so that its per-thread state
// is set up and released.

using TThreadEntry = void (*)(void* Arg);

// False when the thread could not be started.
bool BeginThread(TThreadEntry Entry, void* Arg);
[[noreturn]] void EndThread();
