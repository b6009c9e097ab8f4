// One started program: its process, its exit, and a kill should a test fail.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    // Never leaves the program behind, whatever the test did.
    ~ChildProcess();

    // Starts the program with this argument text after its quoted name.
    bool Start(const std::string& program, const std::string& arguments);
    // Starts it with no argument text at all.
    bool StartBare(const std::string& program);

    DWORD Id() const { return info_.dwProcessId; }
    bool HasEnded(DWORD timeoutMs);
    // The exit code once ended, STILL_ACTIVE otherwise.
    DWORD ExitCode();
    void Kill();

private:
    bool Launch(std::string commandLine);

    PROCESS_INFORMATION info_{};
};

// The program under test, from TOVRAND_EXE (a Unix path is turned into
// Wine's Z: drive path); empty when not set.
std::string TovrandProgram();

} // namespace e2e
