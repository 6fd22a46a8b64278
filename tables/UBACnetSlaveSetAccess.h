#pragma once

#include "tables/UTable_Editor.h"

// "BACnet Set Access": the objects a BACnet-server gateway exposes, those
// read from its input data area and those written to its output data area,
// each with its type, engineering unit and place in the area.
class TFBACnetSlaveSetAccess : public TTable_Editor {
public:
    explicit TFBACnetSlaveSetAccess(TComponent* owner);
    ~TFBACnetSlaveSetAccess() override;

    void bitbtn1Click(TComponent* Sender) { Btn_OKClick(Sender); }
    void DblClickCell(TDudStringGrid* Sender, int32_t ARow, int32_t ACol) override;
    void ACG_BACnet_in_WriteComboChange(int32_t ACol, int32_t ARow, const String& Text);

    TTabSheet* TS_BACnet_in_Read = nullptr;
    TTabSheet* TS_BACnet_in_Write = nullptr;
    TDudColumnGrid* ACG_BACnet_in_Read = nullptr;
    TDudColumnGrid* ACG_BACnet_in_Write = nullptr;
    // The long object descriptions of ParGen.xml halve the objects allowed.
    bool Desc_Lenght = false;
    // The input and output data areas, in bytes.
    int32_t NByte_IN = 0;
    int32_t NByte_OUT = 0;
    bool Do_Copy_Read() const { return Copy_Flag(0); }
    bool Do_Copy_Write() const { return Copy_Flag(1); }

protected:
    void Show_Limits() override;
    void Begin_Check() override;
    bool Check_Entry(int32_t grid, TEntry_Check& entry) override;
    void Combo_Change(int32_t grid, int32_t col, int32_t row, const String& text) override;

private:
    int32_t Object_Limit() const { return Desc_Lenght ? 1000 : 2000; }
    bool Read_Desc_Chars_Limit();

    // The objects of both tables and the last entry, which judges their count.
    int32_t FObjects = 0;
    int32_t FLast_Grid = 0;
    int32_t FLast_Row = 0;
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
