#pragma once

#include "tables/UTable_Editor.h"

// "Transmit NMEA 2000 Frames": the frames the gateway sends on the bus, their
// data length and when each is sent.
class TFTransmitNMEA : public TTable_Editor {
public:
    explicit TFTransmitNMEA(TComponent* owner);
    ~TFTransmitNMEA() override;

    bool Controllo_Dati() { return Controllo_dati(); }

    TDudColumnGrid* sga = nullptr;
    // The send data area, in bytes.
    int32_t NUM_BYTE_OUT = 0;
    bool Do_Copy() const { return Copy_Flag(0); }
    TStringList& Hint_TransmitNMEA() { return Hint_List(0); }

protected:
    void Show_Limits() override;
    void Begin_Check() override { FTotal = 0; }
    bool Check_Entry(int32_t grid, TEntry_Check& entry) override;

private:
    int64_t FTotal = 0;
};

extern TFTransmitNMEA* FTransmitNMEA;
