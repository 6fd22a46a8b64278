#pragma once

#include "controls/LbButton.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"

// The look every window of the program shares: fixed single border, only the
// system menu, centred on the screen, the window colour and the Verdana font.
inline constexpr TColor Window_Color = RGB(248, 247, 237);
void Set_Window_Look(TForm* form, const char* name);

// The title band at the top of the dialogs, holding the software code and the
// dialog's title, and the button band at their bottom.
inline constexpr int32_t Title_Band_Height = 69;
inline constexpr int32_t Button_Band_Height = 40;

TPanel* New_Title_Band(TWinControl* parent, TLabel*& L_SW_Code, TLabel*& L_SW_Desc);
TPanel* New_Button_Band(TWinControl* parent);
// Every button of a dialog has the window's face colour and lights up yellow
// (sky blue is kept for the main window's first steps).
void Set_Dialog_Button_Look(TLbButton* button);
// A button of the button band, its right edge right pixels from the band's.
TLbButton* New_Band_Button(TPanel* band, const char* name, int32_t right, int32_t modalResult);
