#include "platform/ui/UiServices.h"

#include "platform/ui/Menus.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QUrl>

namespace {

struct TButtonMapping {
    TMsgDlgBtn Button;
    QMessageBox::StandardButton Qt;
    TModalResult Result;
};

constexpr TButtonMapping ButtonMappings[] = {
    { mbYes, QMessageBox::Yes, mrYes },
    { mbNo, QMessageBox::No, mrNo },
    { mbOK, QMessageBox::Ok, mrOk },
    { mbCancel, QMessageBox::Cancel, mrCancel },
    { mbAbort, QMessageBox::Abort, mrAbort },
    { mbRetry, QMessageBox::Retry, mrRetry },
    { mbIgnore, QMessageBox::Ignore, mrIgnore },
    { mbAll, QMessageBox::YesToAll, mrAll },
    { mbNoToAll, QMessageBox::NoToAll, mrNoToAll },
    { mbYesToAll, QMessageBox::YesToAll, mrYesToAll },
    { mbHelp, QMessageBox::Help, mrHelp },
    { mbClose, QMessageBox::Close, mrClose },
};

QMessageBox::Icon IconOf(TMsgDlgType type)
{
    switch (type) {
    case mtWarning:
        return QMessageBox::Warning;
    case mtError:
        return QMessageBox::Critical;
    case mtInformation:
        return QMessageBox::Information;
    case mtConfirmation:
        return QMessageBox::Question;
    default:
        return QMessageBox::NoIcon;
    }
}

// "Text|*.a;*.b|..." becomes Qt's "Text (*.a *.b);;...".
QString QtFilterOf(const String& filter, int32_t index, QString* selected)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype part = 0; part + 1 < parts.size(); part += 2) {
        const QString patterns = QString(parts[part + 1]).replace(u';', u' ');
        const QString suffix = QStringLiteral("(") + patterns + QStringLiteral(")");
        filters << (parts[part].endsWith(suffix) ? parts[part] : parts[part] + u' ' + suffix);
    }
    if (selected && index >= 1 && index <= filters.size())
        *selected = filters[index - 1];
    return filters.join(QStringLiteral(";;"));
}

void BuildMenu(QMenu& menu, TMenuItem& items, TMenuItem*& chosen)
{
    for (int32_t index = 0; index < items.Count(); ++index) {
        TMenuItem* item = items.Items(index);
        if (!item->Visible())
            continue;
        if (item->IsLine()) {
            menu.addSeparator();
            continue;
        }
        if (item->Count() > 0) {
            BuildMenu(*menu.addMenu(item->Caption()), *item, chosen);
            continue;
        }
        QAction* action = menu.addAction(item->Caption());
        action->setEnabled(item->Enabled());
        action->setCheckable(item->Checked() || item->RadioItem());
        action->setChecked(item->Checked());
        QObject::connect(action, &QAction::triggered, [&chosen, item] { chosen = item; });
    }
}

class TQtUiServices : public TUiServices {
public:
    TModalResult MessageDlg(const String& text, TMsgDlgType type, TMsgDlgButtons buttons,
        const String& caption) override
    {
        QMessageBox box(IconOf(type), caption, text);
        for (const TButtonMapping& mapping : ButtonMappings)
            if (buttons.Contains(mapping.Button))
                box.addButton(mapping.Qt);
        const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
        for (const TButtonMapping& mapping : ButtonMappings)
            if (mapping.Qt == pressed && buttons.Contains(mapping.Button))
                return mapping.Result;
        return buttons.Contains(mbCancel) ? mrCancel : mrNone;
    }

    void ShowException(const String& message) override
    {
        QMessageBox box(QMessageBox::Critical, Application->Title(), message, QMessageBox::Ok);
        box.exec();
    }

    bool SaveDialog(TFileDialogRequest& request) override { return RunFileDialog(request, QFileDialog::AcceptSave); }
    bool OpenDialog(TFileDialogRequest& request) override { return RunFileDialog(request, QFileDialog::AcceptOpen); }

    TModalResult ShowModal(TForm& form) override { return form.ShowModal(); }

    bool OpenLink(const String& url) override { return QDesktopServices::openUrl(QUrl(url)); }

    TMenuItem* PopupMenu(TPopupMenu& menu, TPoint screenPoint) override
    {
        QMenu qtMenu;
        TMenuItem* chosen = nullptr;
        BuildMenu(qtMenu, menu.Items(), chosen);
        qtMenu.exec(QPoint(screenPoint.X, screenPoint.Y));
        return chosen;
    }

private:
    static bool RunFileDialog(TFileDialogRequest& request, QFileDialog::AcceptMode mode)
    {
        QFileDialog dialog(request.Owner ? request.Owner->Widget() : nullptr, request.Title, request.InitialDir);
        dialog.setAcceptMode(mode);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.OverwritePrompt);
        dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        QString selected;
        const QString filter = QtFilterOf(request.Filter, request.FilterIndex, &selected);
        if (!filter.isEmpty())
            dialog.setNameFilter(filter);
        if (!selected.isEmpty())
            dialog.selectNameFilter(selected);
        if (!request.DefaultExt.isEmpty())
            dialog.setDefaultSuffix(request.DefaultExt);
        if (!request.FileName.isEmpty())
            dialog.selectFile(request.FileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        request.FileName = dialog.selectedFiles().front();
        return true;
    }
};

TQtUiServices QtServices;
TUiServices* CurrentServices = &QtServices;

} // namespace

TUiServices& UiServices() { return *CurrentServices; }

TScopedUiServices::TScopedUiServices(TUiServices& services) : FPrevious(CurrentServices) { CurrentServices = &services; }

TScopedUiServices::~TScopedUiServices() { CurrentServices = FPrevious; }

TModalResult MessageDlg(const String& text, TMsgDlgType type, TMsgDlgButtons buttons)
{
    return UiServices().MessageDlg(text, type, buttons, Application->Title());
}

void ShowMessage(const String& text) { UiServices().MessageDlg(text, mtCustom, mbOKOnly, Application->Title()); }
