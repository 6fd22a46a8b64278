#pragma once

#include "platform/core/StringList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Controls.h"
#include "platform/ui/EditCore.h"
#include "platform/ui/InputMethod.h"
#include "platform/ui/ScrollBarHost.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/TypedSearch.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

class TScrollBarHost;

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
using enum TEditCharCase;

// An edit drawn by the layer itself on one editing core (TEditCore), so that
// every key goes the platform's way (KeyDown, KeyPress with the character by
// reference, then the edit's own handling in DefaultHandler) and the window
// messages of the platform's edit (EM_GETSEL, EM_SETSEL, EM_LINEFROMCHAR,
// EM_SETRECTNP, WM_PASTE ...) work. Input-method commits and composed dead
// keys arrive as WM_CHAR like typed characters. Single-line unless a
// descendant (memo, rich edit, in-place editor) makes it multi-line.
// OnChange fires for every change of the text, typed or set.
class TCustomEdit : public TWinControl, public TInputMethodClient {
public:
    explicit TCustomEdit(TComponent* owner);
    ~TCustomEdit() override;

    // 0: no limit. Limits typing and pasting only, as on the platform;
    // Text set by the program is taken whole.
    int32_t MaxLength() const { return FMaxLength; }
    void SetMaxLength(int32_t maxLength) { FMaxLength = std::max(maxLength, 0); }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly);
    bool Modified() const { return FModified; }
    void SetModified(bool modified) { FModified = modified; }
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool autoSelect) { FAutoSelect = autoSelect; }
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase charCase);
    // 0: the text shows as it is.
    TChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(TChar passwordChar);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle borderStyle);
    // False shows the selection only while the edit has the focus.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool hideSelection);

    int32_t SelStart() const { return std::min(FAnchor, FCaret); }
    void SetSelStart(int32_t selStart);
    int32_t SelLength() const { return std::abs(FCaret - FAnchor); }
    void SetSelLength(int32_t selLength);
    String SelText() const { return Text().mid(SelStart(), SelLength()); }
    // Replaces the selection as typing would, but without the typing limits.
    void SetSelText(const String& selText);
    void SelectAll();
    void ClearSelection();
    void Clear() { SetText(String()); }
    void CopyToClipboard() const;
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const { return FCanUndo; }
    void Undo();
    void ClearUndo() { FCanUndo = false; }

    // The rectangle the text is laid out in (the platform's formatting
    // rectangle); by default the client area inside the border and margins.
    TRect EditRect() const;
    void SetEditRect(const TRect& rect);
    void ResetEditRect();
    // EM_SETMARGINS: blank pixels left and right of the text.
    void SetMargins(int32_t left, int32_t right);
    // The character position nearest to a client point.
    int32_t CharFromPos(TPoint point) const;
    // The client position of a character (the place after the text for its end).
    TPoint PosFromChar(int32_t position) const;
    int32_t LineCount() const;
    int32_t LineFromChar(int32_t position) const;
    // -1 for a line past the last.
    int32_t LineIndex(int32_t line) const;
    int32_t LineLength(int32_t line) const;
    int32_t FirstVisibleLine() const;
    // Scrolls the text so the caret shows.
    void ScrollCaret();

    void DblClick() override;

    TInputMethodState InputMethodState() const override;
    void InputMethodComposition(const String& preedit, int32_t cursor) override;
    void InputMethodSelect(int32_t relativeStart, int32_t length) override;

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    // The width of the sunken border that a single border draws inside the edit.
    int32_t BorderInset() const { return FBorderStyle == bsSingle ? 2 : 0; }
    // False refuses every change of the text by the user.
    virtual bool EditCanModify() { return !FReadOnly; }
    // Puts the user's text in place of the selection, within MaxLength and
    // CharCase; the masked edit replaces it with its own rules.
    virtual void UserInsert(const String& text);
    virtual void UserDelete(bool forward, bool word);
    // Sets the text as the user's change: Modified, undo, then OnChange.
    void ReplaceText(const String& text, int32_t caret);
    void SetSelection(int32_t anchor, int32_t caret);
    int32_t Caret() const { return FCaret; }
    // True while the text changes through the user's editing (not SetText).
    bool UserChanging() const { return FUserChange; }
    String ApplyCharCase(const String& text) const;

    // Multi-line edits break lines at CR LF, take Enter as a new line and
    // move by lines with Up, Down, Page Up and Page Down.
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool multiLine);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool wantReturns) { FWantReturns = wantReturns; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool wantTabs) { FWantTabs = wantTabs; }
    // The client area the text and its border take; scroll bars take the rest.
    virtual TRect TextArea() const { return ClientRect(); }
    // The laid-out text, brought up to date with the edit's state.
    const TEditCore& Core() const;
    TEditCore& Core();
    // The text scrolled (by keys, the caret or the program).
    virtual void Scrolled() { }

    void DefaultHandler(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void PaintWindow(QPainter& painter) override;

private:
    void KeyCommand(uint16_t key, TShiftState shift);
    void CharCommand(TChar character);
    void MoveLines(int32_t lines, bool extend);
    void CaretMoved();
    String AcceptedText(const String& text) const;

    int32_t FMaxLength = 0;
    bool FReadOnly = false;
    bool FModified = false;
    bool FAutoSelect = true;
    bool FHideSelection = true;
    TEditCharCase FCharCase = ecNormal;
    TChar FPasswordChar = 0;
    TAlignment FAlignment = taLeftJustify;
    TBorderStyle FBorderStyle = bsSingle;
    bool FMultiLine = false;
    bool FWordWrap = false;
    bool FWantReturns = true;
    bool FWantTabs = false;
    int32_t FAnchor = 0;
    int32_t FCaret = 0;
    // The x a run of Up/Down keys keeps to; -1 after any other move.
    int32_t FDesiredX = -1;
    bool FUserChange = false;
    bool FCanUndo = false;
    String FUndoText;
    bool FHasEditRect = false;
    TRect FEditRect;
    int32_t FLeftMargin = 0;
    int32_t FRightMargin = 0;
    bool FSelecting = false;
    bool FMouseFocusing = false;
    mutable TEditCore FCore;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};

enum class TTextLayout { tlTop, tlCenter, tlBottom };
using enum TTextLayout;

// Static text. AutoSize fits the control to its caption (the width too,
// unless WordWrap); Transparent leaves the parent's pixels behind the text.
class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* owner);
    ~TCustomLabel() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout layout);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    // "&x" shows x underlined unless ShowAccelChar is false.
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool showAccelChar);
    // The control the label's accelerator ("&Name") gives the focus to.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* control);

protected:
    void Paint() override;
    void Notification(TComponent* component, TOperation operation) override;
    void CMDialogChar(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void CMFontChanged(TMessage& message) override;
    // The text drawn, with its accelerator marks resolved.
    virtual String DisplayText() const;
    void AdjustBounds();

private:
    uint32_t DrawTextFlags() const;

    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FAutoSize = true;
    bool FWordWrap = false;
    bool FTransparent = false;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
};

// A framed box with its caption in the top border.
class TGroupBox : public TCustomControl {
public:
    explicit TGroupBox(TComponent* owner);
    ~TGroupBox() override;

protected:
    void Paint() override;
    void CMTextChanged(TMessage& message) override;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
using enum TCheckBoxState;

// The frame-control state (DrawFrameControl) that draws a check box in a
// state: the classic tick when checked, a grey tick on the face colour when
// mixed, grey on the face colour when disabled.
uint32_t CheckBoxFrameState(TCheckBoxState state, bool enabled);

// A check box. Every change of its state fires OnClick, whether made by the
// user (click, space bar, accelerator) or by the program, as on the platform.
class TCustomCheckBox : public TCustomControl {
public:
    explicit TCustomCheckBox(TComponent* owner);
    ~TCustomCheckBox() override;

    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState state);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool allowGrayed) { FAllowGrayed = allowGrayed; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);

    // A click by the user toggles the state; OnClick follows from the change.
    void Click() override;

protected:
    virtual void Toggle();
    void KeyPress(TChar& key) override;
    void CMDialogChar(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void Paint() override;

private:
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
    TAlignment FAlignment = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
public:
    using TCustomCheckBox::TCustomCheckBox;
};

// Checking a radio button unchecks the other radio buttons of its parent;
// OnClick fires when it becomes checked.
class TRadioButton : public TCustomControl {
public:
    explicit TRadioButton(TComponent* owner);
    ~TRadioButton() override;

    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);

    void Click() override;

protected:
    void KeyPress(TChar& key) override;
    void CMDialogChar(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void Paint() override;

private:
    bool FChecked = false;
};


// The system's sound for a refused input.
void MessageBeep(uint32_t type);
// True while the mouse button is held down anywhere on the screen.
bool IsMouseButtonDown(TMouseButton button);

enum class TOwnerDrawStateFlag { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit };
using TOwnerDrawState = TSetOf<TOwnerDrawStateFlag>;
using enum TOwnerDrawStateFlag;
// Draws one item on the control's canvas inside rect.
using TDrawItemEvent = std::function<void(TWinControl* control, int32_t index, TRect rect, TOwnerDrawState state)>;
// Sets the height of one item of a variable-height list.
using TMeasureItemEvent = std::function<void(TWinControl* control, int32_t index, int32_t& height)>;

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
using enum TComboBoxStyle;

class TComboDropList;
class TCustomListBox;
class TForm;

// A combo box over a list of strings. ItemIndex -1 is no selection; setting
// an index outside the list selects nothing and reads back -1. A choice of
// the user fires OnSelect (OnChange when OnSelect is not assigned, as on the
// platform); typing into a csDropDown box fires OnChange. Setting ItemIndex
// or Text from the program fires nothing.
//
// The list opens in a window of its own that never takes the focus (the box
// keeps the keys and gets no focus loss), DropDownCount rows high with a
// scroll bar beyond, DroppedWidth wide. Opening sends CBN_DROPDOWN before the
// list shows; closing sends CBN_CLOSEUP, then a changed choice fires OnClick
// and OnSelect. In the open list the arrows, pages, Home/End and typed
// letters only highlight; Enter, F4, Alt+arrow or a click choose; Esc, a press
// elsewhere or the focus leaving close without a choice. Closed, the arrows,
// pages, Home/End and typed letters (csDropDownList) change the entry at once.
class TCustomComboBox : public TCustomControl {
public:
    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle style);
    TStrings& Items() { return FItems; }
    const TStrings& Items() const { return FItems; }
    void SetItems(const TStrings& items) { FItems.Assign(items); }
    int32_t ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int32_t itemIndex);
    int32_t DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int32_t count) { FDropDownCount = std::max(count, 1); }
    // The height of a list entry; owner-drawn variable lists ask OnMeasureItem.
    int32_t ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int32_t itemHeight);
    bool DroppedDown() const { return FDroppedDown; }
    void SetDroppedDown(bool droppedDown);
    // Opens the list; it stays open until the user chooses or leaves it.
    void DropDown();
    // The width of the dropped list (CB_SETDROPPEDWIDTH); never narrower
    // than the control.
    int32_t DroppedWidth() const { return std::max(FDroppedWidth, Width()); }
    // The open list, null while closed.
    TCustomListBox* DropList() const;
    bool OwnerDraw() const;
    void Clear();
    // A drop-down box completes typed text with the first item it begins
    // (case ignored); the completed part stays selected, so the next
    // character replaces it and Backspace removes it.
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool autoComplete) { FAutoComplete = autoComplete; }
    // A sunken 3-D frame; off, a flat one-pixel frame.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool ctl3D);
    // The edit part of a drop-down box: its caret and selection. Text set
    // by the program puts the caret after it.
    int32_t SelStart() const { return std::min(FSelAnchor, FSelCaret); }
    int32_t SelLength() const { return std::abs(FSelCaret - FSelAnchor); }
    // Puts the caret at selStart, nothing selected.
    void SetSelStart(int32_t selStart) { SetEditSel(selStart, selStart); }
    // Selects selLength characters from SelStart.
    void SetSelLength(int32_t selLength) { SetEditSel(SelStart(), SelStart() + selLength); }
    void SelectAll() { SetEditSel(0, static_cast<int32_t>(Text().size())); }
    // 0: no limit. Limits typing only; text set by the program is taken whole.
    int32_t MaxLength() const { return FMaxLength; }
    void SetMaxLength(int32_t maxLength) { FMaxLength = std::max(maxLength, 0); }
    // The character position of the edit part nearest to a client point.
    int32_t CharFromPos(TPoint point) const;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    // Owner-drawn styles: entries of the list and of the box draw here, on
    // the box's canvas.
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    virtual void Change();
    virtual void Select();
    // A choice of the user: the text follows the item, then OnClick and OnSelect.
    void ChooseItem(int32_t itemIndex);
    // Closes the open list; with accept its highlighted item is chosen.
    void CloseUp(bool accept);
    void DefaultHandler(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void WMKillFocus(TMessage& message) override;
    void CMVisibleChanged(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void Paint() override;

private:
    friend class TComboDropList;
    // Selects from anchor to caret, both kept within the text.
    void SetEditSel(int32_t anchor, int32_t caret);
    // The caret keys of the edit part; false for other keys.
    bool EditKey(uint16_t key);
    // Replaces the text as the user's edit, selecting from anchor to caret.
    void EditText(const String& text, int32_t anchor, int32_t caret);
    // Where the text of the box is drawn.
    TRect EditTextRect() const;
    void PaintEditText(TCanvas& canvas, const TRect& textRect);
    void ItemsChanged();
    void CreateDropForm();
    void OpenList();
    bool ListKey(uint16_t key);
    void TypeCharacter(TChar character);

    TStringList FItems;
    TComboBoxStyle FStyle = csDropDown;
    int32_t FItemIndex = -1;
    int32_t FDropDownCount = 8;
    int32_t FItemHeight = 13;
    int32_t FDroppedWidth = 0;
    bool FDroppedDown = false;
    bool FClosing = false;
    bool FPressClosed = false;
    std::unique_ptr<TForm> FDropForm;
    TComboDropList* FDropList = nullptr;
    TTypedSearch FSearch;
    bool FAutoComplete = true;
    bool FCtl3D = true;
    int32_t FSelAnchor = 0;
    int32_t FSelCaret = 0;
    int32_t FMaxLength = 0;
    // The text changes through the user's editing; its selection stays.
    bool FUserEdit = false;
    // How far the edit part's text is scrolled left to keep the caret shown.
    int32_t FEditScroll = 0;
};

class TComboBox : public TCustomComboBox {
public:
    using TCustomComboBox::TCustomComboBox;
};

enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
using enum TButtonState;

// A button without a window of its own: a glyph and a caption on a raised
// face. Pressed with the left button it shows down until released; released
// over itself it clicks. With a GroupIndex it stays down (exclusive) after a
// click and the other buttons of its group on the same parent come up.
class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    TBitmap& Glyph() { return FGlyph; }
    const TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap& glyph);
    // Pictures side by side in the glyph: up, disabled, down, exclusive.
    int32_t NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int32_t numGlyphs);
    bool Flat() const { return FFlat; }
    void SetFlat(bool flat);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    int32_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int32_t groupIndex) { FGroupIndex = groupIndex; }
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool allowAllUp) { FAllowAllUp = allowAllUp; }
    bool Down() const { return FDown; }
    void SetDown(bool down);
    TButtonState State() const { return FState; }

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void CMEnabledChanged(TMessage& message) override;
    void Paint() override;
    // The face in its state, then the glyph and caption; for descendants
    // that draw their own face and keep the platform's glyph.
    void PaintFace(TRect rect);
    void PaintGlyphAndCaption(TRect rect);
    void SetState(TButtonState state);

private:
    TBitmap FGlyph;
    int32_t FNumGlyphs = 1;
    bool FFlat = false;
    bool FTransparent = false;
    int32_t FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FDown = false;
    bool FDragging = false;
    TButtonState FState = bsUp;
};

// The items of a list box, each with a small state (a check mark, an
// enabled flag) that stays with its item through every change of the list.
class TListBoxStrings : public TStringList {
public:
    int32_t Add(const String& text) override;
    void Insert(int32_t index, const String& text) override;
    void Delete(int32_t index) override;
    void Clear() override;
    void Exchange(int32_t index1, int32_t index2) override;
    void Move(int32_t currentIndex, int32_t newIndex) override;
    void Sort() override;

    uint8_t State(int32_t index) const;
    void SetState(int32_t index, uint8_t state);

private:
    std::vector<uint8_t> FStates;
};

enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
using enum TListBoxStyle;

// A list of strings. The user's selection (click, arrow keys, typing the
// start of an item) fires OnClick; setting ItemIndex from the program does
// not. A vertical scroll bar shows when the items do not fit; the wheel
// scrolls by the system's wheel-scroll lines.
class TCustomListBox : public TCustomControl {
public:
    explicit TCustomListBox(TComponent* owner);
    ~TCustomListBox() override;

    TStrings& Items() { return FItems; }
    const TStrings& Items() const { return FItems; }
    void SetItems(const TStrings& items) { FItems.Assign(items); }
    // The focused item; in a single-selection list also the selected one.
    int32_t ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int32_t itemIndex);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool multiSelect);
    bool Selected(int32_t index) const;
    void SetSelected(int32_t index, bool selected);
    int32_t SelCount() const;
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle style);
    int32_t ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int32_t itemHeight);
    // The first item shown; the list never scrolls past its last page.
    int32_t TopIndex() const { return FTopIndex; }
    void SetTopIndex(int32_t topIndex);
    int32_t ItemAtPos(TPoint point, bool existing) const;
    // The client rectangle of an item; empty when it is scrolled out of view.
    TRect ItemRect(int32_t index) const;
    // The items that fit from TopIndex on.
    int32_t VisibleItemCount() const { return VisibleCountFrom(FTopIndex); }
    bool ScrollBarShown() const;
    void Clear() { FItems.Clear(); }

    int32_t ClientWidth() const override;

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    // Draws one item; owner-draw styles hand it to OnDrawItem.
    virtual void DrawItem(int32_t index, TRect rect, TOwnerDrawState state);
    // Where the item's text starts, from the item's left edge.
    virtual int32_t ItemTextIndent() const { return 2; }
    // The user's choice of an item: select it (toggle it in a multi-select
    // list with toggle), scroll it into view and fire OnClick.
    void UserSelect(int32_t itemIndex, bool toggle);
    // Highlights the item without firing anything (the combo's open list).
    void SelectQuietly(int32_t itemIndex);
    // The target of a navigation key from the current item, or -1.
    int32_t KeyTarget(uint16_t key) const;
    TListBoxStrings& ItemStrings() { return FItems; }
    const TListBoxStrings& ItemStrings() const { return FItems; }
    int32_t FindTyped(TChar character) { return FSearch.Find(FItems.Count(), [this](int32_t index) { return FItems[index]; }, FItemIndex, character); }

    void DefaultHandler(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    bool DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos) override;
    void Resize() override;
    void Paint() override;

private:
    void ItemsChanged();
    void ScrollIntoView();
    void UpdateScrollBar();
    int32_t HeightOf(int32_t index) const;
    int32_t VisibleCountFrom(int32_t top) const;
    int32_t LastTopIndex() const;
    int32_t InnerHeight() const { return std::max(Height() - 2 * Border, 0); }

    static constexpr int32_t Border = 2;

    TListBoxStrings FItems;
    std::vector<bool> FSelected;
    // Heights of a variable-height list, measured on first use.
    mutable std::vector<int32_t> FHeights;
    std::unique_ptr<TScrollBarHost> FScrollBar;
    TTypedSearch FSearch;
    TListBoxStyle FStyle = lbStandard;
    int32_t FItemIndex = -1;
    bool FMultiSelect = false;
    int32_t FItemHeight = 13;
    int32_t FTopIndex = 0;
};

class TListBox : public TCustomListBox {
public:
    using TCustomListBox::TCustomListBox;
};

// A multi-line plain-text edit. Lines and Text are two views of one text
// (lines end with CR LF); OnChange fires for every change, set or typed.
// Lines are the text's own lines, not the lines word wrap makes on screen.
class TCustomMemo : public TCustomEdit {
public:
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;

    TStrings& Lines() { return FLines; }
    const TStrings& Lines() const { return FLines; }
    void SetLines(const TStrings& lines) { FLines.Assign(lines); }
    using TCustomEdit::WordWrap;
    using TCustomEdit::SetWordWrap;
    using TCustomEdit::WantReturns;
    using TCustomEdit::SetWantReturns;
    using TCustomEdit::WantTabs;
    using TCustomEdit::SetWantTabs;
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle scrollBars);
    // The caret as (column, line).
    TPoint CaretPos() const;
    void SetCaretPos(TPoint position);

protected:
    void CMTextChanged(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    bool DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos) override;
    void Resize() override;
    TRect TextArea() const override;
    void Scrolled() override;

private:
    void LinesChanged();
    void UpdateScrollBars();
    void ScrollRequest(bool horizontal, intptr_t code, int32_t thumb);

    TStringList FLines;
    TScrollStyle FScrollBars = ssNone;
    bool FSyncing = false;
    std::unique_ptr<TScrollBarHost> FVertBar;
    std::unique_ptr<TScrollBarHost> FHorzBar;
};

class TMemo : public TCustomMemo {
public:
    using TCustomMemo::TCustomMemo;
};
