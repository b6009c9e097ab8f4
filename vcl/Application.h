#pragma once
// The application: its own hidden top-level window, which owns the forms and
// stands for the program on the task bar, the forms it creates, and the
// message loop.
#include <windows.h>

#include <new>
#include <vector>

#include "AnsiString.h"
#include "Component.h"

class TForm;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    void Initialize() {}

    const AnsiString& Title() const { return title_; }
    void SetTitle(const AnsiString& Title);

    HWND Handle() const { return handle_; }
    TForm* MainForm() const { return mainForm_; }
    // The program's main icon, in the size of the title bar or of Alt+Tab.
    HICON Icon(bool Small) const { return Small ? smallIcon_ : bigIcon_; }

    // Allocates the form, stores it in Reference, and only then constructs
    // it: the form's handlers may use Reference while it is being made.
    // The first form made is the main form.
    template <class Form>
    void CreateForm(Form*& Reference)
    {
        void* storage = ::operator new(sizeof(Form));
        Reference = static_cast<Form*>(storage);
        Form* form = new (storage) Form(this);
        AddForm(form);
    }

    // Shows the main form and handles messages until Terminate.
    void Run();
    // Ends Run by posting the quit message.
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Minimizes the program to its task-bar button, and back.
    void Minimize();
    void Restore();

    // Delivers messages sent to this thread's windows by other threads, and
    // nothing else: for a wait that must not run the message loop but must
    // not block another thread's window (a message box it owns) either.
    void HandleSentMessages();

    // Called whenever the queue has become empty, with Done preset to true;
    // the loop waits for the next message only if Done is still true.
    TIdleEvent OnIdle;

private:
    static LRESULT CALLBACK WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
    void AddForm(TForm* Form);
    void HandleMessage();
    void ShowMainForm();
    static void DestroyAtExit();

    HWND handle_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    AnsiString title_;
    std::vector<TForm*> forms_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

// Exists before WinMain runs.
extern TApplication* Application;
