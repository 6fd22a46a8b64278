#include "platform/ui/TreeView.h"

#include "platform/ui/ScrollBarHost.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/SystemMetrics.h"

#include <algorithm>

// ---- TTreeNode

TTreeNode::TTreeNode(TTreeNodes* owner, TTreeNode* parent) : FOwner(owner), FParent(parent) { }
TTreeNode::~TTreeNode() = default;

TCustomTreeView* TTreeNode::TreeView() const { return FOwner->Owner(); }

TTreeNode* TTreeNode::Parent() const { return FParent == &FOwner->FRoot ? nullptr : FParent; }

void TTreeNode::SetText(const String& text)
{
    FText = text;
    FOwner->Changed();
}

void TTreeNode::SetImageIndex(int32_t index)
{
    FImageIndex = index;
    FOwner->Changed();
}

TTreeNode* TTreeNode::Item(int32_t index) const
{
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FChildren[static_cast<size_t>(index)].get();
}

int32_t TTreeNode::Index() const
{
    if (!FParent)
        return -1;
    const auto& siblings = FParent->FChildren;
    const auto found = std::find_if(siblings.begin(), siblings.end(), [this](const auto& node) { return node.get() == this; });
    return static_cast<int32_t>(found - siblings.begin());
}

int32_t TTreeNode::Level() const
{
    int32_t level = 0;
    for (const TTreeNode* parent = Parent(); parent; parent = parent->Parent())
        ++level;
    return level;
}

int32_t TTreeNode::AbsoluteIndex() const
{
    int32_t index = 0;
    for (const TTreeNode* node = FOwner->GetFirstNode(); node; node = node->GetNext(), ++index)
        if (node == this)
            return index;
    return -1;
}

TTreeNode* TTreeNode::GetNextSibling() const
{
    const int32_t index = Index();
    return FParent && index + 1 < FParent->Count() ? FParent->FChildren[static_cast<size_t>(index + 1)].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const
{
    const int32_t index = Index();
    return FParent && index > 0 ? FParent->FChildren[static_cast<size_t>(index - 1)].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const
{
    if (TTreeNode* child = GetFirstChild())
        return child;
    for (const TTreeNode* node = this; node; node = node->Parent())
        if (TTreeNode* sibling = node->GetNextSibling())
            return sibling;
    return nullptr;
}

bool TTreeNode::IsVisible() const
{
    for (const TTreeNode* parent = Parent(); parent; parent = parent->Parent())
        if (!parent->FExpanded)
            return false;
    return true;
}

TTreeNode* TTreeNode::GetNextVisible() const
{
    const int32_t row = TreeView()->RowOf(this);
    const auto& rows = TreeView()->Rows();
    return row >= 0 && row + 1 < static_cast<int32_t>(rows.size()) ? rows[static_cast<size_t>(row + 1)].Node : nullptr;
}

TTreeNode* TTreeNode::GetPrevVisible() const
{
    const int32_t row = TreeView()->RowOf(this);
    return row > 0 ? TreeView()->Rows()[static_cast<size_t>(row - 1)].Node : nullptr;
}

void TTreeNode::SetExpanded(bool expanded) { TreeView()->SetExpandedChecked(this, expanded); }

void TTreeNode::Expand(bool recurse)
{
    SetExpanded(true);
    if (recurse)
        for (const auto& child : FChildren)
            child->Expand(true);
}

void TTreeNode::Collapse(bool recurse)
{
    if (recurse)
        for (const auto& child : FChildren)
            child->Collapse(true);
    SetExpanded(false);
}

bool TTreeNode::Selected() const { return TreeView()->Selected() == this; }

void TTreeNode::SetSelected(bool selected)
{
    if (selected)
        TreeView()->SetSelected(this);
    else if (Selected())
        TreeView()->SetSelected(nullptr);
}

void TTreeNode::MakeVisible()
{
    for (TTreeNode* parent = Parent(); parent; parent = parent->Parent())
        parent->SetExpanded(true);
    TreeView()->ScrollIntoView(this);
}

TRect TTreeNode::DisplayRect(bool textOnly) const
{
    const TCustomTreeView* view = TreeView();
    const int32_t row = view->RowOf(this);
    const int32_t shown = row - view->FTopRow;
    if (row < 0 || shown < 0 || shown >= view->VisibleRowCount() + 1)
        return TRect {};
    if (textOnly)
        return view->TextRect(view->Rows()[static_cast<size_t>(row)], row);
    return Bounds(0, shown * view->ItemHeight(), view->ClientWidth(), view->ItemHeight());
}

void TTreeNode::Delete() { FOwner->Delete(this); }

void TTreeNode::DeleteChildren()
{
    FOwner->BeginUpdate();
    while (HasChildren())
        FOwner->Delete(GetLastChild());
    FOwner->EndUpdate();
}

TTreeNode* TTreeNode::InsertChild(int32_t index, const String& text, void* data)
{
    auto node = std::make_unique<TTreeNode>(FOwner, this);
    node->FText = text;
    node->FData = data;
    TTreeNode* added = node.get();
    FChildren.insert(FChildren.begin() + std::clamp(index, 0, Count()), std::move(node));
    FOwner->Changed();
    return added;
}

std::unique_ptr<TTreeNode> TTreeNode::TakeChild(TTreeNode* child)
{
    const auto found = std::find_if(FChildren.begin(), FChildren.end(), [child](const auto& node) { return node.get() == child; });
    std::unique_ptr<TTreeNode> taken = std::move(*found);
    FChildren.erase(found);
    return taken;
}

// ---- TTreeNodes

TTreeNodes::TTreeNodes(TCustomTreeView* owner) : FOwner(owner), FRoot(this, nullptr) { FRoot.FExpanded = true; }
TTreeNodes::~TTreeNodes() = default;

int32_t TTreeNodes::Count() const
{
    int32_t count = 0;
    for (const TTreeNode* node = GetFirstNode(); node; node = node->GetNext())
        ++count;
    return count;
}

TTreeNode* TTreeNodes::Item(int32_t index) const
{
    int32_t at = 0;
    for (TTreeNode* node = GetFirstNode(); node; node = node->GetNext(), ++at)
        if (at == index)
            return node;
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* sibling, const String& text, void* data)
{
    TTreeNode* parent = sibling ? sibling->FParent : &FRoot;
    return parent->InsertChild(parent->Count(), text, data);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const String& text)
{
    return (sibling ? sibling->FParent : &FRoot)->InsertChild(0, text, nullptr);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, const String& text, void* data)
{
    TTreeNode* target = ParentOf(parent);
    return target->InsertChild(target->Count(), text, data);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const String& text) { return ParentOf(parent)->InsertChild(0, text, nullptr); }

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const String& text)
{
    if (!sibling)
        return Add(nullptr, text);
    return sibling->FParent->InsertChild(sibling->Index(), text, nullptr);
}

void TTreeNodes::Removing(TTreeNode* node)
{
    for (const auto& child : node->FChildren)
        Removing(child.get());
    FOwner->NodeRemoving(node);
}

void TTreeNodes::Delete(TTreeNode* node)
{
    if (!node || node == &FRoot)
        return;
    Removing(node);
    const std::unique_ptr<TTreeNode> gone = node->FParent->TakeChild(node);
    Changed();
}

void TTreeNodes::Clear()
{
    BeginUpdate();
    while (TTreeNode* node = FRoot.GetLastChild())
        Delete(node);
    EndUpdate();
}

void TTreeNodes::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Changed();
}

void TTreeNodes::Changed()
{
    FOwner->FRowsValid = false;
    if (FUpdateCount == 0)
        FOwner->NodesChanged();
}

// ---- TCustomTreeView

namespace {

constexpr int32_t ButtonHalf = 4;
constexpr int32_t TextPadding = 2;

// The classic dotted line: every other pixel.
void DottedLine(TCanvas& canvas, int32_t x1, int32_t y1, int32_t x2, int32_t y2, TColor color)
{
    if (x1 == x2)
        for (int32_t y = y1 + ((y1 ^ x1) & 1); y < y2; y += 2)
            canvas.SetPixels(x1, y, color);
    else
        for (int32_t x = x1 + ((x1 ^ y1) & 1); x < x2; x += 2)
            canvas.SetPixels(x, y1, color);
}

} // namespace

TCustomTreeView::TCustomTreeView(TComponent* owner)
    : TCustomControl(owner), FNodes(this), FImages(*this, [this] { Invalidate(); })
{
    FScrollBar = std::make_unique<TScrollBarHost>(Widget(), false, [this](intptr_t code, int32_t thumb) {
        Perform(WM_VSCROLL, MakeScrollWParam(code, thumb));
    });
    SetTabStop(true);
    SetParentColor(false);
    SetBounds(0, 0, 121, 97);
}

TCustomTreeView::~TCustomTreeView()
{
    // Nodes freed with the view are not reported one by one.
    FSelected = nullptr;
    OnDeletion = nullptr;
}

const std::vector<TCustomTreeView::TRow>& TCustomTreeView::Rows() const
{
    if (FRowsValid)
        return FRows;
    FRows.clear();
    struct TWalk {
        static void Add(std::vector<TRow>& rows, const TTreeNode& parent, int32_t level)
        {
            for (int32_t index = 0; index < parent.Count(); ++index) {
                TTreeNode* node = parent.Item(index);
                rows.push_back({ node, level });
                if (node->Expanded())
                    Add(rows, *node, level + 1);
            }
        }
    };
    TWalk::Add(FRows, FNodes.FRoot, 0);
    FRowsValid = true;
    return FRows;
}

int32_t TCustomTreeView::RowOf(const TTreeNode* node) const
{
    const auto& rows = Rows();
    const auto found = std::find_if(rows.begin(), rows.end(), [node](const TRow& row) { return row.Node == node; });
    return found == rows.end() ? -1 : static_cast<int32_t>(found - rows.begin());
}

int32_t TCustomTreeView::VisibleRowCount() const { return std::max((Height() - 4) / FItemHeight, 1); }

int32_t TCustomTreeView::LastTopRow() const { return std::max(static_cast<int32_t>(Rows().size()) - VisibleRowCount(), 0); }

void TCustomTreeView::SetTopRow(int32_t row)
{
    const int32_t top = std::clamp(row, 0, LastTopRow());
    if (top == FTopRow)
        return;
    FTopRow = top;
    UpdateScrollBar();
    Invalidate();
}

TTreeNode* TCustomTreeView::TopItem() const
{
    const auto& rows = Rows();
    return FTopRow < static_cast<int32_t>(rows.size()) ? rows[static_cast<size_t>(FTopRow)].Node : nullptr;
}

void TCustomTreeView::SetTopItem(TTreeNode* node)
{
    const int32_t row = RowOf(node);
    if (row >= 0)
        SetTopRow(row);
}

void TCustomTreeView::NodesChanged()
{
    FTopRow = std::clamp(FTopRow, 0, LastTopRow());
    UpdateScrollBar();
    Invalidate();
}

void TCustomTreeView::NodeRemoving(TTreeNode* node)
{
    if (OnDeletion)
        OnDeletion(this, node);
    if (node == FSelected) {
        FSelected = nullptr;
        Change(nullptr);
    }
    FRowsValid = false;
}

bool TCustomTreeView::ScrollBarShown() const { return FScrollBar->Visible(); }

int32_t TCustomTreeView::ClientWidth() const
{
    return std::max(Width() - (ScrollBarShown() ? GetSystemMetrics(SM_CXVSCROLL) : 0), 0);
}

void TCustomTreeView::UpdateScrollBar()
{
    const auto rowCount = static_cast<int32_t>(Rows().size());
    const bool shown = rowCount > VisibleRowCount();
    const int32_t extent = GetSystemMetrics(SM_CXVSCROLL);
    FScrollBar->SetParams(0, std::max(rowCount - 1, 0), VisibleRowCount(), FTopRow);
    FScrollBar->SetGeometry(Rect(Width() - 2 - extent, 2, Width() - 2, Height() - 2));
    if (shown != FScrollBar->Visible()) {
        FScrollBar->SetVisible(shown);
        Invalidate();
    }
}

void TCustomTreeView::Resize()
{
    TCustomControl::Resize();
    FTopRow = std::clamp(FTopRow, 0, LastTopRow());
    UpdateScrollBar();
}

void TCustomTreeView::ScrollIntoView(const TTreeNode* node)
{
    const int32_t row = RowOf(node);
    if (row < 0)
        return;
    if (row < FTopRow)
        SetTopRow(row);
    else if (row >= FTopRow + VisibleRowCount())
        SetTopRow(row - VisibleRowCount() + 1);
}

bool TCustomTreeView::CanChange(TTreeNode* node)
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, node, allow);
    return allow;
}

void TCustomTreeView::Change(TTreeNode* node)
{
    if (OnChange)
        OnChange(this, node);
}

bool TCustomTreeView::CanExpand(TTreeNode* node)
{
    bool allow = true;
    if (OnExpanding)
        OnExpanding(this, node, allow);
    return allow;
}

bool TCustomTreeView::CanCollapse(TTreeNode* node)
{
    bool allow = true;
    if (OnCollapsing)
        OnCollapsing(this, node, allow);
    return allow;
}

void TCustomTreeView::SetSelected(TTreeNode* node)
{
    if (node == FSelected)
        return;
    FSelected = node;
    if (node)
        node->MakeVisible();
    Invalidate();
    Change(node);
}

void TCustomTreeView::UserSelect(TTreeNode* node)
{
    if (!node || node == FSelected || !CanChange(node))
        return;
    SetSelected(node);
}

// A collapse that hides the selected node moves the selection to the node
// collapsed, so the selection never disappears from view.
bool TCustomTreeView::SetExpandedChecked(TTreeNode* node, bool expanded)
{
    if (node->FExpanded == expanded)
        return true;
    if (node->HasChildren() && !(expanded ? CanExpand(node) : CanCollapse(node)))
        return false;
    node->FExpanded = expanded;
    FNodes.Changed();
    if (node->HasChildren()) {
        if (!expanded && FSelected && !FSelected->IsVisible())
            SetSelected(node);
        const TTVExpandedEvent& done = expanded ? OnExpanded : OnCollapsed;
        if (done)
            done(this, node);
    }
    return true;
}

void TCustomTreeView::ToggleExpanded(TTreeNode* node)
{
    if (node && node->HasChildren())
        node->SetExpanded(!node->Expanded());
}

void TCustomTreeView::FullExpand()
{
    FNodes.BeginUpdate();
    for (TTreeNode* node = FNodes.GetFirstNode(); node; node = node->GetNext())
        node->SetExpanded(true);
    FNodes.EndUpdate();
}

void TCustomTreeView::FullCollapse()
{
    FNodes.BeginUpdate();
    for (TTreeNode* node = FNodes.GetFirstNode(); node; node = node->GetNext())
        node->SetExpanded(false);
    FNodes.EndUpdate();
}

TTreeNode* TCustomTreeView::GetNodeAt(int32_t x, int32_t y) const
{
    const auto& rows = Rows();
    const int32_t row = FTopRow + (y - 2) / FItemHeight;
    if (y < 2 || x < 0 || x >= ClientWidth() || row >= static_cast<int32_t>(rows.size()))
        return nullptr;
    return rows[static_cast<size_t>(row)].Node;
}

void TCustomTreeView::SetRowSelect(bool rowSelect)
{
    FRowSelect = rowSelect;
    Invalidate();
}

void TCustomTreeView::SetHideSelection(bool hideSelection)
{
    FHideSelection = hideSelection;
    Invalidate();
}

void TCustomTreeView::SetShowLines(bool showLines)
{
    FShowLines = showLines;
    Invalidate();
}

void TCustomTreeView::SetShowButtons(bool showButtons)
{
    FShowButtons = showButtons;
    Invalidate();
}

void TCustomTreeView::SetShowRoot(bool showRoot)
{
    FShowRoot = showRoot;
    Invalidate();
}

void TCustomTreeView::SetIndent(int32_t indent)
{
    FIndent = std::max(indent, 1);
    Invalidate();
}

void TCustomTreeView::SetItemHeight(int32_t itemHeight)
{
    FItemHeight = std::max(itemHeight, 1);
    NodesChanged();
}

void TCustomTreeView::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    FImages.Notification(component, operation);
}

int32_t TCustomTreeView::ButtonX(int32_t level) const { return 2 + FIndent * (level + (FShowRoot ? 1 : 0)) - FIndent / 2; }

int32_t TCustomTreeView::TextX(int32_t level) const
{
    const int32_t left = 2 + FIndent * (level + (FShowRoot ? 1 : 0));
    const TImageList* images = Images();
    return images ? left + images->Width() + TextPadding : left;
}

TRect TCustomTreeView::TextRect(const TRow& row, int32_t rowIndex) const
{
    auto& canvas = const_cast<TCustomTreeView*>(this)->Canvas();
    canvas.SetFont(Font());
    const int32_t top = 2 + (rowIndex - FTopRow) * FItemHeight;
    const int32_t left = TextX(row.Level);
    return Rect(left, top, left + canvas.TextWidth(row.Node->Text()) + 2 * TextPadding, top + FItemHeight);
}

void TCustomTreeView::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y)
{
    if (button == mbLeft || button == mbRight) {
        if (CanFocus())
            SetFocus();
        if (TTreeNode* node = GetNodeAt(x, y)) {
            const int32_t row = RowOf(node);
            const TRow& entry = Rows()[static_cast<size_t>(row)];
            const bool onButton = FShowButtons && node->HasChildren() && (entry.Level > 0 || FShowRoot)
                && std::abs(x - ButtonX(entry.Level)) <= ButtonHalf + 1;
            const int32_t itemLeft = 2 + FIndent * (entry.Level + (FShowRoot ? 1 : 0));
            if (button == mbLeft && onButton)
                ToggleExpanded(node);
            else if (FRowSelect || (x >= itemLeft && x < TextRect(entry, row).Right))
                UserSelect(node);
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

bool TCustomTreeView::DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos)
{
    if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    SetTopRow(FTopRow - WheelScrollRows(wheelDelta, VisibleRowCount()));
    return true;
}

void TCustomTreeView::KeyCommand(uint16_t key)
{
    const auto& rows = Rows();
    if (rows.empty())
        return;
    const auto last = static_cast<int32_t>(rows.size()) - 1;
    const int32_t current = FSelected ? RowOf(FSelected) : -1;
    const auto nodeAt = [&](int32_t row) { return rows[static_cast<size_t>(std::clamp(row, 0, last))].Node; };
    switch (key) {
    case VK_UP:
        UserSelect(nodeAt(current < 0 ? 0 : current - 1));
        break;
    case VK_DOWN:
        UserSelect(nodeAt(current + 1));
        break;
    case VK_PRIOR:
        UserSelect(nodeAt(current - VisibleRowCount() + 1));
        break;
    case VK_NEXT:
        UserSelect(nodeAt(std::max(current, 0) + VisibleRowCount() - 1));
        break;
    case VK_HOME:
        UserSelect(nodeAt(0));
        break;
    case VK_END:
        UserSelect(nodeAt(last));
        break;
    case VK_LEFT:
        if (!FSelected)
            break;
        if (FSelected->HasChildren() && FSelected->Expanded())
            FSelected->SetExpanded(false);
        else
            UserSelect(FSelected->Parent());
        break;
    case VK_RIGHT:
        if (!FSelected || !FSelected->HasChildren())
            break;
        if (!FSelected->Expanded())
            FSelected->SetExpanded(true);
        else
            UserSelect(FSelected->GetFirstChild());
        break;
    case VK_ADD:
        if (FSelected)
            FSelected->SetExpanded(true);
        break;
    case VK_SUBTRACT:
        if (FSelected)
            FSelected->SetExpanded(false);
        break;
    case VK_MULTIPLY:
        if (FSelected)
            FSelected->Expand(true);
        break;
    default:
        break;
    }
}

void TCustomTreeView::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_KEYDOWN:
        KeyCommand(static_cast<uint16_t>(message.WParam));
        return;
    case WM_CHAR: {
        // The keypad's + - * act on the branch, not as a search.
        const auto character = static_cast<TChar>(message.WParam);
        if (character <= 0x20 || character == u'+' || character == u'-' || character == u'*')
            return;
        const auto& rows = Rows();
        const int32_t found = FSearch.Find(static_cast<int32_t>(rows.size()),
            [&rows](int32_t index) { return rows[static_cast<size_t>(index)].Node->Text(); },
            FSelected ? RowOf(FSelected) : -1, character);
        if (found >= 0)
            UserSelect(rows[static_cast<size_t>(found)].Node);
        return;
    }
    case WM_LBUTTONDBLCLK:
        TCustomControl::DefaultHandler(message);
        ToggleExpanded(GetNodeAt(LParamToPoint(message.LParam).X, LParamToPoint(message.LParam).Y));
        return;
    case WM_VSCROLL:
        SetTopRow(ScrollTarget(message.WParam, FTopRow, 1, VisibleRowCount(), LastTopRow()));
        return;
    default:
        break;
    }
    TCustomControl::DefaultHandler(message);
}

void TCustomTreeView::WMSetFocus(TMessage& message)
{
    TCustomControl::WMSetFocus(message);
    Invalidate();
}

void TCustomTreeView::WMKillFocus(TMessage& message)
{
    TCustomControl::WMKillFocus(message);
    Invalidate();
}

void TCustomTreeView::PaintLines(TCanvas& canvas, const TRow& row, int32_t top)
{
    const int32_t middle = top + FItemHeight / 2;
    const int32_t bottom = top + FItemHeight;
    const bool drawn = row.Level > 0 || FShowRoot;
    if (FShowLines && drawn) {
        const int32_t x = ButtonX(row.Level);
        const bool first = !row.Node->Parent() && !row.Node->GetPrevSibling();
        DottedLine(canvas, x, first ? middle : top, x, row.Node->GetNextSibling() ? bottom : middle + 1, clGray);
        DottedLine(canvas, x, middle, x + FIndent / 2 + 1, middle, clGray);
        // The lines of the parents that have siblings still to come.
        int32_t level = row.Level - 1;
        for (const TTreeNode* parent = row.Node->Parent(); parent; parent = parent->Parent(), --level)
            if (parent->GetNextSibling() && (level > 0 || FShowRoot))
                DottedLine(canvas, ButtonX(level), top, ButtonX(level), bottom, clGray);
    }
    if (FShowButtons && drawn && row.Node->HasChildren()) {
        const int32_t x = ButtonX(row.Level);
        const TRect box = Rect(x - ButtonHalf, middle - ButtonHalf, x + ButtonHalf + 1, middle + ButtonHalf + 1);
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(box);
        canvas.Brush().SetColor(clGray);
        canvas.FrameRect(box);
        canvas.Pen().SetColor(clWindowText);
        canvas.MoveTo(x - 2, middle);
        canvas.LineTo(x + 3, middle);
        if (!row.Node->Expanded()) {
            canvas.MoveTo(x, middle - 2);
            canvas.LineTo(x, middle + 3);
        }
    }
}

void TCustomTreeView::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.Pen().SetColor(clBtnShadow);
    canvas.Rectangle(Rect(0, 0, Width(), Height()));
    const auto& rows = Rows();
    const int32_t right = ClientWidth() - 2;
    const TImageList* images = Images();
    for (int32_t index = FTopRow; index < static_cast<int32_t>(rows.size()); ++index) {
        const int32_t top = 2 + (index - FTopRow) * FItemHeight;
        if (top >= Height() - 2)
            break;
        const TRow& row = rows[static_cast<size_t>(index)];
        PaintLines(canvas, row, top);
        if (images && row.Node->ImageIndex() >= 0)
            images->Draw(canvas, TextX(row.Level) - images->Width() - TextPadding, top + (FItemHeight - images->Height()) / 2,
                row.Node->ImageIndex(), Enabled());
        TRect textRect = TextRect(row, index);
        const bool selected = row.Node == FSelected;
        const bool highlighted = selected && (Focused() || !FHideSelection);
        if (FRowSelect)
            textRect.Right = right;
        canvas.SetFont(Font());
        if (highlighted) {
            canvas.Brush().SetStyle(bsSolid);
            canvas.Brush().SetColor(Focused() ? clHighlight : clBtnFace);
            canvas.FillRect(FRowSelect ? Rect(2, top, right, top + FItemHeight) : textRect);
        }
        canvas.Font().SetColor(!Enabled() ? clGrayText : highlighted && Focused() ? clHighlightText : Font().Color());
        canvas.Brush().SetStyle(bsClear);
        TRect drawRect = Rect(textRect.Left + TextPadding, textRect.Top, textRect.Right, textRect.Bottom);
        canvas.DrawText(row.Node->Text(), drawRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (selected && Focused())
            canvas.DrawFocusRect(FRowSelect ? Rect(2, top, right, top + FItemHeight) : textRect);
    }
}
