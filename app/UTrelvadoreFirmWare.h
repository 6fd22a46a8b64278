#pragma once

#include "platform/net/HttpClient.h"
#include "platform/ui/Forms.h"
#include "platform/xml/XMLDocument.h"

#include <cstdint>

class TTimer;

// The main window: prepares the workspace at start, leads through the
// numbered steps and opens the editors, runs the periodic version check and
// starts the external updater for the update dialog.
class TFTrelvadoreFirmWare : public TForm {
public:
    explicit TFTrelvadoreFirmWare(TComponent* owner);
    ~TFTrelvadoreFirmWare() override;

    void FormCreate(TComponent* Sender);
    // Saves the settings; a failure is reported and the program ends all the same.
    void FormClose(TComponent* Sender, TCloseAction& Action);
    void Timer_UpdateTimer(TComponent* Sender);

    void Set_Files();
    void Save_Setting();
    void Start_Program(const String& NomeSW, const String& Parameter, uint8_t tipo);

    TTimer* Timer_Update = nullptr;
    // The shared working document of the settings file, the image builder
    // and the exports; each loads or rebuilds it whole before use.
    TXMLDocument XML1;
    THttpClient HTTP1;

private:
    void Set_Update_Timer();
};

extern TFTrelvadoreFirmWare* FTrelvadoreFirmWare;
