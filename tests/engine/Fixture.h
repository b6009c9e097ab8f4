#pragma once
// Small file trees for the engine tests, made through the Win32 calls the
// program itself uses.
#include <windows.h>

#include <string>

// The folder the test runner prepared (see make-fixtures.sh).
std::string FixtureRoot();

// A fresh folder below the fixture root; paths are relative to it.
class TTree {
public:
    explicit TTree(const std::string& Name);
    const std::string& Root() const { return root_; }
    std::string Path(const std::string& Relative) const;

    void Folder(const std::string& Relative, DWORD Attributes = 0) const;
    void File(const std::string& Relative, DWORD Attributes = 0) const;
    DWORD Attr(const std::string& Relative) const;
    bool ReadOnly(const std::string& Relative) const { return Attr(Relative) & FILE_ATTRIBUTE_READONLY; }

private:
    std::string root_;
};

// The handles this process has open (listings among them).
int CountOpenHandles();

// Bit 0x01 of a path's attributes; fails the test when the path is missing.
bool IsReadOnly(const std::string& Path);
