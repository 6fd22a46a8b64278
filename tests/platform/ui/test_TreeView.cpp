#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"
#include "platform/ui/TreeView.h"

#include <gtest/gtest.h>

namespace {

// Root "Unidirectional" with two children, the first holding two more:
//   Root
//     EEP A
//       var 1
//       var 2
//     EEP B
struct TreeFixture : testing::Test {
    TreeFixture()
    {
        Tree = new TTreeView(&Form);
        Tree->SetParent(&Form);
        Tree->SetBounds(0, 0, 200, 4 + 4 * 16);
        Root = Tree->Items().Add(nullptr, "Root");
        EepA = Tree->Items().AddChild(Root, "EEP A");
        Var1 = Tree->Items().AddChild(EepA, "var 1");
        Var2 = Tree->Items().AddChild(EepA, "var 2");
        EepB = Tree->Items().AddChild(Root, "EEP B");
        Tree->OnChange = [this](TComponent*, TTreeNode* node) { Changes.push_back(node ? node->Text().toStdString() : "none"); };
    }
    TForm Form { nullptr };
    TTreeView* Tree = nullptr;
    TTreeNode* Root = nullptr;
    TTreeNode* EepA = nullptr;
    TTreeNode* Var1 = nullptr;
    TTreeNode* Var2 = nullptr;
    TTreeNode* EepB = nullptr;
    std::vector<std::string> Changes;
};

} // namespace

TEST_F(TreeFixture, NodesKnowTheirPlaceAndAddingSelectsNothing)
{
    EXPECT_EQ(Tree->Items().Count(), 5);
    EXPECT_EQ(Tree->Selected(), nullptr);
    EXPECT_EQ(Root->Count(), 2);
    EXPECT_EQ(Root->Parent(), nullptr);
    EXPECT_EQ(Var2->Parent(), EepA);
    EXPECT_EQ(Var2->Level(), 2);
    EXPECT_EQ(EepB->Index(), 1);
    EXPECT_EQ(EepB->AbsoluteIndex(), 4);
    EXPECT_EQ(Tree->Items().Item(2), Var1);
    EXPECT_EQ(Var2->GetNext(), EepB);
    EXPECT_EQ(Root->Item(0)->GetNextSibling(), EepB);
    EXPECT_THROW(Root->Item(2), EListError);

    TTreeNode* first = Tree->Items().AddChildFirst(Root, "EEP 0");
    EXPECT_EQ(Root->Item(0), first);
    TTreeNode* before = Tree->Items().Insert(EepB, "EEP A2");
    EXPECT_EQ(before->Index(), 2);
    EXPECT_TRUE(Changes.empty());
}

TEST_F(TreeFixture, FullExpandShowsEveryRowAndCollapseMovesAHiddenSelectionUp)
{
    EXPECT_FALSE(Var1->IsVisible());
    Tree->FullExpand();
    EXPECT_TRUE(Var1->IsVisible());
    EXPECT_EQ(Root->GetNextVisible(), EepA);
    EXPECT_EQ(EepB->GetPrevVisible(), Var2);
    EXPECT_TRUE(Tree->ScrollBarShown()) << "five rows in a view of four";

    Tree->SetSelected(Var2);
    EXPECT_TRUE(Var2->Selected());
    EepA->Collapse(false);
    EXPECT_EQ(Tree->Selected(), EepA);
    EXPECT_FALSE(Tree->ScrollBarShown());
    EXPECT_EQ(Changes, (std::vector<std::string> { "var 2", "EEP A" }));
}

TEST_F(TreeFixture, ExpandingCanBeRefusedAndIsReported)
{
    std::vector<std::string> log;
    bool allow = false;
    Tree->OnExpanding = [&](TComponent*, TTreeNode* node, bool& allowed) {
        log.push_back("expanding " + node->Text().toStdString());
        allowed = allow;
    };
    Tree->OnExpanded = [&](TComponent*, TTreeNode* node) { log.push_back("expanded " + node->Text().toStdString()); };
    Root->Expand(false);
    EXPECT_FALSE(Root->Expanded());
    allow = true;
    Root->Expand(false);
    EXPECT_TRUE(Root->Expanded());
    EXPECT_EQ(log, (std::vector<std::string> { "expanding Root", "expanding Root", "expanded Root" }));
}

TEST_F(TreeFixture, KeysMoveTheSelectionAndOpenAndCloseBranches)
{
    Tree->FullExpand();
    struct Case {
        uint16_t key;
        const TTreeNode* selected;
        bool eepExpanded;
    };
    const Case cases[] = {
        { VK_DOWN, Root, true }, // nothing selected: the first row
        { VK_DOWN, EepA, true },
        { VK_LEFT, EepA, false }, // an open branch closes
        { VK_DOWN, EepB, false },
        { VK_UP, EepA, false },
        { VK_RIGHT, EepA, true }, // a closed branch opens
        { VK_RIGHT, Var1, true }, // an open one goes to its first child
        { VK_END, EepB, true },
        { VK_HOME, Root, true },
        { VK_NEXT, Var2, true }, // a page of four rows
        { VK_LEFT, EepA, true }, // a leaf goes to its parent
        { VK_SUBTRACT, EepA, false },
        { VK_ADD, EepA, true },
    };
    int step = 0;
    for (const Case& entry : cases) {
        SCOPED_TRACE(step++);
        Tree->Perform(WM_KEYDOWN, entry.key);
        EXPECT_EQ(Tree->Selected(), entry.selected);
        EXPECT_EQ(EepA->Expanded(), entry.eepExpanded);
    }
    Tree->Perform(WM_CHAR, u'e');
    EXPECT_EQ(Tree->Selected(), EepB) << "a letter finds the next visible node starting with it";
}

TEST_F(TreeFixture, OnChangingCanKeepTheSelectionButTheProgramAlwaysSets)
{
    Tree->FullExpand();
    Tree->OnChanging = [](TComponent*, TTreeNode*, bool& allow) { allow = false; };
    Tree->Perform(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(Tree->Selected(), nullptr);
    Tree->SetSelected(EepB);
    EXPECT_EQ(Tree->Selected(), EepB);
}

TEST_F(TreeFixture, ClicksSelectTheTextOrTheRowAndTheButtonToggles)
{
    Tree->SetShowRoot(false);
    Tree->FullExpand();
    const int32_t rowMiddle = 2 + 16 + 8; // second row: EEP A
    const TRect text = EepA->DisplayRect(true);
    ASSERT_GT(text.Width(), 0);
    struct Case {
        const char* name;
        int32_t x;
        int32_t y;
        bool rowSelect;
        const TTreeNode* selected;
    };
    const Case cases[] = {
        { "right of the text", text.Right + 20, rowMiddle, false, nullptr },
        { "the same with row select", text.Right + 20, rowMiddle, true, EepA },
        { "below every row", 5, 100, true, EepA },
        { "on the text", Var2->DisplayRect(true).Left + 3, 2 + 3 * 16 + 8, false, Var2 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Tree->SetRowSelect(entry.rowSelect);
        Tree->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(entry.x, entry.y));
        Tree->Perform(WM_LBUTTONUP, 0, MakeLParam(entry.x, entry.y));
        EXPECT_EQ(Tree->Selected(), entry.selected);
    }
    // The button of EEP A sits half an indent left of its text column.
    const int32_t buttonX = text.Left - Tree->Indent() / 2;
    Tree->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(buttonX, rowMiddle));
    EXPECT_FALSE(EepA->Expanded());
}

TEST_F(TreeFixture, DeletingAndClearingLeaveNoSelectionAndReportEachNode)
{
    Tree->FullExpand();
    Tree->SetSelected(Var1);
    std::vector<std::string> deleted;
    Tree->OnDeletion = [&](TComponent*, TTreeNode* node) { deleted.push_back(node->Text().toStdString()); };
    EepA->Delete();
    EXPECT_EQ(deleted, (std::vector<std::string> { "var 1", "var 2", "EEP A" }));
    EXPECT_EQ(Tree->Selected(), nullptr);
    EXPECT_EQ(Tree->Items().Count(), 2);
    Tree->SetSelected(EepB);
    Tree->Items().Clear();
    EXPECT_EQ(Tree->Items().Count(), 0);
    EXPECT_EQ(Tree->Selected(), nullptr);
    EXPECT_EQ(Changes, (std::vector<std::string> { "var 1", "none", "EEP B", "none" }));
}

TEST_F(TreeFixture, SelectionStaysVisibleWithoutFocusUnlessHidden)
{
    Tree->FullExpand();
    Tree->SetSelected(Root);
    const TRect text = Root->DisplayRect(true);
    auto colourBehindSelection = [&] {
        TBitmap bitmap;
        GrabControl(*Tree, bitmap);
        return bitmap.Canvas().Pixels(text.Right - 1, text.Top + 1);
    };
    Tree->SetHideSelection(true);
    EXPECT_EQ(colourBehindSelection(), ColorToRGB(clWindow));
    Tree->SetHideSelection(false);
    EXPECT_EQ(colourBehindSelection(), ColorToRGB(clBtnFace));
}

TEST(TreeView, AFreedImageListLeavesTheView)
{
    TForm form(nullptr);
    auto* tree = new TTreeView(&form);
    auto images = std::make_unique<TImageList>(nullptr);
    tree->SetImages(images.get());
    images.reset();
    EXPECT_EQ(tree->Images(), nullptr);
}
