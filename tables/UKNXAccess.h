#pragma once

#include "tables/UTable_Editor.h"

// "KNX Set Access": the telegrams a KNX gateway writes on the bus, each from a
// window of its data area to a group or individual address.
class TFKNXAccess : public TTable_Editor {
public:
    explicit TFKNXAccess(TComponent* owner);
    ~TFKNXAccess() override;

    void ACG_KNX_in_WriteComboChange(int32_t ACol, int32_t ARow, const String& Text);

    TDudColumnGrid* ACG_KNX_in_Read = nullptr;  // never shown
    TDudColumnGrid* ACG_KNX_in_Write = nullptr;
    // The data area, in bytes.
    int32_t Max_Num_Byte = 0;
    bool Do_Copy_In_Read() const { return Copy_Flag(0); }
    bool Do_Copy_In_Write() const { return Copy_Flag(1); }

protected:
    void Show_Limits() override;
    void Begin_Check() override;
    bool Check_Entry(int32_t grid, TEntry_Check& entry) override;
    String Loaded_Cell(int32_t grid, int32_t col, const String& text) override;
    // Moves the visible columns only.
    void Delete_Row(int32_t row, TDudColumnGrid& grid) override;
    void Combo_Change(int32_t grid, int32_t col, int32_t row, const String& text) override;

private:
    bool Check_Addresses(TEntry_Check& entry) const;
    bool Check_Data_Window(TEntry_Check& entry) const;

    QChar FSeparator = u',';
};

extern TFKNXAccess* FKNXAccess;
