#pragma once
// The progress window: shows the path the worker is visiting, offers
// Cancel, ends the process when the worker has finished, and waits for the
// worker when it is destroyed first.
#include "AnsiString.h"
#include "Form.h"
#include "StdCtrls.h"

class TSDIAppForm : public TForm {
public:
    // Bound by name from the layout. No initializers: the layout assigns
    // them while the base class is constructed, before these would run.
    TLabel* LabelFileName;
    TButton* ButtonCancel;

    // OnCreate and OnDestroy run inside the base class's constructor and
    // destructor, so they touch only the controls and the shared run values.
    void FormCreate(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void ButtonCancelClick(TObject* Sender);
    void ApplicationIdle(TObject* Sender, bool& Done);

    explicit TSDIAppForm(TComponent* Owner);

private:
    static const TFormBinding Binding;
    AnsiString shownPath_;  // reused by every refresh
};

extern TSDIAppForm* SDIAppForm;
