#pragma once

#include "platform/core/Component.h"
#include "platform/graphics/SetOf.h"
#include "platform/ui/UiServices.h"

enum class TOpenOption { ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofPathMustExist, ofFileMustExist, ofNoChangeDir };
using TOpenOptions = TSetOf<TOpenOption>;
using enum TOpenOption;

// The file dialogs ask through UiServices(), so tests script their answers.
// Execute returns true when the user chose a file; FileName then holds it.
class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* owner) : TComponent(owner) { }

    const String& Title() const { return FTitle; }
    void SetTitle(const String& title) { FTitle = title; }
    const String& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const String& initialDir) { FInitialDir = initialDir; }
    // "CSV (MS-DOS) (*.csv)|*.csv|All files (*.*)|*.*"
    const String& Filter() const { return FFilter; }
    void SetFilter(const String& filter) { FFilter = filter; }
    int32_t FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int32_t filterIndex) { FFilterIndex = filterIndex; }
    const String& FileName() const { return FFileName; }
    void SetFileName(const String& fileName) { FFileName = fileName; }
    // Added to a chosen name that has no extension.
    const String& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const String& defaultExt) { FDefaultExt = defaultExt; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions options) { FOptions = options; }

    virtual bool Execute();

protected:
    bool Run(bool save);

private:
    String FTitle;
    String FInitialDir;
    String FFilter;
    int32_t FFilterIndex = 1;
    String FFileName;
    String FDefaultExt;
    TOpenOptions FOptions { ofHideReadOnly };
};

class TSaveDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;

    bool Execute() override;
};
