#include "platform/ui/ScriptedUiServices.h"

#include "platform/ui/Menus.h"

namespace {

TMenuItem* FindItem(TMenuItem& items, const String& caption)
{
    for (int32_t index = 0; index < items.Count(); ++index) {
        TMenuItem* item = items.Items(index);
        if (StripHotkey(item->Caption()) == StripHotkey(caption))
            return item;
        if (TMenuItem* found = FindItem(*item, caption))
            return found;
    }
    return nullptr;
}

} // namespace

// The front answer when it is of kind T; it is then used up.
template <typename T>
const T* TScriptedUiServices::Next()
{
    if (FAnswers.empty() || !std::holds_alternative<T>(FAnswers.front()))
        return nullptr;
    FCurrent = std::move(FAnswers.front());
    FAnswers.pop_front();
    return &std::get<T>(FCurrent);
}

void TScriptedUiServices::AnswerModal(TModalResult result)
{
    FAnswers.emplace_back(TModalScript([result](TForm&) { return result; }));
}

std::vector<String> TScriptedUiServices::Messages() const
{
    std::vector<String> texts;
    for (const TUiRequest& request : FRequests)
        if (request.Kind == rkMessage || request.Kind == rkException)
            texts.push_back(request.Text);
    return texts;
}

void TScriptedUiServices::Clear()
{
    FAnswers.clear();
    FRequests.clear();
}

TModalResult TScriptedUiServices::MessageDlg(const String& text, TMsgDlgType type, TMsgDlgButtons buttons,
    const String&)
{
    TUiRequest request { rkMessage, text, type, buttons };
    TModalResult result = buttons.Contains(mbOK) ? mrOk : buttons.Contains(mbCancel) ? mrCancel : mrNo;
    if (const auto* answer = Next<TMessageAnswer>()) {
        result = answer->Result;
        request.Answered = true;
    }
    FRequests.push_back(request);
    return result;
}

void TScriptedUiServices::ShowException(const String& message)
{
    FRequests.push_back({ rkException, message, mtError, mbOKOnly, {}, {}, true });
}

bool TScriptedUiServices::FileAnswer(TUiRequestKind kind, TFileDialogRequest& request)
{
    TUiRequest record { kind, request.Title };
    record.File = request;
    String fileName;
    if (kind == rkSaveDialog) {
        if (const auto* answer = Next<TSaveAnswer>()) {
            fileName = answer->FileName;
            record.Answered = true;
        }
    } else if (const auto* answer = Next<TOpenAnswer>()) {
        fileName = answer->FileName;
        record.Answered = true;
    }
    FRequests.push_back(record);
    if (fileName.isEmpty())
        return false;
    request.FileName = fileName;
    return true;
}

bool TScriptedUiServices::SaveDialog(TFileDialogRequest& request) { return FileAnswer(rkSaveDialog, request); }
bool TScriptedUiServices::OpenDialog(TFileDialogRequest& request) { return FileAnswer(rkOpenDialog, request); }

TModalResult TScriptedUiServices::ShowModal(TForm& form)
{
    FRequests.push_back({ rkModal, form.ClassName() });
    const size_t index = FRequests.size() - 1;
    const auto* script = Next<TModalScript>();
    if (!script)
        return mrCancel;
    FRequests[index].Answered = true;
    // The script may ask further questions; it runs on its own copy.
    const TModalScript run = *script;
    return run(form);
}

bool TScriptedUiServices::OpenLink(const String& url)
{
    FRequests.push_back({ rkLink, url, mtCustom, {}, {}, {}, true });
    return true;
}

TMenuItem* TScriptedUiServices::PopupMenu(TPopupMenu& menu, TPoint screenPoint)
{
    TUiRequest request { rkPopup, menu.Name() };
    request.Point = screenPoint;
    TMenuItem* chosen = nullptr;
    if (const auto* answer = Next<TPopupAnswer>()) {
        chosen = answer->Caption.isEmpty() ? nullptr : FindItem(menu.Items(), answer->Caption);
        request.Answered = true;
    }
    FRequests.push_back(request);
    return chosen;
}
