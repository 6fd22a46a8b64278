#include "platform/ui/Dialogs.h"

#include <QFileInfo>

namespace {

// The form that shows the dialog: the one owning it, else the active one.
TForm* CallingForm(TComponent* owner)
{
    for (TComponent* component = owner; component; component = component->Owner())
        if (auto* form = dynamic_cast<TForm*>(component))
            return form;
    return Screen->ActiveForm();
}

} // namespace

bool TOpenDialog::Run(bool save)
{
    TFileDialogRequest request { FTitle, FInitialDir, FFilter, FFilterIndex, FFileName, FDefaultExt,
        save && FOptions.Contains(ofOverwritePrompt), CallingForm(Owner()) };
    const bool chosen = save ? UiServices().SaveDialog(request) : UiServices().OpenDialog(request);
    if (!chosen)
        return false;
    String fileName = request.FileName;
    if (!FDefaultExt.isEmpty() && QFileInfo(fileName).suffix().isEmpty())
        fileName += u'.' + FDefaultExt;
    FFileName = fileName;
    FFilterIndex = request.FilterIndex;
    return true;
}

bool TOpenDialog::Execute() { return Run(false); }

bool TSaveDialog::Execute() { return Run(true); }
