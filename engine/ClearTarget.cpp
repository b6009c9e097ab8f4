#include "ClearTarget.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "Pause.h"
#include "RunValues.h"
#include "SysUtils.h"

namespace {

const char AllEntries[] = "\\*.*";

// Two paths that lead to one folder (through a link) share this.
struct TFolderIdentity {
    DWORD Volume;
    DWORD IndexHigh;
    DWORD IndexLow;

    bool operator==(const TFolderIdentity& Other) const
    {
        return Volume == Other.Volume && IndexHigh == Other.IndexHigh && IndexLow == Other.IndexLow;
    }
};

// The folders from the target down to the one being walked.
using TDescentPath = std::vector<TFolderIdentity>;

bool ReadFolderIdentity(const AnsiString& Folder, TFolderIdentity& Identity)
{
    // Backup semantics open a folder; a link is followed to its target.
    const HANDLE handle = CreateFileA(Folder.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = GetFileInformationByHandle(handle, &info);
    CloseHandle(handle);
    if (known)
        Identity = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return known;
}

bool IsDotEntry(const AnsiString& Name)
{
    return Name == "." || Name == "..";
}

bool WalkFolder(const AnsiString& Pattern, TDescentPath& Descent);

// A link back to a folder the walk is inside would make it go round for ever.
void Descend(const AnsiString& Folder, TDescentPath& Descent)
{
    TFolderIdentity identity;
    const bool known = ReadFolderIdentity(Folder, identity);
    if (known && std::find(Descent.begin(), Descent.end(), identity) != Descent.end())
        return;
    if (known)
        Descent.push_back(identity);
    WalkFolder(Folder + AllEntries, Descent);
    if (known)
        Descent.pop_back();
}

bool WalkFolder(const AnsiString& Pattern, TDescentPath& Descent)
{
    TSearchRec entry;
    if (FindFirst(Pattern, faReadOnly | faDirectory, entry) != 0)
        return true;
    const AnsiString folder = ExtractFilePath(Pattern);
    AnsiString path;
    do {
        Pause();
        path = folder;
        path += entry.Name;
        CurrentPath.Assign(path);
        if (RunState == rsCancelRequested) {
            Cancelled = true;
            FindClose(entry);
            return true;
        }
        if (IsDotEntry(entry.Name))
            continue;
        // The listed attributes decide; nothing inside a walk is reported.
        if (entry.Attr & faReadOnly)
            FileSetAttr(path, entry.Attr & ~faReadOnly);
        if (entry.Attr & faDirectory)
            Descend(path, Descent);
    } while (FindNext(entry) == 0);
    FindClose(entry);
    return true;
}

}  // namespace

bool ClearTarget(const AnsiString& Path)
{
    const int attributes = FileGetAttr(Path);
    if (attributes == -1)
        return false;
    const int result = FileSetAttr(Path, attributes & ~faReadOnly);
    if (!(attributes & faDirectory))
        return result == 0;
    return ClearFolder(Path + AllEntries);
}

bool ClearFolder(const AnsiString& Pattern)
{
    TDescentPath descent;
    TFolderIdentity identity;
    if (ReadFolderIdentity(ExtractFilePath(Pattern), identity))
        descent.push_back(identity);
    return WalkFolder(Pattern, descent);
}
