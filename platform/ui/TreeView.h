#pragma once

#include "platform/graphics/ImageList.h"
#include "platform/ui/TypedSearch.h"
#include "platform/ui/Controls.h"

#include <memory>
#include <vector>

class TCustomTreeView;
class TScrollBarHost;
class TTreeNodes;

// One node of a tree view. Nodes are made and freed by their TTreeNodes.
class TTreeNode {
public:
    TTreeNode(TTreeNodes* owner, TTreeNode* parent);
    ~TTreeNode();
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    TTreeNodes* Owner() const { return FOwner; }
    TCustomTreeView* TreeView() const;
    // Null for a top-level node.
    TTreeNode* Parent() const;
    const String& Text() const { return FText; }
    void SetText(const String& text);
    void* Data() const { return FData; }
    void SetData(void* data) { FData = data; }
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t index);

    int32_t Count() const { return static_cast<int32_t>(FChildren.size()); }
    TTreeNode* Item(int32_t index) const;
    bool HasChildren() const { return !FChildren.empty(); }
    // The place among its siblings, from 0.
    int32_t Index() const;
    // 0 for a top-level node.
    int32_t Level() const;
    // The place in the whole tree, counted in tree order.
    int32_t AbsoluteIndex() const;

    TTreeNode* GetFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front().get(); }
    TTreeNode* GetLastChild() const { return FChildren.empty() ? nullptr : FChildren.back().get(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node in tree order (first child, else next sibling, else the
    // next sibling of the nearest parent that has one).
    TTreeNode* GetNext() const;
    // The next and previous node a user sees (under expanded parents).
    TTreeNode* GetNextVisible() const;
    TTreeNode* GetPrevVisible() const;
    // Every parent is expanded.
    bool IsVisible() const;

    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool expanded);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    void SetSelected(bool selected);
    // Expands the parents and scrolls the node into view.
    void MakeVisible();
    // The node's row (or, with textOnly, its text) in client coordinates;
    // empty when it is not shown.
    TRect DisplayRect(bool textOnly) const;

    // Frees the node and its children.
    void Delete();
    void DeleteChildren();

private:
    friend class TCustomTreeView;
    friend class TTreeNodes;
    TTreeNode* InsertChild(int32_t index, const String& text, void* data);
    std::unique_ptr<TTreeNode> TakeChild(TTreeNode* child);

    TTreeNodes* FOwner;
    TTreeNode* FParent;
    String FText;
    void* FData = nullptr;
    int32_t FImageIndex = -1;
    bool FExpanded = false;
    std::vector<std::unique_ptr<TTreeNode>> FChildren;
};

// The nodes of a tree view. Adding never selects; freeing the selected node
// leaves the tree without a selection.
class TTreeNodes {
public:
    explicit TTreeNodes(TCustomTreeView* owner);
    ~TTreeNodes();
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;

    TCustomTreeView* Owner() const { return FOwner; }
    // All nodes, at every level.
    int32_t Count() const;
    // The node at an absolute index (tree order).
    TTreeNode* Item(int32_t index) const;
    TTreeNode* GetFirstNode() const { return FRoot.GetFirstChild(); }

    // A node after the last sibling of sibling (top level when null).
    TTreeNode* Add(TTreeNode* sibling, const String& text) { return AddObject(sibling, text, nullptr); }
    TTreeNode* AddObject(TTreeNode* sibling, const String& text, void* data);
    TTreeNode* AddFirst(TTreeNode* sibling, const String& text);
    // A node after the last child of parent (top level when null).
    TTreeNode* AddChild(TTreeNode* parent, const String& text) { return AddChildObject(parent, text, nullptr); }
    TTreeNode* AddChildObject(TTreeNode* parent, const String& text, void* data);
    TTreeNode* AddChildFirst(TTreeNode* parent, const String& text);
    // A node just before sibling (last at top level when null).
    TTreeNode* Insert(TTreeNode* sibling, const String& text);
    void Delete(TTreeNode* node);
    void Clear();

    // Changes between these leave the view's repaint and scroll bar to the end.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

private:
    friend class TTreeNode;
    friend class TCustomTreeView;
    TTreeNode* ParentOf(TTreeNode* node) { return node ? node : &FRoot; }
    void Changed();
    void Removing(TTreeNode* node);

    TCustomTreeView* FOwner;
    TTreeNode FRoot;
    int32_t FUpdateCount = 0;
};

using TTVChangedEvent = std::function<void(TComponent* sender, TTreeNode* node)>;
using TTVChangingEvent = std::function<void(TComponent* sender, TTreeNode* node, bool& allowChange)>;
using TTVExpandingEvent = std::function<void(TComponent* sender, TTreeNode* node, bool& allowExpansion)>;
using TTVExpandedEvent = std::function<void(TComponent* sender, TTreeNode* node)>;

// A tree of captioned nodes in the classic look: dotted lines, plus and
// minus buttons, the selection highlighted (grey while unfocused unless
// HideSelection). A vertical scroll bar shows when the rows do not fit.
// Keys: Up/Down/PgUp/PgDn/Home/End move the selection; Left collapses or
// goes to the parent; Right expands or goes to the first child; + and -
// expand and collapse; * expands the branch; letters find a node by prefix.
class TCustomTreeView : public TCustomControl {
public:
    explicit TCustomTreeView(TComponent* owner);
    ~TCustomTreeView() override;

    TTreeNodes& Items() { return FNodes; }
    const TTreeNodes& Items() const { return FNodes; }
    // The selected node, or null. Setting it asks OnChanging only for the
    // user's choices; OnChange fires for every change.
    TTreeNode* Selected() const { return FSelected; }
    void SetSelected(TTreeNode* node);
    TTreeNode* TopItem() const;
    void SetTopItem(TTreeNode* node);
    TTreeNode* GetNodeAt(int32_t x, int32_t y) const;
    void FullExpand();
    void FullCollapse();

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly) { FReadOnly = readOnly; }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool rowSelect);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool hideSelection);
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool showLines);
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool showButtons);
    // Lines and buttons for the top-level nodes too.
    bool ShowRoot() const { return FShowRoot; }
    void SetShowRoot(bool showRoot);
    int32_t Indent() const { return FIndent; }
    void SetIndent(int32_t indent);
    int32_t ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int32_t itemHeight);
    // Not owned; freeing the list clears it, its changes repaint the tree.
    TImageList* Images() const { return FImages.Images(); }
    void SetImages(TImageList* images) { FImages.SetImages(images); }
    // The rows that fit in the client area.
    int32_t VisibleRowCount() const;
    bool ScrollBarShown() const;

    int32_t ClientWidth() const override;

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVExpandingEvent OnExpanding;
    TTVExpandedEvent OnExpanded;
    TTVExpandingEvent OnCollapsing;
    TTVExpandedEvent OnCollapsed;
    TTVExpandedEvent OnDeletion;

protected:
    virtual bool CanChange(TTreeNode* node);
    virtual void Change(TTreeNode* node);
    virtual bool CanExpand(TTreeNode* node);
    virtual bool CanCollapse(TTreeNode* node);

    void DefaultHandler(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    bool DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Resize() override;
    void Paint() override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    struct TRow {
        TTreeNode* Node;
        int32_t Level;
    };

    const std::vector<TRow>& Rows() const;
    int32_t RowOf(const TTreeNode* node) const;
    int32_t LastTopRow() const;
    void SetTopRow(int32_t row);
    void NodesChanged();
    void NodeRemoving(TTreeNode* node);
    // The x of a node's button centre and of its text.
    int32_t ButtonX(int32_t level) const;
    int32_t TextX(int32_t level) const;
    TRect TextRect(const TRow& row, int32_t rowIndex) const;
    void UserSelect(TTreeNode* node);
    void ToggleExpanded(TTreeNode* node);
    bool SetExpandedChecked(TTreeNode* node, bool expanded);
    void ScrollIntoView(const TTreeNode* node);
    void UpdateScrollBar();
    void KeyCommand(uint16_t key);
    void PaintLines(TCanvas& canvas, const TRow& row, int32_t top);

    TTreeNodes FNodes;
    TTreeNode* FSelected = nullptr;
    std::unique_ptr<TScrollBarHost> FScrollBar;
    TTypedSearch FSearch;
    TImageListReference FImages;
    mutable std::vector<TRow> FRows;
    mutable bool FRowsValid = false;
    int32_t FTopRow = 0;
    bool FReadOnly = false;
    bool FRowSelect = false;
    bool FHideSelection = true;
    bool FShowLines = true;
    bool FShowButtons = true;
    bool FShowRoot = true;
    int32_t FIndent = 19;
    int32_t FItemHeight = 16;
};

class TTreeView : public TCustomTreeView {
public:
    using TCustomTreeView::TCustomTreeView;
};
