#pragma once

#include "platform/ui/StdCtrls.h"

#include <initializer_list>
#include <memory>
#include <vector>

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
