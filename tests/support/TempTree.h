// A folder tree made for one test under the temp folder, removed afterwards
// even where its entries were left read-only.
#pragma once

#include <windows.h>

#include <string>

// Bit 0x01 of a path's attributes; a missing path fails the test.
bool IsReadOnly(const std::string& path);

class TempTree {
public:
    TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;
    ~TempTree();

    const std::string& Root() const { return root_; }
    // The full path of an entry given relative to the root.
    std::string Path(const std::string& relative) const;

    bool MakeFolder(const std::string& relative, DWORD attributes = 0);
    bool MakeFile(const std::string& relative, DWORD attributes = FILE_ATTRIBUTE_READONLY);
    // Files prefix0000.txt .. prefix<count-1>.txt in one folder.
    bool MakeFiles(const std::string& folder, const std::string& prefix, int count,
                   DWORD attributes = FILE_ATTRIBUTE_READONLY);

    DWORD Attributes(const std::string& relative) const;
    bool IsReadOnly(const std::string& relative) const { return ::IsReadOnly(Path(relative)); }
    // How many of the files made by MakeFiles are still read-only.
    int CountReadOnly(const std::string& folder, const std::string& prefix, int count) const;

    static std::string NumberedName(const std::string& prefix, int number);

private:
    std::string root_;
};

