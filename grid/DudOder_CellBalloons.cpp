#include "grid/DudOder.h"

#include "grid/DudOder_RichEdit.h"
#include "grid/DudOder_Settings.h"
#include "grid/base/MarkupText.h"
#include "grid/base/RovIvir.h"
#include "platform/ui/BalloonTip.h"

namespace {

constexpr qsizetype MaxBalloonText = 2048;
constexpr qsizetype MaxBalloonTitle = 100;
const String Ellipsis = QStringLiteral("...");

// Tabs show as blanks, the line breaks and tabs a text starts with are
// dropped, and a text too long for the tip is cut and ends in "...".
String BalloonText(String text)
{
    text.replace(u'\t', u' ');
    qsizetype start = 0;
    while (start < text.size() && (text[start] == u'\r' || text[start] == u'\n' || text[start] == u'\t'))
        ++start;
    text = text.mid(start);
    if (text.size() > MaxBalloonText)
        text = text.left(MaxBalloonText - Ellipsis.size()) + Ellipsis;
    return text;
}

TBalloonTipIcon TipIcon(int32_t icon)
{
    return icon >= btiNone && icon <= btiError ? static_cast<TBalloonTipIcon>(icon) : btiInfo;
}

} // namespace

void TDudStringGrid::CellBalloonText(TPoint point, TBalloonTipContent& content)
{
    int32_t col = -1;
    int32_t row = -1;
    MouseToCell(point.X, point.Y, col, row);
    const bool valid = col >= 0 && row >= 0 && col < ColCount() && row < RowCount();
    int32_t realCol = col;
    String text;
    if (valid) {
        const TPoint base = BaseCell(RemapColToReal(col), row);
        realCol = base.X;
        row = base.Y;
        col = RemapColToDispl(realCol);
        text = GetCellEx(realCol, row);
        switch (ClassifyCellText(text, FEnableHTML)) {
        case ckMarkup:
            text = MarkupToText(text);
            break;
        case ckRichText:
            CellToRich(realCol, row, RichEdit());
            text = RichToString(RichEdit());
            break;
        case ckWide:
            text = DecodeWideCellText(text);
            break;
        default:
            break;
        }
    }
    String title = QStringLiteral(" ");
    text = BalloonText(text);
    int32_t icon = btiInfo;
    if (valid) {
        String ownTitle;
        String ownText;
        TBalloonIcon ownIcon = biInfo;
        if (IsBalloon(realCol, row, ownTitle, ownText, ownIcon)) {
            title = ownTitle;
            text = ownText;
            icon = ownIcon;
        }
        if (OnCellBalloon)
            OnCellBalloon(this, realCol, row, title, text, icon);
    }
    FLastBalloonPos = { col, row };
    FToolTipBuffer = text;
    if (title.size() > MaxBalloonTitle)
        title = title.left(MaxBalloonTitle - Ellipsis.size()) + Ellipsis;
    content.Title = title;
    content.Text = FToolTipBuffer;
    content.Icon = TipIcon(icon);
    content.TextColor = FBalloonSettings->TextColor();
    content.BackgroundColor = FBalloonSettings->BackgroundColor();
}

// The balloon follows the mouse from cell to cell and asks for its text
// only when the cell changes.
void TDudStringGrid::ShowCellBalloon(int32_t x, int32_t y)
{
    if (!FBalloonSettings->Enable())
        return;
    int32_t col = -1;
    int32_t row = -1;
    MouseToCell(x, y, col, row);
    if (col >= 0 && row >= 0) {
        const TPoint base = BaseCell(RemapColToReal(col), row);
        col = RemapColToDispl(base.X);
        row = base.Y;
    }
    const TWinControl* target = nullptr;
    if (ShownBalloonTip(&target) && target == this && FLastBalloonPos == TPoint { col, row })
        return;
    if (col < 0 || row < 0) {
        HideBalloonTip();
        FLastBalloonPos = { -1, -1 };
        return;
    }
    TBalloonTipContent content;
    CellBalloonText({ x, y }, content);
    const TRect cell = CellRect(col, row);
    ShowBalloonTipAt(*this, { x, cell.Bottom }, content);
}
