// The program's entry: the progress window when paths were dropped onto
// the program, otherwise a message on how to use it.
#include <windows.h>

#include "Application.h"
#include "ArgumentText.h"
#include "RunValues.h"
#include "SDIMain.h"

namespace {

// "このプログラムはファイルの読み取り専用属性を解除するものです\n"
// "解除したいファイルまたは解除したいファイルの含まれるフォルダのアイコンを\n"
// "このプログラムのアイコンにDrag&Dropしてください\n"
// "(複数アイコン可)"
const char UsageText[] =
    "\x82\xb1\x82\xcc\x83v\x83\x8d\x83O\x83\x89\x83\x80\x82\xcd\x83t\x83@\x83" "C\x83\x8b\x82\xcc\x93\xc7\x82\xdd"
    "\x8e\xe6\x82\xe8\x90\xea\x97p\x91\xae\x90\xab\x82\xf0\x89\xf0\x8f\x9c\x82\xb7\x82\xe9\x82\xe0\x82\xcc\x82\xc5"
    "\x82\xb7\n"
    "\x89\xf0\x8f\x9c\x82\xb5\x82\xbd\x82\xa2\x83t\x83@\x83" "C\x83\x8b\x82\xdc\x82\xbd\x82\xcd\x89\xf0\x8f\x9c\x82"
    "\xb5\x82\xbd\x82\xa2\x83t\x83@\x83" "C\x83\x8b\x82\xcc\x8a\xdc\x82\xdc\x82\xea\x82\xe9\x83t\x83H\x83\x8b\x83_"
    "\x82\xcc\x83" "A\x83" "C\x83R\x83\x93\x82\xf0\n"
    "\x82\xb1\x82\xcc\x83v\x83\x8d\x83O\x83\x89\x83\x80\x82\xcc\x83" "A\x83" "C\x83R\x83\x93\x82\xc9" "Drag&Drop\x82"
    "\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2\n"
    "(\x95\xa1\x90\x94\x83" "A\x83" "C\x83R\x83\x93\x89\xc2)";
static_assert(sizeof UsageText == 198 + 1, "the usage text is 198 bytes of Shift-JIS");

}  // namespace

// The C runtime's own argument text skips line feeds after the program
// name; the text is derived from the command line here instead.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CommandArgs = new AnsiString(ArgumentText(GetCommandLineA()));
    Application->Initialize();
    if (CommandArgs->Length() > 0) {
        Application->SetTitle("Tovrand");
        Application->CreateForm(SDIAppForm);
        Application->Run();
    } else {
        MessageBoxA(nullptr, UsageText, "Tovrand", 0);
    }
    // The worker took its own copy of the text when it started.
    delete CommandArgs;
    return 0;
}
