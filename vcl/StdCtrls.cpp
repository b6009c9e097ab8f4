#include "StdCtrls.h"

#include "Form.h"

namespace {

bool ReadCaption(const TLayoutProperty& Property, AnsiString& Caption)
{
    std::string text;
    if (!AsText(Property.Value, text))
        return false;
    Caption = AnsiString(text.c_str(), static_cast<int>(text.size()));
    return true;
}

}  // namespace

TLabel::TLabel(TForm* Parent, const AnsiString& Name) : TControl(Parent, Name) {}

void TLabel::SetCaption(const AnsiString& Caption)
{
    if (Caption == caption_)
        return;
    caption_ = Caption;
    if (Handle())
        SetWindowTextA(Handle(), caption_.c_str());
    AdjustBounds();
}

bool TLabel::SetProperty(const TLayoutProperty& Property)
{
    if (Property.Name == "Caption")
        return ReadCaption(Property, caption_);
    return TControl::SetProperty(Property);
}

void TLabel::Loaded()
{
    AdjustBounds();
}

// Measures the text as the STATIC control draws it: prefix characters
// processed, tabs expanded, one line per line feed. An empty text keeps the
// height of a line.
void TLabel::AdjustBounds()
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Parent()->Font());
    RECT r = {0, 0, 0, 0};
    const char* text = caption_.IsEmpty() ? " " : caption_.c_str();
    DrawTextA(dc, text, -1, &r, DT_CALCRECT | DT_LEFT | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

TButton::TButton(TForm* Parent, const AnsiString& Name) : TControl(Parent, Name)
{
    tabOrder_ = 0;
}

void TButton::SetCaption(const AnsiString& Caption)
{
    if (Caption == caption_)
        return;
    caption_ = Caption;
    if (Handle())
        SetWindowTextA(Handle(), caption_.c_str());
}

void TButton::Click()
{
    if (OnClick)
        OnClick(this);
}

bool TButton::SetProperty(const TLayoutProperty& Property)
{
    if (Property.Name == "Caption")
        return ReadCaption(Property, caption_);
    if (Property.Name == "TabOrder")
        return AsInteger(Property.Value, tabOrder_) && tabOrder_ >= 0;
    return TControl::SetProperty(Property);
}

bool TButton::SetEvent(const std::string& Event, TNotifyEvent Handler)
{
    if (Event != "OnClick")
        return false;
    OnClick = std::move(Handler);
    return true;
}

// A disabled button is not pressed, not even by a BM_CLICK sent to it
// (which some systems still turn into a click).
void TButton::Command(WORD NotifyCode)
{
    if (NotifyCode == BN_CLICKED && Enabled())
        Click();
}
