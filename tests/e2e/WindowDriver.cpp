#include "WindowDriver.h"

namespace e2e {

namespace {

struct Collect {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM param)
{
    auto* collect = reinterpret_cast<Collect*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((collect->processId == 0 || owner == collect->processId) && IsWindowVisible(window))
        collect->windows.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param)
{
    auto* children = reinterpret_cast<std::vector<HWND>*>(param);
    if (GetParent(window) == reinterpret_cast<HWND>(children->front()))
        children->push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> VisibleTopLevelWindows(DWORD processId)
{
    Collect collect{processId, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&collect));
    return collect.windows;
}

std::string WindowText(HWND window)
{
    // WM_GETTEXT reaches across processes; GetWindowTextA would not for controls.
    char text[1024] = "";
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 2000, &length))
        return std::string();
    return std::string(text, length);
}

std::string ClassName(HWND window)
{
    char name[256] = "";
    int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

std::vector<HWND> ChildWindows(HWND parent)
{
    // The first slot carries the parent through the callback.
    std::vector<HWND> children{parent};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    children.erase(children.begin());
    return children;
}

HWND FindMessageBox(DWORD processId)
{
    for (HWND window : VisibleTopLevelWindows(processId))
        if (ClassName(window) == "#32770" && WindowText(window) == "Tovrand")
            return window;
    return nullptr;
}

HWND FindMainWindow(DWORD processId)
{
    for (HWND window : VisibleTopLevelWindows(processId))
        if (ClassName(window) != "#32770" && FindButton(window, "Cancel"))
            return window;
    return nullptr;
}

HWND FindChild(HWND parent, const char* className)
{
    for (HWND child : ChildWindows(parent))
        if (lstrcmpiA(ClassName(child).c_str(), className) == 0)
            return child;
    return nullptr;
}

HWND FindButton(HWND parent, const char* text)
{
    for (HWND child : ChildWindows(parent))
        if (lstrcmpiA(ClassName(child).c_str(), "Button") == 0 && WindowText(child) == text)
            return child;
    return nullptr;
}

std::string MessageBoxText(HWND box)
{
    HWND text = GetDlgItem(box, 0xFFFF);
    return text ? WindowText(text) : std::string();
}

bool PressButton(HWND button)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(5);
    }
}

RECT RectInParent(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace e2e
