#pragma once

#include "platform/ui/Forms.h"

class TMenuItem;
class TPopupMenu;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
using enum TMsgDlgType;
enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose };
using TMsgDlgButtons = TSetOf<TMsgDlgBtn>;
using enum TMsgDlgBtn;
inline constexpr TMsgDlgButtons mbOKOnly { mbOK };
inline constexpr TMsgDlgButtons mbYesNo { mbYes, mbNo };
inline constexpr TMsgDlgButtons mbYesNoCancel { mbYes, mbNo, mbCancel };
inline constexpr TMsgDlgButtons mbOKCancel { mbOK, mbCancel };

// What a save or open dialog is asked with, and (FileName) what it answers.
// Filter is in the platform's form: "CSV (MS-DOS) (*.csv)|*.csv|All|*.*".
struct TFileDialogRequest {
    String Title;
    String InitialDir;
    String Filter;
    int32_t FilterIndex = 1;
    String FileName;
    String DefaultExt;
    // The dialog itself asks before an existing file is replaced only when
    // the program wants it to; most callers ask in their own words.
    bool OverwritePrompt = false;
    // The form the dialog is centred on and stays above; null for none.
    TForm* Owner = nullptr;
};

// Everything that asks the user outside a form of the program, or leaves
// the program: one object, replaced by a scripted one in tests.
class TUiServices {
public:
    virtual ~TUiServices() = default;

    // Returns the button pressed (mrOk, mrYes, mrNo, mrCancel, ...).
    virtual TModalResult MessageDlg(const String& text, TMsgDlgType type, TMsgDlgButtons buttons,
        const String& caption) = 0;
    // The error box of an exception that escaped an event handler.
    virtual void ShowException(const String& message) = 0;
    // True when the user chose a file; request.FileName holds it.
    virtual bool SaveDialog(TFileDialogRequest& request) = 0;
    virtual bool OpenDialog(TFileDialogRequest& request) = 0;
    virtual TModalResult ShowModal(TForm& form) = 0;
    virtual bool OpenLink(const String& url) = 0;
    // The item the user chose, or null.
    virtual TMenuItem* PopupMenu(TPopupMenu& menu, TPoint screenPoint) = 0;
};

// The services in force: Qt's unless a TScopedUiServices replaced them.
TUiServices& UiServices();

// Puts services in force for its lifetime, then restores the previous ones.
class TScopedUiServices {
public:
    explicit TScopedUiServices(TUiServices& services);
    ~TScopedUiServices();
    TScopedUiServices(const TScopedUiServices&) = delete;
    TScopedUiServices& operator=(const TScopedUiServices&) = delete;

private:
    TUiServices* FPrevious;
};

// Captioned with the application title.
TModalResult MessageDlg(const String& text, TMsgDlgType type, TMsgDlgButtons buttons);
void ShowMessage(const String& text);
