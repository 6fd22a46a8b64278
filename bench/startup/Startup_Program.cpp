#include "app/UComon.h"
#include "app/UProgram_Forms.h"
#include "platform/core/FileUtils.h"
#include "platform/ui/Forms.h"

// The program's start up to its main window on the screen, then an end: the
// start-up benchmark times it from the folder it was put in.
int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    Program_Folder = ExtractFilePath(Application->ExeName());
    Create_Program_Forms();
    Application->MainForm()->Show();
    Application->ProcessMessages();
    return 0;
}
