#include "Fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

std::string FixtureRoot()
{
    const char* root = std::getenv("TOVRAND_FIXTURES");
    return root ? root : ".";
}

TTree::TTree(const std::string& Name) : root_(FixtureRoot() + "\\work")
{
    CreateDirectoryA(root_.c_str(), nullptr);
    root_ += "\\" + Name;
    CreateDirectoryA(root_.c_str(), nullptr);
}

std::string TTree::Path(const std::string& Relative) const
{
    return Relative.empty() ? root_ : root_ + "\\" + Relative;
}

void TTree::Folder(const std::string& Relative, DWORD Attributes) const
{
    const std::string path = Path(Relative);
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
    if (Attributes) {
        ASSERT_TRUE(SetFileAttributesA(path.c_str(), Attributes)) << path;
    }
}

void TTree::File(const std::string& Relative, DWORD Attributes) const
{
    const std::string path = Path(Relative);
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written;
    WriteFile(file, "x", 1, &written, nullptr);
    CloseHandle(file);
    if (Attributes) {
        ASSERT_TRUE(SetFileAttributesA(path.c_str(), Attributes)) << path;
    }
}

DWORD TTree::Attr(const std::string& Relative) const
{
    return GetFileAttributesA(Path(Relative).c_str());
}

bool IsReadOnly(const std::string& Path)
{
    const DWORD attributes = GetFileAttributesA(Path.c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << Path;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

int CountOpenHandles()
{
    // Handle values are small multiples of four; probing them needs no privilege.
    int count = 0;
    DWORD flags;
    for (ULONG_PTR value = 4; value < 16384; value += 4) {
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags))
            ++count;
    }
    return count;
}
