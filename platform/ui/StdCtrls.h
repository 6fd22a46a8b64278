#pragma once

#include "platform/ui/Controls.h"

#include <algorithm>
#include <cstdlib>

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
using enum TEditCharCase;

// A single-line edit drawn by the layer itself, so that every key goes the
// platform's way (KeyDown, KeyPress with the character by reference, then
// the edit's own handling in DefaultHandler) and the window messages of the
// platform's edit (EM_GETSEL, EM_SETSEL, EM_SETRECTNP, WM_PASTE ...) work.
// OnChange fires for every change of the text, typed or set.
class TCustomEdit : public TWinControl {
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
    // rectangle); by default the client area inside the border.
    TRect EditRect() const;
    void SetEditRect(const TRect& rect);
    void ResetEditRect();
    // The character position nearest to a client point.
    int32_t CharFromPos(TPoint point) const;

    void DblClick() override;

    TNotifyEvent OnChange;

protected:
    virtual void Change();
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

    void DefaultHandler(TMessage& message) override;
    void CMTextChanged(TMessage& message) override;
    void CMEnabledChanged(TMessage& message) override;
    void WMSetFocus(TMessage& message) override;
    void WMKillFocus(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void PaintWindow(QPainter& painter) override;

private:
    void KeyCommand(uint16_t key, TShiftState shift);
    void CharCommand(TChar character);
    String DisplayText() const;
    int32_t WordBoundary(int32_t from, bool forward) const;
    int32_t TextOriginX(int32_t displayWidth) const;

    int32_t FMaxLength = 0;
    bool FReadOnly = false;
    bool FModified = false;
    bool FAutoSelect = true;
    TEditCharCase FCharCase = ecNormal;
    TChar FPasswordChar = 0;
    TAlignment FAlignment = taLeftJustify;
    TBorderStyle FBorderStyle = bsSingle;
    int32_t FAnchor = 0;
    int32_t FCaret = 0;
    bool FUserChange = false;
    bool FCanUndo = false;
    String FUndoText;
    bool FHasEditRect = false;
    TRect FEditRect;
    int32_t FScrollX = 0;
    bool FSelecting = false;
    bool FMouseFocusing = false;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};
