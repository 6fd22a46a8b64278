#pragma once

#include "platform/graphics/Canvas.h"
#include "platform/ui/BiDi.h"

#include <cstdint>

class TImageList;
class THTMLPictureCache;
class TPictureContainer;
class TWinControl;


// The colours of the HI tag, shared by every rendering; clHighlight and
// clHighlightText until set.
void SetHighlightColors(TColor background, TColor text);

// Draws, measures or hit-tests a text in the grid's mini-HTML within rect.
// Every call starts afresh: the canvas font, pen and brush are the starting
// look and come back as they were. Lines are laid out one by one, each in a
// measuring pass and then a drawing (or, with hitTestOnly, a hit-testing)
// pass; the time taken grows with the text, never with its nesting.
//
// Outputs are cleared first. True when, after the second pass, the mouse
// lies over an anchor's text (with hitTestOnly), over a picture inside an
// anchor or over a form control; always false with measureOnly.
//   mouseX, mouseY       the mouse for hit-testing (-1 or 0 for none)
//   focusLink            anchor (from 0) framed by a focus rectangle; -1 none
//   hoverLink            anchor (from 1) the mouse is over, for hover looks
//   hitTestOnly          the second pass draws nothing, and controlID names
//                        the form control to locate
//   keepColors           anchor and FONT colours are not applied
//   blinkOn              blink phase; off draws blinking text invisible
//   hoverUnderlineOnly   only anchor hoverLink is underlined and coloured
//   wordWrap             lines break at blanks, else end in an ellipsis
//   controlDown          the mouse button is down over a form control
//   scaleFactor          picture scale with scaleImages (printing)
//   anchorUnderMouse     HREF under the mouse; "ctrl" over a form control
//   plainText            the text without tags (hidden text included)
//   extentX, extentY     the widest line and the total height
//   hoverAnchorIndex     anchor (from 1) under the mouse, -1 none
bool DrawMarkupText(TCanvas& canvas, const String& text, const TRect& rect, const TImageList* images,
    int32_t mouseX, int32_t mouseY, int32_t focusLink, int32_t hoverLink, int32_t shadowOffset,
    bool hitTestOnly, bool measureOnly, bool scaleImages, bool keepColors, bool blinkOn,
    bool hoverUnderlineOnly, bool wordWrap, bool controlDown, double scaleFactor, TColor anchorColor,
    TColor hoverBackColor, TColor hoverTextColor, TColor shadowColor, String& anchorUnderMouse,
    String& plainText, String& focusAnchor, String& anchorTitle, int32_t& extentX, int32_t& extentY,
    int32_t& anchorCount, int32_t& hoverAnchorIndex, TRect& hoverAnchorRect, TRect& controlRect,
    String& controlID, String& controlValue, String& controlType, THTMLPictureCache* pictureCache,
    const TPictureContainer* pictures, const TWinControl* windowHandle, TBiDiMode biDiMode);

// Draws (with measureOnly, only measures) a text nobody points at or
// clicks: no mouse, hover or focus, left to right, as captions, footers and
// hints show it. Returns the widest line and the total height.
TSize DrawStaticMarkup(TCanvas& canvas, const String& text, const TRect& rect, const TImageList* images,
    const TPictureContainer* pictures, TColor anchorColor, bool wordWrap, bool measureOnly = false);
