// The shared run values as the engine sees them, except that every path the
// walk publishes is recorded and can trigger a cancel request: the tests see
// each publication, not only the last one.
#include "RecordingRunValues.h"

std::atomic<TRunState> RunState{rsIdle};
std::atomic<bool> Cancelled{false};
TSharedPath CurrentPath;
AnsiString* CommandArgs = nullptr;
TThreadArgs ThreadArgs = {nullptr, nullptr};

std::vector<std::string> Published;
std::string CancelAt;

void TSharedPath::Assign(const AnsiString& Path)
{
    AcquireSRWLockExclusive(&lock_);
    path_ = Path;
    Published.emplace_back(Path.c_str());
    if (!CancelAt.empty() && CancelAt == Path.c_str())
        RunState = rsCancelRequested;
    ReleaseSRWLockExclusive(&lock_);
}

void TSharedPath::CopyTo(AnsiString& Target) const
{
    AcquireSRWLockShared(&lock_);
    Target = path_;
    ReleaseSRWLockShared(&lock_);
}

void ResetRunValues()
{
    RunState = rsRunning;
    Cancelled = false;
    Published.clear();
    CancelAt.clear();
    CurrentPath.Assign("");
    Published.clear();
}
