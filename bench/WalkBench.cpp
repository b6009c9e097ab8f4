// Times the folder walk over a tree and reports its cost per listed entry,
// the cost of the pauses alone, its CPU time and its peak memory.
//   WalkBench.exe FOLDER
#include <windows.h>
#include <psapi.h>

#include <cstdio>

#include "ClearTarget.h"
#include "Pause.h"
#include "RunValues.h"

namespace {

double Seconds(const LARGE_INTEGER& From, const LARGE_INTEGER& To)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(To.QuadPart - From.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e7;
}

// Entries the walk will visit: everything listed, "." and ".." included.
long CountListed(const std::string& Folder)
{
    WIN32_FIND_DATAA entry;
    const HANDLE find = FindFirstFileA((Folder + "\\*.*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    long count = 0;
    do {
        if (entry.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
            continue;
        ++count;
        const std::string name = entry.cFileName;
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
            count += CountListed(Folder + "\\" + name);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return count;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: WalkBench FOLDER\n");
        return 2;
    }
    const long entries = CountListed(argv[1]);

    LARGE_INTEGER start, end;
    const int pauses = 2000;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < pauses; ++i)
        Pause();
    QueryPerformanceCounter(&end);
    const double pause = Seconds(start, end) / pauses;

    RunState = rsRunning;
    const double cpuBefore = CpuSeconds();
    QueryPerformanceCounter(&start);
    const bool cleared = ClearTarget(argv[1]);
    QueryPerformanceCounter(&end);
    const double cpu = CpuSeconds() - cpuBefore;
    const double wall = Seconds(start, end);

    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("entries %ld\ncleared %d\nwall_s %.3f\nper_entry_ms %.4f\npause_ms %.4f\n"
                "cpu_s %.3f\ncpu_share %.4f\npeak_working_set_kib %zu\npeak_private_kib %zu\n",
                entries, cleared, wall, wall * 1000 / static_cast<double>(entries), pause * 1000, cpu,
                cpu / wall, memory.PeakWorkingSetSize / 1024, memory.PeakPagefileUsage / 1024);
    return 0;
}
