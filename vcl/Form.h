#pragma once
// A top-level window read from a layout resource. The derived class names
// its controls and handlers in a binding table (FORM_FIELD, FORM_HANDLER);
// the layout refers to them by those names.
#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "AnsiString.h"
#include "Component.h"
#include "Controls.h"
#include "FormLayout.h"

class TForm;

// A member of the derived form that points at one of its controls.
struct TFormField {
    const char* Name;
    // Stores Control in the field when its type fits and returns it; makes a
    // control of the field's type otherwise, so the field is never null.
    TControl* (*Bind)(TForm& Form, TControl* Control, const char* Name);
};

// A method of the derived form that the layout names as an event handler.
struct TFormHandler {
    const char* Name;
    void (*Call)(TForm& Form, TObject* Sender);
};

struct TFormBinding {
    const char* ClassName;  // also the name of the layout resource (RCDATA)
    std::vector<TFormField> Fields;
    std::vector<TFormHandler> Handlers;
};

class TForm : public TComponent {
public:
    // Reads the layout, creates the controls, fits them to the screen, and
    // with OldCreateOrder runs OnCreate.
    TForm(TComponent* Owner, const TFormBinding& Binding);
    // Hides the window, with OldCreateOrder runs OnDestroy, then destroys it.
    ~TForm() override;

    // Creates the window on the first request; null when that failed.
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    HFONT Font() const { return font_; }
    const AnsiString& Caption() const { return caption_; }

    // Shows the window with a ShowWindow command.
    void Show(int ShowCommand);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;

    // For the application: OnCreate and OnDestroy without OldCreateOrder.
    void AfterConstruction();
    void BeforeDestruction();

private:
    static LRESULT CALLBACK WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
    LRESULT HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam);

    void ReadResource();
    void LoadLayout(const TLayout& Layout);
    void SetControlProperty(TControl& Control, const TLayoutProperty& Property);
    void SetProperty(const TLayoutProperty& Property);
    TNotifyEvent FindHandler(const TLayoutProperty& Property);
    void BindFields();
    void FitToScreen();
    void CreateWnd();
    void Report(int Line, const std::string& Message) const;

    const TFormBinding& binding_;
    std::vector<std::unique_ptr<TControl>> controls_;
    HWND handle_ = nullptr;
    HWND focus_ = nullptr;  // the control to give the focus back to on activation
    HFONT font_ = nullptr;

    AnsiString caption_;
    int left_ = 0, top_ = 0, clientWidth_ = 0, clientHeight_ = 0;
    DWORD frame_ = WS_CAPTION | WS_THICKFRAME;  // the border style
    DWORD exStyle_ = 0;
    DWORD icons_ = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;  // the title-bar buttons
    int color_ = COLOR_BTNFACE;  // system colour indices
    int fontColor_ = COLOR_WINDOWTEXT;
    LOGFONTA fontSpec_{};
    int pixelsPerInch_ = 96;
    int textHeight_ = 0;
    bool oldCreateOrder_ = false;
};

// Table entries; Form::Name must be a public member.
#define FORM_FIELD(Form, Name) TFormField{#Name, &BindFormField<Form, &Form::Name>}
#define FORM_HANDLER(Form, Name) TFormHandler{#Name, &CallFormHandler<Form, &Form::Name>}

template <class Form, auto Field>
TControl* BindFormField(TForm& TheForm, TControl* Control, const char* Name)
{
    using TPointer = std::remove_reference_t<decltype(std::declval<Form&>().*Field)>;
    using TFieldControl = std::remove_pointer_t<TPointer>;
    // Called while the base class is being constructed: the field has no
    // initializer of its own, so what is stored here stays.
    Form& form = static_cast<Form&>(TheForm);
    auto* typed = dynamic_cast<TFieldControl*>(Control);
    if (!typed)
        typed = new TFieldControl(&TheForm, AnsiString(Name));
    form.*Field = typed;
    return typed;
}

template <class Form, void (Form::*Method)(TObject*)>
void CallFormHandler(TForm& TheForm, TObject* Sender)
{
    (static_cast<Form&>(TheForm).*Method)(Sender);
}
