#pragma once
// A control: one child window of a form. Its properties can be set before
// the window exists; the window is made when the form's window is.
#include <windows.h>

#include <string>

#include "AnsiString.h"
#include "Component.h"
#include "FormLayout.h"

class TForm;

class TControl : public TComponent {
public:
    TControl(TForm* Parent, const AnsiString& Name);
    ~TControl() override;

    const AnsiString& Name() const { return name_; }
    TForm* Parent() const { return parent_; }
    HWND Handle() const { return handle_; }  // null until the form's window exists

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetBounds(int Left, int Top, int Width, int Height);

    // The window text: a label's line, a button's caption.
    const AnsiString& Caption() const { return caption_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool Enabled);

    // Position in the keyboard's tab order; -1 for a control that never
    // takes the focus.
    int TabOrder() const { return tabOrder_; }

    // From the layout: false when the control has no such property or the
    // value does not fit it.
    virtual bool SetProperty(const TLayoutProperty& Property);
    virtual bool SetEvent(const std::string& Event, TNotifyEvent Handler);
    // Called once the layout is read and scaled.
    virtual void Loaded() {}

    // Called by the form.
    void CreateWnd(HWND ParentWindow, HFONT Font, int Id);
    virtual void Command(WORD NotifyCode);

protected:
    virtual const char* WindowClass() const = 0;
    virtual DWORD WindowStyle() const = 0;
    // False when Caption is the text already shown: then nothing is done.
    bool SetText(const AnsiString& Caption);

    int tabOrder_ = -1;

private:
    TForm* parent_;
    AnsiString name_;
    AnsiString caption_;
    HWND handle_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool enabled_ = true;
};
