#pragma once

#include "platform/ui/StdCtrls.h"

#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

class TLang_Texts;

// The EnOcean dialogs build their controls in code, each named as in their
// layout, placed in its parent and showing its hint. The form that holds the
// parent owns the control.
TComponent* EnOcean_Control_Owner(TWinControl* parent);

template <typename T>
T* New_EnOcean_Control(TWinControl* parent, const char* name, int32_t left, int32_t top, int32_t width, int32_t height)
{
    auto* control = new T(EnOcean_Control_Owner(parent));
    control->SetName(QString::fromLatin1(name));
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    control->SetShowHint(true);
    return control;
}

// A drop-down list of fixed entries that starts at its first entry.
TComboBox* New_EnOcean_List(TWinControl* parent, const char* name, int32_t left, int32_t top, int32_t width,
    std::initializer_list<const char*> entries);

// The dialogs' texts come in pairs numbered from text on: a label's caption
// and its field's hint, or a button's caption and its hint. Each returns the
// number after the last pair.
int32_t Set_Row_Texts(const TLang_Texts& texts, int32_t text, std::initializer_list<std::pair<TLabel*, TControl*>> rows);
int32_t Set_Button_Texts(const TLang_Texts& texts, int32_t text, std::initializer_list<TControl*> buttons);

// The security rows of a device, which the device dialog and the
// first-generation editor both hold under the same names.
template <typename TDialog>
int32_t Set_Security_Row_Texts(const TLang_Texts& texts, int32_t text, const TDialog& dialog)
{
    return Set_Row_Texts(texts, text,
        {
            { dialog.L_DevEnOcean_ID, dialog.E_DevEnOcean_ID },
            { dialog.L_DevEnOcean_SecType, dialog.CB_DevEnOcean_SecType },
            { dialog.L_DevEnOcean_Secure_Key, dialog.E_DevEnOcean_Secure_Key },
            { dialog.L_DevEnOcean_Secure_RollCode, dialog.E_DevEnOcean_Secure_RollCode },
            { dialog.L_DevEnOcean_Secure_RollCodeAlg, dialog.CB_DevEnOcean_Secure_RollCodeAlg },
            { dialog.L_DevEnOcean_Secure_RollCodeTx, dialog.CB_DevEnOcean_Secure_RollCodeTx },
            { dialog.L_DevEnOcean_Secure_CMACAlg, dialog.CB_DevEnOcean_Secure_CMACAlg },
            { dialog.L_DevEnOcean_Secure_DataEnc, dialog.CB_DevEnOcean_Secure_DataEnc },
            { dialog.L_DevEnOcean_Secure_PTM, dialog.CB_DevEnOcean_Secure_PTM },
        });
}

// A list's items replaced by items (emptied when null), with nothing chosen.
void Set_List_Items(TComboBox* list, const TStrings* items);

// The entry at a list position, null for a position outside the list: the
// positions of the dialogs' lists may be -1 or come from another catalog.
template <typename T>
T* List_Entry(const std::vector<std::unique_ptr<T>>& list, int32_t index)
{
    return index >= 0 && index < static_cast<int32_t>(list.size()) ? list[static_cast<size_t>(index)].get() : nullptr;
}

class TCase;
class TCatalog_EnOcean;
class TDataField;
class TFunc;
class TRorg;
class TType;

// The drop-down lists a dialog picks a catalog entry with, level by level; a
// dialog without a level leaves it null. Each list shows the display strings
// of the level, so a list position is a catalog position.
struct TCatalog_Lists {
    TComboBox* Rorg = nullptr;
    TComboBox* Func = nullptr;
    TComboBox* Type = nullptr;
    TComboBox* Case = nullptr;
    TComboBox* DataField = nullptr;
};

// The entries chosen in the lists, null from the first level without a choice.
struct TCatalog_Choice {
    const TRorg* Rorg = nullptr;
    const TFunc* Func = nullptr;
    const TType* Type = nullptr;
    const TCase* Case = nullptr;
    const TDataField* DataField = nullptr;
};

TCatalog_Choice Catalog_Choice(const TCatalog_EnOcean& catalog, const TCatalog_Lists& lists);

// After a choice in sender: the next level lists the chosen entry's children
// and the levels below it are emptied. False when sender is none of the
// lists, or the last.
bool Catalog_Cascade(const TCatalog_EnOcean& catalog, const TCatalog_Lists& lists, const TComponent* sender);
