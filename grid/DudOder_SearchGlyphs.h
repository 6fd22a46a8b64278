#pragma once

// The pictures of the search footer's buttons (find next and previous with
// their disabled forms, close in its plain, hot and pressed forms, highlight
// and its disabled form), registered as bitmap resources under their names
// the first time a panel asks.
void RegisterSearchGlyphs();
