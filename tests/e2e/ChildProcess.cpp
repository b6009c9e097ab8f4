#include "ChildProcess.h"

#include <cstdlib>

namespace e2e {

ChildProcess::~ChildProcess()
{
    Kill();
    if (info_.hProcess) {
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
}

bool ChildProcess::Start(const std::string& program, const std::string& arguments)
{
    return Launch("\"" + program + "\" " + arguments);
}

bool ChildProcess::StartBare(const std::string& program)
{
    return Launch("\"" + program + "\"");
}

bool ChildProcess::Launch(std::string commandLine)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info_) != 0;
}

bool ChildProcess::HasEnded(DWORD timeoutMs)
{
    return info_.hProcess && WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD ChildProcess::ExitCode()
{
    DWORD code = STILL_ACTIVE;
    if (info_.hProcess)
        GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void ChildProcess::Kill()
{
    if (info_.hProcess && !HasEnded(0)) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 10000);
    }
}

std::string TovrandProgram()
{
    const char* value = std::getenv("TOVRAND_EXE");
    std::string path = value ? value : "";
    if (!path.empty() && path[0] == '/') {
        for (char& c : path)
            if (c == '/')
                c = '\\';
        path = "Z:" + path;
    }
    return path;
}

} // namespace e2e
