#pragma once

// Drag and drop between windows of this program and of other programs, in
// the terms of the platform's OLE drag and drop: a data object offers its
// data in formats (clipboard format numbers) as memory blocks; a drop target
// registered for a window hears the drag enter, move over, leave and drop
// with the key state and the screen position, and answers the drop effect;
// a drag source decides on every change of the keys and buttons whether the
// drag goes on, drops or is cancelled, and hears the effect the target
// offers.
//
// Across programs the formats travel as the system's data types: text as
// plain text, "Rich Text Format" as RTF, a file list (CF_HDROP) and
// "UniformResourceLocator" as a URI list, every other registered format as
// its bytes under a type of this program's own. Within the program a target
// reads the source's data object itself.

#include "platform/core/SysUtils.h"
#include "platform/graphics/Types.h"
#include "platform/ui/Clipbrd.h"
#include "platform/ui/Messages.h"

#include <cstdint>
#include <memory>
#include <vector>

class TWinControl;

using HRESULT = int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);
constexpr HRESULT DV_E_FORMATETC = static_cast<HRESULT>(0x80040064);
constexpr HRESULT OLE_E_ADVISENOTSUPPORTED = static_cast<HRESULT>(0x80040003);
constexpr HRESULT DRAGDROP_S_DROP = 0x00040100;
constexpr HRESULT DRAGDROP_S_CANCEL = 0x00040101;
constexpr HRESULT DRAGDROP_S_USEDEFAULTCURSORS = 0x00040102;
constexpr HRESULT DRAGDROP_E_NOTREGISTERED = static_cast<HRESULT>(0x80040100);
constexpr HRESULT DRAGDROP_E_ALREADYREGISTERED = static_cast<HRESULT>(0x80040101);
constexpr HRESULT DRAGDROP_E_INVALIDHWND = static_cast<HRESULT>(0x80040102);

constexpr TClipboardFormat CF_HDROP = 15;

// Drop effects.
constexpr uint32_t DROPEFFECT_NONE = 0;
constexpr uint32_t DROPEFFECT_COPY = 1;
constexpr uint32_t DROPEFFECT_MOVE = 2;
constexpr uint32_t DROPEFFECT_LINK = 4;

// Key state bits besides the mouse ones of Messages.h.
constexpr uint32_t MK_ALT = 0x20;

// Aspects, media and directions of a data format.
constexpr uint32_t DVASPECT_CONTENT = 1;
constexpr uint32_t TYMED_NULL = 0;
constexpr uint32_t TYMED_HGLOBAL = 1;
constexpr uint32_t DATADIR_GET = 1;
constexpr uint32_t DATADIR_SET = 2;

// One format of a data object. The target device is always none.
struct FORMATETC {
    TClipboardFormat cfFormat = 0;
    const void* ptd = nullptr;
    uint32_t dwAspect = DVASPECT_CONTENT;
    int32_t lindex = -1;
    uint32_t tymed = TYMED_HGLOBAL;
};

// Data handed over: with TYMED_HGLOBAL the memory block, which the receiver
// owns.
struct STGMEDIUM {
    uint32_t tymed = TYMED_NULL;
    TBytes hGlobal;
};

// The file-drop block (CF_HDROP): this header, then at pFiles the names,
// each ending in a zero, an empty name ending the list; UTF-16 when fWide.
struct DROPFILES {
    uint32_t pFiles = 0;
    int32_t ptX = 0;
    int32_t ptY = 0;
    uint32_t fNC = 0;
    uint32_t fWide = 0;
};

// A memory block of the given size, zero-filled; empty with false when it
// cannot be had.
bool GlobalAlloc(size_t size, TBytes& block);

class IAdviseSink;
class IEnumSTATDATA;

class IEnumFORMATETC {
public:
    virtual ~IEnumFORMATETC() = default;
    // Copies up to count formats from the position on; S_FALSE when fewer
    // were left.
    virtual HRESULT Next(uint32_t count, FORMATETC* formats, uint32_t* fetched) = 0;
    virtual HRESULT Skip(uint32_t count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& enumerator) = 0;
};

class IDataObject {
public:
    virtual ~IDataObject() = default;
    virtual HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) = 0;
    virtual HRESULT GetDataHere(const FORMATETC& format, STGMEDIUM& medium) = 0;
    virtual HRESULT QueryGetData(const FORMATETC& format) = 0;
    virtual HRESULT GetCanonicalFormatEtc(const FORMATETC& format, FORMATETC& canonical) = 0;
    virtual HRESULT SetData(const FORMATETC& format, STGMEDIUM& medium, bool release) = 0;
    virtual HRESULT EnumFormatEtc(uint32_t direction, std::shared_ptr<IEnumFORMATETC>& enumerator) = 0;
    virtual HRESULT DAdvise(const FORMATETC& format, uint32_t flags, IAdviseSink* sink, uint32_t& connection) = 0;
    virtual HRESULT DUnadvise(uint32_t connection) = 0;
    virtual HRESULT EnumDAdvise(std::shared_ptr<IEnumSTATDATA>& enumerator) = 0;
};

// What a window registered for drops hears. Points are in screen
// coordinates; key state is the MK_ bits; effect comes in as the effects the
// source allows and goes out as the one the target would take.
class IDropTarget {
public:
    virtual ~IDropTarget() = default;
    virtual HRESULT DragEnter(const std::shared_ptr<IDataObject>& dataObject, uint32_t keyState, TPoint point,
        uint32_t& effect) = 0;
    virtual HRESULT DragOver(uint32_t keyState, TPoint point, uint32_t& effect) = 0;
    virtual HRESULT DragLeave() = 0;
    virtual HRESULT Drop(const std::shared_ptr<IDataObject>& dataObject, uint32_t keyState, TPoint point,
        uint32_t& effect) = 0;
};

class IDropSource {
public:
    virtual ~IDropSource() = default;
    // S_OK goes on, DRAGDROP_S_DROP drops, DRAGDROP_S_CANCEL cancels.
    virtual HRESULT QueryContinueDrag(bool escapePressed, uint32_t keyState) = 0;
    virtual HRESULT GiveFeedback(uint32_t effect) = 0;
};

// Drops on the window (and the controls inside it that take none of their
// own) go to target from now on, until revoked or the window is gone.
HRESULT RegisterDragDrop(TWinControl* window, std::shared_ptr<IDropTarget> target);
HRESULT RevokeDragDrop(TWinControl* window);
// The target registered for the window, or none.
std::shared_ptr<IDropTarget> RegisteredDropTarget(const TWinControl* window);

// Runs a drag of dataObject until the source drops or cancels it: answers
// DRAGDROP_S_DROP with the effect the target took (DROPEFFECT_NONE when it
// refused), or DRAGDROP_S_CANCEL. okEffects are the effects the source
// allows; a target never gets more.
HRESULT DoDragDrop(const std::shared_ptr<IDataObject>& dataObject, const std::shared_ptr<IDropSource>& source,
    uint32_t okEffects, uint32_t& effect);

// A drag can be carried by steps the program gives instead of the system's
// pointer (tests, platforms without a drag loop). Each step is where the
// pointer is, the key state and whether Escape was pressed; the source is
// asked about each step as it would be about the pointer's. When the steps
// run out the drag is cancelled.
struct TDragStep {
    TPoint ScreenPos;
    uint32_t KeyState = static_cast<uint32_t>(MK_LBUTTON);
    bool Escape = false;
};
// The next DoDragDrop follows these steps.
void SetDragSteps(std::vector<TDragStep> steps);
