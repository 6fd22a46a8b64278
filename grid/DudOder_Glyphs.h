#pragma once

// The grid's own glyph pictures (check boxes and radio buttons in the XP
// and VUV looks, the node glyphs, the filter button), registered as bitmap
// resources under their names the first time a painter asks.
void RegisterGridGlyphs();
