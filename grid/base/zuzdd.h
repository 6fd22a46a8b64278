#pragma once

// The mechanics of a grid's drag and drop: reading the formats of dragged
// data, a drop target that decides what it accepts and hands each kind of
// data to a hook, a drag source that follows the keys and buttons, and the
// data object a grid drags its text, cells or a column with. The grid's own
// classes derive from the target and source and do the work in the hooks.

#include "platform/core/StringList.h"
#include "platform/graphics/SetOf.h"
#include "platform/ui/DragDrop.h"

#include <cstdint>
#include <memory>
#include <optional>

class TMemoryStream;

enum class TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using enum TDropFormat;
using TDropFormats = TSetOf<TDropFormat>;

// Lets rich text be accepted and offered (off at start).
void SetOleDropRTFFlag(bool value);
bool OleDropRTFEnabled();

// Reads the formats of a data object.
class TEnumFormats {
public:
    // Throws EAssertionFailed when the object cannot list its formats.
    explicit TEnumFormats(std::shared_ptr<IDataObject> dataObject);

    const std::shared_ptr<IDataObject>& DataObject() const { return FDataObject; }
    void SetDataObject(std::shared_ptr<IDataObject> dataObject);

    // One step through the formats; true when it landed on one.
    bool Next();
    void Reset();
    // Steps from the start to the format; true with the position on it.
    bool HasFormat(TClipboardFormat clipFormat);

    // The current format's data in that medium, when it offers it.
    std::optional<TBytes> Handle(uint32_t tymed);
    std::optional<TBytes> GlobalHandle() { return Handle(TYMED_HGLOBAL); }

    bool HasText() { return HasFormat(CF_UNICODETEXT); }
    bool HasRTF();
    bool HasCol();
    bool HasFile() { return HasFormat(CF_HDROP); }
    bool HasURL();
    bool HasGridCells();

    String Text() { return ReadWideText(CF_UNICODETEXT); }
    String RTF();
    // -1 when no column is offered.
    int32_t Col();
    // The cells' bytes; none when absent or when the block's length is
    // not the block's.
    std::unique_ptr<TMemoryStream> Stream();
    // Appends the names of the current file list to list (after clearing
    // this reader's own); true when list holds any.
    bool ReadFiles(TStrings& list);

    TClipboardFormat Format() const { return FFormatEtc.cfFormat; }
    uint32_t Aspect() const { return FFormatEtc.dwAspect; }
    int32_t Index() const { return FFormatEtc.lindex; }
    uint32_t Medium() const { return FFormatEtc.tymed; }
    bool Valid() const { return FValid; }
    int32_t Count() const { return FCount; }
    TStringList& Files() { return FFiles; }

private:
    String ReadWideText(TClipboardFormat clipFormat);
    String ReadAnsiText(TClipboardFormat clipFormat);
    int32_t ReadInteger(TClipboardFormat clipFormat);
    std::unique_ptr<TMemoryStream> ReadStream(TClipboardFormat clipFormat);

    std::shared_ptr<IDataObject> FDataObject;
    std::shared_ptr<IEnumFORMATETC> FEnumerator;
    FORMATETC FFormatEtc;
    bool FValid = false;
    int32_t FCount = 0;
    TStringList FFiles;
};

// A drop target: accepts what its switches allow (grid cells always) and
// hands the dropped data to the hooks.
class TZUZDropTarget : public IDropTarget {
public:
    HRESULT DragEnter(const std::shared_ptr<IDataObject>& dataObject, uint32_t keyState, TPoint point,
        uint32_t& effect) override;
    HRESULT DragOver(uint32_t keyState, TPoint point, uint32_t& effect) override;
    HRESULT DragLeave() override;
    HRESULT Drop(const std::shared_ptr<IDataObject>& dataObject, uint32_t keyState, TPoint point,
        uint32_t& effect) override;

    bool AcceptText() const { return FAcceptText; }
    void SetAcceptText(bool value) { FAcceptText = value; }
    bool AcceptFiles() const { return FAcceptFiles; }
    void SetAcceptFiles(bool value) { FAcceptFiles = value; }
    bool AcceptCols() const { return FAcceptCols; }
    void SetAcceptCols(bool value) { FAcceptCols = value; }
    bool AcceptURLs() const { return FAcceptURLs; }
    void SetAcceptURLs(bool value) { FAcceptURLs = value; }
    TDropFormats DropFormats() const { return FDropFormats; }
    // The dragged data is acceptable.
    bool Ok() const { return FOk; }

protected:
    // Points are the pointer's in screen coordinates. The base does nothing
    // with the data; a descendant takes it.
    virtual void DropText(TPoint, const String&) { }
    // The receiver owns the stream.
    virtual void DropStream(TPoint, std::unique_ptr<TMemoryStream>) { }
    virtual void DropCol(TPoint, int32_t) { }
    virtual void DropRTF(TPoint, const String&) { }
    virtual void DropFiles(TPoint, TStrings&) { }
    virtual void DropURL(TPoint, const String&) { }
    virtual void DragMouseMove(TPoint, bool&, TDropFormats) { }
    virtual void DragMouseEnter() { }
    virtual void DragMouseLeave() { }

private:
    bool FOk = false;
    bool FAcceptText = true;
    bool FAcceptFiles = true;
    bool FAcceptCols = false;
    bool FAcceptURLs = true;
    TDropFormats FDropFormats;
};

// A drag source: Escape cancels, letting go of the left button drops.
class TZUZDropSource : public IDropSource {
public:
    HRESULT QueryContinueDrag(bool escapePressed, uint32_t keyState) override;
    HRESULT GiveFeedback(uint32_t effect) override;

    // The last feedback showed no effect.
    bool NoAccept() const { return FNoAccept; }

protected:
    // The drag ended, by a drop or a cancel.
    virtual void DropDone() { }
    virtual void CurrentEffect(uint32_t) { }
    // Asked on every query while the drag runs.
    virtual void QueryDrag() { }

private:
    bool FNoAccept = false;
};

// The data a grid drags: its text (offered as single-byte and UTF-16 text,
// and as rich text while that is enabled), a column index, or its cells'
// bytes. The stream is not owned and must outlive the drag.
class TSourceDataObject : public IDataObject {
public:
    TSourceDataObject(const String& text, const String& richText, int32_t column, TMemoryStream* stream);

    HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) override;
    HRESULT GetDataHere(const FORMATETC& format, STGMEDIUM& medium) override;
    HRESULT QueryGetData(const FORMATETC& format) override;
    HRESULT GetCanonicalFormatEtc(const FORMATETC& format, FORMATETC& canonical) override;
    HRESULT SetData(const FORMATETC& format, STGMEDIUM& medium, bool release) override;
    HRESULT EnumFormatEtc(uint32_t direction, std::shared_ptr<IEnumFORMATETC>& enumerator) override;
    HRESULT DAdvise(const FORMATETC& format, uint32_t flags, IAdviseSink* sink, uint32_t& connection) override;
    HRESULT DUnadvise(uint32_t connection) override;
    HRESULT EnumDAdvise(std::shared_ptr<IEnumSTATDATA>& enumerator) override;

private:
    String textdata;
    String rtfdata;
    int32_t scolidx;
    TMemoryStream* memstr;
};

// The formats of a source data object: the three text formats, then the
// column when there is one, then the cells (last) when there are any.
class TSourceEnumFormatEtc : public IEnumFORMATETC {
public:
    TSourceEnumFormatEtc(bool hasCol, bool hasGridCells, size_t index = 0);

    HRESULT Next(uint32_t count, FORMATETC* formats, uint32_t* fetched) override;
    HRESULT Skip(uint32_t count) override;
    HRESULT Reset() override;
    HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& enumerator) override;

private:
    size_t Count() const;
    FORMATETC At(size_t index) const;

    size_t FIndex;
    bool FHasCol;
    bool FHasGridCells;
};

// Drags text (and the cells' bytes, when stream is given); answers
// DRAGDROP_S_CANCEL when the last feedback showed no effect, else the drag's
// result.
HRESULT BeginTextDrag(const std::shared_ptr<TZUZDropSource>& source, const String& text, const String& richText,
    TMemoryStream* stream, uint32_t okEffects, uint32_t& effect);
// Drags a column index, with the same answer.
HRESULT BeginColumnDrag(const std::shared_ptr<TZUZDropSource>& source, int32_t column, uint32_t okEffects,
    uint32_t& effect);
