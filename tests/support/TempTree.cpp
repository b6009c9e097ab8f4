#include "TempTree.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

void RemoveAll(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA entry;
    HANDLE listing = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (listing != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name != "." && name != "..")
                RemoveAll(path + "\\" + name);
        } while (FindNextFileA(listing, &entry));
        FindClose(listing);
    }
    RemoveDirectoryA(path.c_str());
}

} // namespace

TempTree::TempTree()
{
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    char name[64];
    std::snprintf(name, sizeof name, "tovrand-test-%lu-%lu", GetCurrentProcessId(), GetTickCount());
    root_ = std::string(temp) + name;
    CreateDirectoryA(root_.c_str(), nullptr);
}

TempTree::~TempTree()
{
    RemoveAll(root_);
}

std::string TempTree::Path(const std::string& relative) const
{
    return relative.empty() ? root_ : root_ + "\\" + relative;
}

bool TempTree::MakeFolder(const std::string& relative, DWORD attributes)
{
    std::string path = Path(relative);
    return CreateDirectoryA(path.c_str(), nullptr)
        && (attributes == 0 || SetFileAttributesA(path.c_str(), attributes | FILE_ATTRIBUTE_DIRECTORY));
}

bool TempTree::MakeFile(const std::string& relative, DWORD attributes)
{
    std::string path = Path(relative);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return SetFileAttributesA(path.c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL) != 0;
}

bool TempTree::MakeFiles(const std::string& folder, const std::string& prefix, int count,
                         DWORD attributes)
{
    for (int i = 0; i < count; ++i)
        if (!MakeFile(folder + "\\" + NumberedName(prefix, i), attributes))
            return false;
    return true;
}

DWORD TempTree::Attributes(const std::string& relative) const
{
    return GetFileAttributesA(Path(relative).c_str());
}

bool IsReadOnly(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << path << " is missing";
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

int TempTree::CountReadOnly(const std::string& folder, const std::string& prefix, int count) const
{
    int readOnly = 0;
    for (int i = 0; i < count; ++i)
        readOnly += IsReadOnly(folder + "\\" + NumberedName(prefix, i));
    return readOnly;
}

std::string TempTree::NumberedName(const std::string& prefix, int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "%04d.txt", number);
    return prefix + name;
}

