#include "platform/ui/Forms.h"

// Shows the main window until the application shell takes over this file.
int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    Application->SetTitle(QStringLiteral("Trelvador"));
    TForm* mainForm = nullptr;
    Application->CreateForm(mainForm);
    mainForm->SetCaption(QStringLiteral("Trelvador"));
    mainForm->SetPosition(poScreenCenter);
    mainForm->SetClientWidth(640);
    mainForm->SetClientHeight(480);
    Application->Run();
    return 0;
}
