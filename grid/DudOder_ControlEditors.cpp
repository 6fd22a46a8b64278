#include "grid/DudOder.h"

#include "grid/DudOder_EditorKinds.h"
#include "grid/DudOder_GridControls.h"
#include "grid/DudOder_GridEditBtn.h"
#include "grid/DudOder_GridSpin.h"
#include "grid/DudOder_TextEditor.h"
#include "grid/base/RovIvir.h"
#include "platform/core/DateUtils.h"
#include "platform/core/FloatUtils.h"
#include "platform/core/SysUtils.h"

// The spin, button, value-and-unit, check box and push button editors:
// placing and filling them over the cell, writing their value back, and the
// cell following their text while the user types.

namespace {

bool IsSpinKind(TEditorType kind)
{
    return kind == edSpinEdit || kind == edFloatSpinEdit || kind == edTimeSpinEdit || kind == edDateSpinEdit;
}

bool IsButtonKind(TEditorType kind)
{
    return kind == edEditBtn || kind == edNumericEditBtn || kind == edFloatEditBtn || kind == edMaskEditBtn;
}

bool IsUnitKind(TEditorType kind)
{
    return kind == edUnitEditBtn || kind == edNumericUnitEditBtn || kind == edFloatUnitEditBtn;
}

TDateTime DateOrNow(const String& text)
{
    TDateTime date = 0;
    return !text.isEmpty() && TryStrToDate(text, date) ? date : Now();
}

} // namespace

void TDudStringGrid::CreateCellControls()
{
    EditCheck = new TGridCheckBox(this);
    EditBtn = new TGridEditBtn(this);
    UnitEditBtn = new TGridUnitEditBtn(this);
    GridButton = new TGridButton(this);
    for (TWinControl* control : std::initializer_list<TWinControl*> { EditCheck, EditBtn, UnitEditBtn, GridButton }) {
        control->SetParent(this);
        control->SetVisible(false);
        control->SetEnabled(false);
    }
    UnitEditBtn->OnUnitChanged = [this](TComponent*, const String& newUnit) {
        if (OnUnitChanged)
            OnUnitChanged(this, Col(), Row(), newUnit);
    };
}

TGridSpin* TDudStringGrid::SpinEdit()
{
    if (!FEditSpin) {
        FEditSpin = new TGridSpin(this);
        FEditSpin->SetParent(this);
        FEditSpin->SetVisible(false);
        FEditSpin->SetEnabled(false);
    }
    return FEditSpin;
}

String TDudStringGrid::DoEllipsClick(const String& text)
{
    String value = text;
    if (OnEllipsClick)
        OnEllipsClick(this, RemapColToReal(Col()), Row(), value);
    return value;
}

void TDudStringGrid::ShowControlEditor(int32_t aCol, int32_t aRow, const TRect& rect, TColor color)
{
    const TEditorType kind = EditControl;
    if (!IsSpinKind(kind) && !IsButtonKind(kind) && !IsUnitKind(kind) && kind != edCheckBox && kind != edButton)
        return;
    const int32_t realCol = RemapColToReal(aCol);
    const int32_t width = rect.Width() - 1;
    const int32_t height = rect.Height() - 1;
    const String text = GetEditText(aCol, aRow);
    EditMode = true;
    TWinControl* control = nullptr;
    // Filling the editor is no change made by the user.
    const bool editStart = FEditStart;
    FEditStart = true;
    try {
        if (IsSpinKind(kind)) {
            TGridSpin* spin = SpinEdit();
            spin->SetBounds(rect.Left, rect.Top, width, height);
            spin->SetVisible(true);
            spin->SetEnabled(true);
            spin->SetColor(color);
            spin->SetExcelStyleDecimalSeparator(FExcelStyleDecimalSeparator);
            DoGetEditorProp(realCol, aRow, FEditLink);
            if (kind == edSpinEdit) {
                spin->SetSpinType(sptNormal);
                int32_t value = 0;
                spin->SetValue(TryStrToInt(Trim(text), value) ? value : spin->MinValue());
            } else if (kind == edFloatSpinEdit) {
                spin->SetSpinType(sptFloat);
                double value = 0;
                spin->SetFloatValue(TryStrToFloat(NormalizeNumberText(text), value) ? value : spin->MinFloatValue());
            } else if (kind == edTimeSpinEdit) {
                spin->SetText(text);
                spin->SetSpinType(sptTime);
            } else {
                spin->SetSpinType(sptDate);
                spin->SetDateValue(DateOrNow(text));
            }
            if (spin->AllowEmptyValue() && Trim(text).isEmpty())
                spin->SetText(String());
            control = spin;
        } else if (IsButtonKind(kind)) {
            EditBtn->SetBounds(rect.Left, rect.Top, width, EditBtn->Height());
            EditBtn->SetEditMask(kind == edMaskEditBtn ? GetEditMask(aCol, aRow) : String());
            EditBtn->SetText(text);
            EditBtn->SetMaxLength(FMaxEditLength);
            EditBtn->SetVisible(true);
            EditBtn->SetEnabled(true);
            EditBtn->SetColor(color);
            control = EditBtn;
        } else if (IsUnitKind(kind)) {
            UnitEditBtn->SetBounds(rect.Left, rect.Top, width, UnitEditBtn->Height());
            UnitEditBtn->SetMaxLength(FMaxEditLength);
            UnitEditBtn->SetUnitID(String());
            // A value without a listed unit stays whole in the editor.
            UnitEditBtn->SetText(text);
            UnitEditBtn->SetTextAndUnit(text);
            DoGetEditorProp(realCol, aRow, FEditLink);
            UnitEditBtn->SetVisible(true);
            UnitEditBtn->SetEnabled(true);
            UnitEditBtn->SetColor(color);
            control = UnitEditBtn;
        } else if (kind == edCheckBox) {
            EditCheck->SetBounds(rect.Left, rect.Top, width, height);
            EditCheck->SetCaption(text);
            EditCheck->SetState(cbUnchecked);
            EditCheck->SetEnabled(true);
            EditCheck->SetVisible(true);
            control = EditCheck;
        } else {
            GridButton->SetBounds(rect.Left - 1, rect.Top - 1, width + 2, height + 2);
            GridButton->SetCaption(text);
            GridButton->SetVisible(true);
            GridButton->SetEnabled(true);
            control = GridButton;
        }
    } catch (...) {
        FEditStart = editStart;
        throw;
    }
    FEditStart = editStart;
    if (control->CanFocus())
        control->SetFocus();
    if (IsButtonKind(kind) || IsUnitKind(kind))
        control->SetHeight(height);
    if (IsSpinKind(kind) && (FSpinUpClick || FSpinDnClick)) {
        if (FSpinUpClick)
            FEditSpin->UpButtonClick(FEditSpin);
        else
            FEditSpin->DownButtonClick(FEditSpin);
        FSpinUpClick = false;
        FSpinDnClick = false;
    }
    if (FStartEditChar != 0 && kind != edCheckBox && kind != edButton)
        PostMessage(control, WM_CHAR, FStartEditChar);
    if (kind != edCheckBox)
        EditCtrl = control;
}

TWinControl* TDudStringGrid::ControlEditorOf(TEditorType kind) const
{
    if (IsSpinKind(kind))
        return FEditSpin;
    if (IsButtonKind(kind))
        return EditBtn;
    if (IsUnitKind(kind))
        return UnitEditBtn;
    if (kind == edCheckBox)
        return EditCheck;
    if (kind == edButton)
        return GridButton;
    return nullptr;
}

void TDudStringGrid::CommitControlEditor(int32_t realCol, int32_t aRow)
{
    const TEditorType kind = EditControl;
    TWinControl* control = ControlEditorOf(kind);
    // Once hidden the editor has been written: a second commit would write
    // it into whatever cell is current by then.
    if (!control || !control->Visible())
        return;
    if (IsSpinKind(kind)) {
        if (FEditSpin->AllowEmptyValue() && Trim(FEditSpin->Text()).isEmpty()) {
            SetGridCell(realCol, aRow, String());
        } else if (kind == edSpinEdit) {
            // A typed value beyond the bounds is written as its nearest bound.
            FEditSpin->SetValue(FEditSpin->Value());
            SetInts(realCol, aRow, FEditSpin->Value());
        } else if (kind == edFloatSpinEdit) {
            FEditSpin->SetFloatValue(FEditSpin->FloatValue());
            SetFloats(realCol, aRow, FEditSpin->FloatValue());
        } else if (kind == edTimeSpinEdit) {
            StoreEditValue(realCol, aRow, FEditSpin->Text());
        } else {
            // A text the locale cannot read back as a date is kept as typed
            // rather than written as the minimum date.
            TDateTime date = 0;
            if (TryStrToDate(FEditSpin->Text(), date))
                SetDates(realCol, aRow, date);
            else
                StoreEditValue(realCol, aRow, FEditSpin->Text());
        }
    } else if (IsButtonKind(kind) && EditMode) {
        StoreEditValue(realCol, aRow, EditBtn->Text());
    } else if (IsUnitKind(kind)) {
        StoreEditValue(realCol, aRow, UnitEditBtn->TextAndUnit());
    }
    EditMode = false;
    // The grid keeps the focus when its editor goes away under it.
    if (control->Focused() && CanFocus()) {
        FBlockFocus = true;
        SetFocus();
        FBlockFocus = false;
    }
    control->SetEnabled(false);
    control->SetVisible(false);
}

// The platform grid copies its own text editor's changes into the cell
// already, leaving out the loading of the editor; the spin and button
// editors' changes are copied here, except while the editor is being filled.
bool TDudStringGrid::EditorTextChanged(const TMessage& message)
{
    if (message.Msg != WM_COMMAND || CommandCode(message.WParam) != EN_CHANGE || !FShowEditProcess)
        return false;
    const auto* sender = reinterpret_cast<const TWinControl*>(message.LParam);
    if (sender == NormalEdit())
        return false;
    if (!EditMode || FEditStart)
        return true;
    if (IsSpinKind(EditControl) && sender == FEditSpin)
        SetEditText(Col(), Row(), FEditSpin->Text());
    else if (IsButtonKind(EditControl) && sender == EditBtn)
        SetEditText(Col(), Row(), EditBtn->Text());
    return true;
}
