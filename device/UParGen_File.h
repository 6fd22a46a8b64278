#pragma once

#include "platform/core/Exception.h"

#include <array>
#include <cstdint>

class TXMLDocument;
class TXMLNode;

// The communication parameters of a project as ParGen.xml holds them: one
// text per key, in the order the file is written. Boxes hold "1" or "0", the
// bit rate its list index in decimal; every other value is the text as typed.
enum TParGen_Key : int32_t {
    pkDevice_Name,
    pkDHCP_Cable,
    pkDHCP_WiFi,
    pkEnable_DNS,
    pkPrimary_DNS1,
    pkSecondary_DNS1 = pkPrimary_DNS1 + 4,
    pkIP1 = pkSecondary_DNS1 + 4,
    pkSM1 = pkIP1 + 4,
    pkGAT1 = pkSM1 + 4,
    pkEN_GAT = pkGAT1 + 4,
    pkBaudrate,
    pkTimeout,
    pkPeer_To_Peer,
    ParGen_Key_Count
};

enum class TParGen_Kind { Text, Box, Index };

struct TParGen_Key_Info {
    const char* Name;
    TParGen_Kind Kind;
    const char* Default;
};

const TParGen_Key_Info& ParGen_Key(int32_t key);

using TParGen_Values = std::array<String, ParGen_Key_Count>;

inline constexpr int32_t Baudrate_Count = 10;
inline constexpr int32_t Default_Baudrate_Index = 6;
// The entries of the bit-rate pick list and the bit/s each stands for.
const char* Baudrate_Name(int32_t index);
uint32_t Baudrate_Bits(int32_t index);

TParGen_Values Default_ParGen_Values();

// The text of the key under root, or the key's default when it is missing.
String ParGen_Text(const TXMLNode& root, int32_t key);

// Reads the file into values. The document's first node is taken as the root,
// so a file starting with a declaration or a comment gives every default. A
// box is on only for the text "1"; the Wi-Fi DHCP box is never read. A file
// that does not parse raises EXMLError and leaves values untouched.
void Load_ParGen(TXMLDocument& document, const String& fileName, TParGen_Values& values);
// Rewrites the file whole with the 28 keys in their order and the version comment.
void Save_ParGen(TXMLDocument& document, const String& fileName, const TParGen_Values& values);

// The text of the first value out of its range when OK is pressed, in the
// order of the checks (DNS only while enabled, the gateway only while on), or
// 0 when every value passes. A text that is not an integer counts as -1.
int32_t ParGen_Check_Failure(const TParGen_Values& values);
