#pragma once

#include "tables/UNMEA_Frames.h"

// "Receive NMEA 2000 Frames": the frames the gateway captures from the bus
// and the window of payload bytes each keeps in the receive data area.
class TFReceiveNMEA : public TNMEA_Frames_Editor {
public:
    explicit TFReceiveNMEA(TComponent* owner);
    ~TFReceiveNMEA() override;

    // The receive data area, in bytes.
    int32_t NUM_BYTE_IN = 0;
    TStringList& Hint_ReceiveNMEA() { return Hint_List(0); }

protected:
    void Show_Limits() override;
    bool Check_Entry(int32_t grid, TEntry_Check& entry) override;

private:
    bool Check_Window(TEntry_Check& entry, int32_t& bytes) const;
};

extern TFReceiveNMEA* FReceiveNMEA;
