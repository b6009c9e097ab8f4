#include "SDIMain.h"

#include <cstdlib>

#include "Application.h"
#include "Pause.h"
#include "ProcessThread.h"
#include "RunValues.h"
#include "ShortenPath.h"

TSDIAppForm* SDIAppForm;

const TFormBinding TSDIAppForm::Binding = {
    "TSDIAppForm",
    {
        FORM_FIELD(TSDIAppForm, LabelFileName),
        FORM_FIELD(TSDIAppForm, ButtonCancel),
    },
    {
        FORM_HANDLER(TSDIAppForm, FormCreate),
        FORM_HANDLER(TSDIAppForm, FormDestroy),
        FORM_HANDLER(TSDIAppForm, ButtonCancelClick),
    },
};

namespace {

// A cancel request is a move from rsRunning only, made in one step: a
// worker that has just finished keeps rsFinished, which the idle handler
// still has to see.
void RequestCancel()
{
    TRunState running = rsRunning;
    RunState.compare_exchange_strong(running, rsCancelRequested);
}

}  // namespace

// The worker is running by the time the idle handler is installed.
TSDIAppForm::TSDIAppForm(TComponent* Owner) : TForm(Owner, Binding)
{
    Application->OnIdle = [this](TObject* Sender, bool& Done) { ApplicationIdle(Sender, Done); };
}

void TSDIAppForm::FormCreate(TObject*)
{
    ButtonCancel->SetEnabled(true);
    CurrentPath.Assign(AnsiString());
    RunState = rsRunning;
    Cancelled = false;
    ThreadArgs.Args = CommandArgs;
    ThreadArgs.Owner = Handle();
    StartProcessThread(&ThreadArgs);
}

void TSDIAppForm::ApplicationIdle(TObject*, bool& Done)
{
    switch (RunState.load()) {
    case rsIdle:
        return;
    case rsFinished:
        RunState = rsIdle;
        std::exit(0);
    default:
        // Called again at once, so the label follows the walk.
        Done = false;
        Pause();
        CurrentPath.CopyTo(shownPath_);
        ShortenPath(shownPath_, true);
        LabelFileName->SetCaption(shownPath_);
    }
}

void TSDIAppForm::ButtonCancelClick(TObject*)
{
    ButtonCancel->SetEnabled(false);
    RequestCancel();
}

// The worker may still show its outcome box, owned by this window: the
// wait lets the box talk to the window (the messages it sends), and runs
// nothing else, so no handler of this form is called meanwhile.
void TSDIAppForm::FormDestroy(TObject*)
{
    RequestCancel();
    for (;;) {
        TRunState state = RunState;
        if (state == rsFinished || state == rsIdle)
            break;
        Application->HandleSentMessages();
        Pause();
    }
}
