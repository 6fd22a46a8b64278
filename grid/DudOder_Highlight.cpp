#include "grid/DudOder.h"

#include "grid/base/MarkupRender.h"
#include "grid/base/MarkupText.h"

// Found and wrong text is shown by tags in the cell text itself: <hi> for a
// highlight, <e> for an error mark, drawn by the markup renderer.

namespace {

const String HilightTag = QStringLiteral("hi");
const String MarkTag = QStringLiteral("e");

struct TMarkRange {
    int32_t FromCol;
    int32_t FromRow;
    int32_t ToCol;
    int32_t ToRow;
};

int32_t FirstRow(const TDudStringGrid& grid, bool doFixed) { return doFixed ? 0 : grid.FixedRows(); }
int32_t LastRow(const TDudStringGrid& grid, bool doFixed)
{
    return doFixed ? grid.RowCount() - 1 : grid.RowCount() - grid.FixedFooters() - 1;
}
int32_t FirstCol(const TDudStringGrid& grid, bool doFixed) { return doFixed ? 0 : grid.FixedCols(); }
// extra reaches into the store columns that hold hidden columns.
int32_t LastCol(const TDudStringGrid& grid, bool doFixed, int32_t extra)
{
    return doFixed ? grid.ColCount() + extra - 1 : grid.ColCount() + extra - grid.FixedRightCols() - 1;
}

// What a highlight acts on: the displayed text when the application
// supplies one, else the stored text.
String SourceText(const TDudStringGrid& grid, int32_t aCol, int32_t aRow)
{
    return grid.OnGetDisplText ? grid.GetCellEx(aCol, aRow) : grid.GetGridCell(aCol, aRow);
}

bool HasTag(const String& text, const String& tag)
{
    return text.contains(u'<' + tag + u'>', Qt::CaseInsensitive)
        || text.contains(QStringLiteral("</") + tag + u'>', Qt::CaseInsensitive);
}

// Only cells where a match was wrapped are written: entity-encoding the
// others would show "&amp;" in plain cells and alter a text that literally
// holds an entity once the tags are removed again. A cell that already holds
// markup (earlier highlights or marks among it) is not encoded again, which
// would turn its tags into visible text.
void HilightInRange(TDudStringGrid& grid, const String& search, const String& tag, bool doCase, TMarkRange range)
{
    const String encodedSearch = EncodeHtmlEntities(search, false);
    for (int32_t row = range.FromRow; row <= range.ToRow; ++row)
        for (int32_t column = range.FromCol; column <= range.ToCol; ++column) {
            if (!grid.IsBaseCell(column, row))
                continue;
            const String text = SourceText(grid, column, row);
            const String encoded = text.contains(QLatin1String("</")) ? text : EncodeHtmlEntities(text, false);
            String result;
            HighlightInMarkup(encoded, encodedSearch, tag, result, doCase);
            if (result != encoded)
                grid.SetCellEx(column, row, result);
        }
}

// Only cells holding the tag are decoded and rewritten, for the same reason.
void RemoveTagInRange(TDudStringGrid& grid, const String& tag, TMarkRange range)
{
    for (int32_t row = range.FromRow; row <= range.ToRow; ++row)
        for (int32_t column = range.FromCol; column <= range.ToCol; ++column) {
            if (!grid.IsBaseCell(column, row))
                continue;
            const String text = SourceText(grid, column, row);
            if (HasTag(text, tag))
                grid.SetCellEx(column, row, RemoveMarkupTag(DecodeHtmlEntities(text, false), tag));
        }
}

TMarkRange ColRange(const TDudStringGrid& grid, bool doFixed, int32_t aCol)
{
    return { aCol, FirstRow(grid, doFixed), aCol, LastRow(grid, doFixed) };
}

TMarkRange RowRange(const TDudStringGrid& grid, bool doFixed, int32_t aRow, int32_t extra)
{
    return { FirstCol(grid, doFixed), aRow, LastCol(grid, doFixed, extra), aRow };
}

TMarkRange GridRange(const TDudStringGrid& grid, bool doFixed, int32_t extra)
{
    return { FirstCol(grid, doFixed), FirstRow(grid, doFixed), LastCol(grid, doFixed, extra), LastRow(grid, doFixed) };
}

} // namespace

void TDudStringGrid::SetHighlightColor(TColor value)
{
    if (value == FHighlightColor)
        return;
    FHighlightColor = value;
    SetHighlightColors(FHighlightColor, FHighlightTextColor);
    Invalidate();
}

void TDudStringGrid::SetHighlightTextColor(TColor value)
{
    if (value == FHighlightTextColor)
        return;
    FHighlightTextColor = value;
    SetHighlightColors(FHighlightColor, FHighlightTextColor);
    Invalidate();
}

String TDudStringGrid::HilightText(bool doCase, const String& s, const String& text)
{
    String result;
    HighlightInMarkup(s, text, HilightTag, result, doCase);
    return result;
}

String TDudStringGrid::UnHilightText(const String& s) { return RemoveMarkupTag(s, HilightTag); }

String TDudStringGrid::MarkText(bool doCase, const String& s, const String& text)
{
    String result;
    HighlightInMarkup(s, text, MarkTag, result, doCase);
    return result;
}

String TDudStringGrid::UnMarkText(const String& s) { return RemoveMarkupTag(s, MarkTag); }

void TDudStringGrid::HilightInCell(bool doCase, int32_t aCol, int32_t aRow, const String& hiText)
{
    HilightInRange(*this, hiText, HilightTag, doCase, { aCol, aRow, aCol, aRow });
}

void TDudStringGrid::HilightInCol(bool doFixed, bool doCase, int32_t aCol, const String& hiText)
{
    HilightInRange(*this, hiText, HilightTag, doCase, ColRange(*this, doFixed, aCol));
}

void TDudStringGrid::HilightInRow(bool doFixed, bool doCase, int32_t aRow, const String& hiText)
{
    HilightInRange(*this, hiText, HilightTag, doCase, RowRange(*this, doFixed, aRow, 0));
}

void TDudStringGrid::HilightInGrid(bool doFixed, bool doCase, const String& hiText)
{
    // Only the data block reaches into the hidden columns' store.
    const TMarkRange range = GridRange(*this, doFixed, doFixed ? 0 : NumHiddenColumns());
    HilightInRange(*this, hiText, HilightTag, doCase, range);
}

void TDudStringGrid::UnHilightInCell(int32_t aCol, int32_t aRow)
{
    RemoveTagInRange(*this, HilightTag, { aCol, aRow, aCol, aRow });
}

void TDudStringGrid::UnHilightInCol(bool doFixed, int32_t aCol)
{
    RemoveTagInRange(*this, HilightTag, ColRange(*this, doFixed, aCol));
}

void TDudStringGrid::UnHilightInRow(bool doFixed, int32_t aRow)
{
    RemoveTagInRange(*this, HilightTag, RowRange(*this, doFixed, aRow, NumHiddenColumns()));
}

void TDudStringGrid::UnHilightInGrid(bool doFixed)
{
    RemoveTagInRange(*this, HilightTag, GridRange(*this, doFixed, NumHiddenColumns()));
}

void TDudStringGrid::MarkInCell(bool doCase, int32_t aCol, int32_t aRow, const String& hiText)
{
    HilightInRange(*this, hiText, MarkTag, doCase, { aCol, aRow, aCol, aRow });
}

void TDudStringGrid::MarkInCol(bool doFixed, bool doCase, int32_t aCol, const String& hiText)
{
    HilightInRange(*this, hiText, MarkTag, doCase, ColRange(*this, doFixed, aCol));
}

void TDudStringGrid::MarkInRow(bool doFixed, bool doCase, int32_t aRow, const String& hiText)
{
    HilightInRange(*this, hiText, MarkTag, doCase, RowRange(*this, doFixed, aRow, 0));
}

void TDudStringGrid::MarkInGrid(bool doFixed, bool doCase, const String& hiText)
{
    HilightInRange(*this, hiText, MarkTag, doCase, GridRange(*this, doFixed, 0));
}

void TDudStringGrid::UnMarkInCell(int32_t aCol, int32_t aRow)
{
    RemoveTagInRange(*this, MarkTag, { aCol, aRow, aCol, aRow });
}

void TDudStringGrid::UnMarkInCol(bool doFixed, int32_t aCol)
{
    RemoveTagInRange(*this, MarkTag, ColRange(*this, doFixed, aCol));
}

void TDudStringGrid::UnMarkInRow(bool doFixed, int32_t aRow)
{
    RemoveTagInRange(*this, MarkTag, RowRange(*this, doFixed, aRow, NumHiddenColumns()));
}

void TDudStringGrid::UnMarkInGrid(bool doFixed)
{
    RemoveTagInRange(*this, MarkTag, GridRange(*this, doFixed, NumHiddenColumns()));
}

bool TDudStringGrid::CheckCell(int32_t aCol, int32_t aRow)
{
    if (!FCellChecker)
        return true;
    const String original = UnMarkText(GetCellEx(aCol, aRow));
    // The user sees the cell being checked.
    if (FCellChecker->GotoCell())
        MoveColRow(aCol, aRow, true, true);
    String text = original;
    if (FCellChecker->UseCorrect())
        text = FCellChecker->Correct(aCol, aRow, original);
    if (FCellChecker->UseMarkError())
        text = FCellChecker->MarkError(aCol, aRow, text);
    SetCellEx(aCol, aRow, text);
    return text == original;
}

bool TDudStringGrid::CheckCells(int32_t fromCol, int32_t fromRow, int32_t toCol, int32_t toRow)
{
    if (!FCellChecker)
        return true;
    FCellChecker->StartCheck();
    const int32_t oldRow = Row();
    const int32_t oldCol = Col();
    bool unchanged = true;
    for (int32_t row = fromRow; row <= toRow; ++row)
        for (int32_t column = fromCol; column <= toCol; ++column)
            unchanged = CheckCell(column, row) && unchanged;
    // A checker freed while it ran has already been forgotten.
    if (!FCellChecker)
        return unchanged;
    FCellChecker->StopCheck();
    if (FCellChecker->GotoCell()) {
        SetRow(oldRow);
        SetCol(oldCol);
    }
    return unchanged;
}

void TDudStringGrid::CheckCol(bool doFixed, int32_t aCol)
{
    CheckCells(aCol, FirstRow(*this, doFixed), aCol, LastRow(*this, doFixed));
}

void TDudStringGrid::CheckRow(bool doFixed, int32_t aRow)
{
    CheckCells(FirstCol(*this, doFixed), aRow, LastCol(*this, doFixed, 0), aRow);
}

void TDudStringGrid::CheckGrid(bool doFixed)
{
    CheckCells(FirstCol(*this, doFixed), FirstRow(*this, doFixed), LastCol(*this, doFixed, 0), LastRow(*this, doFixed));
}
