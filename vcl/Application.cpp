#include "Application.h"

#include <cstdlib>
#include <string>

#include "Form.h"

TApplication* Application = new TApplication;

namespace {

const char ApplicationClass[] = "TApplication";

BOOL CALLBACK TakeFirstName(HMODULE, LPCSTR, LPSTR Name, LONG_PTR Found)
{
    auto* name = reinterpret_cast<std::string*>(Found);
    *name = IS_INTRESOURCE(Name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(Name)) : Name;
    return FALSE;
}

// The first icon group of the program file is the one the shell shows for it.
HICON LoadMainIcon(int Width, int Height)
{
    HMODULE module = GetModuleHandleA(nullptr);
    std::string name;
    EnumResourceNamesA(module, MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, TakeFirstName,
                       reinterpret_cast<LONG_PTR>(&name));
    if (name.empty())
        return nullptr;
    return static_cast<HICON>(LoadImageA(module, name.c_str(), IMAGE_ICON, Width, Height, LR_DEFAULTCOLOR));
}

}  // namespace

TApplication::TApplication() : TComponent(nullptr)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    bigIcon_ = LoadMainIcon(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    smallIcon_ = LoadMainIcon(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));

    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = bigIcon_;
    windowClass.hIconSm = smallIcon_;
    windowClass.lpszClassName = ApplicationClass;
    RegisterClassExA(&windowClass);
    // No size at the centre of the screen: the window is never seen, only
    // its task-bar button is.
    handle_ = CreateWindowExA(0, ApplicationClass, "", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
                              nullptr, instance, this);
}

TApplication::~TApplication()
{
    if (handle_)
        DestroyWindow(handle_);
    if (bigIcon_)
        DestroyIcon(bigIcon_);
    if (smallIcon_)
        DestroyIcon(smallIcon_);
}

void TApplication::SetTitle(const AnsiString& Title)
{
    title_ = Title;
    if (handle_)
        SetWindowTextA(handle_, title_.c_str());
}

void TApplication::AddForm(TForm* Form)
{
    // The forms are destroyed at process exit before any other global is:
    // registered now, from inside WinMain, this runs before the destructors
    // of every global constructed before WinMain (the shared run values
    // among them), whether the process ends by exit() or by returning.
    if (forms_.empty())
        std::atexit(DestroyAtExit);
    forms_.push_back(Form);
    Form->AfterConstruction();
    if (!mainForm_) {
        Form->Handle();
        mainForm_ = Form;
    }
}

void TApplication::DestroyAtExit()
{
    TApplication* application = Application;
    if (!application)
        return;
    while (!application->forms_.empty()) {
        TForm* form = application->forms_.back();
        form->BeforeDestruction();
        delete form;
        application->forms_.pop_back();
    }
    application->mainForm_ = nullptr;
    Application = nullptr;
    delete application;
}

void TApplication::Run()
{
    if (!mainForm_)
        return;
    ShowMainForm();
    while (!terminated_)
        HandleMessage();
}

// Minimized or maximized when the program was launched that way. The own
// window is made visible without ShowWindow, so that the first ShowWindow
// call, which the system may fit to the launch state, is the main form's.
void TApplication::ShowMainForm()
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    int launch = startup.dwFlags & STARTF_USESHOWWINDOW ? startup.wShowWindow : SW_SHOWNORMAL;
    bool minimized = launch == SW_MINIMIZE || launch == SW_SHOWMINIMIZED || launch == SW_SHOWMINNOACTIVE ||
                     launch == SW_FORCEMINIMIZE;
    bool maximized = launch == SW_SHOWMAXIMIZED;

    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (minimized)
        ShowWindow(handle_, SW_SHOWMINNOACTIVE);  // the main form comes with the restore
    else
        mainForm_->Show(maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
}

void TApplication::HandleMessage()
{
    MSG message;
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        // Tab moves the focus, Space presses the focused button.
        HWND main = mainForm_ ? mainForm_->Handle() : nullptr;
        if (!main || !IsDialogMessageA(main, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return;
    }
    bool done = true;
    if (OnIdle)
        OnIdle(this, done);
    if (done)
        WaitMessage();
}

void TApplication::Terminate()
{
    PostQuitMessage(0);
}

// The main form is hidden and shown with the application's window itself:
// not every system hides the windows an icon owns.
void TApplication::Minimize()
{
    if (mainForm_ && mainForm_->HandleAllocated())
        ShowWindow(mainForm_->Handle(), SW_HIDE);
    ShowWindow(handle_, SW_MINIMIZE);
}

void TApplication::Restore()
{
    ShowWindow(handle_, SW_RESTORE);
    if (mainForm_ && mainForm_->HandleAllocated())
        mainForm_->Show(SW_SHOW);
}

void TApplication::HandleSentMessages()
{
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

LRESULT CALLBACK TApplication::WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    TApplication* application = Application;
    switch (Message) {
    case WM_CLOSE:
        // Close on the task-bar button: the same as closing the main form.
        if (application && application->mainForm_ && application->mainForm_->HandleAllocated())
            SendMessageA(application->mainForm_->Handle(), WM_CLOSE, 0, 0);
        return 0;
    case WM_SYSCOMMAND:
        if ((WParam & 0xFFF0) == SC_RESTORE && application && IsIconic(Window)) {
            application->Restore();
            return 0;
        }
        break;
    case WM_ACTIVATE:
        // Activated through the task bar: pass it on to the main form, or to
        // the window it is waiting for (a message box it owns).
        if (LOWORD(WParam) != WA_INACTIVE && !HIWORD(WParam) && application && application->mainForm_ &&
            application->mainForm_->HandleAllocated()) {
            HWND target = GetLastActivePopup(application->mainForm_->Handle());
            if (IsWindowVisible(target) && IsWindowEnabled(target)) {
                SetForegroundWindow(target);
                return 0;
            }
        }
        break;
    }
    return DefWindowProcA(Window, Message, WParam, LParam);
}
