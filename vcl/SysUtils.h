#pragma once
// File attributes, folder listings and path parts over the ANSI Win32 calls.
#include <windows.h>

#include "AnsiString.h"

constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;
constexpr int faSysFile = 0x04;
constexpr int faVolumeID = 0x08;
constexpr int faDirectory = 0x10;

// -1 when the path does not exist or cannot be queried.
int FileGetAttr(const AnsiString& FileName);
// 0 on success, otherwise the platform's error code.
int FileSetAttr(const AnsiString& FileName, int Attr);

struct TSearchRec {
    AnsiString Name;        // long name, no folder part
    int Attr = 0;           // as the listing reported them
    int ExcludeAttr = 0;
    HANDLE FindHandle = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA FindData{};
};

// Lists the entries of Path (a pattern such as "C:\dir\*.*"). Hidden, system
// and volume-label entries are left out unless Attr asks for them; folders
// and read-only entries are always listed. Returns 0 with the first entry,
// or an error code with nothing left open.
int FindFirst(const AnsiString& Path, int Attr, TSearchRec& F);
// 0 with the next entry, or non-zero when the listing is exhausted or fails.
int FindNext(TSearchRec& F);
void FindClose(TSearchRec& F);

// True when the byte is a lead byte of a double-byte character in the
// system code page.
bool IsLeadByte(unsigned char Byte);
// True when position Index holds a backslash that is a character of its own,
// not the second byte of a double-byte character.
bool IsPathDelimiter(const AnsiString& S, int Index);
// From the start up to and including the last backslash or colon; empty when
// there is neither.
AnsiString ExtractFilePath(const AnsiString& FileName);
