#pragma once

#include "tables/UTable_Editor.h"

// "Receive NMEA 2000 Frames": the frames the gateway captures from the bus
// and the window of payload bytes each keeps in the receive data area.
class TFReceiveNMEA : public TTable_Editor {
public:
    explicit TFReceiveNMEA(TComponent* owner);
    ~TFReceiveNMEA() override;

    bool Controllo_Dati() { return Controllo_dati(); }

    TDudColumnGrid* sga = nullptr;
    // The receive data area, in bytes.
    int32_t NUM_BYTE_IN = 0;
    bool Do_Copy() const { return Copy_Flag(0); }
    TStringList& Hint_ReceiveNMEA() { return Hint_List(0); }

protected:
    void Show_Limits() override;
    void Begin_Check() override { FTotal = 0; }
    bool Check_Entry(int32_t grid, TEntry_Check& entry) override;

private:
    bool Check_Window(TEntry_Check& entry, int32_t& bytes) const;

    int64_t FTotal = 0;
};

extern TFReceiveNMEA* FReceiveNMEA;
