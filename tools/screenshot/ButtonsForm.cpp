#include "tools/screenshot/ButtonsForm.h"

#include "controls/LbButton.h"
#include "platform/ui/Menus.h"

namespace {

enum class TShownState { ssNormal, ssHot, ssDown, ssDisabled, ssFlatHot };

struct TStateColumn {
    TShownState State;
    const char* Name;
};

constexpr TStateColumn StateColumns[] = {
    { TShownState::ssNormal, "" },
    { TShownState::ssHot, " hot" },
    { TShownState::ssDown, " down" },
    { TShownState::ssDisabled, " off" },
    { TShownState::ssFlatHot, " flat hot" },
};

struct TStyleRow {
    TLbButtonStyle Style;
    const char* Name;
};

constexpr TStyleRow StyleRows[] = {
    { bsNormal, "Normal" },
    { bsEncarta, "Encarta" },
    { bsModern, "Modern" },
    { bsOld, "Old" },
    { bsShape, "Shape" },
    { bsQuicken, "Quicken" },
};

struct TPresetCell {
    TLbColorStyle ColorStyle;
    const char* Name;
};

constexpr TPresetCell Presets[] = {
    { lcsGold, "Gold" },
    { lcsChrome, "Chrome" },
    { lcsBlue, "Blue" },
    { lcsRed, "Red" },
    { lcsUltraFlat1, "UltraFlat1" },
    { lcsUltraFlat2, "UltraFlat2" },
    { lcsUltraFlatXP, "UltraFlatXP" },
    { lcsAqua, "Aqua" },
    { lcsDefault, "Default" },
    { lcsQuicken, "Quicken" },
};

constexpr TLbButtonKind Kinds[] = { bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

struct TLayoutRow {
    TLbButtonLayout Layout;
    const char* Name;
    int32_t Height;
};

constexpr TLayoutRow LayoutRows[] = {
    { blGlyphLeft, "Left", 27 },
    { blGlyphRight, "Right", 27 },
    { blGlyphTop, "Top", 44 },
    { blGlyphBottom, "Bottom", 44 },
};

struct TAlignmentColumn {
    TAlignment Alignment;
    const char* Name;
};

constexpr TAlignmentColumn AlignmentColumns[] = {
    { taLeftJustify, " l" },
    { taCenter, " c" },
    { taRightJustify, " r" },
};

// The look every dialog gives its buttons.
void ApplyDialogLook(TLbButton& button)
{
    button.SetColor(0xEDF7F8);
    button.SetLightColor(clGray);
    button.SetHotTrackColor(clYellow);
    button.SetColorWhenDown(0x0080FF);
}

// A strip of four 16 by 16 cells: normal, disabled, pressed, hot.
TBitmap FourCellStrip()
{
    constexpr TColor CellColors[] = { clBlue, clGray, clRed, clGreen };
    TBitmap strip(64, 16);
    TCanvas& canvas = strip.Canvas();
    canvas.Brush().SetColor(clFuchsia);
    canvas.FillRect(Rect(0, 0, 64, 16));
    for (int32_t cell = 0; cell < 4; ++cell) {
        canvas.Brush().SetColor(CellColors[cell]);
        canvas.Ellipse(cell * 16 + 2, 2, cell * 16 + 14, 14);
    }
    return strip;
}

constexpr int32_t Margin = 10;
constexpr int32_t ColumnWidth = 130;
constexpr int32_t ButtonWidth = 120;
constexpr int32_t RowHeight = 30;

} // namespace

TButtonsForm::TButtonsForm(TComponent* owner) : TForm(owner)
{
    SetCaption(QStringLiteral("Flat buttons"));
    int32_t top = Margin;

    for (const TStyleRow& row : StyleRows) {
        for (size_t column = 0; column < std::size(StateColumns); ++column) {
            const TStateColumn& state = StateColumns[column];
            TLbButton* button = AddButton(Margin + static_cast<int32_t>(column) * ColumnWidth, top, ButtonWidth, 25,
                QString::fromLatin1(row.Name) + QString::fromLatin1(state.Name));
            ApplyDialogLook(*button);
            button->SetStyle(row.Style);
            button->SetKind(bkOK);
            button->SetCaption(QString::fromLatin1(row.Name) + QString::fromLatin1(state.Name));
            switch (state.State) {
            case TShownState::ssHot:
                FHot.push_back(button);
                break;
            case TShownState::ssDown:
                FDown.push_back(button);
                break;
            case TShownState::ssDisabled:
                button->SetEnabled(false);
                break;
            case TShownState::ssFlatHot:
                button->SetFlat(true);
                FHot.push_back(button);
                break;
            default:
                break;
            }
        }
        top += RowHeight;
    }

    top += Margin;
    for (int32_t hot = 0; hot < 2; ++hot) {
        for (size_t index = 0; index < std::size(Presets); ++index) {
            const auto column = static_cast<int32_t>(index % 5);
            const auto row = static_cast<int32_t>(index / 5) + 2 * hot;
            TLbButton* button = AddButton(Margin + column * ColumnWidth, top + row * RowHeight, ButtonWidth, 25,
                QString::fromLatin1(Presets[index].Name) + (hot ? QStringLiteral(" hot") : QString()));
            button->SetColorStyle(Presets[index].ColorStyle);
            if (hot)
                FHot.push_back(button);
        }
    }
    top += 4 * RowHeight + Margin;

    for (size_t index = 0; index < std::size(Kinds); ++index) {
        const auto column = static_cast<int32_t>(index % 5);
        const auto row = static_cast<int32_t>(index / 5);
        TLbButton* button = AddButton(Margin + column * ColumnWidth, top + row * RowHeight, ButtonWidth, 27, {});
        ApplyDialogLook(*button);
        button->SetStyle(bsEncarta);
        button->SetKind(Kinds[index]);
        if (row == 1)
            button->SetEnabled(false);
    }
    top += 2 * RowHeight + Margin;

    const int32_t layoutTop = top;
    int32_t stripTop = layoutTop;
    for (const TLayoutRow& row : LayoutRows) {
        for (size_t column = 0; column < std::size(AlignmentColumns); ++column) {
            const String caption = QString::fromLatin1(row.Name) + QString::fromLatin1(AlignmentColumns[column].Name);
            TLbButton* button = AddButton(Margin + static_cast<int32_t>(column) * ColumnWidth, top, ButtonWidth,
                row.Height, caption);
            ApplyDialogLook(*button);
            button->SetKind(bkYes);
            button->SetCaption(caption);
            button->SetLayout(row.Layout);
            button->SetAlignment(AlignmentColumns[column].Alignment);
        }
        top += row.Height + 6;
    }

    // Four-cell strip in its four states, a popup button, wrapped and cut captions.
    const TBitmap strip = FourCellStrip();
    const int32_t extraLeft = Margin + 3 * ColumnWidth;
    for (const TStateColumn& state : StateColumns) {
        if (state.State == TShownState::ssFlatHot)
            continue;
        TLbButton* button = AddButton(extraLeft, stripTop, ButtonWidth, 25, QStringLiteral("Cells") + QString::fromLatin1(state.Name));
        ApplyDialogLook(*button);
        button->SetGlyph(&strip);
        if (state.State == TShownState::ssHot)
            FHot.push_back(button);
        else if (state.State == TShownState::ssDown)
            FDown.push_back(button);
        else if (state.State == TShownState::ssDisabled)
            button->SetEnabled(false);
        stripTop += RowHeight;
    }
    FMenu = new TPopupMenu(this);
    FMenu->Items().Add(QStringLiteral("Item"));
    const int32_t moreLeft = Margin + 4 * ColumnWidth;
    TLbButton* wrapped = AddButton(moreLeft, layoutTop, ButtonWidth, 44, QStringLiteral("A caption that wraps onto lines"));
    ApplyDialogLook(*wrapped);
    wrapped->SetWordWrap(true);
    TLbButton* cut = AddButton(moreLeft, wrapped->Top() + 50, ButtonWidth, 25, QStringLiteral("A caption that is cut"));
    ApplyDialogLook(*cut);
    TLbButton* popup = AddButton(moreLeft, cut->Top() + RowHeight, ButtonWidth, 25, QStringLiteral("Menu"));
    ApplyDialogLook(*popup);
    popup->SetPopupMenu(FMenu);
    FFocused = AddButton(moreLeft, popup->Top() + RowHeight, ButtonWidth, 25, QStringLiteral("Old focused"));
    FFocused->SetStyle(bsOld);

    SetClientWidth(2 * Margin + 5 * ColumnWidth - (ColumnWidth - ButtonWidth));
    SetClientHeight(top + Margin);
}

TLbButton* TButtonsForm::AddButton(int32_t left, int32_t top, int32_t width, int32_t height, const String& caption)
{
    auto* button = new TLbButton(this);
    button->SetBounds(left, top, width, height);
    button->SetCaption(caption);
    button->SetParent(this);
    return button;
}

void TButtonsForm::ShowStates()
{
    for (TLbButton* button : FHot)
        button->Perform(CM_MOUSEENTER);
    for (TLbButton* button : FDown)
        button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({ 5, 5 }));
    if (FFocused)
        FFocused->SetFocus();
}
