#pragma once

#include "platform/core/SysUtils.h"

#include <QString>

#include <cstdint>

using String = QString;

using TClipboardFormat = uint32_t;
constexpr TClipboardFormat CF_TEXT = 1;
constexpr TClipboardFormat CF_UNICODETEXT = 13;

// The same format for the same name for the run of the program.
TClipboardFormat RegisterClipboardFormat(const String& name);
// The type a registered format travels as between programs (empty for a
// format that is not registered), and back (0 for none).
String ClipboardFormatMimeType(TClipboardFormat format);
TClipboardFormat ClipboardFormatOfMimeType(const String& mimeType);

// The system clipboard: text, and private formats registered by name that
// carry bytes (the grid's copied rows).
class TClipboard {
public:
    String AsText() const;
    void SetAsText(const String& text);
    bool HasFormat(TClipboardFormat format) const;
    // The bytes of a registered format; empty when the clipboard has none.
    TBytes AsBytes(TClipboardFormat format) const;
    // Replaces the clipboard's content with bytes in a registered format.
    void SetAsBytes(TClipboardFormat format, const TBytes& bytes);
    void Clear();
};

TClipboard& Clipboard();
