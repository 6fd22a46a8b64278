#pragma once

#include "tables/UNMEA_Frames.h"

// "Transmit NMEA 2000 Frames": the frames the gateway sends on the bus, their
// data length and when each is sent.
class TFTransmitNMEA : public TNMEA_Frames_Editor {
public:
    explicit TFTransmitNMEA(TComponent* owner);
    ~TFTransmitNMEA() override;

    // The send data area, in bytes.
    int32_t NUM_BYTE_OUT = 0;
    TStringList& Hint_TransmitNMEA() { return Hint_List(0); }

protected:
    void Show_Limits() override;
    bool Check_Entry(int32_t grid, TEntry_Check& entry) override;
};

extern TFTransmitNMEA* FTransmitNMEA;
