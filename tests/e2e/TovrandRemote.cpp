// Answers Tovrand's windows from a script, for demos and screenshots:
//   tovrand_remote wait-window [ms]   waits for the main window, prints its rectangle
//   tovrand_remote wait-label [ms]    waits until the label shows a path, prints it
//   tovrand_remote wait-box [ms]      waits for a message box, prints its rectangle and text
//   tovrand_remote press-ok           presses OK on the message box
//   tovrand_remote press-cancel       presses Cancel on the main window
// Rectangles are "left top width height" in screen pixels, texts are UTF-8.
// Exit code 0 on success, 1 when the window did not come in time, 2 on misuse.
#include "WindowDriver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace e2e;

namespace {

std::string Utf8(const std::string& text)
{
    int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), (int)text.size(), nullptr, 0);
    std::wstring utf16(wide, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), (int)text.size(), &utf16[0], wide);
    int bytes = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(bytes, '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), wide, &utf8[0], bytes, nullptr, nullptr);
    return utf8;
}

void PrintRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

HWND Wait(HWND (*find)(DWORD), DWORD timeoutMs)
{
    HWND window = nullptr;
    WaitUntil([&] { return (window = find(0)) != nullptr; }, timeoutMs);
    return window;
}

std::string Label(HWND window)
{
    HWND label = FindChild(window, "Static");
    return label ? WindowText(label) : std::string();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: tovrand_remote wait-window|wait-label|wait-box|press-ok|press-cancel [ms]\n");
        return 2;
    }
    const std::string command = argv[1];
    const DWORD timeout = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 30000;

    if (command == "wait-window" || command == "press-cancel" || command == "wait-label") {
        HWND window = Wait(FindMainWindow, timeout);
        if (!window)
            return 1;
        if (command == "wait-window")
            PrintRect(window);
        else if (command == "wait-label") {
            if (!WaitUntil([&] { return !Label(window).empty(); }, timeout))
                return 1;
            std::printf("%s\n", Utf8(Label(window)).c_str());
        } else if (!PressButton(FindButton(window, "Cancel")))
            return 1;
        return 0;
    }
    if (command == "wait-box" || command == "press-ok") {
        HWND box = Wait(FindMessageBox, timeout);
        if (!box)
            return 1;
        if (command == "wait-box") {
            PrintRect(box);
            std::printf("%s\n", Utf8(MessageBoxText(box)).c_str());
        } else if (!PressButton(FindButton(box, "OK")))
            return 1;
        return 0;
    }
    std::fprintf(stderr, "unknown command: %s\n", command.c_str());
    return 2;
}
