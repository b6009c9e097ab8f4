#include "Form.h"

#include <algorithm>
#include <cstring>

#include "Application.h"
#include "FormScaling.h"
#include "StdCtrls.h"

namespace {

struct TNamedValue {
    const char* Name;
    int Value;
};

bool Lookup(const TNamedValue* Table, size_t Count, const TLayoutValue& Value, int& Out)
{
    if (Value.Kind == TLayoutValue::Integer) {
        Out = Value.Number;
        return true;
    }
    if (Value.Kind != TLayoutValue::Identifier)
        return false;
    for (size_t i = 0; i < Count; ++i)
        if (Value.Text == Table[i].Name) {
            Out = Table[i].Value;
            return true;
        }
    return false;
}

template <size_t N>
bool Lookup(const TNamedValue (&Table)[N], const TLayoutValue& Value, int& Out)
{
    return Lookup(Table, N, Value, Out);
}

// Sets of names: every item must be known.
template <size_t N>
bool LookupSet(const TNamedValue (&Table)[N], const TLayoutValue& Value, DWORD& Out)
{
    if (Value.Kind != TLayoutValue::Set)
        return false;
    DWORD bits = 0;
    for (const std::string& item : Value.Items) {
        TLayoutValue one;
        one.Kind = TLayoutValue::Identifier;
        one.Text = item;
        int bit;
        if (!Lookup(Table, one, bit))
            return false;
        bits |= static_cast<DWORD>(bit);
    }
    Out = bits;
    return true;
}

// Only system colours: the form follows the user's colour scheme.
const TNamedValue Colors[] = {
    {"clBtnFace", COLOR_BTNFACE},
    {"clBtnText", COLOR_BTNTEXT},
    {"clWindow", COLOR_WINDOW},
    {"clWindowText", COLOR_WINDOWTEXT},
};

const TNamedValue Charsets[] = {
    {"ANSI_CHARSET", ANSI_CHARSET},
    {"DEFAULT_CHARSET", DEFAULT_CHARSET},
    {"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET},
};

const TNamedValue BorderIcons[] = {
    {"biSystemMenu", WS_SYSMENU},
    {"biMinimize", WS_MINIMIZEBOX},
    {"biMaximize", WS_MAXIMIZEBOX},
};

enum { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
const TNamedValue FontStyles[] = {
    {"fsBold", fsBold},
    {"fsItalic", fsItalic},
    {"fsUnderline", fsUnderline},
    {"fsStrikeOut", fsStrikeOut},
};

struct TBorderStyle {
    const char* Name;
    DWORD Style;
    DWORD ExStyle;
};
const TBorderStyle BorderStyles[] = {
    {"bsNone", WS_POPUP, 0},
    {"bsSingle", WS_CAPTION, 0},
    {"bsSizeable", WS_CAPTION | WS_THICKFRAME, 0},
    {"bsDialog", WS_CAPTION, WS_EX_DLGMODALFRAME},
};

TControl* CreateControl(const std::string& ClassName, TForm* Parent, const AnsiString& Name)
{
    if (ClassName == "TLabel")
        return new TLabel(Parent, Name);
    if (ClassName == "TButton")
        return new TButton(Parent, Name);
    return nullptr;
}

AnsiString ToAnsi(const std::string& Text)
{
    return AnsiString(Text.c_str(), static_cast<int>(Text.size()));
}

bool IsEvent(const std::string& Name)
{
    return Name.size() > 2 && Name.compare(0, 2, "On") == 0;
}

}  // namespace

TForm::TForm(TComponent* Owner, const TFormBinding& Binding) : TComponent(Owner), binding_(Binding)
{
    fontSpec_.lfHeight = -11;
    fontSpec_.lfWeight = FW_NORMAL;
    fontSpec_.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(fontSpec_.lfFaceName, "MS Sans Serif");

    ReadResource();
    BindFields();
    FitToScreen();
    for (auto& control : controls_)
        control->Loaded();
    if (oldCreateOrder_ && OnCreate)
        OnCreate(this);
}

TForm::~TForm()
{
    if (handle_)
        ShowWindow(handle_, SW_HIDE);
    if (oldCreateOrder_ && OnDestroy)
        OnDestroy(this);
    if (handle_)
        DestroyWindow(handle_);
    controls_.clear();
    if (font_)
        DeleteObject(font_);
}

void TForm::AfterConstruction()
{
    if (!oldCreateOrder_ && OnCreate)
        OnCreate(this);
}

void TForm::BeforeDestruction()
{
    if (!oldCreateOrder_ && OnDestroy)
        OnDestroy(this);
}

// A layout is part of the program file, so a fault in one is a fault of the
// build: it is reported to a debugger (OutputDebugString) and otherwise
// passed over, so that the window still works as far as it can. The tests
// read the program's own layout and expect no report.
void TForm::Report(int Line, const std::string& Message) const
{
    std::string text = std::string(binding_.ClassName) + " layout" +
                       (Line > 0 ? ", line " + std::to_string(Line) : std::string()) + ": " + Message + "\n";
    OutputDebugStringA(text.c_str());
}

void TForm::ReadResource()
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, binding_.ClassName, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) {
        Report(0, "no layout resource");
        return;
    }
    LoadLayout(ReadLayout(static_cast<const char*>(data), SizeofResource(module, resource)));
}

void TForm::LoadLayout(const TLayout& Layout)
{
    for (const TLayoutError& error : Layout.Errors)
        Report(error.Line, error.Message);
    if (!Layout.HasRoot)
        return;
    const TLayoutObject& root = Layout.Root;
    if (root.ClassName != binding_.ClassName)
        Report(root.Line, "the layout is of class " + root.ClassName);
    for (const TLayoutProperty& property : root.Properties)
        SetProperty(property);
    for (const TLayoutObject& child : root.Children) {
        TControl* control = CreateControl(child.ClassName, this, ToAnsi(child.Name));
        if (!control) {
            Report(child.Line, "no control class " + child.ClassName);
            continue;
        }
        controls_.emplace_back(control);
        for (const TLayoutProperty& property : child.Properties)
            SetControlProperty(*control, property);
        if (!child.Children.empty())
            Report(child.Children.front().Line, child.Name + " cannot hold controls");
    }
}

TNotifyEvent TForm::FindHandler(const TLayoutProperty& Property)
{
    if (Property.Value.Kind != TLayoutValue::Identifier) {
        Report(Property.Line, Property.Name + " needs a handler name");
        return {};
    }
    for (const TFormHandler& handler : binding_.Handlers)
        if (Property.Value.Text == handler.Name) {
            auto call = handler.Call;
            return [this, call](TObject* Sender) { call(*this, Sender); };
        }
    Report(Property.Line, "no handler " + Property.Value.Text + " for " + Property.Name);
    return {};
}

void TForm::SetControlProperty(TControl& Control, const TLayoutProperty& Property)
{
    if (IsEvent(Property.Name)) {
        TNotifyEvent handler = FindHandler(Property);
        if (handler && !Control.SetEvent(Property.Name, std::move(handler)))
            Report(Property.Line, std::string(Control.Name().c_str()) + " has no event " + Property.Name);
        return;
    }
    if (!Control.SetProperty(Property))
        Report(Property.Line,
               std::string(Control.Name().c_str()) + " has no property " + Property.Name + " of that value");
}

void TForm::SetProperty(const TLayoutProperty& Property)
{
    const std::string& name = Property.Name;
    const TLayoutValue& value = Property.Value;
    bool ok = false;
    int number = 0;
    std::string text;
    if (name == "OnCreate" || name == "OnDestroy") {
        TNotifyEvent handler = FindHandler(Property);
        (name == "OnCreate" ? OnCreate : OnDestroy) = std::move(handler);
        return;
    }
    if (name == "Left" || name == "Top" || name == "ClientWidth" || name == "ClientHeight" ||
        name == "PixelsPerInch" || name == "TextHeight") {
        ok = AsInteger(value, number);
        if (ok)
            (name == "Left"            ? left_
             : name == "Top"           ? top_
             : name == "ClientWidth"   ? clientWidth_
             : name == "ClientHeight"  ? clientHeight_
             : name == "PixelsPerInch" ? pixelsPerInch_
                                       : textHeight_) = number;
    } else if (name == "Caption") {
        ok = AsText(value, text);
        if (ok)
            caption_ = ToAnsi(text);
    } else if (name == "BorderStyle") {
        for (const TBorderStyle& style : BorderStyles)
            if (value.Kind == TLayoutValue::Identifier && value.Text == style.Name) {
                frame_ = style.Style;
                exStyle_ = style.ExStyle;
                ok = true;
            }
    } else if (name == "BorderIcons") {
        ok = LookupSet(BorderIcons, value, icons_);
    } else if (name == "Color") {
        ok = Lookup(Colors, value, color_);
    } else if (name == "Font.Color") {
        ok = Lookup(Colors, value, fontColor_);
    } else if (name == "Font.Charset") {
        ok = Lookup(Charsets, value, number) && number >= 0 && number <= 255;
        if (ok)
            fontSpec_.lfCharSet = static_cast<BYTE>(number);
    } else if (name == "Font.Height") {
        ok = AsInteger(value, number);
        if (ok)
            fontSpec_.lfHeight = number;
    } else if (name == "Font.Name") {
        ok = AsText(value, text) && text.size() < sizeof fontSpec_.lfFaceName;
        if (ok)
            std::strcpy(fontSpec_.lfFaceName, text.c_str());
    } else if (name == "Font.Style") {
        DWORD styles = 0;
        ok = LookupSet(FontStyles, value, styles);
        if (ok) {
            fontSpec_.lfWeight = styles & fsBold ? FW_BOLD : FW_NORMAL;
            fontSpec_.lfItalic = (styles & fsItalic) != 0;
            fontSpec_.lfUnderline = (styles & fsUnderline) != 0;
            fontSpec_.lfStrikeOut = (styles & fsStrikeOut) != 0;
        }
    } else if (name == "OldCreateOrder") {
        ok = AsBoolean(value, oldCreateOrder_);
    }
    if (!ok)
        Report(Property.Line, "the form has no property " + name + " of that value");
}

// Every field refers to a control, the one of its name when the layout has
// one of the right class.
void TForm::BindFields()
{
    for (const TFormField& field : binding_.Fields) {
        TControl* found = nullptr;
        for (auto& control : controls_)
            if (std::strcmp(control->Name().c_str(), field.Name) == 0)
                found = control.get();
        TControl* bound = field.Bind(*this, found, field.Name);
        if (bound != found) {
            Report(0, std::string("no control of the right class for ") + field.Name);
            controls_.emplace_back(bound);
        }
    }
}

// The font follows the screen's resolution; then everything inside the
// window follows the height the font really has (the window's position does
// not change).
void TForm::FitToScreen()
{
    HDC screen = GetDC(nullptr);
    fontSpec_.lfHeight = ScaledFontHeight(fontSpec_.lfHeight, GetDeviceCaps(screen, LOGPIXELSY), pixelsPerInch_);
    font_ = CreateFontIndirectA(&fontSpec_);
    TEXTMETRICA metrics = {};
    HGDIOBJ old = SelectObject(screen, font_);
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);

    TFormScale scale{static_cast<int>(metrics.tmHeight), textHeight_};
    if (!scale.Changes())
        return;
    clientWidth_ = scale(clientWidth_);
    clientHeight_ = scale(clientHeight_);
    for (auto& control : controls_)
        control->SetBounds(scale(control->Left()), scale(control->Top()), scale(control->Width()),
                           scale(control->Height()));
}

HWND TForm::Handle()
{
    if (!handle_)
        CreateWnd();
    return handle_;
}

void TForm::Show(int ShowCommand)
{
    if (Handle())
        ShowWindow(handle_, ShowCommand);
}

void TForm::CreateWnd()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = binding_.ClassName;
    if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        Report(0, "cannot register the window class");
        return;
    }

    DWORD style = WS_OVERLAPPED | WS_CLIPCHILDREN | frame_ | (frame_ & WS_CAPTION ? icons_ : 0);
    RECT bounds = {0, 0, clientWidth_, clientHeight_};
    AdjustWindowRectEx(&bounds, style, FALSE, exStyle_);
    HWND owner = Application ? Application->Handle() : nullptr;
    CreateWindowExA(exStyle_, binding_.ClassName, caption_.c_str(), style, left_, top_, bounds.right - bounds.left,
                    bounds.bottom - bounds.top, owner, nullptr, instance, this);
    if (!handle_) {
        Report(0, "cannot create the window");
        return;
    }
    if (Application) {
        SendMessageA(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Application->Icon(false)));
        SendMessageA(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Application->Icon(true)));
    }

    // Creation order is the order Tab follows: first what takes no focus,
    // then by tab order.
    std::vector<TControl*> order;
    for (auto& control : controls_)
        order.push_back(control.get());
    std::stable_sort(order.begin(), order.end(),
                     [](const TControl* a, const TControl* b) { return a->TabOrder() < b->TabOrder(); });
    int id = 100;  // clear of IDOK and IDCANCEL, which Enter and Escape send to the form
    for (TControl* control : order)
        control->CreateWnd(handle_, font_, id++);

    // Underline the "&" characters and show the focus from the start, not
    // only after the first key press.
    SendMessageA(handle_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS), 0);
}

LRESULT CALLBACK TForm::WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    TForm* form;
    if (Message == WM_NCCREATE) {
        form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTA*>(LParam)->lpCreateParams);
        SetWindowLongPtrA(Window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        form->handle_ = Window;
    } else {
        form = reinterpret_cast<TForm*>(GetWindowLongPtrA(Window, GWLP_USERDATA));
    }
    if (!form)
        return DefWindowProcA(Window, Message, WParam, LParam);
    if (Message == WM_NCDESTROY) {
        SetWindowLongPtrA(Window, GWLP_USERDATA, 0);
        form->handle_ = nullptr;
        return DefWindowProcA(Window, Message, WParam, LParam);
    }
    return form->HandleMessage(Message, WParam, LParam);
}

LRESULT TForm::HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam)
{
    bool isMain = Application && Application->MainForm() == this;
    switch (Message) {
    case WM_CLOSE:
        // Closing the main form ends the application; the window stays as it
        // is until the application destroys it.
        if (isMain)
            Application->Terminate();
        else
            ShowWindow(handle_, SW_HIDE);
        return 0;
    case WM_SYSCOMMAND:
        // The application's window stands for the program: minimizing the
        // main form minimizes it, which hides the forms it owns.
        if ((WParam & 0xFFF0) == SC_MINIMIZE && isMain) {
            Application->Minimize();
            return 0;
        }
        break;
    case WM_COMMAND: {
        // Enter comes as IDOK from the keyboard navigation; as in a dialog,
        // the focused button takes it.
        HWND source = reinterpret_cast<HWND>(LParam);
        WORD code = HIWORD(WParam);
        if (!source && LOWORD(WParam) == IDOK) {
            source = GetFocus();
            code = BN_CLICKED;
        }
        if (source) {
            for (auto& control : controls_)
                if (control->Handle() == source) {
                    control->Command(code);
                    return 0;
                }
        }
        break;
    }
    case WM_ACTIVATE:
        if (LOWORD(WParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(handle_, focus))
                focus_ = focus;
        } else if (!HIWORD(WParam)) {
            if (!focus_ || !IsChild(handle_, focus_) || !IsWindowEnabled(focus_) || !IsWindowVisible(focus_))
                focus_ = GetNextDlgTabItem(handle_, nullptr, FALSE);
            if (focus_ && IsChild(handle_, focus_)) {
                SetFocus(focus_);
                return 0;
            }
        }
        break;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(handle_, &client);
        FillRect(reinterpret_cast<HDC>(WParam), &client, GetSysColorBrush(color_));
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        HDC dc = reinterpret_cast<HDC>(WParam);
        SetTextColor(dc, GetSysColor(fontColor_));
        SetBkColor(dc, GetSysColor(color_));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(color_));
    }
    }
    return DefWindowProcA(handle_, Message, WParam, LParam);
}
