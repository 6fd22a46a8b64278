#include "platform/core/FileUtils.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"
#include "tools/screenshot/ButtonsForm.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

// One row per form people can look at: its name on the command line, how to
// build it, and what to do once it shows (states that need a shown form).
struct TScreenshotForm {
    const char* Name;
    std::function<std::unique_ptr<TForm>()> Make;
    std::function<void(TForm& form)> Prepare;
};

std::unique_ptr<TForm> MakeButtonsForm() { return std::make_unique<TButtonsForm>(nullptr); }
void PrepareButtonsForm(TForm& form) { static_cast<TButtonsForm&>(form).ShowStates(); }

const TScreenshotForm ScreenshotForms[] = {
    { "buttons", MakeButtonsForm, PrepareButtonsForm },
    // The application shell has no main form of its own yet.
    { "main", MakeButtonsForm, PrepareButtonsForm },
};

void Shoot(const TScreenshotForm& entry, const String& folder)
{
    std::unique_ptr<TForm> form = entry.Make();
    form->Show();
    Application->ProcessMessages();
    if (entry.Prepare)
        entry.Prepare(*form);
    Application->ProcessMessages();
    const String fileName = IncludeTrailingPathDelimiter(folder) + QString::fromLatin1(entry.Name) + QStringLiteral(".png");
    GrabControlToFile(*form, fileName);
    std::printf("%s\n", qPrintable(fileName));
}

int Usage()
{
    std::fprintf(stderr, "usage: screenshot <name|all> <output-folder>\nnames:");
    for (const TScreenshotForm& entry : ScreenshotForms)
        std::fprintf(stderr, " %s", entry.Name);
    std::fprintf(stderr, "\n");
    return 2;
}

// Ends the process without running static destructors: the layer's
// application object would free Qt's application after Qt's own globals have
// gone, which crashes at exit.
[[noreturn]] void Finish(int code)
{
    std::fflush(stdout);
    std::fflush(stderr);
    std::quick_exit(code);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Usage();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The application object outlives main and keeps a reference to the count.
    static int argumentCount = argc;
    Application->Initialize(argumentCount, argv);
    const String name = QString::fromLocal8Bit(argv[1]);
    const String folder = QString::fromLocal8Bit(argv[2]);
    if (!ForceDirectories(folder)) {
        std::fprintf(stderr, "Cannot create the folder %s\n", argv[2]);
        Finish(1);
    }
    bool found = false;
    try {
        for (const TScreenshotForm& entry : ScreenshotForms) {
            if (name != QStringLiteral("all") && name != QString::fromLatin1(entry.Name))
                continue;
            found = true;
            Shoot(entry, folder);
        }
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Message()));
        Finish(1);
    }
    Finish(found ? 0 : Usage());
}
