#include "ProcessThread.h"

#include <cstdlib>
#include <cstring>

#include "ClearTarget.h"
#include "Thread.h"

int (WINAPI* OutcomeMessageBox)(HWND, LPCSTR, LPCSTR, UINT) = MessageBoxA;
bool (*BeginWorkerThread)(TThreadEntry, void*) = BeginThread;

namespace {

const char Caption[] = "Tovrand";
const char CompletedText[] =  // 処理が完了しました
    "\x8f\x88\x97\x9d\x82\xaa\x8a\xae\x97\xb9\x82\xb5\x82\xdc\x82\xb5\x82\xbd";
const char CancelledText[] =  // 処理はキャンセルされました
    "\x8f\x88\x97\x9d\x82\xcd\x83\x4c\x83\x83\x83\x93\x83\x5a\x83\x8b\x82\xb3\x82\xea\x82\xdc\x82\xb5\x82\xbd";
const char FailedText[] = "failed";

// Set by the worker once it holds its own copy of the argument text.
HANDLE ArgsTaken = nullptr;

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

void ShowOutcome(HWND Owner, bool Success)
{
    OutcomeMessageBox(Owner, OutcomeText(Success, Cancelled), Caption, MB_OK);
}

}  // namespace

// Byte by byte is safe in Shift-JIS: no trail byte is a blank, tab, line feed
// or quotation mark.
bool NextTarget(char*& Cursor, char*& Target)
{
    char* read = Cursor;
    while (IsSeparator(*read))
        ++read;
    if (*read == '\0') {
        Cursor = read;
        return false;
    }
    Target = read;
    char* write = read;
    bool quoting = false;
    for (; *read != '\0'; ++read) {
        if (*read == '"') {
            quoting = !quoting;
            continue;
        }
        if (!quoting && IsSeparator(*read)) {
            ++read;
            break;
        }
        *write++ = *read;
    }
    *write = '\0';
    Cursor = read;
    return true;
}

const char* OutcomeText(bool Success, bool WasCancelled)
{
    if (!Success)
        return FailedText;
    return WasCancelled ? CancelledText : CompletedText;
}

void ProcessThread(void* Arg)
{
    const TThreadArgs& args = *static_cast<const TThreadArgs*>(Arg);
    const AnsiString* text = args.Args;
    const size_t length = text ? static_cast<size_t>(text->Length()) : 0;
    char* buffer = static_cast<char*>(std::malloc(length + 1));
    if (buffer) {
        if (length)
            std::memcpy(buffer, text->c_str(), length);
        buffer[length] = '\0';
    }
    // From here on the argument text itself is not touched again.
    if (ArgsTaken)
        SetEvent(ArgsTaken);

    bool success = buffer != nullptr;
    char* cursor = buffer;
    char* target = nullptr;
    while (success && NextTarget(cursor, target)) {
        if (!ClearTarget(target))
            success = false;
        else if (Cancelled)
            break;
    }
    ShowOutcome(args.Owner, success);
    std::free(buffer);
    RunState = rsFinished;
    EndThread();
}

void StartProcessThread(TThreadArgs* Args)
{
    ArgsTaken = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (ArgsTaken && BeginWorkerThread(ProcessThread, Args)) {
        WaitForSingleObject(ArgsTaken, INFINITE);
    } else {
        // Without a worker the run still ends as any other: failed box, then finished.
        ShowOutcome(Args->Owner, false);
        RunState = rsFinished;
    }
    if (ArgsTaken)
        CloseHandle(ArgsTaken);
    ArgsTaken = nullptr;
}
