#include "app/UComon.h"
#include "app/UProgram_Forms.h"
#include "platform/core/FileUtils.h"
#include "platform/ui/Forms.h"

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    Program_Folder = ExtractFilePath(Application->ExeName());
    Create_Program_Forms();
    Application->Run();
    return 0;
}
