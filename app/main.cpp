#include "app/UAbout.h"
#include "app/UComon.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/USoftOptions.h"
#include "app/UTrelvadoreFirmWare.h"

#include <filesystem>

namespace {

// The folder of the running executable; the program keeps its folders and
// settings beside it.
String Executable_Folder(const char* argv0)
{
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        executable = std::filesystem::absolute(argv0, error);
    return String::fromStdString(executable.parent_path().string());
}

} // namespace

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    Program_Folder = Executable_Folder(argv[0]);
    Application->CreateForm(FTrelvadoreFirmWare);
    Application->CreateForm(FNew_Project);
    Application->CreateForm(FOpenConf);
    Application->CreateForm(FAbout);
    Application->CreateForm(FSoftOptions);
    Application->Run();
    return 0;
}
