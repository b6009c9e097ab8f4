#include "SysUtils.h"

#include <array>

int FileGetAttr(const AnsiString& FileName)
{
    return static_cast<int>(GetFileAttributesA(FileName.c_str()));
}

int FileSetAttr(const AnsiString& FileName, int Attr)
{
    if (SetFileAttributesA(FileName.c_str(), static_cast<DWORD>(Attr)))
        return 0;
    return static_cast<int>(GetLastError());
}

namespace {

// Skips entries carrying an excluded attribute; false when none is left.
bool FindMatching(TSearchRec& F)
{
    while (F.FindData.dwFileAttributes & static_cast<DWORD>(F.ExcludeAttr)) {
        if (!FindNextFileA(F.FindHandle, &F.FindData))
            return false;
    }
    F.Name = F.FindData.cFileName;
    F.Attr = static_cast<int>(F.FindData.dwFileAttributes);
    return true;
}

int LastErrorOr(int fallback)
{
    const DWORD error = GetLastError();
    return error ? static_cast<int>(error) : fallback;
}

}  // namespace

int FindFirst(const AnsiString& Path, int Attr, TSearchRec& F)
{
    F.ExcludeAttr = ~Attr & (faHidden | faSysFile | faVolumeID);
    F.FindHandle = FindFirstFileA(Path.c_str(), &F.FindData);
    if (F.FindHandle == INVALID_HANDLE_VALUE)
        return LastErrorOr(ERROR_FILE_NOT_FOUND);
    if (!FindMatching(F)) {
        const int error = LastErrorOr(ERROR_NO_MORE_FILES);
        FindClose(F);
        return error;
    }
    return 0;
}

int FindNext(TSearchRec& F)
{
    if (!FindNextFileA(F.FindHandle, &F.FindData) || !FindMatching(F))
        return LastErrorOr(ERROR_NO_MORE_FILES);
    return 0;
}

void FindClose(TSearchRec& F)
{
    if (F.FindHandle != INVALID_HANDLE_VALUE) {
        ::FindClose(F.FindHandle);
        F.FindHandle = INVALID_HANDLE_VALUE;
    }
}

bool IsLeadByte(unsigned char Byte)
{
    // The code page cannot change while the process runs: ask once.
    static const std::array<bool, 256> leadBytes = [] {
        std::array<bool, 256> table{};
        CPINFO info;
        if (GetCPInfo(CP_ACP, &info)) {
            for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i]; i += 2) {
                for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b)
                    table[static_cast<size_t>(b)] = true;
            }
        }
        return table;
    }();
    return leadBytes[Byte];
}

bool IsPathDelimiter(const AnsiString& S, int Index)
{
    if (Index < 1 || Index > S.Length() || S[Index] != '\\')
        return false;
    // A backslash is a trail byte when an odd run of lead bytes ends right before it.
    int run = 0;
    for (int i = Index - 1; i >= 1 && IsLeadByte(static_cast<unsigned char>(S[i])); --i)
        ++run;
    return run % 2 == 0;
}

AnsiString ExtractFilePath(const AnsiString& FileName)
{
    for (int i = FileName.Length(); i >= 1; --i) {
        if (FileName[i] == ':' || IsPathDelimiter(FileName, i))
            return FileName.SubString(1, i);
    }
    return AnsiString();
}
