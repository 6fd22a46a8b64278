#include "grid/DudOder.h"

#include "grid/DudOder_CellGraphic.h"
#include "grid/DudOder_ControlLook.h"
#include "grid/DudOder_FormControlEditors.h"
#include "grid/base/MarkupText.h"
#include "grid/base/RovIvir.h"
#include "platform/ui/UiServices.h"

#include <algorithm>

// The form controls of marked-up cells (check boxes, radio buttons,
// buttons, edits and combos in the text), their in-place editors, the
// anchors of links, and the options of radio-group cells.

namespace {

const String CellScheme = QStringLiteral("CELL://");

// Links from cell data go to the desktop only when they name a web page or
// a mail address: a cell must not start a program or open a local file.
bool IsOpenableLink(const String& anchor)
{
    const String lower = anchor.trimmed().toLower();
    return lower.startsWith(QLatin1String("http://")) || lower.startsWith(QLatin1String("https://"))
        || lower.startsWith(QLatin1String("mailto:"));
}

} // namespace

TControlEdit* TDudStringGrid::ControlEdit()
{
    if (!FEditControl) {
        FEditControl = new TControlEdit(this);
        FEditControl->SetVisible(false);
    }
    return FEditControl;
}

TControlCombo* TDudStringGrid::ControlCombo()
{
    if (!FComboControl) {
        FComboControl = new TControlCombo(this);
        FComboControl->SetVisible(false);
    }
    return FComboControl;
}

bool TDudStringGrid::MarkupCellClick(int32_t aCol, int32_t aRow, int32_t x, int32_t y)
{
    TMarkupHit hit;
    if (!MarkupHitTest(aCol, aRow, x, y, hit))
        return false;
    const int32_t realCol = RemapColToReal(aCol);
    bool editable = (Options().Contains(goEditing) || FEditDisable) && !GetReadOnly(realCol, aRow);
    if (!hit.ControlID.isEmpty())
        DoCanEditCell(realCol, aRow, editable);
    if (!hit.ControlID.isEmpty() && editable) {
        if (FCtrlEditing)
            EndHTMLControlEdit();
        String text = GetGridCell(realCol, aRow);
        const String type = hit.ControlType.toUpper();
        if (type == QLatin1String("BUTTON")) {
            FCtrlXY = TPoint { realCol, aRow };
            FCtrlDown = true;
            RepaintCell(aCol, aRow);
        } else if (type == QLatin1String("CHECK")) {
            SetControlValue(text, hit.ControlID,
                hit.ControlValue.toUpper() == QLatin1String("TRUE") ? QStringLiteral("FALSE") : QStringLiteral("TRUE"));
            SetCells(realCol, aRow, text);
        } else if (type == QLatin1String("RADIO")) {
            text = ClearRadioControls(text);
            SetControlValue(text, hit.ControlID, QStringLiteral("TRUE"));
            SetCells(realCol, aRow, text);
        }
        if (OnControlClick)
            OnControlClick(this, aRow, aCol, hit.ControlID, hit.ControlType, hit.ControlValue);
        StartHTMLControlEdit(text, type, aRow, realCol, aCol, hit.ControlRect, hit.ControlValue, hit.ControlID);
        return true;
    }
    bool autoHandle = true;
    if (OnAnchorClick)
        OnAnchorClick(this, aRow, aCol, hit.Anchor, autoHandle);
    if (!autoHandle)
        return true;
    if (hit.Anchor.toUpper().contains(CellScheme)) {
        int32_t col = 0;
        int32_t row = 0;
        if (ParseRowColRef(hit.Anchor.mid(CellScheme.size()), col, row) && col >= 0 && col < ColCount() && row >= 0
            && row < RowCount()) {
            SetRow(row);
            SetCol(col);
            ScrollInView(col, row);
        }
    } else if (IsOpenableLink(hit.Anchor)) {
        UiServices().OpenLink(hit.Anchor);
    }
    return true;
}

void TDudStringGrid::StartHTMLControlEdit(const String& cellText, const String& ctrlType, int32_t aRow,
    int32_t realCol, int32_t aCol, const TRect& ctrlRect, const String& ctrlValue, const String& ctrlID)
{
    const String type = ctrlType.toUpper();
    const bool edit = type == QLatin1String("EDIT") || type == QLatin1String("PASSWORD") || type == QLatin1String("MASK");
    const bool combo = type == QLatin1String("COMBO");
    if (!edit && !combo)
        return;
    FCtrlXY = TPoint { realCol, aRow };
    FCtrlID = ctrlID;
    FCtrlType = type;
    FCtrlEditing = true;
    const int32_t maxLength = GetControlMaxLen(cellText, ctrlID);
    if (edit) {
        TControlEdit& editor = *ControlEdit();
        editor.SetPasswordChar(type == QLatin1String("PASSWORD") ? u'*' : TChar(0));
        editor.SetEditMask(type == QLatin1String("MASK") ? GetControlProp(cellText, ctrlID) : String());
        // An editor leaving ends its own edit only, not one opened since.
        editor.OnExit = [this](TComponent*) {
            if (FCtrlType != QLatin1String("COMBO"))
                EndHTMLControlEdit();
        };
        editor.SetText(ctrlValue);
        editor.SetBorderStyle(bsNone);
        editor.SetBounds(ctrlRect.Left + 1, ctrlRect.Top + 8, ctrlRect.Right - ctrlRect.Left - 4, 14);
        editor.SetMaxLength(maxLength);
        editor.SetParent(this);
        editor.SetVisible(true);
        editor.BringToFront();
        if (editor.CanFocus())
            editor.SetFocus();
        return;
    }
    TControlCombo& editor = *ControlCombo();
    editor.SetIsWinXP(FIsWinXP);
    editor.SetFlat(false);
    editor.SetParent(this);
    editor.SetBounds(ctrlRect.Left - 1, ctrlRect.Top + 4, ctrlRect.Right - ctrlRect.Left, editor.Height());
    editor.OnSelect = [this](TComponent*) { ControlComboSelect(); };
    bool editable = true;
    int32_t dropCount = 8;
    TStringList values;
    values.Assign(editor.Items());
    if (OnControlComboList)
        OnControlComboList(this, aRow, aCol, ctrlID, type, ctrlValue, values, editable, dropCount);
    editor.Items().Assign(values);
    editor.SetStyle(editable ? csDropDown : csDropDownList);
    const int32_t index = editor.Items().IndexOf(ctrlValue);
    if (index >= 0)
        editor.SetItemIndex(index);
    editor.SetText(ctrlValue);
    editor.SetDropDownCount(dropCount);
    editor.OnExit = [this](TComponent*) {
        if (FCtrlType == QLatin1String("COMBO"))
            EndHTMLControlEdit();
    };
    editor.SetHeight(editor.ItemHeight() * (dropCount + 2));
    editor.SetVisible(true);
    if (editor.CanFocus())
        editor.SetFocus();
    editor.DropDown();
}

void TDudStringGrid::EndHTMLControlEdit()
{
    if (!FCtrlEditing)
        return;
    FCtrlEditing = false;
    const bool combo = FCtrlType == QLatin1String("COMBO");
    TWinControl* editor = combo ? static_cast<TWinControl*>(ControlCombo()) : ControlEdit();
    const String value = editor->Text();
    String text = GetGridCell(FCtrlXY.X, FCtrlXY.Y);
    SetControlValue(text, FCtrlID, value);
    SetCells(FCtrlXY.X, FCtrlXY.Y, text);
    editor->SetVisible(false);
    if (OnControlEditDone)
        OnControlEditDone(this, FCtrlXY.Y, FCtrlXY.X, FCtrlID, FCtrlType, value);
    FCtrlType.clear();
}

void TDudStringGrid::ControlComboSelect()
{
    if (!OnControlComboSelect)
        return;
    const TControlCombo& combo = *ControlCombo();
    const int32_t index = combo.ItemIndex();
    const String item = index >= 0 && index < combo.Items().Count() ? combo.Items().Strings(index) : String();
    OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, index, FCtrlID, item);
}

void TDudStringGrid::EditHTMLControlByID(int32_t aCol, int32_t aRow, const String& id)
{
    const int32_t realCol = RemapColToReal(aCol);
    const String text = GetGridCell(realCol, aRow);
    const String wanted = id.isEmpty() ? NextEditControlID(text, String()) : id;
    // With no control left to edit, the keys go back to the grid.
    if (wanted.isEmpty()) {
        if (CanFocus())
            SetFocus();
        return;
    }
    TMarkupHit hit;
    if (!MarkupHitTest(aCol, aRow, -1, -1, hit, wanted) || hit.ControlID != wanted)
        return;
    if (FCtrlEditing)
        EndHTMLControlEdit();
    StartHTMLControlEdit(text, hit.ControlType, aRow, realCol, aCol, hit.ControlRect, hit.ControlValue, hit.ControlID);
}

void TDudStringGrid::EditNextHTMLControl()
{
    const String next = NextEditControlID(GetGridCell(RemapColToReal(Col()), Row()), FCtrlID);
    if (next.isEmpty()) {
        if (CanFocus())
            SetFocus();
        return;
    }
    EditHTMLControlByID(Col(), Row(), next);
}

void TDudStringGrid::RadioGroupClick(int32_t aCol, int32_t aRow, int32_t dx, int32_t dy)
{
    Canvas().SetFont(CellAppearance(RemapColToDispl(aCol), aRow).Font);
    const TPoint base = BaseCell(aCol, aRow);
    TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    if (!graphic || graphic->CellType() != ctRadio || !graphic->CellStrings())
        return;
    const int32_t displayCol = RemapColToDispl(base.X);
    if (!IsFixed(displayCol, base.Y)) {
        SetRow(base.Y);
        SetCol(displayCol);
    }
    const TStrings& options = *graphic->CellStrings();
    const int32_t spacing
        = FControlLook->ControlStyle() >= TControlLook::csWinXP ? 16 : FControlLook->RadioSize();
    const bool horizontal = graphic->CellBoolean();
    const int32_t lineHeight = std::max(spacing, Canvas().TextHeight(QStringLiteral("gh")));
    int32_t start = 0;
    for (int32_t index = 0; index < options.Count(); ++index) {
        const int32_t span = horizontal ? Canvas().TextWidth(options.Strings(index)) + spacing : lineHeight;
        const int32_t at = horizontal ? dx : dy;
        if (at >= start && at < start + span) {
            if (graphic->CellIndex() != -1)
                graphic->SetCellIndex(index);
            else
                SetCells(base.X, base.Y, options.Strings(index));
            // Stored again, so the change is heard.
            SetCells(base.X, base.Y, GetGridCell(base.X, base.Y));
            SetRadioIdx(base.X, base.Y, index);
            if (OnRadioClick)
                OnRadioClick(this, displayCol, base.Y, index);
            return;
        }
        start += span;
    }
}
