#pragma once

#include "platform/graphics/SetOf.h"
#include "platform/graphics/Types.h"

#include <QString>

#include <cstdint>

using String = QString;

// A window message as the controls handle it. Result != 0 marks a message
// as handled where the message's protocol says so.
struct TMessage {
    uint32_t Msg = 0;
    intptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

constexpr uint32_t WM_MOVE = 0x0003;
constexpr uint32_t WM_SIZE = 0x0005;
constexpr uint32_t WM_ACTIVATE = 0x0006;
constexpr uint32_t WM_SETFOCUS = 0x0007;
constexpr uint32_t WM_KILLFOCUS = 0x0008;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_SETREDRAW = 0x000B;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_CANCELMODE = 0x001F;
constexpr uint32_t WM_SETCURSOR = 0x0020;
constexpr uint32_t WM_CONTEXTMENU = 0x007B;
constexpr uint32_t WM_NCCALCSIZE = 0x0083;
constexpr uint32_t WM_NCPAINT = 0x0085;
constexpr uint32_t WM_GETDLGCODE = 0x0087;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_CHAR = 0x0102;
constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr uint32_t WM_SYSKEYUP = 0x0105;
constexpr uint32_t WM_SYSCHAR = 0x0106;
constexpr uint32_t WM_SYSCOMMAND = 0x0112;
constexpr uint32_t WM_TIMER = 0x0113;
constexpr uint32_t WM_HSCROLL = 0x0114;
constexpr uint32_t WM_VSCROLL = 0x0115;
constexpr uint32_t EM_GETSEL = 0x00B0;
constexpr uint32_t EM_SETSEL = 0x00B1;
constexpr uint32_t EM_GETRECT = 0x00B2;
constexpr uint32_t EM_SETRECT = 0x00B3;
constexpr uint32_t EM_SETRECTNP = 0x00B4;
constexpr uint32_t EM_LINESCROLL = 0x00B6;
constexpr uint32_t EM_SCROLLCARET = 0x00B7;
constexpr uint32_t EM_GETMODIFY = 0x00B8;
constexpr uint32_t EM_SETMODIFY = 0x00B9;
constexpr uint32_t EM_GETLINECOUNT = 0x00BA;
constexpr uint32_t EM_LINEINDEX = 0x00BB;
constexpr uint32_t EM_LINELENGTH = 0x00C1;
constexpr uint32_t EM_LIMITTEXT = 0x00C5;
constexpr uint32_t EM_CANUNDO = 0x00C6;
constexpr uint32_t EM_UNDO = 0x00C7;
constexpr uint32_t EM_LINEFROMCHAR = 0x00C9;
constexpr uint32_t EM_SETPASSWORDCHAR = 0x00CC;
constexpr uint32_t EM_EMPTYUNDOBUFFER = 0x00CD;
constexpr uint32_t EM_GETFIRSTVISIBLELINE = 0x00CE;
constexpr uint32_t EM_SETREADONLY = 0x00CF;
constexpr uint32_t EM_SETMARGINS = 0x00D3;
constexpr uint32_t EM_GETMARGINS = 0x00D4;
constexpr uint32_t EM_POSFROMCHAR = 0x00D6;
constexpr uint32_t EM_CHARFROMPOS = 0x00D7;
// EM_SETMARGINS: which margins the message sets.
constexpr intptr_t EC_LEFTMARGIN = 0x0001;
constexpr intptr_t EC_RIGHTMARGIN = 0x0002;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;
constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr uint32_t WM_RBUTTONUP = 0x0205;
constexpr uint32_t WM_RBUTTONDBLCLK = 0x0206;
constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
constexpr uint32_t WM_MBUTTONUP = 0x0208;
constexpr uint32_t WM_MBUTTONDBLCLK = 0x0209;
constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
constexpr uint32_t WM_CAPTURECHANGED = 0x0215;
constexpr uint32_t WM_CUT = 0x0300;
constexpr uint32_t WM_COPY = 0x0301;
constexpr uint32_t WM_PASTE = 0x0302;
constexpr uint32_t WM_CLEAR = 0x0303;
constexpr uint32_t WM_UNDO = 0x0304;
constexpr uint32_t WM_USER = 0x0400;
constexpr uint32_t WM_APP = 0x8000;

// Messages among the controls of the class library.
constexpr uint32_t CM_BASE = 0xB000;
constexpr uint32_t CM_ACTIVATE = CM_BASE + 0;
constexpr uint32_t CM_DEACTIVATE = CM_BASE + 1;
constexpr uint32_t CM_CANCELMODE = CM_BASE + 4;
constexpr uint32_t CM_DIALOGKEY = CM_BASE + 5;
constexpr uint32_t CM_DIALOGCHAR = CM_BASE + 6;
constexpr uint32_t CM_FOCUSCHANGED = CM_BASE + 7;
constexpr uint32_t CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr uint32_t CM_VISIBLECHANGED = CM_BASE + 11;
constexpr uint32_t CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr uint32_t CM_COLORCHANGED = CM_BASE + 13;
constexpr uint32_t CM_FONTCHANGED = CM_BASE + 14;
constexpr uint32_t CM_CURSORCHANGED = CM_BASE + 15;
constexpr uint32_t CM_TEXTCHANGED = CM_BASE + 18;
constexpr uint32_t CM_MOUSEENTER = CM_BASE + 19;
constexpr uint32_t CM_MOUSELEAVE = CM_BASE + 20;
// Sent by a grouped button to its siblings when it goes down: WParam the
// group index, LParam the button.
constexpr uint32_t CM_BUTTONPRESSED = CM_BASE + 24;
constexpr uint32_t CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr uint32_t CM_ENTER = CM_BASE + 26;
constexpr uint32_t CM_EXIT = CM_BASE + 27;
constexpr uint32_t CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr uint32_t CM_RELEASE = CM_BASE + 33;
constexpr uint32_t CM_CHILDKEY = CM_BASE + 46;
constexpr uint32_t CM_HINTSHOW = CM_BASE + 48;
constexpr uint32_t CM_MOUSEWHEEL = CM_BASE + 67;

// Notifications reflected back to the control they concern.
constexpr uint32_t CN_BASE = 0xBC00;
constexpr uint32_t CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr uint32_t CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr uint32_t CN_CHAR = CN_BASE + WM_CHAR;

// Hit-test code of WM_SETCURSOR's LParam low word: the client area.
constexpr int32_t HTCLIENT = 1;

// WM_GETDLGCODE answers.
constexpr intptr_t DLGC_WANTARROWS = 0x01;
constexpr intptr_t DLGC_WANTTAB = 0x02;
constexpr intptr_t DLGC_WANTALLKEYS = 0x04;
constexpr intptr_t DLGC_WANTCHARS = 0x80;

// WM_VSCROLL / WM_HSCROLL requests.
constexpr intptr_t SB_LINEUP = 0;
constexpr intptr_t SB_LINEDOWN = 1;
constexpr intptr_t SB_PAGEUP = 2;
constexpr intptr_t SB_PAGEDOWN = 3;
constexpr intptr_t SB_THUMBPOSITION = 4;
constexpr intptr_t SB_TOP = 6;
constexpr intptr_t SB_BOTTOM = 7;
constexpr intptr_t SB_ENDSCROLL = 8;

// Mouse message key flags.
constexpr intptr_t MK_LBUTTON = 0x01;
constexpr intptr_t MK_RBUTTON = 0x02;
constexpr intptr_t MK_SHIFT = 0x04;
constexpr intptr_t MK_CONTROL = 0x08;
constexpr intptr_t MK_MBUTTON = 0x10;

// Key message data: bit 29 says Alt was down, bit 30 that the key was
// already down (auto-repeat), bit 31 that it is being released.
constexpr intptr_t KF_ALTDOWN = intptr_t { 1 } << 29;
constexpr intptr_t KF_REPEAT = intptr_t { 1 } << 30;
constexpr intptr_t KF_UP = intptr_t { 1 } << 31;

// Virtual-key codes. Letters and digits are their upper-case ASCII codes.
constexpr uint16_t VK_LBUTTON = 0x01;
constexpr uint16_t VK_RBUTTON = 0x02;
constexpr uint16_t VK_CANCEL = 0x03;
constexpr uint16_t VK_MBUTTON = 0x04;
constexpr uint16_t VK_BACK = 0x08;
constexpr uint16_t VK_TAB = 0x09;
constexpr uint16_t VK_CLEAR = 0x0C;
constexpr uint16_t VK_RETURN = 0x0D;
constexpr uint16_t VK_SHIFT = 0x10;
constexpr uint16_t VK_CONTROL = 0x11;
constexpr uint16_t VK_MENU = 0x12;
constexpr uint16_t VK_PAUSE = 0x13;
constexpr uint16_t VK_CAPITAL = 0x14;
constexpr uint16_t VK_ESCAPE = 0x1B;
constexpr uint16_t VK_SPACE = 0x20;
constexpr uint16_t VK_PRIOR = 0x21;
constexpr uint16_t VK_NEXT = 0x22;
constexpr uint16_t VK_END = 0x23;
constexpr uint16_t VK_HOME = 0x24;
constexpr uint16_t VK_LEFT = 0x25;
constexpr uint16_t VK_UP = 0x26;
constexpr uint16_t VK_RIGHT = 0x27;
constexpr uint16_t VK_DOWN = 0x28;
constexpr uint16_t VK_SNAPSHOT = 0x2C;
constexpr uint16_t VK_INSERT = 0x2D;
constexpr uint16_t VK_DELETE = 0x2E;
constexpr uint16_t VK_HELP = 0x2F;
constexpr uint16_t VK_LWIN = 0x5B;
constexpr uint16_t VK_APPS = 0x5D;
constexpr uint16_t VK_NUMPAD0 = 0x60;
constexpr uint16_t VK_MULTIPLY = 0x6A;
constexpr uint16_t VK_ADD = 0x6B;
constexpr uint16_t VK_SEPARATOR = 0x6C;
constexpr uint16_t VK_SUBTRACT = 0x6D;
constexpr uint16_t VK_DECIMAL = 0x6E;
constexpr uint16_t VK_DIVIDE = 0x6F;
constexpr uint16_t VK_F1 = 0x70;
constexpr uint16_t VK_F2 = 0x71;
constexpr uint16_t VK_F3 = 0x72;
constexpr uint16_t VK_F4 = 0x73;
constexpr uint16_t VK_F5 = 0x74;
constexpr uint16_t VK_F10 = 0x79;
constexpr uint16_t VK_F12 = 0x7B;
constexpr uint16_t VK_NUMLOCK = 0x90;
constexpr uint16_t VK_SCROLL = 0x91;
constexpr uint16_t VK_OEM_1 = 0xBA;
constexpr uint16_t VK_OEM_PLUS = 0xBB;
constexpr uint16_t VK_OEM_COMMA = 0xBC;
constexpr uint16_t VK_OEM_MINUS = 0xBD;
constexpr uint16_t VK_OEM_PERIOD = 0xBE;
constexpr uint16_t VK_OEM_2 = 0xBF;
constexpr uint16_t VK_OEM_3 = 0xC0;
constexpr uint16_t VK_OEM_4 = 0xDB;
constexpr uint16_t VK_OEM_5 = 0xDC;
constexpr uint16_t VK_OEM_6 = 0xDD;
constexpr uint16_t VK_OEM_7 = 0xDE;

enum class TShiftFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSetOf<TShiftFlag>;
using enum TShiftFlag;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using enum TMouseButton;

constexpr intptr_t MakeLParam(int32_t low, int32_t high)
{
    return static_cast<intptr_t>((static_cast<uint32_t>(high & 0xFFFF) << 16) | static_cast<uint32_t>(low & 0xFFFF));
}
constexpr int16_t LParamX(intptr_t lParam) { return static_cast<int16_t>(lParam & 0xFFFF); }
constexpr int16_t LParamY(intptr_t lParam) { return static_cast<int16_t>((lParam >> 16) & 0xFFFF); }
constexpr intptr_t PointToLParam(TPoint point) { return MakeLParam(point.X, point.Y); }
constexpr TPoint LParamToPoint(intptr_t lParam) { return { LParamX(lParam), LParamY(lParam) }; }

// The state of Shift, Ctrl and Alt as of the key or mouse input being
// handled now; negative when down, as the platform reports it.
int16_t GetKeyState(int32_t virtualKey);
// Shift and Ctrl from the current state, Alt from the key data's flag.
TShiftState KeyDataToShiftState(intptr_t keyData);
TShiftState KeyboardStateToShiftState();

// The same identifier for the same name for the run of the program.
uint32_t RegisterWindowMessage(const String& name);

// Command notifications: WM_COMMAND carries the notification code in the
// high word of WParam and the sender's identifier in the low word; CN_COMMAND
// is the same notification reflected to the control it concerns.
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t CN_COMMAND = CN_BASE + WM_COMMAND;
// Notifications of the common controls: the code in WParam; CN_NOTIFY is
// the notification reflected to the control it concerns.
constexpr uint32_t WM_NOTIFY = 0x004E;
constexpr uint32_t CN_NOTIFY = CN_BASE + WM_NOTIFY;
// The edit part of a drop-down combo: its selection (start in the low word,
// end in the high word; a start of -1 removes it, an end of -1 runs to the
// end), its length limit, and with index -1 the height of the edit part.
constexpr uint32_t CB_GETEDITSEL = 0x0140;
constexpr uint32_t CB_LIMITTEXT = 0x0141;
constexpr uint32_t CB_SETEDITSEL = 0x0142;
constexpr uint32_t CB_SETITEMHEIGHT = 0x0153;
constexpr uint32_t CB_GETITEMHEIGHT = 0x0154;
constexpr uint32_t CB_GETDROPPEDWIDTH = 0x015F;
constexpr uint32_t CB_SETDROPPEDWIDTH = 0x0160;
constexpr int32_t CBN_SELCHANGE = 1;
constexpr int32_t CBN_EDITCHANGE = 5;
constexpr int32_t CBN_DROPDOWN = 7;
constexpr int32_t CBN_CLOSEUP = 8;
// An edit's text changed.
constexpr int32_t EN_CHANGE = 0x0300;
constexpr int32_t CommandCode(intptr_t wParam) { return static_cast<int32_t>((wParam >> 16) & 0xFFFF); }
constexpr int32_t CommandId(intptr_t wParam) { return static_cast<int32_t>(wParam & 0xFFFF); }

// True when character is the accelerator ("&x") of caption, ignoring case.
bool IsAccel(uint32_t character, const String& caption);
// The caption without its accelerator marks ("&&" becomes "&").
String StripHotkey(const String& caption);
