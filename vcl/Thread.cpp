#include "Thread.h"

#include <process.h>

#include <cstdint>
#include <cstdlib>

bool BeginThread(TThreadEntry Entry, void* Arg)
{
    return _beginthread(Entry, 0, Arg) != static_cast<uintptr_t>(-1);
}

void EndThread()
{
    _endthread();
    std::abort();  // not reached: _endthread does not return
}
