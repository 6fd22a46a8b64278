#pragma once

#include "tables/UTable_Editor.h"

// "Set Modbus TCP Master Access": the read and write requests a gateway
// acting as Modbus TCP master sends to its slaves, each with the place of its
// data in the gateway's input or output area.
class TFModbus_TCP_Master_Set_Access : public TTable_Editor {
public:
    explicit TFModbus_TCP_Master_Set_Access(TComponent* owner);
    ~TFModbus_TCP_Master_Set_Access() override;

    // True when the text is NOT a valid dotted IPv4 address.
    static bool Check_IP_Address(const String& Text);
    int32_t Get_Index_From_Topic(const String& Text) const;
    String Get_Topic_From_Index(int32_t Index) const;

    TTabSheet* TS_Modbus_Read = nullptr;
    TTabSheet* TS_Modbus_Write = nullptr;
    TDudColumnGrid* ACG_Modbus_Read = nullptr;
    TDudColumnGrid* ACG_Modbus_Write = nullptr;
    // The publish topics a read request may name; nothing fills it in this build.
    TStringList List_Publish_Topic;
    // The input and output data areas, in bytes.
    int32_t NByte_IN = 0;
    int32_t NByte_OUT = 0;
    bool Do_Copy_In_Read() const { return Copy_Flag(0); }
    bool Do_Copy_In_Write() const { return Copy_Flag(1); }
    TStringList& Hint_Modbus_Set_Access_Read() { return Hint_List(0); }
    TStringList& Hint_Modbus_Set_Access_Write() { return Hint_List(1); }

protected:
    void Show_Limits() override;
    bool Check_Entry(int32_t grid, TEntry_Check& entry) override;
    String Loaded_Cell(int32_t grid, int32_t col, const String& text) override;
    String Saved_Cell(int32_t grid, int32_t col, int32_t row) const override;

private:
    bool Check_Read(TEntry_Check& entry) const;
    bool Check_Write(TEntry_Check& entry) const;
};

extern TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access;
