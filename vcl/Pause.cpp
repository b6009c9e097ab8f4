#include "Pause.h"

#include <windows.h>
#include <mmsystem.h>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace {

// One timer per thread: waitable timers are not meant to be shared between
// threads that wait on them at the same time.
struct HighResolutionTimer {
    HANDLE handle = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                           TIMER_ALL_ACCESS);
    ~HighResolutionTimer()
    {
        if (handle)
            CloseHandle(handle);
    }
};

bool WaitOnTimer(HANDLE timer)
{
    LARGE_INTEGER due;
    due.QuadPart = -10000;  // relative, in 100 ns units
    return SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE) &&
           WaitForSingleObject(timer, INFINITE) == WAIT_OBJECT_0;
}

}  // namespace

void Pause()
{
    thread_local HighResolutionTimer timer;
    if (timer.handle && WaitOnTimer(timer.handle))
        return;
    // Older systems lack high-resolution timers: raise the timer resolution
    // for the process instead, once, and leave it raised until exit.
    static const bool fineTimer = timeBeginPeriod(1) == TIMERR_NOERROR;
    (void)fineTimer;
    Sleep(1);
}
