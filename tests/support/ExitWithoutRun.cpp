// A program that builds and shows its main form, then leaves main without
// running the application, as tools and test mains do.

#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"
int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    form->Show();
    Application->ProcessMessages();
    return 0;
}
