#pragma once

class TTable_Editor;

// Rows of a small boat's NMEA 2000 network, typed into the two frame editors
// so their pictures show a table in use.
void FillReceiveFrames(TTable_Editor& editor);
void FillSendFrames(TTable_Editor& editor);
