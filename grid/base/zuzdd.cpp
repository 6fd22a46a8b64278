#include "grid/base/zuzdd.h"

#include "platform/core/Exception.h"
#include "platform/core/Streams.h"
#include "platform/core/TextCodec.h"

#include <cstring>

namespace {

// Registered when a reader or a source data object is made; 0 before.
TClipboardFormat CF_RICHTEXT = 0;
TClipboardFormat CF_GRIDCOL = 0;
TClipboardFormat CF_GRIDCELLS = 0;
TClipboardFormat CF_URL = 0;

bool OleDropRTF = false;

void RegisterFormats()
{
    CF_RICHTEXT = RegisterClipboardFormat(QStringLiteral("Rich Text Format"));
    CF_GRIDCOL = RegisterClipboardFormat(QStringLiteral("Grid Column"));
    CF_GRIDCELLS = RegisterClipboardFormat(QStringLiteral("TDudStringGrid Cells"));
    CF_URL = RegisterClipboardFormat(QStringLiteral("UniformResourceLocator"));
}

// The cells block: the byte count, four reserved bytes, the bytes.
constexpr size_t CellsHeaderSize = 8;

int32_t ReadInt32(const TBytes& block, size_t offset)
{
    int32_t value = 0;
    std::memcpy(&value, block.data() + offset, sizeof value);
    return value;
}

uint32_t DropEffectForKeys(uint32_t keyState, uint32_t allowed)
{
    if ((keyState & MK_CONTROL) != 0)
        return DROPEFFECT_COPY;
    return (allowed & DROPEFFECT_MOVE) != 0 ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

FORMATETC HGlobalFormat(TClipboardFormat format)
{
    FORMATETC result;
    result.cfFormat = format;
    result.dwAspect = DVASPECT_CONTENT;
    result.lindex = -1;
    result.tymed = TYMED_HGLOBAL;
    return result;
}

bool FillBlock(const void* data, size_t size, size_t blockSize, TBytes& block)
{
    if (!GlobalAlloc(blockSize, block))
        return false;
    if (size > 0)
        std::memcpy(block.data(), data, size);
    return true;
}

} // namespace

void SetOleDropRTFFlag(bool value) { OleDropRTF = value; }

bool OleDropRTFEnabled() { return OleDropRTF; }

// ---- TEnumFormats

TEnumFormats::TEnumFormats(std::shared_ptr<IDataObject> dataObject)
{
    SetDataObject(std::move(dataObject));
    RegisterFormats();
}

void TEnumFormats::SetDataObject(std::shared_ptr<IDataObject> dataObject)
{
    FDataObject = std::move(dataObject);
    FEnumerator.reset();
    if (!FDataObject || FDataObject->EnumFormatEtc(DATADIR_GET, FEnumerator) != S_OK || !FEnumerator)
        throw EAssertionFailed(QStringLiteral("Cannot get the format enumerator"));
    Reset();
}

bool TEnumFormats::Next()
{
    uint32_t fetched = 0;
    FValid = FEnumerator->Next(1, &FFormatEtc, &fetched) == S_OK && fetched == 1;
    ++FCount;
    return FValid;
}

void TEnumFormats::Reset()
{
    FEnumerator->Reset();
    FValid = false;
    FCount = 0;
}

bool TEnumFormats::HasFormat(TClipboardFormat clipFormat)
{
    Reset();
    while (Next())
        if (FFormatEtc.cfFormat == clipFormat)
            return true;
    return false;
}

std::optional<TBytes> TEnumFormats::Handle(uint32_t tymed)
{
    if (!FValid || (FFormatEtc.tymed & tymed) == 0)
        return std::nullopt;
    FORMATETC format = FFormatEtc;
    format.tymed = tymed;
    STGMEDIUM medium;
    if (FDataObject->GetData(format, medium) != S_OK || medium.tymed != tymed)
        return std::nullopt;
    return std::move(medium.hGlobal);
}

bool TEnumFormats::HasRTF() { return HasFormat(CF_RICHTEXT); }
bool TEnumFormats::HasCol() { return HasFormat(CF_GRIDCOL); }
bool TEnumFormats::HasURL() { return HasFormat(CF_URL); }
bool TEnumFormats::HasGridCells() { return HasFormat(CF_GRIDCELLS); }
String TEnumFormats::RTF() { return ReadAnsiText(CF_RICHTEXT); }
int32_t TEnumFormats::Col() { return ReadInteger(CF_GRIDCOL); }
std::unique_ptr<TMemoryStream> TEnumFormats::Stream() { return ReadStream(CF_GRIDCELLS); }

String TEnumFormats::ReadWideText(TClipboardFormat clipFormat)
{
    if (!HasFormat(clipFormat))
        return {};
    const std::optional<TBytes> block = GlobalHandle();
    if (!block)
        return {};
    std::u16string text(block->size() / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), block->data(), text.size() * sizeof(char16_t));
    text.resize(std::min(text.find(u'\0'), text.size()));
    return String::fromStdU16String(text);
}

String TEnumFormats::ReadAnsiText(TClipboardFormat clipFormat)
{
    if (!HasFormat(clipFormat))
        return {};
    const std::optional<TBytes> block = GlobalHandle();
    if (!block)
        return {};
    const auto end = std::find(block->begin(), block->end(), uint8_t { 0 });
    return DecodeWindows1252(std::string(block->begin(), end));
}

int32_t TEnumFormats::ReadInteger(TClipboardFormat clipFormat)
{
    if (!HasFormat(clipFormat))
        return -1;
    const std::optional<TBytes> block = GlobalHandle();
    if (!block || block->size() < sizeof(int32_t))
        return -1;
    return ReadInt32(*block, 0);
}

std::unique_ptr<TMemoryStream> TEnumFormats::ReadStream(TClipboardFormat clipFormat)
{
    if (!HasFormat(clipFormat))
        return nullptr;
    const std::optional<TBytes> block = GlobalHandle();
    if (!block || block->size() < CellsHeaderSize)
        return nullptr;
    // Another program's block may claim more than it holds.
    const int32_t count = ReadInt32(*block, 0);
    if (count < 0 || static_cast<size_t>(count) > block->size() - CellsHeaderSize)
        return nullptr;
    auto stream = std::make_unique<TMemoryStream>();
    stream->Write(block->data() + CellsHeaderSize, count);
    stream->Seek(0, soBeginning);
    return stream;
}

bool TEnumFormats::ReadFiles(TStrings& list)
{
    FFiles.Clear();
    const std::optional<TBytes> block = GlobalHandle();
    DROPFILES header;
    if (block && block->size() >= sizeof header) {
        std::memcpy(&header, block->data(), sizeof header);
        // Only names that end inside the block count.
        size_t at = header.pFiles;
        if (header.fWide != 0) {
            while (at + sizeof(char16_t) <= block->size()) {
                std::u16string name;
                char16_t unit = 0;
                for (; at + sizeof unit <= block->size(); at += sizeof unit) {
                    std::memcpy(&unit, block->data() + at, sizeof unit);
                    if (unit == u'\0')
                        break;
                    name.push_back(unit);
                }
                if (unit != u'\0' || name.empty())
                    break;
                at += sizeof unit;
                list.Add(String::fromStdU16String(name));
            }
        } else {
            while (at < block->size()) {
                const auto begin = block->begin() + static_cast<ptrdiff_t>(at);
                const auto end = std::find(begin, block->end(), uint8_t { 0 });
                if (end == block->end() || end == begin)
                    break;
                list.Add(DecodeWindows1252(std::string(begin, end)));
                at = static_cast<size_t>(end - block->begin()) + 1;
            }
        }
    }
    return list.Count() > 0;
}

// ---- TZUZDropTarget

HRESULT TZUZDropTarget::DragEnter(const std::shared_ptr<IDataObject>& dataObject, uint32_t keyState, TPoint,
    uint32_t& effect)
{
    TEnumFormats formats(dataObject);
    const bool text = formats.HasText();
    const bool file = formats.HasFile();
    const bool rtf = formats.HasRTF();
    const bool col = formats.HasCol();
    const bool url = formats.HasURL();
    const bool cells = formats.HasGridCells();
    FOk = (text && FAcceptText) || (file && FAcceptFiles) || (rtf && OleDropRTF && FAcceptText) || (col && FAcceptCols)
        || (url && FAcceptURLs) || cells;
    FDropFormats = {};
    if (text)
        FDropFormats << dfText;
    if (file)
        FDropFormats << dfFile;
    if (rtf)
        FDropFormats << dfRTF;
    if (col)
        FDropFormats << dfCol;
    if (url)
        FDropFormats << dfURL;
    if (cells)
        FDropFormats << dfGridCells;
    effect = FOk ? DropEffectForKeys(keyState, effect) : DROPEFFECT_NONE;
    DragMouseEnter();
    return S_OK;
}

HRESULT TZUZDropTarget::DragOver(uint32_t keyState, TPoint point, uint32_t& effect)
{
    effect = FOk ? DropEffectForKeys(keyState, effect) : DROPEFFECT_NONE;
    bool allow = effect != DROPEFFECT_NONE;
    DragMouseMove(point, allow, FDropFormats);
    if (!allow)
        effect = DROPEFFECT_NONE;
    return S_OK;
}

HRESULT TZUZDropTarget::DragLeave()
{
    DragMouseLeave();
    return S_OK;
}

HRESULT TZUZDropTarget::Drop(const std::shared_ptr<IDataObject>& dataObject, uint32_t keyState, TPoint point,
    uint32_t& effect)
{
    if (!FOk) {
        effect = DROPEFFECT_NONE;
        return S_OK;
    }
    TEnumFormats formats(dataObject);
    if (formats.HasCol()) {
        DropCol(point, formats.Col());
    } else {
        std::unique_ptr<TMemoryStream> cells = formats.HasGridCells() ? formats.Stream() : nullptr;
        if (cells)
            DropStream(point, std::move(cells));
        else if (OleDropRTF && formats.HasRTF())
            DropRTF(point, formats.RTF());
        else if (formats.HasText())
            DropText(point, formats.Text());
        if (formats.HasFile()) {
            formats.ReadFiles(formats.Files());
            DropFiles(point, formats.Files());
        }
        if (formats.HasURL())
            DropURL(point, formats.Text());
    }
    effect = DropEffectForKeys(keyState, effect);
    return S_OK;
}

// ---- TZUZDropSource

HRESULT TZUZDropSource::QueryContinueDrag(bool escapePressed, uint32_t keyState)
{
    HRESULT answer = S_OK;
    if (escapePressed) {
        DropDone();
        answer = DRAGDROP_S_CANCEL;
    } else if ((keyState & MK_LBUTTON) == 0) {
        DropDone();
        answer = DRAGDROP_S_DROP;
    }
    QueryDrag();
    return answer;
}

HRESULT TZUZDropSource::GiveFeedback(uint32_t effect)
{
    FNoAccept = effect == DROPEFFECT_NONE;
    CurrentEffect(effect);
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

// ---- TSourceDataObject

TSourceDataObject::TSourceDataObject(const String& text, const String& richText, int32_t column, TMemoryStream* stream)
    : textdata(text), rtfdata(richText), scolidx(column), memstr(stream)
{
    // A drag may start before anything was dropped on a grid.
    RegisterFormats();
}

HRESULT TSourceDataObject::QueryGetData(const FORMATETC& format)
{
    if (format.dwAspect != DVASPECT_CONTENT || format.tymed != TYMED_HGLOBAL)
        return DV_E_FORMATETC;
    const TClipboardFormat cf = format.cfFormat;
    if (!textdata.isEmpty() && (cf == CF_TEXT || cf == CF_UNICODETEXT || (cf == CF_RICHTEXT && OleDropRTF)))
        return S_OK;
    if (memstr && cf == CF_GRIDCELLS)
        return S_OK;
    if (scolidx != -1 && cf == CF_GRIDCOL)
        return S_OK;
    return DV_E_FORMATETC;
}

HRESULT TSourceDataObject::GetData(const FORMATETC& format, STGMEDIUM& medium)
{
    medium = STGMEDIUM {};
    if (QueryGetData(format) != S_OK)
        return DV_E_FORMATETC;
    TBytes block;
    bool filled = false;
    const TClipboardFormat cf = format.cfFormat;
    if (cf == CF_TEXT || cf == CF_RICHTEXT) {
        const std::string bytes = EncodeText(cf == CF_TEXT ? textdata : rtfdata, TTextEncoding::Ansi);
        filled = FillBlock(bytes.data(), bytes.size(), bytes.size() + 1, block);
    } else if (cf == CF_UNICODETEXT) {
        const size_t size = static_cast<size_t>(textdata.size()) * sizeof(char16_t);
        filled = FillBlock(textdata.utf16(), size, size + sizeof(char16_t), block);
    } else if (cf == CF_GRIDCOL) {
        filled = FillBlock(&scolidx, sizeof scolidx, sizeof scolidx, block);
    } else {
        const TBytes& cells = memstr->Bytes();
        if (cells.size() <= static_cast<size_t>(INT32_MAX)) {
            const auto count = static_cast<int32_t>(cells.size());
            filled = FillBlock(cells.data(), 0, CellsHeaderSize + cells.size(), block);
            if (filled) {
                std::memcpy(block.data(), &count, sizeof count);
                if (!cells.empty())
                    std::memcpy(block.data() + CellsHeaderSize, cells.data(), cells.size());
            }
        }
    }
    if (!filled)
        return DV_E_FORMATETC;
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = std::move(block);
    return S_OK;
}

HRESULT TSourceDataObject::GetDataHere(const FORMATETC&, STGMEDIUM&) { return DV_E_FORMATETC; }

HRESULT TSourceDataObject::GetCanonicalFormatEtc(const FORMATETC&, FORMATETC& canonical)
{
    canonical.ptd = nullptr;
    return E_NOTIMPL;
}

HRESULT TSourceDataObject::SetData(const FORMATETC&, STGMEDIUM&, bool) { return DV_E_FORMATETC; }

HRESULT TSourceDataObject::EnumFormatEtc(uint32_t direction, std::shared_ptr<IEnumFORMATETC>& enumerator)
{
    enumerator.reset();
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    enumerator = std::make_shared<TSourceEnumFormatEtc>(scolidx != -1, memstr != nullptr);
    return S_OK;
}

HRESULT TSourceDataObject::DAdvise(const FORMATETC&, uint32_t, IAdviseSink*, uint32_t&)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TSourceDataObject::DUnadvise(uint32_t) { return OLE_E_ADVISENOTSUPPORTED; }

HRESULT TSourceDataObject::EnumDAdvise(std::shared_ptr<IEnumSTATDATA>& enumerator)
{
    enumerator.reset();
    return OLE_E_ADVISENOTSUPPORTED;
}

// ---- TSourceEnumFormatEtc

TSourceEnumFormatEtc::TSourceEnumFormatEtc(bool hasCol, bool hasGridCells, size_t index)
    : FIndex(index), FHasCol(hasCol), FHasGridCells(hasGridCells)
{
}

size_t TSourceEnumFormatEtc::Count() const { return 3 + (FHasCol ? 1 : 0) + (FHasGridCells ? 1 : 0); }

FORMATETC TSourceEnumFormatEtc::At(size_t index) const
{
    switch (index) {
    case 0:
        return HGlobalFormat(CF_TEXT);
    case 1:
        return HGlobalFormat(CF_UNICODETEXT);
    case 2:
        return HGlobalFormat(CF_RICHTEXT);
    case 3:
        return HGlobalFormat(FHasCol ? CF_GRIDCOL : CF_GRIDCELLS);
    default:
        return HGlobalFormat(CF_GRIDCELLS);
    }
}

HRESULT TSourceEnumFormatEtc::Next(uint32_t count, FORMATETC* formats, uint32_t* fetched)
{
    uint32_t copied = 0;
    while (copied < count && FIndex < Count())
        formats[copied++] = At(FIndex++);
    if (fetched)
        *fetched = copied;
    return copied == count ? S_OK : S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Skip(uint32_t count)
{
    FIndex += count;
    if (FIndex <= Count())
        return S_OK;
    FIndex = Count();
    return S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Reset()
{
    FIndex = 0;
    return S_OK;
}

HRESULT TSourceEnumFormatEtc::Clone(std::shared_ptr<IEnumFORMATETC>& enumerator)
{
    enumerator = std::make_shared<TSourceEnumFormatEtc>(FHasCol, FHasGridCells, FIndex);
    return S_OK;
}

// ---- starting a drag

namespace {

HRESULT RunDrag(const std::shared_ptr<TZUZDropSource>& source, const std::shared_ptr<IDataObject>& data,
    uint32_t okEffects, uint32_t& effect)
{
    const HRESULT result = DoDragDrop(data, source, okEffects, effect);
    return source->NoAccept() ? DRAGDROP_S_CANCEL : result;
}

} // namespace

HRESULT BeginTextDrag(const std::shared_ptr<TZUZDropSource>& source, const String& text, const String& richText,
    TMemoryStream* stream, uint32_t okEffects, uint32_t& effect)
{
    return RunDrag(source, std::make_shared<TSourceDataObject>(text, richText, -1, stream), okEffects, effect);
}

HRESULT BeginColumnDrag(const std::shared_ptr<TZUZDropSource>& source, int32_t column, uint32_t okEffects,
    uint32_t& effect)
{
    return RunDrag(source, std::make_shared<TSourceDataObject>(String(), String(), column, nullptr), okEffects, effect);
}
