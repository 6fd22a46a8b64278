#pragma once

#include "platform/core/Exception.h"

#include <cstdint>

class THttpClient;
class TControl;

inline const String SW_Version = QStringLiteral("1.000");
inline const String Version_SW_Code = QStringLiteral("SC-TX209");

// The maker's web server ("http://host[:port]", no trailing '/'): the build's
// setting, replaced by tests with a server of their own on loopback. Empty
// while the build names none: then there is no address to show, no page to
// open and nobody to ask for a newer version.
String Maker_Server();
void Set_Maker_Server(const String& address);
inline bool Maker_Server_Known() { return !Maker_Server().isEmpty(); }

String Version_Query_Url();
String Download_Page_Url();
String Home_Page_Url();
// The maker's address as people read it: host and port without the scheme.
String Maker_Web_Address();
// A control that opens one of the maker's pages shows the hand pointer, but
// only when there is a server; without one it is no link.
void Set_Maker_Link(TControl& control);
// Opens a page of the maker's site; nothing without a server.
void Open_Maker_Page(const String& url);

// The notice of a newer version: a link to the download page with text.
String Update_Link_Caption(const String& text);

// The version number written d.ddd after the reply's first blank, as the
// integer dddd; -1 when it is not one.
int32_t Conv_Version(const String& Ver_str);
// Whether the server's reply names a version newer than this program's.
bool Is_Newer_Version(const String& reply);

// The client as the version query wants it: the browser-like headers the
// server expects, and time-outs so a silent server cannot hold the program.
void Setup_Version_Client(THttpClient& client);
// Asks the maker's server for the latest version. Every failure (no server,
// no connection, time-out, an error status, an unreadable reply) means that
// there is no newer version.
bool Check_Version(const THttpClient& client);
