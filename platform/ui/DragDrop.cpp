#include "platform/ui/DragDrop.h"

#include "platform/core/TextCodec.h"
#include "platform/ui/ControlWidget.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DragDropMime.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <map>
#include <new>
#include <utility>

namespace {

const String TextMime = QStringLiteral("text/plain");
const String RtfMime = QStringLiteral("text/rtf");
const String RtfMimeAlias = QStringLiteral("application/rtf");
const String UriListMime = QStringLiteral("text/uri-list");

TClipboardFormat RtfFormat() { return RegisterClipboardFormat(QStringLiteral("Rich Text Format")); }
TClipboardFormat UrlFormat() { return RegisterClipboardFormat(QStringLiteral("UniformResourceLocator")); }

// ---- memory blocks

TBytes TextBlock(const String& text)
{
    TBytes block(static_cast<size_t>(text.size() + 1) * sizeof(char16_t), 0);
    std::memcpy(block.data(), text.utf16(), static_cast<size_t>(text.size()) * sizeof(char16_t));
    return block;
}

TBytes AnsiBlock(const std::string& bytes)
{
    TBytes block(bytes.size() + 1, 0);
    std::memcpy(block.data(), bytes.data(), bytes.size());
    return block;
}

// Text up to the first zero, or to the end of a block that has none.
String TextOfBlock(const TBytes& block)
{
    const size_t units = block.size() / sizeof(char16_t);
    std::u16string text(units, u'\0');
    std::memcpy(text.data(), block.data(), units * sizeof(char16_t));
    text.resize(std::min(text.find(u'\0'), units));
    return String::fromStdU16String(text);
}

std::string BytesOfAnsiBlock(const TBytes& block)
{
    const auto end = std::find(block.begin(), block.end(), uint8_t { 0 });
    return std::string(block.begin(), end);
}

TBytes FileDropBlock(const QList<QUrl>& files)
{
    String names;
    for (const QUrl& file : files)
        names += file.toLocalFile() + QChar(u'\0');
    names += QChar(u'\0');
    DROPFILES header;
    header.pFiles = sizeof(DROPFILES);
    header.fWide = 1;
    TBytes block(sizeof(DROPFILES) + static_cast<size_t>(names.size()) * sizeof(char16_t), 0);
    std::memcpy(block.data(), &header, sizeof header);
    std::memcpy(block.data() + sizeof header, names.utf16(), static_cast<size_t>(names.size()) * sizeof(char16_t));
    return block;
}

// The names of a file-drop block; a header or list that does not fit the
// block gives what fits of it.
QList<QUrl> FilesOfBlock(const TBytes& block)
{
    QList<QUrl> files;
    DROPFILES header;
    if (block.size() < sizeof header)
        return files;
    std::memcpy(&header, block.data(), sizeof header);
    if (header.pFiles > block.size())
        return files;
    const TBytes list(block.begin() + header.pFiles, block.end());
    if (header.fWide) {
        const size_t units = list.size() / sizeof(char16_t);
        std::u16string text(units, u'\0');
        std::memcpy(text.data(), list.data(), units * sizeof(char16_t));
        for (size_t start = 0; start < units && text[start] != u'\0';) {
            const size_t end = std::min(text.find(u'\0', start), units);
            files.append(QUrl::fromLocalFile(String::fromStdU16String(text.substr(start, end - start))));
            start = end + 1;
        }
    } else {
        for (size_t start = 0; start < list.size() && list[start] != 0;) {
            const auto end = std::find(list.begin() + static_cast<ptrdiff_t>(start), list.end(), uint8_t { 0 });
            const std::string name(list.begin() + static_cast<ptrdiff_t>(start), end);
            files.append(QUrl::fromLocalFile(DecodeWindows1252(name)));
            start = static_cast<size_t>(end - list.begin()) + 1;
        }
    }
    return files;
}

// ---- formats

class TFormatList : public IEnumFORMATETC {
public:
    explicit TFormatList(std::vector<FORMATETC> formats, size_t position = 0)
        : FFormats(std::move(formats)), FPosition(position)
    {
    }

    HRESULT Next(uint32_t count, FORMATETC* formats, uint32_t* fetched) override
    {
        uint32_t copied = 0;
        while (copied < count && FPosition < FFormats.size())
            formats[copied++] = FFormats[FPosition++];
        if (fetched)
            *fetched = copied;
        return copied == count ? S_OK : S_FALSE;
    }
    HRESULT Skip(uint32_t count) override
    {
        FPosition += count;
        if (FPosition <= FFormats.size())
            return S_OK;
        FPosition = FFormats.size();
        return S_FALSE;
    }
    HRESULT Reset() override
    {
        FPosition = 0;
        return S_OK;
    }
    HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& enumerator) override
    {
        enumerator = std::make_shared<TFormatList>(FFormats, FPosition);
        return S_OK;
    }

private:
    std::vector<FORMATETC> FFormats;
    size_t FPosition;
};

FORMATETC HGlobalFormat(TClipboardFormat format)
{
    FORMATETC result;
    result.cfFormat = format;
    return result;
}

// Every format a data object lists for reading and can give as a memory
// block now, in its order.
std::vector<TClipboardFormat> FormatsOf(IDataObject& dataObject)
{
    std::vector<TClipboardFormat> formats;
    std::shared_ptr<IEnumFORMATETC> enumerator;
    if (dataObject.EnumFormatEtc(DATADIR_GET, enumerator) != S_OK || !enumerator)
        return formats;
    FORMATETC format;
    uint32_t fetched = 0;
    while (enumerator->Next(1, &format, &fetched) == S_OK && fetched == 1)
        if (dataObject.QueryGetData(HGlobalFormat(format.cfFormat)) == S_OK)
            formats.push_back(format.cfFormat);
    return formats;
}

bool ReadBlock(IDataObject& dataObject, TClipboardFormat format, TBytes& block)
{
    STGMEDIUM medium;
    if (dataObject.GetData(HGlobalFormat(format), medium) != S_OK || medium.tymed != TYMED_HGLOBAL)
        return false;
    block = std::move(medium.hGlobal);
    return true;
}

// ---- our data offered to other programs

class TMimeOfDataObject : public QMimeData {
public:
    explicit TMimeOfDataObject(std::shared_ptr<IDataObject> dataObject) : FDataObject(std::move(dataObject)) { }

    const std::shared_ptr<IDataObject>& DataObject() const { return FDataObject; }

    QStringList formats() const override
    {
        QStringList types;
        const auto add = [&](const String& type) {
            if (!types.contains(type))
                types.append(type);
        };
        for (const TClipboardFormat format : FormatsOf(*FDataObject)) {
            if (format == CF_UNICODETEXT || format == CF_TEXT)
                add(TextMime);
            else if (format == RtfFormat())
                add(RtfMime);
            else if (format == CF_HDROP || format == UrlFormat())
                add(UriListMime);
            else if (const String type = ClipboardFormatMimeType(format); !type.isEmpty())
                add(type);
        }
        return types;
    }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override
    {
        if (mimeType == TextMime) {
            const String text = Text();
            if (type.id() == QMetaType::QString)
                return text;
            return text.toUtf8();
        }
        TBytes block;
        if (mimeType == RtfMime) {
            if (!ReadBlock(*FDataObject, RtfFormat(), block))
                return {};
            return QByteArray::fromStdString(BytesOfAnsiBlock(block));
        }
        if (mimeType == UriListMime) {
            QList<QUrl> urls;
            if (ReadBlock(*FDataObject, CF_HDROP, block))
                urls = FilesOfBlock(block);
            if (ReadBlock(*FDataObject, UrlFormat(), block))
                urls.append(QUrl(DecodeWindows1252(BytesOfAnsiBlock(block))));
            if (type.id() == QMetaType::QVariantList) {
                QVariantList list;
                for (const QUrl& url : urls)
                    list.append(url);
                return list;
            }
            QByteArray lines;
            for (const QUrl& url : urls)
                lines += url.toEncoded() + "\r\n";
            return lines;
        }
        const TClipboardFormat format = ClipboardFormatOfMimeType(mimeType);
        if (format == 0 || !ReadBlock(*FDataObject, format, block))
            return {};
        return QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size()));
    }

private:
    String Text() const
    {
        TBytes block;
        if (ReadBlock(*FDataObject, CF_UNICODETEXT, block))
            return TextOfBlock(block);
        if (ReadBlock(*FDataObject, CF_TEXT, block))
            return DecodeWindows1252(BytesOfAnsiBlock(block));
        return {};
    }

    std::shared_ptr<IDataObject> FDataObject;
};

// ---- other programs' data read in our formats

// Text of its own; Qt's hasText also counts a URL list.
bool HasPlainText(const QMimeData& mimeData)
{
    const QStringList types = mimeData.formats();
    return std::any_of(types.begin(), types.end(), [](const String& type) { return type.startsWith(TextMime); });
}

// Windows programs end lines with CR LF, and the grid splits at CR.
String WithWindowsLineEnds(String text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

class TDataObjectOfMime : public IDataObject {
public:
    explicit TDataObjectOfMime(const QMimeData* mimeData) : FMimeData(const_cast<QMimeData*>(mimeData))
    {
        if (HasPlainText(*mimeData)) {
            FFormats.push_back(CF_UNICODETEXT);
            FFormats.push_back(CF_TEXT);
        }
        if (mimeData->hasFormat(RtfMime) || mimeData->hasFormat(RtfMimeAlias))
            FFormats.push_back(RtfFormat());
        const QList<QUrl> urls = mimeData->urls();
        const bool files = std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
        const bool links = std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return !url.isLocalFile(); });
        if (files)
            FFormats.push_back(CF_HDROP);
        if (links) {
            // A link comes with its address as text, as browsers give it.
            if (!HasPlainText(*mimeData)) {
                FFormats.push_back(CF_UNICODETEXT);
                FFormats.push_back(CF_TEXT);
            }
            FFormats.push_back(UrlFormat());
        }
        for (const String& type : mimeData->formats())
            if (const TClipboardFormat format = ClipboardFormatOfMimeType(type); format != 0)
                FFormats.push_back(format);
    }

    HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) override
    {
        medium = STGMEDIUM {};
        if (QueryGetData(format) != S_OK || !FMimeData)
            return DV_E_FORMATETC;
        TBytes block;
        const TClipboardFormat cf = format.cfFormat;
        if (cf == CF_UNICODETEXT)
            block = TextBlock(Text());
        else if (cf == CF_TEXT)
            block = AnsiBlock(EncodeText(Text(), TTextEncoding::Ansi));
        else if (cf == RtfFormat())
            block = AnsiBlock(FMimeData->hasFormat(RtfMime) ? FMimeData->data(RtfMime).toStdString()
                                                            : FMimeData->data(RtfMimeAlias).toStdString());
        else if (cf == CF_HDROP)
            block = FileDropBlock(Urls(true));
        else if (cf == UrlFormat())
            block = AnsiBlock(EncodeText(Urls(false).value(0).toString(), TTextEncoding::Ansi));
        else {
            const QByteArray bytes = FMimeData->data(ClipboardFormatMimeType(cf));
            block.assign(bytes.begin(), bytes.end());
        }
        medium.tymed = TYMED_HGLOBAL;
        medium.hGlobal = std::move(block);
        return S_OK;
    }
    HRESULT GetDataHere(const FORMATETC&, STGMEDIUM&) override { return DV_E_FORMATETC; }
    HRESULT QueryGetData(const FORMATETC& format) override
    {
        if (format.dwAspect != DVASPECT_CONTENT || (format.tymed & TYMED_HGLOBAL) == 0)
            return DV_E_FORMATETC;
        return std::find(FFormats.begin(), FFormats.end(), format.cfFormat) != FFormats.end() ? S_OK
                                                                                               : DV_E_FORMATETC;
    }
    HRESULT GetCanonicalFormatEtc(const FORMATETC&, FORMATETC& canonical) override
    {
        canonical.ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT SetData(const FORMATETC&, STGMEDIUM&, bool) override { return E_NOTIMPL; }
    HRESULT EnumFormatEtc(uint32_t direction, std::shared_ptr<IEnumFORMATETC>& enumerator) override
    {
        enumerator.reset();
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        std::vector<FORMATETC> formats;
        for (const TClipboardFormat format : FFormats)
            formats.push_back(HGlobalFormat(format));
        enumerator = std::make_shared<TFormatList>(std::move(formats));
        return S_OK;
    }
    HRESULT DAdvise(const FORMATETC&, uint32_t, IAdviseSink*, uint32_t&) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT DUnadvise(uint32_t) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT EnumDAdvise(std::shared_ptr<IEnumSTATDATA>& enumerator) override
    {
        enumerator.reset();
        return OLE_E_ADVISENOTSUPPORTED;
    }

private:
    String Text() const
    {
        if (HasPlainText(*FMimeData))
            return WithWindowsLineEnds(FMimeData->text());
        QStringList links;
        for (const QUrl& url : Urls(false))
            links.append(url.toString());
        return links.join(QStringLiteral("\r\n"));
    }
    QList<QUrl> Urls(bool localFiles) const
    {
        QList<QUrl> urls = FMimeData->urls();
        urls.removeIf([localFiles](const QUrl& url) { return url.isLocalFile() != localFiles; });
        return urls;
    }

    QPointer<QMimeData> FMimeData;
    std::vector<TClipboardFormat> FFormats;
};

// ---- key state and effects

// A key-state bit and the Qt flag it stands for.
template <typename TFlag>
struct TKeyBit {
    uint32_t Bit;
    TFlag Flag;
};

constexpr TKeyBit<Qt::MouseButton> ButtonBits[] = {
    { static_cast<uint32_t>(MK_LBUTTON), Qt::LeftButton },
    { static_cast<uint32_t>(MK_RBUTTON), Qt::RightButton },
    { static_cast<uint32_t>(MK_MBUTTON), Qt::MiddleButton },
};

constexpr TKeyBit<Qt::KeyboardModifier> ModifierBits[] = {
    { static_cast<uint32_t>(MK_SHIFT), Qt::ShiftModifier },
    { static_cast<uint32_t>(MK_CONTROL), Qt::ControlModifier },
    { MK_ALT, Qt::AltModifier },
};

template <typename TFlags, typename TFlag, size_t N>
uint32_t BitsOf(TFlags flags, const TKeyBit<TFlag> (&bits)[N])
{
    uint32_t state = 0;
    for (const TKeyBit<TFlag>& bit : bits)
        if (flags & bit.Flag)
            state |= bit.Bit;
    return state;
}

template <typename TFlags, typename TFlag, size_t N>
TFlags FlagsOf(uint32_t keyState, const TKeyBit<TFlag> (&bits)[N])
{
    TFlags flags;
    for (const TKeyBit<TFlag>& bit : bits)
        flags.setFlag(bit.Flag, (keyState & bit.Bit) != 0);
    return flags;
}

uint32_t KeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    return BitsOf(buttons, ButtonBits) | BitsOf(modifiers, ModifierBits);
}

Qt::MouseButtons ButtonsOf(uint32_t keyState) { return FlagsOf<Qt::MouseButtons>(keyState, ButtonBits); }

Qt::KeyboardModifiers ModifiersOf(uint32_t keyState)
{
    return FlagsOf<Qt::KeyboardModifiers>(keyState, ModifierBits);
}

// The effects and Qt's drop actions share their bits.
Qt::DropActions ActionsOf(uint32_t effects)
{
    return Qt::DropActions(static_cast<int>(effects & (DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK)));
}

// The one effect of a target's answer that the source allows.
uint32_t ChosenEffect(uint32_t effect, uint32_t allowed)
{
    effect &= allowed;
    for (const uint32_t single : { DROPEFFECT_MOVE, DROPEFFECT_COPY, DROPEFFECT_LINK })
        if ((effect & single) != 0)
            return single;
    return DROPEFFECT_NONE;
}

// ---- registered targets

std::map<const TWinControl*, std::shared_ptr<IDropTarget>>& Targets()
{
    static std::map<const TWinControl*, std::shared_ptr<IDropTarget>> targets;
    return targets;
}

// The drag this program runs, so that a drop on one of its own windows
// reaches the source's DoDragDrop.
struct TOleDragRun {
    bool Dropped = false;
    uint32_t DropEffect = DROPEFFECT_NONE;
};
TOleDragRun* CurrentDrag = nullptr;

std::vector<TDragStep>& PendingSteps()
{
    static std::vector<TDragStep> steps;
    return steps;
}

// The registered control a drag event for widget goes to.
TWinControl* DropWindowOf(QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        auto* control = dynamic_cast<TWinControl*>(TControl::FromWidget(widget));
        if (control && Targets().contains(control))
            return control;
    }
    return nullptr;
}

// Sends a drag event to widget as the system would; answers the effect the
// target took.
uint32_t SendDragEvent(QWidget* widget, QEvent::Type type, TPoint screenPos, const QMimeData* mimeData,
    uint32_t okEffects, uint32_t keyState)
{
    const QPoint local = widget->mapFromGlobal(QPoint(screenPos.X, screenPos.Y));
    if (type == QEvent::DragLeave) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(widget, &leave);
        return DROPEFFECT_NONE;
    }
    const Qt::DropActions actions = ActionsOf(okEffects);
    const Qt::MouseButtons buttons = ButtonsOf(keyState);
    const Qt::KeyboardModifiers modifiers = ModifiersOf(keyState);
    std::unique_ptr<QDropEvent> event;
    if (type == QEvent::DragEnter)
        event = std::make_unique<QDragEnterEvent>(local, actions, mimeData, buttons, modifiers);
    else if (type == QEvent::DragMove)
        event = std::make_unique<QDragMoveEvent>(local, actions, mimeData, buttons, modifiers);
    else
        event = std::make_unique<QDropEvent>(QPointF(local), actions, mimeData, buttons, modifiers);
    QCoreApplication::sendEvent(widget, event.get());
    return event->isAccepted() ? static_cast<uint32_t>(event->dropAction()) : DROPEFFECT_NONE;
}

QWidget* DropWidgetAt(TPoint screenPos)
{
    QWidget* widget = QApplication::widgetAt(QPoint(screenPos.X, screenPos.Y));
    while (widget && !widget->acceptDrops())
        widget = widget->isWindow() ? nullptr : widget->parentWidget();
    return widget;
}

// A drag carried by the program's steps.
HRESULT RunSteps(std::vector<TDragStep> steps, const std::shared_ptr<IDataObject>& dataObject,
    IDropSource& source, uint32_t okEffects, uint32_t& effect, TOleDragRun& state)
{
    const std::unique_ptr<QMimeData> mimeData(NewMimeDataOf(dataObject));
    QPointer<QWidget> over;
    uint32_t current = DROPEFFECT_NONE;
    effect = DROPEFFECT_NONE;
    for (const TDragStep& step : steps) {
        const HRESULT answer = source.QueryContinueDrag(step.Escape, step.KeyState);
        if (answer == DRAGDROP_S_CANCEL) {
            if (over)
                SendDragEvent(over, QEvent::DragLeave, step.ScreenPos, mimeData.get(), okEffects, step.KeyState);
            return DRAGDROP_S_CANCEL;
        }
        if (answer == DRAGDROP_S_DROP) {
            if (over && current != DROPEFFECT_NONE)
                SendDragEvent(over, QEvent::Drop, step.ScreenPos, mimeData.get(), okEffects, step.KeyState);
            else if (over)
                SendDragEvent(over, QEvent::DragLeave, step.ScreenPos, mimeData.get(), okEffects, step.KeyState);
            effect = state.Dropped ? state.DropEffect : DROPEFFECT_NONE;
            return DRAGDROP_S_DROP;
        }
        QWidget* widget = DropWidgetAt(step.ScreenPos);
        if (widget != over) {
            if (over)
                SendDragEvent(over, QEvent::DragLeave, step.ScreenPos, mimeData.get(), okEffects, step.KeyState);
            over = widget;
            if (over)
                SendDragEvent(over, QEvent::DragEnter, step.ScreenPos, mimeData.get(), okEffects, step.KeyState);
        }
        current = over ? SendDragEvent(over, QEvent::DragMove, step.ScreenPos, mimeData.get(), okEffects, step.KeyState)
                       : DROPEFFECT_NONE;
        source.GiveFeedback(ChosenEffect(current, okEffects));
    }
    if (over)
        SendDragEvent(over, QEvent::DragLeave, {}, mimeData.get(), okEffects, 0);
    return DRAGDROP_S_CANCEL;
}

// Asks the source about every change of the pointer and keys while the
// system's drag loop runs.
class TSourceQuery : public QObject {
public:
    explicit TSourceQuery(IDropSource& source) : FSource(source) { }

    HRESULT LastAnswer() const { return FLastAnswer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: {
            const auto& mouse = static_cast<const QMouseEvent&>(*event);
            Ask(false, KeyStateOf(mouse.buttons(), mouse.modifiers()));
            break;
        }
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            const bool escape = event->type() == QEvent::KeyPress && key.key() == Qt::Key_Escape;
            Ask(escape, KeyStateOf(QGuiApplication::mouseButtons(), key.modifiers()));
            break;
        }
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Ask(bool escape, uint32_t keyState)
    {
        if (FLastAnswer != S_OK)
            return;
        FLastAnswer = FSource.QueryContinueDrag(escape, keyState);
        if (FLastAnswer == DRAGDROP_S_CANCEL)
            QDrag::cancel();
    }

    IDropSource& FSource;
    HRESULT FLastAnswer = S_OK;
};

// A drag carried by the system's pointer.
HRESULT RunSystemDrag(const std::shared_ptr<IDataObject>& dataObject, IDropSource& source, uint32_t okEffects,
    uint32_t& effect, TOleDragRun& state)
{
    QObject* origin = QApplication::focusWidget() ? static_cast<QObject*>(QApplication::focusWidget()) : qApp;
    auto* drag = new QDrag(origin);
    drag->setMimeData(NewMimeDataOf(dataObject));
    TSourceQuery query(source);
    QObject::connect(drag, &QDrag::actionChanged, &query, [&source, okEffects](Qt::DropAction action) {
        source.GiveFeedback(ChosenEffect(static_cast<uint32_t>(action), okEffects));
    });
    // Filters installed last are asked first; the drag loop installs its
    // own when it starts.
    QTimer::singleShot(0, &query, [&query] { qApp->installEventFilter(&query); });
    const Qt::DropActions actions = ActionsOf(okEffects);
    const Qt::DropAction result = drag->exec(actions, actions & Qt::MoveAction ? Qt::MoveAction : Qt::CopyAction);
    qApp->removeEventFilter(&query);
    drag->deleteLater();
    if (query.LastAnswer() == DRAGDROP_S_DROP || state.Dropped) {
        effect = state.Dropped ? state.DropEffect : ChosenEffect(static_cast<uint32_t>(result), okEffects);
        return DRAGDROP_S_DROP;
    }
    effect = DROPEFFECT_NONE;
    return DRAGDROP_S_CANCEL;
}

} // namespace

bool GlobalAlloc(size_t size, TBytes& block)
{
    try {
        block.assign(size, 0);
        return true;
    } catch (const std::bad_alloc&) {
        block.clear();
        return false;
    } catch (const std::length_error&) {
        block.clear();
        return false;
    }
}

QMimeData* NewMimeDataOf(const std::shared_ptr<IDataObject>& dataObject) { return new TMimeOfDataObject(dataObject); }

std::shared_ptr<IDataObject> DataObjectOfMime(const QMimeData* mimeData)
{
    if (const auto* own = dynamic_cast<const TMimeOfDataObject*>(mimeData))
        return own->DataObject();
    return std::make_shared<TDataObjectOfMime>(mimeData);
}

HRESULT RegisterDragDrop(TWinControl* window, std::shared_ptr<IDropTarget> target)
{
    if (!window || !target)
        return window ? E_INVALIDARG : DRAGDROP_E_INVALIDHWND;
    if (Targets().contains(window))
        return DRAGDROP_E_ALREADYREGISTERED;
    QWidget* widget = window->Widget();
    Targets().emplace(window, std::move(target));
    widget->setAcceptDrops(true);
    QObject::connect(widget, &QObject::destroyed, [window] { Targets().erase(window); });
    return S_OK;
}

HRESULT RevokeDragDrop(TWinControl* window)
{
    if (!window)
        return DRAGDROP_E_INVALIDHWND;
    if (Targets().erase(window) == 0)
        return DRAGDROP_E_NOTREGISTERED;
    window->Widget()->setAcceptDrops(window->HearsDrags());
    return S_OK;
}

std::shared_ptr<IDropTarget> RegisteredDropTarget(const TWinControl* window)
{
    const auto found = Targets().find(window);
    return found == Targets().end() ? nullptr : found->second;
}

void SetDragSteps(std::vector<TDragStep> steps) { PendingSteps() = std::move(steps); }

HRESULT DoDragDrop(const std::shared_ptr<IDataObject>& dataObject, const std::shared_ptr<IDropSource>& source,
    uint32_t okEffects, uint32_t& effect)
{
    effect = DROPEFFECT_NONE;
    if (!dataObject || !source)
        return E_INVALIDARG;
    TOleDragRun state;
    TOleDragRun* outer = CurrentDrag;
    CurrentDrag = &state;
    std::vector<TDragStep> steps = std::exchange(PendingSteps(), {});
    HRESULT result = DRAGDROP_S_CANCEL;
    try {
        result = steps.empty() ? RunSystemDrag(dataObject, *source, okEffects, effect, state)
                               : RunSteps(std::move(steps), dataObject, *source, okEffects, effect, state);
    } catch (...) {
        CurrentDrag = outer;
        throw;
    }
    CurrentDrag = outer;
    return result;
}

namespace {

// An entered window keeps hearing the moves whatever it answered, so a
// refused enter is still accepted, with no action; the action may change
// as the pointer moves.
void AnswerDrag(QDropEvent& drop, bool accepted, Qt::DropAction action)
{
    if (accepted) {
        drop.setDropAction(action);
        drop.accept();
    } else if (drop.type() == QEvent::DragEnter) {
        drop.setDropAction(Qt::IgnoreAction);
        drop.accept();
    } else {
        drop.ignore();
    }
}

// A control without a drop target hears the drag through DragOver; the
// moves keep coming whatever it answers, and a drop is refused unless the
// last answer took it.
bool DispatchDragOver(TControl& control, QEvent& event)
{
    if (event.type() == QEvent::Drop)
        return false;
    bool accept = false;
    if (event.type() == QEvent::DragLeave) {
        control.DragOver(nullptr, 0, 0, dsDragLeave, accept);
        event.accept();
        return true;
    }
    auto& drag = static_cast<QDragMoveEvent&>(event);
    const QPoint global = control.Widget()->mapToGlobal(drag.position().toPoint());
    const TPoint client = control.ScreenToClient({ global.x(), global.y() });
    control.DragOver(nullptr, client.X, client.Y, event.type() == QEvent::DragEnter ? dsDragEnter : dsDragMove, accept);
    AnswerDrag(drag, accept, drag.proposedAction());
    return true;
}

} // namespace

bool DispatchDragEvent(TControl& control, QEvent& event)
{
    auto* window = DropWindowOf(control.Widget());
    const std::shared_ptr<IDropTarget> target = window ? RegisteredDropTarget(window) : nullptr;
    if (!target)
        return DispatchDragOver(control, event);
    if (event.type() == QEvent::DragLeave) {
        target->DragLeave();
        event.accept();
        return true;
    }
    auto& drop = static_cast<QDropEvent&>(event);
    const uint32_t keyState = KeyStateOf(drop.buttons(), drop.modifiers());
    const QPoint global = control.Widget()->mapToGlobal(drop.position().toPoint());
    const TPoint point { global.x(), global.y() };
    const uint32_t allowed = static_cast<uint32_t>(drop.possibleActions().toInt());
    uint32_t effect = allowed;
    switch (event.type()) {
    case QEvent::DragEnter:
        target->DragEnter(DataObjectOfMime(drop.mimeData()), keyState, point, effect);
        break;
    case QEvent::DragMove:
        target->DragOver(keyState, point, effect);
        break;
    default:
        target->Drop(DataObjectOfMime(drop.mimeData()), keyState, point, effect);
        break;
    }
    effect = ChosenEffect(effect, allowed);
    if (event.type() == QEvent::Drop && CurrentDrag) {
        CurrentDrag->Dropped = true;
        CurrentDrag->DropEffect = effect;
    }
    AnswerDrag(drop, effect != DROPEFFECT_NONE, static_cast<Qt::DropAction>(effect));
    return true;
}
