#pragma once
// The two standard controls the program shows: a text and a push button.
// Both are the system's own STATIC and BUTTON windows, so screen readers
// and UI automation see their text and state.
#include "Controls.h"

// A line of text. It sizes itself to its text whenever the text changes and
// underlines the character after an "&" ("&&" shows one "&").
class TLabel : public TControl {
public:
    TLabel(TForm* Parent, const AnsiString& Name);

    // Setting the text it already shows does nothing at all.
    void SetCaption(const AnsiString& Caption);

    void Loaded() override;

protected:
    const char* WindowClass() const override { return "STATIC"; }
    // No word wrap, so that the measured size is the drawn one.
    DWORD WindowStyle() const override { return SS_LEFTNOWORDWRAP; }

private:
    void AdjustBounds();
};

class TButton : public TControl {
public:
    TButton(TForm* Parent, const AnsiString& Name);

    TNotifyEvent OnClick;
    void Click();

    bool SetProperty(const TLayoutProperty& Property) override;
    bool SetEvent(const std::string& Event, TNotifyEvent Handler) override;
    void Command(WORD NotifyCode) override;

protected:
    const char* WindowClass() const override { return "BUTTON"; }
    DWORD WindowStyle() const override { return BS_PUSHBUTTON | WS_TABSTOP; }
};
