#include "grid/DudOder.h"

#include "grid/DudOder_GridData.h"
#include "platform/ui/Controls.h"
#include "platform/ui/SystemMetrics.h"

#include <algorithm>

// Outline nodes: the node graphic in column 0 of a node row holds the span
// (rows covered, the node row included; 0 runs to the next node), the
// contracted flag and the number of sub-node headers inside the span. Each
// row's level lives in its column-0 cell properties. A contracted node's
// rows wait in the hidden-row store, with their cell properties, until the
// node opens again.

TCellGraphic* TDudStringGrid::NodeGraphic(int32_t aRow)
{
    if (aRow < 0 || aRow >= RowCount())
        return nullptr;
    TCellGraphic* graphic = GetCellGraphic(0, aRow);
    return graphic && graphic->CellType() == ctNode ? graphic : nullptr;
}

int32_t TDudStringGrid::NextNodeRow(int32_t fromRow)
{
    for (int32_t row = fromRow; row < RowCount(); ++row)
        if (IsNode(row))
            return row;
    return RowCount();
}

int32_t TDudStringGrid::NodeSpanEnd(int32_t aRow)
{
    const TCellGraphic* node = NodeGraphic(aRow);
    if (!node)
        return aRow + 1;
    return node->CellIndex() > 0 ? aRow + node->CellIndex() : NextNodeRow(aRow + 1);
}

void TDudStringGrid::AddNode(int32_t aRow, int32_t span)
{
    const int32_t row = RemapRowToDispl(aRow);
    TCellGraphic& node = CreateCellGraphic(0, row);
    node.SetCellType(ctNode);
    node.SetCellAngle(row);
    node.SetCellBoolean(false);
    node.SetCellIndex(span);
    node.SetCellHAlign(haBeforeText);
    node.SetCellVAlign(vaCenter);
    node.SetCellErrFrom(0);
    node.SetCellVar(-1);
    for (int32_t spanRow = row; spanRow < row + span && spanRow < RowCount(); ++spanRow) {
        TCellProperties* props = GetCellProperties(0, spanRow);
        props->SetNodeLevel(props->NodeLevel() + 1);
    }
    if (FNumNodes == 0)
        RepaintCol(0);
    ++FNumNodes;
    if (Col() == 0 && ColCount() > 1)
        SetCol(1);
}

void TDudStringGrid::MarkSummaryRow(int32_t aRow)
{
    CreateCellGraphic(0, RemapRowToDispl(aRow)).SetCellType(ctSummary);
}

void TDudStringGrid::LowerSpanLevels(int32_t aRow, int32_t span)
{
    for (int32_t row = aRow; row < aRow + span && row < RowCount(); ++row)
        if (TCellProperties* props = GetGridObject(0, row); props && props->NodeLevel() > 0)
            props->SetNodeLevel(props->NodeLevel() - 1);
}

void TDudStringGrid::RemoveNode(int32_t aRow)
{
    ExpandOneNode(aRow);
    const int32_t row = RemapRowToDispl(aRow);
    const TCellGraphic* node = NodeGraphic(row);
    if (!node)
        return;
    LowerSpanLevels(row, node->CellIndex());
    RemoveCellGraphic(0, row);
    FNumNodes = std::max(FNumNodes - 1, 0);
}

void TDudStringGrid::RemoveAllNodes()
{
    for (int32_t row = 0; row < RowCount(); ++row) {
        if (!IsNode(row))
            continue;
        ExpandNode(RealRowIndex(row));
        LowerSpanLevels(row, GetNodeSpan(row));
        RemoveCellGraphic(0, row);
        FNumNodes = std::max(FNumNodes - 1, 0);
    }
    Invalidate();
}

bool TDudStringGrid::IsNode(int32_t aRow)
{
    return aRow >= 0 && GetCellType(0, aRow) == ctNode;
}

bool TDudStringGrid::IsSummary(int32_t aRow)
{
    return aRow >= 0 && GetCellType(0, aRow) == ctSummary;
}

bool TDudStringGrid::GetNodeState(int32_t aRow)
{
    const TCellGraphic* node = NodeGraphic(aRow);
    return node && node->CellBoolean();
}

void TDudStringGrid::SetNodeState(int32_t aRow, bool value)
{
    const TCellGraphic* node = NodeGraphic(aRow);
    if (!node || node->CellBoolean() == value)
        return;
    if (value)
        ContractNode(RealRowIndex(aRow));
    else
        ExpandNode(RealRowIndex(aRow));
}

int32_t TDudStringGrid::GetNodeLevel(int32_t aRow)
{
    return NodeGraphic(aRow) ? NodeLevelOf(aRow) : -1;
}

int32_t TDudStringGrid::GetNodeSpan(int32_t aRow)
{
    const TCellGraphic* node = NodeGraphic(aRow);
    return node ? node->CellIndex() : -1;
}

void TDudStringGrid::SetNodeSpan(int32_t aRow, int32_t span)
{
    if (TCellGraphic* node = NodeGraphic(aRow))
        node->SetCellIndex(span);
}

void TDudStringGrid::UpdateNodeSpan(int32_t aRow, int32_t delta)
{
    if (TCellGraphic* node = NodeGraphic(aRow))
        node->SetCellIndex(node->CellIndex() + delta);
}

int32_t TDudStringGrid::GetSubNodeCount(int32_t aRow)
{
    const TCellGraphic* node = NodeGraphic(aRow);
    return node ? node->CellErrFrom() : 0;
}

void TDudStringGrid::UpdateSubNodeCount(int32_t aRow, int32_t delta)
{
    if (TCellGraphic* node = NodeGraphic(aRow))
        node->SetCellErrFrom(node->CellErrFrom() + delta);
}

int32_t TDudStringGrid::GetNodeSpanType(int32_t aRow)
{
    if (IsNode(aRow))
        return 0;
    const int32_t next = aRow + 1;
    if (aRow == RowCount() - FFixedFooters - 1 || next >= RowCount() || !HasCellProps(0, next)
        || NodeLevelOf(next) < NodeLevelOf(aRow))
        return 1;
    return 2;
}

bool TDudStringGrid::IsOnNodeGlyph(int32_t aRow, int32_t x)
{
    if (!FMouseActions->PreciseNodeClick())
        return true;
    const int32_t level = GetNodeLevel(aRow);
    const int32_t indent = FCellNode->NodeIndent();
    int32_t halfWidth = 4;
    int32_t gap = 4;
    switch (FCellNode->NodeType()) {
    case cnFlat:
    case cnXP:
        break;
    case cn3D:
        halfWidth = 6;
        gap = 0;
        break;
    case cnLeaf:
        halfWidth = 8;
        gap = 2;
        break;
    case cnGlyph: {
        const bool hasGlyph = !FCellNode->ExpandGlyph().Empty();
        halfWidth = hasGlyph ? FCellNode->ExpandGlyph().Width() / 2 : 0;
        gap = hasGlyph ? 2 : 0;
        break;
    }
    }
    if (UseRightToLeftAlignment()) {
        // The glyphs stand at the right edge, left of a shown vertical bar.
        const bool allRowsFit = VisibleRowCount() + FixedRows() >= RowCount();
        const int32_t bar = allRowsFit ? 0 : GetSystemMetrics(SM_CXVSCROLL);
        return Width() - level * indent - halfWidth - 2 <= x + bar && x + bar < Width() - (level - 1) * indent;
    }
    return gap + (level - 1) * indent < x && x < halfWidth + level * indent;
}

// Expanding one node, whatever CellNode.ExpandOne says: the rows stored
// between the node and the next shown row come back.
void TDudStringGrid::ExpandOneNode(int32_t aRow)
{
    const int32_t row = RemapRowToDispl(aRow);
    TCellGraphic* node = NodeGraphic(row);
    if (!node || !node->CellBoolean())
        return;
    node->SetCellBoolean(false);
    const int32_t topRow = TopRow();
    const int32_t currentRow = Row();
    const bool disjunct = FMouseActions->DisjunctRowSelect();
    const bool rowSelect = Options().Contains(goRowSelect);
    FMouseActions->SetDisjunctRowSelect(false);
    if (rowSelect)
        SetOptions(Options() - TGridOptions { goRowSelect });
    const bool locked = FControlList->Count() == 0;
    if (locked)
        BeginUpdate();
    try {
        const int32_t next = node->CellIndex() > 0 ? row + 1 : NextNodeRow(row + 1);
        UnHideRows(aRow + 1, RemapRowToReal(next) - 1);
    } catch (...) {
        if (locked)
            EndUpdate();
        throw;
    }
    if (locked)
        EndUpdate();
    if (rowSelect) {
        SetOptions(Options() + TGridOptions { goRowSelect });
        SetRowEx(std::min(currentRow, RowCount() - 1));
        SetTopRowEx(std::min(topRow, RowCount() - 1));
    }
    FMouseActions->SetDisjunctRowSelect(disjunct);
    CalcFooter(-1);
}

void TDudStringGrid::ExpandNode(int32_t aRow)
{
    if (FCellNode->ExpandOne()) {
        for (int32_t row = FixedRows(); row < RowCount(); ++row)
            if (IsNode(row) && !GetNodeState(row))
                ContractNode(RealRowIndex(row));
    }
    ExpandOneNode(aRow);
}

void TDudStringGrid::HideDisplayRows(int32_t fromRow, int32_t toRow)
{
    if (toRow >= fromRow)
        HideRows(RealRowIndex(fromRow), RealRowIndex(toRow));
}

void TDudStringGrid::ContractNode(int32_t aRow)
{
    HideInplaceEdit();
    FForceSel = true;
    const int32_t row = RemapRowToDispl(aRow);
    TCellGraphic* node = NodeGraphic(row);
    if (!node || node->CellBoolean()) {
        FForceSel = false;
        return;
    }
    node->SetCellBoolean(true);
    int32_t end = NodeSpanEnd(row);
    int32_t walk = row + 1;
    while (walk < end) {
        TCellGraphic* sub = NodeGraphic(walk);
        if (!sub || !sub->CellBoolean()) {
            ++walk;
            continue;
        }
        // The sub-node's rows are stored already; they come back with the
        // whole sub-tree when this node opens.
        sub->SetCellBoolean(false);
        const int32_t subSpan = sub->CellIndex();
        if (walk + 1 < RowCount()) {
            const int32_t control = FControlList->ControlIndex(1, RealRowIndex(walk + 1));
            if (control >= 0 && FControlList->Control(control)->Control())
                FControlList->Control(control)->Control()->SetVisible(false);
        }
        HideDisplayRows(row + 1, walk);
        end -= (walk - row) + (subSpan - 1);
        walk = row + 1;
    }
    HideDisplayRows(row + 1, walk - 1);
    FForceSel = false;
    CalcFooter(-1);
}

void TDudStringGrid::ExpandAll()
{
    BeginUpdate();
    try {
        const int32_t total = TotalRowCount();
        for (int32_t row = FixedRows(); row < total && row < RowCount(); ++row)
            if (IsNode(row))
                ExpandOneNode(row);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    CalcFooter(-1);
}

void TDudStringGrid::ContractAll()
{
    BeginUpdate();
    try {
        ExpandAll();
        TIntList children(0, 0);
        int32_t row = FixedRows();
        while (row < RowCount()) {
            TCellGraphic* node = NodeGraphic(row);
            if (!node) {
                ++row;
                continue;
            }
            node->SetCellBoolean(true);
            const int32_t end = std::min(NodeSpanEnd(row), RowCount());
            for (int32_t child = row + 1; child < end; ++child)
                children.Add(child);
            row = std::max(end, row + 1);
        }
        if (children.Count() > 0)
            HideRowList(children);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    CellControlsUpdate(false);
    CalcFooter(-1);
}

int32_t TDudStringGrid::GetParentRow(int32_t aRow)
{
    if (FNumNodes == 0)
        return -1;
    const bool isNode = IsNode(aRow);
    const int32_t level = NodeLevelOf(aRow);
    int32_t hiddenBelow = 0;
    for (int32_t row = aRow; row >= FixedRows(); --row) {
        const TCellGraphic* node = NodeGraphic(row);
        if (!node || (isNode && NodeLevelOf(row) >= level))
            continue;
        const int32_t span = node->CellIndex();
        if (node->CellBoolean())
            hiddenBelow += span - 1;
        if (aRow < row + span - hiddenBelow)
            return row;
    }
    return isNode ? aRow : -1;
}

void TDudStringGrid::InsertNormalRow(int32_t aRow)
{
    InsertRows(RemapRowToDispl(aRow), 1, true);
}

void TDudStringGrid::RemoveNormalRow(int32_t aRow)
{
    RemoveRows(aRow, 1);
}

// One more row in a node: the node and each enclosing node of a lower
// level grow by one and open.
void TDudStringGrid::GrowNodeChain(int32_t parent)
{
    UpdateNodeSpan(parent, 1);
    UpdateSubNodeCount(parent, 1);
    ExpandNode(RealRowIndex(parent));
    int32_t level = NodeLevelOf(parent);
    int32_t row = parent;
    while (level > 1) {
        const int32_t up = GetParentRow(row);
        if (up == -1 || up < FixedRows() || up == row)
            break;
        row = up;
        if (NodeLevelOf(row) < level) {
            UpdateNodeSpan(row, 1);
            UpdateSubNodeCount(row, 1);
            ExpandNode(RealRowIndex(row));
            level = NodeLevelOf(row);
        }
    }
}

void TDudStringGrid::InsertChildRow(int32_t aRow, int32_t insertAt)
{
    const int32_t row = DisplRowIndex(aRow);
    const int32_t parent = GetParentRow(row);
    if (parent != -1)
        GrowNodeChain(parent);
    int32_t position = row + insertAt;
    const bool intoNode = IsNode(row) && insertAt == 0;
    if (intoNode)
        position = row + 1;
    InsertRows(position, 1, true);
    if (intoNode) {
        // The node row keeps only its node; its content moves to the new row.
        for (int32_t column = 0; column < AllColCount(); ++column) {
            SetGridCell(column, position, GetGridCell(column, row));
            SetGridCell(column, row, String());
            if (column > 0)
                SetGridObject(column, position, ExtractGridObject(column, row));
        }
    }
    // The new row takes the level of the node it joins, however deep.
    if (parent != -1)
        GetCellProperties(0, position)->SetNodeLevel(NodeLevelOf(parent));
}

void TDudStringGrid::RemoveChildRow(int32_t aRow)
{
    const int32_t row = DisplRowIndex(aRow);
    int32_t parent = GetParentRow(row);
    if (parent != -1) {
        const int32_t firstLevel = NodeLevelOf(parent);
        if (GetNodeSpan(parent) > 1) {
            UpdateNodeSpan(parent, -1);
            UpdateSubNodeCount(parent, -1);
        }
        for (;;) {
            ExpandNode(RealRowIndex(parent));
            if (NodeLevelOf(parent) <= 1)
                break;
            const int32_t up = GetParentRow(parent);
            if (up == -1 || up == parent || NodeLevelOf(up) >= firstLevel)
                break;
            parent = up;
            if (GetNodeSpan(parent) > 1) {
                UpdateNodeSpan(parent, -1);
                UpdateSubNodeCount(parent, -1);
            }
        }
    }
    RemoveRowsPlain(row, 1);
}
