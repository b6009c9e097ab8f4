#include "StdCtrls.h"

#include "Form.h"

TLabel::TLabel(TForm* Parent, const AnsiString& Name) : TControl(Parent, Name) {}

void TLabel::SetCaption(const AnsiString& Caption)
{
    if (SetText(Caption))
        AdjustBounds();
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
    const char* text = Caption().IsEmpty() ? " " : Caption().c_str();
    DrawTextA(dc, text, -1, &r, DT_CALCRECT | DT_LEFT | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

TButton::TButton(TForm* Parent, const AnsiString& Name) : TControl(Parent, Name)
{
    tabOrder_ = 0;
}

void TButton::Click()
{
    if (OnClick)
        OnClick(this);
}

bool TButton::SetProperty(const TLayoutProperty& Property)
{
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
