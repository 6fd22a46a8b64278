#include "platform/ui/Dialogs.h"

#include <QFileInfo>

bool TOpenDialog::Run(bool save)
{
    TFileDialogRequest request { FTitle, FInitialDir, FFilter, FFilterIndex, FFileName, FDefaultExt };
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
