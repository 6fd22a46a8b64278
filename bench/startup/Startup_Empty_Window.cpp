#include "platform/ui/Forms.h"

// The reference of the start-up benchmark: an empty window on the screen,
// then an end.
int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* window = nullptr;
    Application->CreateForm(window);
    window->Show();
    Application->ProcessMessages();
    return 0;
}
