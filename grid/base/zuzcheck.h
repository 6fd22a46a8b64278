#pragma once

#include "platform/core/Component.h"

#include <cstdint>

// Base of the grid's cell checker: the grid hands each checked cell's text to
// MarkError and Correct between StartCheck and StopCheck. The base leaves the
// text as it is; descendants do the checking.
class ZEziZizuvoVovaZevaz : public TComponent {
public:
    using TComponent::TComponent;

    virtual String MarkError(int32_t acol, int32_t arow, const String& s);
    virtual String Correct(int32_t acol, int32_t arow, const String& s);
    virtual void StartCheck() { }
    virtual void StopCheck() { }

    bool GotoCell() const { return FGotoCell; }
    void SetGotoCell(bool value) { FGotoCell = value; }
    bool AutoCorrect() const { return FAutoCorrect; }
    void SetAutoCorrect(bool value) { FAutoCorrect = value; }
    bool AutoMarkError() const { return FAutoMarkError; }
    void SetAutoMarkError(bool value) { FAutoMarkError = value; }
    bool UseCorrect() const { return FUseCorrect; }
    void SetUseCorrect(bool value) { FUseCorrect = value; }
    bool UseMarkError() const { return FUseMarkError; }
    void SetUseMarkError(bool value) { FUseMarkError = value; }

private:
    bool FGotoCell = false;
    bool FAutoCorrect = false;
    bool FAutoMarkError = false;
    bool FUseCorrect = false;
    bool FUseMarkError = false;
};
