#include "grid/DudOder_EditorKinds.h"

#include <array>

namespace {

struct TEditorKind {
    TEditorType Kind;
    TEditorRoute Route;
};

using enum TEditorRoute;

// Switching a kind on is one line here, once its editor control exists.
constexpr std::array<TEditorKind, edMaskEditBtn + 1> EditorKinds { {
    { edNormal, erText },
    { edSpinEdit, erControl },
    { edComboEdit, erControl },
    { edComboList, erControl },
    { edEditBtn, erControl },
    { edCheckBox, erControl },
    { edDateEdit, erControl },
    { edDateEditUpDown, erControl },
    { edTimeEdit, erControl },
    { edButton, erControl },
    { edDataCheckBox, erToggle },
    { edNumeric, erText },
    { edPositiveNumeric, erText },
    { edFloat, erText },
    { edCapital, erText },
    { edMixedCase, erText },
    { edPassword, erText },
    { edUnitEditBtn, erControl },
    { edLowerCase, erText },
    { edUpperCase, erText },
    { edFloatSpinEdit, erControl },
    { edTimeSpinEdit, erControl },
    { edDateSpinEdit, erControl },
    { edNumericEditBtn, erControl },
    { edFloatEditBtn, erControl },
    { edCustom, erControl },
    { edRichEdit, erControl },
    { edNone, erNone },
    { edDateTimeEdit, erControl },
    { edValidChars, erText },
    { edTrackbarDropDown, erNone },
    { edMemoDropDown, erNone },
    { edCalculatorDropDown, erNone },
    { edTimePickerDropDown, erNone },
    { edDetailDropDown, erNone },
    { edGridDropDown, erNone },
    { edColorPickerDropDown, erNone },
    { edImagePickerDropDown, erNone },
    { edDudOderDropDown, erNone },
    { edPositiveFloat, erText },
    { edNumericUnitEditBtn, erControl },
    { edFloatUnitEditBtn, erControl },
    { edMaskEditBtn, erControl },
} };

constexpr bool InKindOrder()
{
    for (size_t index = 0; index < EditorKinds.size(); ++index)
        if (static_cast<size_t>(EditorKinds[index].Kind) != index)
            return false;
    return true;
}
static_assert(InKindOrder());

} // namespace

uint32_t GridEditDoneMessage()
{
    static const uint32_t message = RegisterWindowMessage(QStringLiteral("GridEditDone"));
    return message;
}

TEditorRoute EditorRoute(TEditorType kind)
{
    const auto index = static_cast<size_t>(kind);
    return index < EditorKinds.size() ? EditorKinds[index].Route : erNone;
}
