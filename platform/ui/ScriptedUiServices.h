#pragma once

#include "platform/ui/UiServices.h"

#include <deque>
#include <functional>
#include <variant>
#include <vector>

enum class TUiRequestKind { rkMessage, rkException, rkSaveDialog, rkOpenDialog, rkModal, rkLink, rkPopup };
using enum TUiRequestKind;

// One question the program asked, as the scripted services recorded it.
struct TUiRequest {
    TUiRequestKind Kind = rkMessage;
    String Text; // message text, exception message, link, form class or dialog title
    TMsgDlgType Type = mtCustom;
    TMsgDlgButtons Buttons;
    TFileDialogRequest File;
    TPoint Point;
    bool Answered = false;
};

// Answers from a queue, in order, and records every question. A question
// whose turn finds no answer of its kind gets the cautious default (OK, or
// else No / Cancel; no file; mrCancel; no menu item) and is marked unanswered.
class TScriptedUiServices : public TUiServices {
public:
    using TModalScript = std::function<TModalResult(TForm& form)>;

    void AnswerMessage(TModalResult result) { FAnswers.emplace_back(TMessageAnswer { result }); }
    // An empty name cancels the dialog.
    void AnswerSaveDialog(const String& fileName) { FAnswers.emplace_back(TSaveAnswer { fileName }); }
    void AnswerOpenDialog(const String& fileName) { FAnswers.emplace_back(TOpenAnswer { fileName }); }
    // The script may drive the form (fill it, click its buttons) and returns
    // the result ShowModal gives.
    void AnswerModal(TModalScript script) { FAnswers.emplace_back(std::move(script)); }
    void AnswerModal(TModalResult result);
    // The caption of the menu item to choose; empty chooses none.
    void AnswerPopup(const String& caption) { FAnswers.emplace_back(TPopupAnswer { caption }); }

    const std::vector<TUiRequest>& Requests() const { return FRequests; }
    // The texts of messages and exception boxes, in order.
    std::vector<String> Messages() const;
    size_t PendingAnswers() const { return FAnswers.size(); }
    void Clear();

    TModalResult MessageDlg(const String& text, TMsgDlgType type, TMsgDlgButtons buttons,
        const String& caption) override;
    void ShowException(const String& message) override;
    bool SaveDialog(TFileDialogRequest& request) override;
    bool OpenDialog(TFileDialogRequest& request) override;
    TModalResult ShowModal(TForm& form) override;
    bool OpenLink(const String& url) override;
    TMenuItem* PopupMenu(TPopupMenu& menu, TPoint screenPoint) override;

private:
    struct TMessageAnswer {
        TModalResult Result;
    };
    struct TSaveAnswer {
        String FileName;
    };
    struct TOpenAnswer {
        String FileName;
    };
    struct TPopupAnswer {
        String Caption;
    };
    using TAnswer = std::variant<TMessageAnswer, TSaveAnswer, TOpenAnswer, TModalScript, TPopupAnswer>;

    template <typename T>
    const T* Next();
    bool FileAnswer(TUiRequestKind kind, TFileDialogRequest& request);

    std::deque<TAnswer> FAnswers;
    TAnswer FCurrent;
    std::vector<TUiRequest> FRequests;
};
