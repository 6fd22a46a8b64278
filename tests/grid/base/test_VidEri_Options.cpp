#include "grid/base/VidEri_Options.h"

#include <gtest/gtest.h>

#include <iterator>
#include <limits>

namespace {

template <typename TObject>
struct TFlagCase {
    const char* Name;
    bool (TObject::*Get)() const;
    void (TObject::*Set)(bool);
    bool Default;
    bool Copied;
};

// Every flag starts at its default; Assign from an object with every flag
// flipped copies exactly the flags marked as copied.
template <typename TObject, size_t N>
void CheckFlags(const TFlagCase<TObject> (&cases)[N])
{
    TObject fresh;
    TObject source;
    for (const auto& flag : cases) (source.*flag.Set)(!flag.Default);
    TObject target;
    target.Assign(source);
    for (const auto& flag : cases) {
        SCOPED_TRACE(flag.Name);
        EXPECT_EQ((fresh.*flag.Get)(), flag.Default);
        EXPECT_EQ((target.*flag.Get)(), flag.Copied ? !flag.Default : flag.Default);
    }
}

using TNav = TNavigation;
const TFlagCase<TNav> NavigationFlags[] = {
    { "AllowInsertRow", &TNav::AllowInsertRow, &TNav::SetAllowInsertRow, false, true },
    { "AllowDeleteRow", &TNav::AllowDeleteRow, &TNav::SetAllowDeleteRow, false, true },
    { "AdvanceOnEnter", &TNav::AdvanceOnEnter, &TNav::SetAdvanceOnEnter, false, true },
    { "AdvanceInsert", &TNav::AdvanceInsert, &TNav::SetAdvanceInsert, false, true },
    { "AutoGotoWhenSorted", &TNav::AutoGotoWhenSorted, &TNav::SetAutoGotoWhenSorted, false, true },
    { "AutoGotoIncremental", &TNav::AutoGotoIncremental, &TNav::SetAutoGotoIncremental, false, true },
    { "AutoComboDropSize", &TNav::AutoComboDropSize, &TNav::SetAutoComboDropSize, false, true },
    { "AllowClipboardShortCuts", &TNav::AllowClipboardShortCuts, &TNav::SetAllowClipboardShortCuts, false, true },
    { "AllowRTFClipboard", &TNav::AllowRTFClipboard, &TNav::SetAllowRTFClipboard, false, true },
    { "AllowSmartClipboard", &TNav::AllowSmartClipboard, &TNav::SetAllowSmartClipboard, false, true },
    { "AllowClipboardAlways", &TNav::AllowClipboardAlways, &TNav::SetAllowClipboardAlways, false, true },
    { "AllowClipboardColGrow", &TNav::AllowClipboardColGrow, &TNav::SetAllowClipboardColGrow, true, true },
    { "AllowClipboardRowGrow", &TNav::AllowClipboardRowGrow, &TNav::SetAllowClipboardRowGrow, true, true },
    { "CopyHTMLTagsToClipboard", &TNav::CopyHTMLTagsToClipboard, &TNav::SetCopyHTMLTagsToClipboard, true, true },
    { "AdvanceAutoEdit", &TNav::AdvanceAutoEdit, &TNav::SetAdvanceAutoEdit, true, true },
    { "CursorWalkEditor", &TNav::CursorWalkEditor, &TNav::SetCursorWalkEditor, false, true },
    { "CursorWalkAlwaysEdit", &TNav::CursorWalkAlwaysEdit, &TNav::SetCursorWalkAlwaysEdit, true, true },
    { "MoveRowOnSort", &TNav::MoveRowOnSort, &TNav::SetMoveRowOnSort, false, true },
    { "KeepScrollOnSort", &TNav::KeepScrollOnSort, &TNav::SetKeepScrollOnSort, false, false },
    { "ImproveMaskSel", &TNav::ImproveMaskSel, &TNav::SetImproveMaskSel, false, true },
    { "AlwaysEdit", &TNav::AlwaysEdit, &TNav::SetAlwaysEdit, false, true },
    { "LineFeedOnEnter", &TNav::LineFeedOnEnter, &TNav::SetLineFeedOnEnter, false, true },
    { "KeepHorizScroll", &TNav::KeepHorizScroll, &TNav::SetKeepHorizScroll, false, true },
    { "AllowFmtClipboard", &TNav::AllowFmtClipboard, &TNav::SetAllowFmtClipboard, false, true },
    { "TabToNextAtEnd", &TNav::TabToNextAtEnd, &TNav::SetTabToNextAtEnd, false, true },
    { "EditSelectAll", &TNav::EditSelectAll, &TNav::SetEditSelectAll, true, true },
    { "SkipFixedCells", &TNav::SkipFixedCells, &TNav::SetSkipFixedCells, true, true },
    { "SkipDisabledRows", &TNav::SkipDisabledRows, &TNav::SetSkipDisabledRows, true, true },
    { "AllowCtrlEnter", &TNav::AllowCtrlEnter, &TNav::SetAllowCtrlEnter, true, true },
    { "AppendOnArrowDown", &TNav::AppendOnArrowDown, &TNav::SetAppendOnArrowDown, false, true },
    { "LeftRightRowSelect", &TNav::LeftRightRowSelect, &TNav::SetLeftRightRowSelect, true, true },
    { "MoveScrollOnly", &TNav::MoveScrollOnly, &TNav::SetMoveScrollOnly, false, true },
    { "ComboGetUpDown", &TNav::ComboGetUpDown, &TNav::SetComboGetUpDown, true, true },
    { "AdvanceOnEnterLoop", &TNav::AdvanceOnEnterLoop, &TNav::SetAdvanceOnEnterLoop, true, true },
    { "AdvanceSkipReadOnlyCells", &TNav::AdvanceSkipReadOnlyCells, &TNav::SetAdvanceSkipReadOnlyCells, true, true },
    { "CursorMoveRows", &TNav::CursorMoveRows, &TNav::SetCursorMoveRows, false, true },
};

using TMouse = TMouseActions;
const TFlagCase<TMouse> MouseFlags[] = {
    { "ColSelect", &TMouse::ColSelect, &TMouse::SetColSelect, false, true },
    { "RowSelect", &TMouse::RowSelect, &TMouse::SetRowSelect, false, true },
    { "AllSelect", &TMouse::AllSelect, &TMouse::SetAllSelect, false, true },
    { "DirectEdit", &TMouse::DirectEdit, &TMouse::SetDirectEdit, false, true },
    { "DirectComboDrop", &TMouse::DirectComboDrop, &TMouse::SetDirectComboDrop, false, true },
    { "DirectComboClose", &TMouse::DirectComboClose, &TMouse::SetDirectComboClose, false, true },
    { "DirectDateClose", &TMouse::DirectDateClose, &TMouse::SetDirectDateClose, false, true },
    { "DirectDateDrop", &TMouse::DirectDateDrop, &TMouse::SetDirectDateDrop, false, true },
    { "DisjunctRowSelect", &TMouse::DisjunctRowSelect, &TMouse::SetDisjunctRowSelect, false, true },
    { "DisjunctColSelect", &TMouse::DisjunctColSelect, &TMouse::SetDisjunctColSelect, false, true },
    { "DisjunctCellSelect", &TMouse::DisjunctCellSelect, &TMouse::SetDisjunctCellSelect, false, true },
    { "AllColumnSize", &TMouse::AllColumnSize, &TMouse::SetAllColumnSize, false, true },
    { "AllRowSize", &TMouse::AllRowSize, &TMouse::SetAllRowSize, false, true },
    { "CaretPositioning", &TMouse::CaretPositioning, &TMouse::SetCaretPositioning, false, true },
    { "SizeFixedCol", &TMouse::SizeFixedCol, &TMouse::SetSizeFixedCol, false, true },
    { "SizeFixedRow", &TMouse::SizeFixedRow, &TMouse::SetSizeFixedRow, false, false },
    { "RangeSelectAndEdit", &TMouse::RangeSelectAndEdit, &TMouse::SetRangeSelectAndEdit, false, true },
    { "NoAutoRangeScroll", &TMouse::NoAutoRangeScroll, &TMouse::SetNoAutoRangeScroll, false, true },
    { "PreciseCheckBoxCheck", &TMouse::PreciseCheckBoxCheck, &TMouse::SetPreciseCheckBoxCheck, false, true },
    { "PreciseNodeClick", &TMouse::PreciseNodeClick, &TMouse::SetPreciseNodeClick, true, true },
    { "CheckAllCheck", &TMouse::CheckAllCheck, &TMouse::SetCheckAllCheck, false, true },
    { "NodeAllExpandContract", &TMouse::NodeAllExpandContract, &TMouse::SetNodeAllExpandContract, false, true },
    { "MoveRowOnNodeClick", &TMouse::MoveRowOnNodeClick, &TMouse::SetMoveRowOnNodeClick, false, true },
    { "RowSelectPersistent", &TMouse::RowSelectPersistent, &TMouse::SetRowSelectPersistent, false, true },
    { "SelectOnRightClick", &TMouse::SelectOnRightClick, &TMouse::SetSelectOnRightClick, false, true },
    { "NoScrollOnPartialRow", &TMouse::NoScrollOnPartialRow, &TMouse::SetNoScrollOnPartialRow, false, true },
    { "AutoSizeColOnDblClick", &TMouse::AutoSizeColOnDblClick, &TMouse::SetAutoSizeColOnDblClick, true, true },
    { "EditOnDblClickOnly", &TMouse::EditOnDblClickOnly, &TMouse::SetEditOnDblClickOnly, false, false },
    { "DisjunctRowSelectNoCtrl", &TMouse::DisjunctRowSelectNoCtrl, &TMouse::SetDisjunctRowSelectNoCtrl, false, true },
};

} // namespace

TEST(NavigationTest, FlagsStartAtTheirDefaultsAndAssignCopiesAllButKeepScrollOnSort)
{
    CheckFlags(NavigationFlags);
}

TEST(NavigationTest, EnumerationsStartAtTheirDefaultsAndAssignCopiesEachIndependently)
{
    const TNavigation fresh;
    EXPECT_EQ(fresh.ClipboardPasteAction(), paReplace);
    EXPECT_EQ(fresh.AdvanceDirection(), adLeftRight);
    EXPECT_EQ(fresh.TabAdvanceDirection(), adLeftRight);
    EXPECT_EQ(fresh.InsertPosition(), pInsertBefore);
    EXPECT_EQ(fresh.HomeEndKey(), heFirstLastColumn);
    EXPECT_EQ(fresh.CursorAdvance(), caDefault);
    EXPECT_FALSE(fresh.AdvanceAuto());

    TNavigation source;
    source.SetClipboardPasteAction(paInsert);
    source.SetAdvanceDirection(adTopBottom);
    source.SetTabAdvanceDirection(adTopBottomInCol);
    source.SetInsertPosition(pInsertAfter);
    source.SetHomeEndKey(heFirstLastCell);
    source.SetCursorAdvance(caSnake);
    source.SetAdvanceAuto(true);
    TNavigation target;
    int changes = 0;
    target.OnChange = [&changes](TNavigation*) { ++changes; };
    target.Assign(source);
    EXPECT_EQ(target.ClipboardPasteAction(), paInsert);
    EXPECT_EQ(target.AdvanceDirection(), adTopBottom);
    EXPECT_EQ(target.TabAdvanceDirection(), adTopBottomInCol);
    EXPECT_EQ(target.InsertPosition(), pInsertAfter);
    EXPECT_EQ(target.HomeEndKey(), heFirstLastCell);
    EXPECT_EQ(target.CursorAdvance(), caSnake);
    EXPECT_TRUE(target.AdvanceAuto());
    EXPECT_EQ(changes, 0);
}

TEST(NavigationTest, AdvanceInsertAndAdvanceDirectionAnnounceOnlyRealChanges)
{
    TNavigation navigation;
    TNavigation* sender = nullptr;
    int changes = 0;
    navigation.OnChange = [&](TNavigation* from) {
        sender = from;
        ++changes;
    };
    navigation.SetAdvanceInsert(false);
    navigation.SetAdvanceDirection(adLeftRight);
    EXPECT_EQ(changes, 0);
    navigation.SetAdvanceInsert(true);
    navigation.SetAdvanceDirection(adTopBottom);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(sender, &navigation);
    navigation.SetAllowInsertRow(true);
    navigation.SetTabAdvanceDirection(adTopBottom);
    EXPECT_EQ(changes, 2);
}

TEST(NavigationTest, AdvanceAutoTurnsAdvanceOnEnterOnButNeverOff)
{
    TNavigation navigation;
    navigation.SetAdvanceAuto(true);
    EXPECT_TRUE(navigation.AdvanceOnEnter());
    navigation.SetAdvanceAuto(false);
    EXPECT_TRUE(navigation.AdvanceOnEnter());
    navigation.SetAdvanceOnEnter(false);
    navigation.SetAdvanceAuto(false);
    EXPECT_FALSE(navigation.AdvanceOnEnter());
}

TEST(NavigationTest, AssignFromAnotherClassChangesNothing)
{
    TFocusHelper helper;
    helper.SetEnabled(true);
    TNavigation navigation;
    navigation.SetAllowInsertRow(true);
    navigation.Assign(helper);
    EXPECT_TRUE(navigation.AllowInsertRow());
    TNavigation other;
    helper.Assign(other);
    EXPECT_TRUE(helper.Enabled());
}

TEST(MouseActionsTest, FlagsStartAtTheirDefaultsAndAssignSkipsTheExcludedOnes)
{
    CheckFlags(MouseFlags);
}

TEST(MouseActionsTest, ValuesAndListsStartAtDefaultsAndAssignCopiesAllButFixedComboValues)
{
    const TMouseActions fresh;
    EXPECT_EQ(fresh.FixedRowsEdit(), fceNone);
    EXPECT_EQ(fresh.FixedColsEdit(), fceNone);
    EXPECT_EQ(fresh.FixedRowsEditor(), fceEdit);
    EXPECT_EQ(fresh.FixedColsEditor(), fceEdit);
    EXPECT_EQ(fresh.WheelIncrement(), 0);
    EXPECT_EQ(fresh.WheelAction(), waMoveSelection);
    EXPECT_FALSE(fresh.HotmailRowSelect());
    EXPECT_EQ(fresh.FixedComboValues().Count(), 0);

    TMouseActions source;
    source.SetFixedRowsEdit(fceDblClick);
    source.SetFixedColsEdit(fceRightClick);
    source.SetFixedRowsEditor(fceComboList);
    source.SetFixedColsEditor(fceComboEdit);
    source.SetWheelIncrement(3);
    source.SetWheelAction(waScroll);
    source.SetHotmailRowSelect(true);
    source.FixedComboValues().Add("One");
    TMouseActions target;
    int events = 0;
    target.OnChange = [&events](TMouseActions*) { ++events; };
    target.OnInvalidate = [&events](TMouseActions*) { ++events; };
    target.Assign(source);
    EXPECT_EQ(target.FixedRowsEdit(), fceDblClick);
    EXPECT_EQ(target.FixedColsEdit(), fceRightClick);
    EXPECT_EQ(target.FixedRowsEditor(), fceComboList);
    EXPECT_EQ(target.FixedColsEditor(), fceComboEdit);
    EXPECT_EQ(target.WheelIncrement(), 3);
    EXPECT_EQ(target.WheelAction(), waScroll);
    EXPECT_FALSE(target.HotmailRowSelect());
    EXPECT_EQ(target.FixedComboValues().Count(), 0);
    EXPECT_EQ(events, 0);
}

TEST(MouseActionsTest, HotmailRowSelectTurnsOnItsCompanionsAndAsksForARepaint)
{
    TMouseActions actions;
    int invalidates = 0;
    actions.OnInvalidate = [&invalidates](TMouseActions*) { ++invalidates; };
    actions.SetHotmailRowSelect(true);
    EXPECT_TRUE(actions.DisjunctRowSelect());
    EXPECT_TRUE(actions.CheckAllCheck());
    actions.SetHotmailRowSelect(false);
    EXPECT_FALSE(actions.HotmailRowSelect());
    EXPECT_TRUE(actions.DisjunctRowSelect());
    EXPECT_TRUE(actions.CheckAllCheck());
    EXPECT_EQ(invalidates, 2);
}

TEST(MouseActionsTest, EditOnDblClickOnlyDisablesEditingOnlyWhenTurnedOn)
{
    TMouseActions actions;
    int disables = 0;
    actions.OnDisableEdit = [&disables](TMouseActions*) { ++disables; };
    actions.SetEditOnDblClickOnly(false);
    EXPECT_EQ(disables, 0);
    actions.SetEditOnDblClickOnly(true);
    EXPECT_EQ(disables, 1);
}

TEST(MouseActionsTest, WheelActionAnnouncesOnlyRealChanges)
{
    TMouseActions actions;
    int changes = 0;
    actions.OnChange = [&changes](TMouseActions*) { ++changes; };
    actions.SetWheelAction(waMoveSelection);
    actions.SetWheelAction(waScroll);
    actions.SetWheelAction(waScroll);
    EXPECT_EQ(changes, 1);
}

TEST(MouseActionsTest, DisjunctSelectionsExcludeEachOtherOnlyWhileDesigning)
{
    using TSetter = void (TMouseActions::*)(bool);
    struct TCase {
        const char* Name;
        TSetter Set;
        bool Row, Col, Cell;
    };
    const TCase cases[] = {
        { "row", &TMouseActions::SetDisjunctRowSelect, true, false, false },
        { "column", &TMouseActions::SetDisjunctColSelect, false, true, false },
        { "cell", &TMouseActions::SetDisjunctCellSelect, false, false, true },
    };
    for (const bool designing : { false, true }) {
        for (const TCase& item : cases) {
            SCOPED_TRACE(std::string(item.Name) + (designing ? " designing" : " running"));
            TMouseActions actions;
            actions.OnIsDesigning = [designing](TMouseActions*) { return designing; };
            actions.SetDisjunctRowSelect(true);
            actions.SetDisjunctColSelect(true);
            actions.SetDisjunctCellSelect(true);
            (actions.*item.Set)(true);
            EXPECT_EQ(actions.DisjunctRowSelect(), designing ? item.Row : true);
            EXPECT_EQ(actions.DisjunctColSelect(), designing ? item.Col : true);
            EXPECT_EQ(actions.DisjunctCellSelect(), designing ? item.Cell : true);
        }
    }
}

TEST(MouseActionsTest, FixedComboValuesAreCopiedIntoTheOwnedList)
{
    TMouseActions actions;
    TStringList values;
    values.Add("Alpha");
    values.Add("Beta");
    actions.SetFixedComboValues(values);
    values.Clear();
    ASSERT_EQ(actions.FixedComboValues().Count(), 2);
    EXPECT_EQ(actions.FixedComboValues()[1], "Beta");
}

TEST(SyncGridTest, IgnoresItsOwnGridAndAssignCopiesEverything)
{
    auto* const ownGrid = reinterpret_cast<TDudStringGrid*>(0x1000);
    auto* const otherGrid = reinterpret_cast<TDudStringGrid*>(0x2000);
    TSyncGrid sync(ownGrid);
    sync.SetGrid(ownGrid);
    EXPECT_EQ(sync.Grid(), nullptr);
    sync.SetGrid(otherGrid);
    sync.SetGrid(ownGrid);
    EXPECT_EQ(sync.Grid(), otherGrid);

    TSyncGrid source(otherGrid);
    source.SetGrid(ownGrid);
    source.SetScrollVertical(true);
    source.SetScrollHorizontal(true);
    source.SetSelectionColumn(true);
    source.SetSelectionRow(true);
    source.SetMoveColumn(true);
    source.SetMoveRow(true);
    TSyncGrid target(otherGrid);
    target.Assign(source);
    EXPECT_EQ(target.Grid(), ownGrid);
    EXPECT_TRUE(target.ScrollVertical() && target.ScrollHorizontal() && target.SelectionColumn() && target.SelectionRow()
                && target.MoveColumn() && target.MoveRow());
    // Copied through the setter: a source that follows the target's own grid leaves Grid alone.
    TSyncGrid own(ownGrid);
    own.Assign(source);
    EXPECT_EQ(own.Grid(), nullptr);
    EXPECT_TRUE(own.MoveRow());
}

TEST(FocusHelperTest, StartsDisabledAndAssignCopiesEnabled)
{
    TFocusHelper source;
    EXPECT_FALSE(source.Enabled());
    source.SetEnabled(true);
    TFocusHelper target;
    target.Assign(source);
    EXPECT_TRUE(target.Enabled());
}

namespace {

using TFooter = TSearchFooter;
struct TFooterText {
    const char* Name;
    const String& (TFooter::*Get)() const;
    void (TFooter::*Set)(const String&);
    const char* DesignText;
};
const TFooterText FooterTexts[] = {
    { "FindNextCaption", &TFooter::FindNextCaption, &TFooter::SetFindNextCaption, "Find &next" },
    { "FindPrevCaption", &TFooter::FindPrevCaption, &TFooter::SetFindPrevCaption, "Find &previous" },
    { "HighLightCaption", &TFooter::HighLightCaption, &TFooter::SetHighLightCaption, "Highlight" },
    { "HintClose", &TFooter::HintClose, &TFooter::SetHintClose, "Close" },
    { "HintFindNext", &TFooter::HintFindNext, &TFooter::SetHintFindNext, "Find next occurrence" },
    { "HintFindPrev", &TFooter::HintFindPrev, &TFooter::SetHintFindPrev, "Find previous occurrence" },
    { "HintHighlight", &TFooter::HintHighlight, &TFooter::SetHintHighlight, "Highlight occurrences" },
    { "MatchCaseCaption", &TFooter::MatchCaseCaption, &TFooter::SetMatchCaseCaption, "Match case" },
};

struct TFooterFlag {
    const char* Name;
    bool (TFooter::*Get)() const;
    void (TFooter::*Set)(bool);
    bool Default;
    bool Copied;
    int ChangesWhenSetToDefault; // fired although nothing changed
};
const TFooterFlag FooterFlags[] = {
    { "AlwaysHighLight", &TFooter::AlwaysHighLight, &TFooter::SetAlwaysHighLight, false, true, 0 },
    { "AutoSearch", &TFooter::AutoSearch, &TFooter::SetAutoSearch, true, false, 0 },
    { "AutoThemeAdapt", &TFooter::AutoThemeAdapt, &TFooter::SetAutoThemeAdapt, false, false, 1 },
    { "SearchActiveColumnOnly", &TFooter::SearchActiveColumnOnly, &TFooter::SetSearchActiveColumnOnly, false, true, 0 },
    { "SearchMatchStart", &TFooter::SearchMatchStart, &TFooter::SetSearchMatchStart, false, true, 0 },
    { "SearchFixedCells", &TFooter::SearchFixedCells, &TFooter::SetSearchFixedCells, false, false, 0 },
    { "SearchHiddenRows", &TFooter::SearchHiddenRows, &TFooter::SetSearchHiddenRows, false, true, 0 },
    { "ShowClose", &TFooter::ShowClose, &TFooter::SetShowClose, true, true, 1 },
    { "ShowFindNext", &TFooter::ShowFindNext, &TFooter::SetShowFindNext, true, true, 0 },
    { "ShowFindPrev", &TFooter::ShowFindPrev, &TFooter::SetShowFindPrev, true, true, 0 },
    { "ShowHighLight", &TFooter::ShowHighLight, &TFooter::SetShowHighLight, true, true, 0 },
    { "ShowMatchCase", &TFooter::ShowMatchCase, &TFooter::SetShowMatchCase, true, true, 0 },
    { "Visible", &TFooter::Visible, &TFooter::SetVisible, false, true, 0 },
};

} // namespace

TEST(SearchFooterTest, TextsAreSetOnlyForDesignTimeInitialisation)
{
    const TSearchFooter designed(true);
    const TSearchFooter created(false);
    for (const TFooterText& text : FooterTexts) {
        SCOPED_TRACE(text.Name);
        EXPECT_EQ((designed.*text.Get)(), text.DesignText);
        EXPECT_EQ((created.*text.Get)(), "");
    }
}

TEST(SearchFooterTest, DefaultsAndTheSettingsAssignCopies)
{
    TSearchFooter source(false);
    for (const TFooterFlag& flag : FooterFlags) (source.*flag.Set)(!flag.Default);
    for (const TFooterText& text : FooterTexts) (source.*text.Set)(QString::fromLatin1(text.Name) + " copy");
    source.SetColor(clRed);
    source.SetColorTo(clBlue);
    source.SetSearchColumn(4);
    source.SetSearchDirection(sdLeftRight);
    source.SetLastSearch("needle");
    TFont font;
    font.SetName("DejaVu Sans");
    font.SetSize(14);
    source.SetFont(font);

    TSearchFooter target(true);
    EXPECT_EQ(target.Color(), clWhite);
    EXPECT_EQ(target.ColorTo(), clBtnFace);
    EXPECT_EQ(target.SearchColumn(), -1);
    EXPECT_EQ(target.SearchDirection(), sdTopBottom);
    int changes = 0;
    target.OnChange = [&changes](TSearchFooter*) { ++changes; };
    target.Assign(source);
    EXPECT_EQ(changes, 0);
    for (const TFooterFlag& flag : FooterFlags) {
        SCOPED_TRACE(flag.Name);
        EXPECT_EQ((TSearchFooter(false).*flag.Get)(), flag.Default);
        EXPECT_EQ((target.*flag.Get)(), flag.Copied ? !flag.Default : flag.Default);
    }
    for (const TFooterText& text : FooterTexts) {
        SCOPED_TRACE(text.Name);
        EXPECT_EQ((target.*text.Get)(), QString::fromLatin1(text.Name) + " copy");
    }
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_EQ(target.ColorTo(), clBlue);
    EXPECT_EQ(target.SearchColumn(), 4);
    EXPECT_EQ(target.SearchDirection(), sdLeftRight);
    EXPECT_EQ(target.LastSearch(), "");
    EXPECT_TRUE(target.Font() == font);
    EXPECT_NE(&target.Font(), &source.Font());
}

TEST(SearchFooterTest, SettersAnnounceTheirChanges)
{
    for (const TFooterFlag& flag : FooterFlags) {
        SCOPED_TRACE(flag.Name);
        TSearchFooter footer(false);
        int changes = 0;
        footer.OnChange = [&changes](TSearchFooter*) { ++changes; };
        (footer.*flag.Set)(flag.Default);
        EXPECT_EQ(changes, flag.ChangesWhenSetToDefault);
        (footer.*flag.Set)(!flag.Default);
        const bool announces = flag.ChangesWhenSetToDefault > 0 || flag.Name == std::string("Visible")
            || std::string(flag.Name).starts_with("Show");
        EXPECT_EQ(changes, flag.ChangesWhenSetToDefault + (announces ? 1 : 0));
    }
    TSearchFooter footer(false);
    int changes = 0;
    footer.OnChange = [&changes](TSearchFooter*) { ++changes; };
    footer.SetColor(footer.Color());
    footer.SetColorTo(clNone);
    footer.SetFont(TFont());
    footer.SetHintClose("Close");
    footer.SetSearchColumn(2);
    footer.SetSearchDirection(sdLeftRight);
    EXPECT_EQ(changes, 4);
}

TEST(BandsTest, DefaultsAndTheBandRule)
{
    TBands bands;
    EXPECT_FALSE(bands.Active());
    EXPECT_FALSE(bands.Print());
    EXPECT_EQ(bands.PrimaryLength(), 1);
    EXPECT_EQ(bands.SecondaryLength(), 1);
    EXPECT_EQ(bands.TotalLength(), 2);
    EXPECT_EQ(bands.PrimaryColor(), clInfoBk);
    EXPECT_EQ(bands.SecondaryColor(), clWindow);

    TBands source;
    source.SetActive(true);
    source.SetPrint(true);
    source.SetPrimaryLength(2);
    source.SetPrimaryColor(clYellow);
    source.SetSecondaryColor(clAqua);
    TBands target;
    target.Assign(source);
    EXPECT_TRUE(target.Active());
    EXPECT_TRUE(target.Print());
    EXPECT_EQ(target.TotalLength(), 3);
    const int32_t fixedRows = 1;
    const TColor expected[] = { clYellow, clYellow, clAqua, clYellow, clYellow, clAqua };
    for (const TBands* banded : { &source, &target })
        for (int32_t index = 0; index < 6; ++index) {
            SCOPED_TRACE(index);
            EXPECT_EQ(banded->RowColor(fixedRows + index, fixedRows), expected[index]);
        }
}

// Lengths read from a stored layout may be anything: their sum saturates
// instead of wrapping, and a total that is not positive bands nothing.
TEST(BandsTest, TotalLengthSaturatesAtTheIntegerRange)
{
    constexpr int32_t Max = std::numeric_limits<int32_t>::max();
    constexpr int32_t Min = std::numeric_limits<int32_t>::min();
    const struct {
        int32_t Primary, Secondary, Total;
        TColor Row2;
    } cases[] = {
        { Max, 1, Max, clYellow },
        { Max, Max, Max, clYellow },
        { Min, -1, Min, clYellow },
        { 1, Max, Max, clAqua },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Primary << " + " << c.Secondary);
        TBands bands;
        bands.SetPrimaryColor(clYellow);
        bands.SetSecondaryColor(clAqua);
        bands.SetPrimaryLength(c.Primary);
        bands.SetSecondaryLength(c.Secondary);
        EXPECT_EQ(bands.TotalLength(), c.Total);
        EXPECT_EQ(bands.RowColor(2, 0), c.Row2);
        TBands copy;
        copy.Assign(bands);
        EXPECT_EQ(copy.TotalLength(), c.Total);
    }
}

TEST(BandsTest, LengthsLeavingNoBandGiveThePrimaryColour)
{
    TBands bands;
    bands.SetPrimaryLength(0);
    bands.SetSecondaryLength(0);
    EXPECT_EQ(bands.TotalLength(), 0);
    EXPECT_EQ(bands.RowColor(5, 1), clInfoBk);
    bands.SetSecondaryLength(1);
    EXPECT_EQ(bands.RowColor(5, 1), clWindow);
}

TEST(BandsTest, ChangesAreAnnouncedOnlyWhileActiveAndOnlyWhenReal)
{
    TBands bands;
    int changes = 0;
    bands.OnChange = [&changes](TBands*) { ++changes; };
    bands.SetPrimaryLength(3);
    bands.SetPrimaryColor(clRed);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(bands.TotalLength(), 4);
    bands.SetActive(true);
    bands.SetActive(true);
    EXPECT_EQ(changes, 1);
    bands.SetPrimaryLength(3);
    bands.SetPrimaryColor(clRed);
    EXPECT_EQ(changes, 1);
    bands.SetSecondaryLength(2);
    bands.SetSecondaryColor(clLime);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(bands.TotalLength(), 5);
    bands.SetPrint(true);
    EXPECT_EQ(changes, 3);
}
