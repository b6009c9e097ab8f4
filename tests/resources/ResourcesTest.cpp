#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The module whose resources are checked: the program named in
// TOVRAND_MODULE, loaded as data, or else this test program.
struct Module {
    std::string path;
    HMODULE handle = nullptr;

    Module()
    {
        if (const char* program = std::getenv("TOVRAND_MODULE")) {
            path = program;
            handle = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        } else {
            char buffer[MAX_PATH];
            path.assign(buffer, GetModuleFileNameA(nullptr, buffer, MAX_PATH));
            handle = GetModuleHandleA(nullptr);
        }
    }
};

const Module& Checked()
{
    static const Module module;
    return module;
}

std::string Resource(LPCSTR name, LPCSTR type)
{
    const HMODULE module = Checked().handle;
    HRSRC found = FindResourceA(module, name, type);
    if (!found)
        return std::string();
    const void* data = LockResource(LoadResource(module, found));
    return std::string(static_cast<const char*>(data), SizeofResource(module, found));
}

TEST(Resources, ModuleIsLoaded)
{
    ASSERT_NE(Checked().handle, nullptr) << Checked().path;
}

TEST(Resources, VersionRecord)
{
    const std::string& path = Checked().path;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u) << path;
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", &value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    // Japanese, Shift-JIS: the language of the program's own texts.
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    const auto* translation = static_cast<const WORD*>(value);
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 932);

    struct Field {
        const char* name;
        const char* expected;  // nullptr: any text that is not empty
    };
    const Field fields[] = {
        {"ProductName", "Tovrand"},
        {"OriginalFilename", "Tovrand.exe"},
        {"InternalName", "Tovrand"},
        {"CompanyName", "Tovrand"},
        {"FileVersion", "1.0.0.0"},
        {"ProductVersion", "1.0.0.0"},
        {"FileDescription", nullptr},
        {"LegalCopyright", nullptr},
    };
    for (const Field& field : fields) {
        const std::string key = std::string("\\StringFileInfo\\041103A4\\") + field.name;
        ASSERT_TRUE(VerQueryValueA(info.data(), key.c_str(), &value, &length)) << field.name;
        const std::string text(static_cast<const char*>(value));
        if (field.expected)
            EXPECT_EQ(text, field.expected) << field.name;
        else
            EXPECT_FALSE(text.empty()) << field.name;
    }
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIcon {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names)
{
    reinterpret_cast<std::vector<std::string>*>(names)->push_back(
        IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : name);
    return TRUE;
}

TEST(Resources, MainIconIsOne32x32ImageIn16ColoursWithAMask)
{
    // The first icon group stands for the program in Explorer.
    std::vector<std::string> groups;
    EnumResourceNamesA(Checked().handle, RT_GROUP_ICON, CollectName, reinterpret_cast<LONG_PTR>(&groups));
    ASSERT_EQ(groups, std::vector<std::string>{"MAINICON"});

    const std::string group = Resource("MAINICON", RT_GROUP_ICON);
    ASSERT_GE(group.size(), sizeof(GroupIcon));
    const auto* directory = reinterpret_cast<const GroupIcon*>(group.data());
    ASSERT_EQ(directory->type, 1);
    ASSERT_EQ(directory->count, 1);
    const GroupIconEntry& entry = directory->entries[0];
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.colours, 16);
    EXPECT_EQ(entry.bitCount, 4);

    const std::string image = Resource(MAKEINTRESOURCEA(entry.id), RT_ICON);
    constexpr size_t colourBytes = 32 * 32 / 2, maskBytes = 32 * 32 / 8;
    ASSERT_EQ(image.size(), sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD) + colourBytes + maskBytes);
    ASSERT_EQ(entry.bytes, image.size());
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
    EXPECT_EQ(header->biWidth, 32);
    EXPECT_EQ(header->biHeight, 64);  // colour image and mask
    EXPECT_EQ(header->biBitCount, 4);
    EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));

    // Transparent pixels must be black in the colour image, or they would
    // invert what lies behind the icon instead of showing it.
    const auto* colour = reinterpret_cast<const BYTE*>(image.data()) + image.size() - maskBytes - colourBytes;
    const auto* mask = colour + colourBytes;
    int transparent = 0;
    for (int pixel = 0; pixel < 32 * 32; ++pixel) {
        if (mask[pixel / 8] & (0x80 >> (pixel % 8))) {
            ++transparent;
            const int index = (colour[pixel / 2] >> (pixel % 2 ? 0 : 4)) & 0x0F;
            EXPECT_EQ(index, 0) << "pixel " << pixel % 32 << ", row " << 31 - pixel / 32 << " from the top";
        }
    }
    EXPECT_GT(transparent, 0);
    EXPECT_LT(transparent, 32 * 32 / 2);

    HICON icon = CreateIconFromResourceEx(reinterpret_cast<PBYTE>(const_cast<char*>(image.data())),
                                          static_cast<DWORD>(image.size()), TRUE, 0x00030000, 32, 32, 0);
    EXPECT_NE(icon, nullptr);
    if (icon)
        DestroyIcon(icon);
}

std::wstring Setting(HANDLE context, const wchar_t* space, const wchar_t* name)
{
    wchar_t buffer[64] = {};
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, context, space, name, buffer, 64, &written))
        return L"(none)";
    return buffer;
}

TEST(Resources, ManifestDeclaresDpiAwareness)
{
    ASSERT_FALSE(Resource(MAKEINTRESOURCEA(1), RT_MANIFEST).empty());

    // The platform's own reading of the manifest, namespaces and all.
    ACTCTXA request{};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = Checked().path.c_str();
    request.lpResourceName = MAKEINTRESOURCEA(1);
    HANDLE context = CreateActCtxA(&request);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << "error " << GetLastError();
    EXPECT_EQ(Setting(context, L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"), L"true");
    EXPECT_EQ(Setting(context, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
              L"system");
    ReleaseActCtx(context);

}

}  // namespace
