#include "enocean/UEnOcean_Form_Controls.h"

#include "app/lang/ULanguage.h"
#include "enocean/UEnOcean_Catalog.h"
#include "platform/ui/Forms.h"

TComponent* EnOcean_Control_Owner(TWinControl* parent)
{
    TWinControl* holder = parent;
    while (holder && !dynamic_cast<TForm*>(holder))
        holder = holder->Parent();
    return holder ? holder : parent;
}

TComboBox* New_EnOcean_List(TWinControl* parent, const char* name, int32_t left, int32_t top, int32_t width,
    std::initializer_list<const char*> entries)
{
    auto* list = New_EnOcean_Control<TComboBox>(parent, name, left, top, width, 21);
    list->SetStyle(csDropDownList);
    for (const char* entry : entries)
        list->Items().Add(QString::fromLatin1(entry));
    if (list->Items().Count() > 0)
        list->SetItemIndex(0);
    return list;
}

int32_t Set_Row_Texts(const TLang_Texts& texts, int32_t text, std::initializer_list<std::pair<TLabel*, TControl*>> rows)
{
    for (const auto& [label, field] : rows) {
        label->SetCaption(texts[text++]);
        field->SetHint(texts[text++]);
    }
    return text;
}

int32_t Set_Button_Texts(const TLang_Texts& texts, int32_t text, std::initializer_list<TControl*> buttons)
{
    for (TControl* button : buttons) {
        button->SetCaption(texts[text++]);
        button->SetHint(texts[text++]);
    }
    return text;
}

void Set_List_Items(TComboBox* list, const TStrings* items)
{
    list->Items().Clear();
    if (items)
        list->Items().Assign(*items);
    list->SetItemIndex(-1);
}

TCatalog_Choice Catalog_Choice(const TCatalog_EnOcean& catalog, const TCatalog_Lists& lists)
{
    const auto index = [](const TComboBox* list) { return list ? list->ItemIndex() : -1; };
    TCatalog_Choice choice;
    choice.Rorg = List_Entry(catalog.List_Rorg, index(lists.Rorg));
    choice.Func = choice.Rorg ? List_Entry(choice.Rorg->List_Func, index(lists.Func)) : nullptr;
    choice.Type = choice.Func ? List_Entry(choice.Func->List_Type, index(lists.Type)) : nullptr;
    choice.Case = choice.Type ? List_Entry(choice.Type->List_Case, index(lists.Case)) : nullptr;
    choice.DataField = choice.Case ? List_Entry(choice.Case->List_DataField, index(lists.DataField)) : nullptr;
    return choice;
}

bool Catalog_Cascade(const TCatalog_EnOcean& catalog, const TCatalog_Lists& lists, const TComponent* sender)
{
    TComboBox* const levels[] = { lists.Rorg, lists.Func, lists.Type, lists.Case, lists.DataField };
    int32_t changed = -1;
    for (int32_t level = 0; level < 4; ++level)
        if (sender && levels[level] == sender)
            changed = level;
    if (changed < 0)
        return false;
    const TCatalog_Choice choice = Catalog_Choice(catalog, lists);
    const TStrings* children[] = {
        choice.Rorg ? &choice.Rorg->Func_SL : nullptr,
        choice.Func ? &choice.Func->Type_SL : nullptr,
        choice.Type ? &choice.Type->Case_SL : nullptr,
        choice.Case ? &choice.Case->DataField_SL : nullptr,
    };
    for (int32_t level = changed + 1; level < 5; ++level)
        if (levels[level])
            Set_List_Items(levels[level], level == changed + 1 ? children[changed] : nullptr);
    return true;
}
