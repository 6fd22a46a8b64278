#pragma once

#include "tables/UTable_Editor.h"

// "Set MQTT Topics": the topics the gateway publishes, each from a slice of
// its input data area, and the topics it subscribes to, each into a slice of
// its output data area.
class TFMQTT_Set_Topic : public TTable_Editor {
public:
    explicit TFMQTT_Set_Topic(TComponent* owner);
    ~TFMQTT_Set_Topic() override;

    // A template cell opens the template dialog; any cell first fits its column.
    void DblClickCell(TDudStringGrid* Sender, int32_t ARow, int32_t ACol) override;
    // The hint lists are indexed by real column, whatever is hidden.
    void GridHint(TDudStringGrid* Sender, int32_t ARow, int32_t ACol, String& HintStr) override;

    // True when the text holds an odd number of keyword marks.
    static bool Error_In_Topic_Template(const String& Text);
    // Edits one template cell in the template dialog; OK there writes it back.
    void Show_Form_Topic(TDudColumnGrid& Grid, int32_t Row, int32_t Col);

    TTabSheet* TS_MQTT_Publish = nullptr;
    TTabSheet* TS_MQTT_Subscribe = nullptr;
    TDudColumnGrid* ACG_Pub = nullptr;
    TDudColumnGrid* ACG_Sub = nullptr;
    // The input and output data areas, in bytes.
    int32_t Byte_IN = 0;
    int32_t Byte_OUT = 0;
    // The column layout, handed on to the template dialog.
    int32_t Working_Mode = 0;
    bool Do_Copy_Pub() const { return Copy_Flag(0); }
    bool Do_Copy_Sub() const { return Copy_Flag(1); }
    TStringList& Hint_MQTT_Set_Topic_Pub() { return Hint_List(0); }
    TStringList& Hint_MQTT_Set_Topic_Sub() { return Hint_List(1); }

protected:
    void Show_Limits() override;
    bool Check_Entry(int32_t grid, TEntry_Check& entry) override;

private:
    bool Check_Direction(int32_t grid, TEntry_Check& entry) const;
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;
