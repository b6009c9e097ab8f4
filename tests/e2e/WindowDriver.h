// Drives another process's windows the way a user would: finds them,
// reads their texts and presses their buttons.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Visible top-level windows of one process (0: of every process).
std::vector<HWND> VisibleTopLevelWindows(DWORD processId);

std::string WindowText(HWND window);
std::string ClassName(HWND window);

// The direct child windows of a window.
std::vector<HWND> ChildWindows(HWND parent);

// A visible message box captioned "Tovrand" (dialog class #32770).
HWND FindMessageBox(DWORD processId);
// The visible main window: not a dialog, holding a Cancel button.
HWND FindMainWindow(DWORD processId);
HWND FindChild(HWND parent, const char* className);
HWND FindButton(HWND parent, const char* text);

// The text of a message box: its static control has the id 0xFFFF.
std::string MessageBoxText(HWND box);

// Presses a button like a click; false when its thread did not answer.
bool PressButton(HWND button);

// Polls every few milliseconds until the condition holds or time runs out.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);

} // namespace e2e
