#include "RunValues.h"

static_assert(sizeof(std::atomic<TRunState>) == 1 && std::atomic<TRunState>::is_always_lock_free);
static_assert(sizeof(std::atomic<bool>) == 1 && std::atomic<bool>::is_always_lock_free);

std::atomic<TRunState> RunState{rsIdle};
std::atomic<bool> Cancelled{false};
TSharedPath CurrentPath;
AnsiString* CommandArgs = nullptr;
TThreadArgs ThreadArgs = {nullptr, nullptr};

void TSharedPath::Assign(const AnsiString& Path)
{
    AcquireSRWLockExclusive(&lock_);
    path_ = Path;
    ReleaseSRWLockExclusive(&lock_);
}

void TSharedPath::CopyTo(AnsiString& Target) const
{
    AcquireSRWLockShared(&lock_);
    Target = path_;
    ReleaseSRWLockShared(&lock_);
}
