#include "Controls.h"

#include "Form.h"

TControl::TControl(TForm* Parent, const AnsiString& Name) : TComponent(Parent), parent_(Parent), name_(Name) {}

// The form destroys the windows; a control only forgets its own.
TControl::~TControl() = default;

void TControl::SetBounds(int Left, int Top, int Width, int Height)
{
    if (Left == left_ && Top == top_ && Width == width_ && Height == height_)
        return;
    left_ = Left;
    top_ = Top;
    width_ = Width;
    height_ = Height;
    if (handle_)
        SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TControl::SetEnabled(bool Enabled)
{
    if (Enabled == enabled_)
        return;
    enabled_ = Enabled;
    if (handle_)
        EnableWindow(handle_, Enabled);
}

bool TControl::SetText(const AnsiString& Caption)
{
    if (Caption == caption_)
        return false;
    caption_ = Caption;
    if (handle_)
        SetWindowTextA(handle_, caption_.c_str());
    return true;
}

bool TControl::SetProperty(const TLayoutProperty& Property)
{
    const std::string& name = Property.Name;
    int number;
    std::string text;
    if (name == "Caption") {
        if (!AsText(Property.Value, text))
            return false;
        caption_ = AnsiString(text.c_str(), static_cast<int>(text.size()));
        return true;
    }
    if (name == "Left" || name == "Top" || name == "Width" || name == "Height") {
        if (!AsInteger(Property.Value, number))
            return false;
        if (name == "Left")
            left_ = number;
        else if (name == "Top")
            top_ = number;
        else if (name == "Width")
            width_ = number;
        else
            height_ = number;
        return true;
    }
    if (name == "Enabled")
        return AsBoolean(Property.Value, enabled_);
    return false;
}

bool TControl::SetEvent(const std::string&, TNotifyEvent)
{
    return false;
}

void TControl::CreateWnd(HWND ParentWindow, HFONT Font, int Id)
{
    DWORD style = WS_CHILD | WS_VISIBLE | WindowStyle() | (enabled_ ? 0 : WS_DISABLED);
    handle_ = CreateWindowExA(0, WindowClass(), caption_.c_str(), style, left_, top_, width_, height_, ParentWindow,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)), GetModuleHandleA(nullptr), nullptr);
    if (handle_)
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font), FALSE);
}

void TControl::Command(WORD) {}
