#include "app/UAbout.h"
#include "app/UComon.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/USoftOptions.h"
#include "app/UTrelvadoreFirmWare.h"
#include "device/UBoot.h"
#include "device/UParGen.h"
#include "platform/core/FileUtils.h"

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    Program_Folder = ExtractFilePath(Application->ExeName());
    Application->CreateForm(FTrelvadoreFirmWare);
    Application->CreateForm(FNew_Project);
    Application->CreateForm(FOpenConf);
    Application->CreateForm(FAbout);
    Application->CreateForm(FSoftOptions);
    Application->CreateForm(FParGen);
    Application->CreateForm(FBoot);
    Application->Run();
    return 0;
}
