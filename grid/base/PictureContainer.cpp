#include "grid/base/PictureContainer.h"

#include "grid/base/DownLoadThread.h"
#include "platform/net/HttpClient.h"
#include "platform/core/Exception.h"
#include "platform/core/FileUtils.h"
#include "platform/core/Math.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageData.h"
#include "platform/graphics/Resources.h"

namespace {

// A frame marker: a graphic control extension directly followed by an image
// descriptor, with the descriptor's position and size inside the data.
constexpr size_t MarkerLength = 17;
// Signature and logical screen descriptor.
constexpr size_t GifHeaderLength = 13;
// Picture files beyond this are refused unread: no picture a cell shows
// comes near it, and a device or a huge file must not stall the program.
constexpr size_t LargestPictureFile = 32 * 1024 * 1024;
// The cache keeps this many pictures and then lets go of the oldest.
constexpr size_t CachedPictures = 256;
const String InvalidFormat = QStringLiteral("Could not load image. Invalid format");

uint16_t Word(const TBytes& bytes, size_t offset)
{
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

} // namespace

THTMLPicture::THTMLPicture() = default;

THTMLPicture::~THTMLPicture()
{
    // A download still running is abandoned before the picture goes.
    FDownLoad.reset();
}

void THTMLPicture::Assign(const THTMLPicture* source)
{
    FIsEmpty = true;
    FPicture.reset();
    FFrameCount = -1;
    FNextCount = -1;
    FTimerCount = -1;
    const bool hadData = FDatastream.Size() > 0;
    FFrame = 1;
    if (hadData && OnFrameChange)
        OnFrameChange(this);
    if (!source) {
        FDatastream.Clear();
        return;
    }
    FDatastream.Clear();
    FDatastream.WriteBuffer(source->FDatastream.Bytes());
    Decode();
    if (OnChange)
        OnChange(this);
}

int32_t THTMLPicture::Width() const
{
    return FPicture ? MulDiv(FPicture->Width(), FLogPixX, ScreenPixelsPerInch) : 0;
}

int32_t THTMLPicture::Height() const
{
    return FPicture ? MulDiv(FPicture->Height(), FLogPixY, ScreenPixelsPerInch) : 0;
}

int32_t THTMLPicture::MaxWidth() const
{
    if (!FPicture)
        return 0;
    return FAnimMaxX != 0 ? FAnimMaxX : Width();
}

int32_t THTMLPicture::MaxHeight() const
{
    if (!FPicture)
        return 0;
    return FAnimMaxY != 0 ? FAnimMaxY : Height();
}

void THTMLPicture::DrawOn(TCanvas& canvas, const TRect& dest) const
{
    if (FIsEmpty || !FPicture)
        return;
    if (FStretched) {
        canvas.StretchDraw(dest, *FPicture);
        return;
    }
    const int32_t width = MulDiv(Width(), canvas.Device().PixelsPerInchX, ScreenPixelsPerInch);
    const int32_t height = MulDiv(Height(), canvas.Device().PixelsPerInchY, ScreenPixelsPerInch);
    canvas.StretchDraw(Bounds(dest.Left, dest.Top, width, height), *FPicture);
}

void THTMLPicture::LoadFromFile(const String& fileName)
{
    try {
        TMemoryStream file;
        file.WriteBuffer(ReadRegularFileBytes(fileName, LargestPictureFile));
        LoadFromStream(&file);
    } catch (const std::exception&) {
        FDatastream.Clear();
        FPicture.reset();
        FIsEmpty = true;
    }
}

void THTMLPicture::SaveToFile(const String& fileName) const
{
    FDatastream.SaveToFile(fileName);
}

void THTMLPicture::LoadFromStream(TStream* stream)
{
    if (!stream)
        return;
    FDatastream.Clear();
    stream->SetPosition(0);
    FDatastream.CopyFrom(*stream, stream->Size());
    FFrameCount = -1;
    if (!Decode())
        throw Exception(InvalidFormat);
    if (OnChange)
        OnChange(this);
}

void THTMLPicture::SaveToStream(TStream& stream) const
{
    stream.WriteBuffer(FDatastream.Bytes());
}

void THTMLPicture::ReadData(TStream& stream)
{
    FDatastream.Clear();
    FDatastream.CopyFrom(stream, stream.Size() - stream.Position());
    FFrameCount = -1;
    Decode();
}

void THTMLPicture::WriteData(TStream& stream) const
{
    SaveToStream(stream);
}

void THTMLPicture::LoadFromResourceName(const String& name)
{
    TMemoryStream data;
    if (ResourceDataExists(name)) {
        data.WriteBuffer(LoadResourceData(name));
    } else if (ResourceBitmapExists(name)) {
        // A picture drawn by the program has no file; it is kept as the
        // bytes of one, so it saves and reloads like any other.
        TBitmap bitmap;
        LoadResourceBitmap(name, bitmap);
        data.WriteBuffer(EncodeImageData(bitmap));
    } else {
        return;
    }
    LoadFromStream(&data);
}

void THTMLPicture::LoadFromResourceID(int32_t id)
{
    TMemoryStream data;
    data.WriteBuffer(LoadResourceData(id));
    LoadFromStream(&data);
}

void THTMLPicture::LoadFromURL(const String& url)
{
    const String upper = url.toUpper();
    if (upper.startsWith(QLatin1String("RES://"))) {
        SetID(url);
        LoadFromResourceName(url.mid(6));
        return;
    }
    if (upper.startsWith(QLatin1String("FILE://"))) {
        SetID(url);
        LoadFromFile(url.mid(7));
        return;
    }
    if (!FAsynch) {
        FURL = url;
        SetID(url);
    } else if (!FThreadBusy) {
        FURL = url;
        FThreadBusy = true;
        FDownLoad.reset();
        FDownLoad = std::make_unique<TDownLoadThread>(this);
    }
}

bool THTMLPicture::DownLoadProgress(uint64_t received, uint64_t total)
{
    if (OnDownLoadProgress)
        OnDownLoadProgress(this, received, total);
    bool cancel = false;
    if (OnDownLoadCancel)
        OnDownLoadCancel(this, cancel);
    return !cancel;
}

void THTMLPicture::DownLoaded(const THttpReply& reply)
{
    FThreadBusy = false;
    if (!reply.Success) {
        if (OnDownLoadError)
            OnDownLoadError(this, reply.Error);
        return;
    }
    TMemoryStream data;
    data.WriteBuffer(reply.Body.data(), static_cast<int64_t>(reply.Body.size()));
    try {
        LoadFromStream(&data);
    } catch (const std::exception& error) {
        if (OnDownLoadError)
            OnDownLoadError(this, String::fromUtf8(error.what()));
        return;
    }
    if (OnDownLoadComplete)
        OnDownLoadComplete(this);
}

void THTMLPicture::DownLoadCancelled() { FThreadBusy = false; }

void THTMLPicture::SetID(const String& value)
{
    if (FCache)
        FCache->IDChanging(this, value);
    FID = value;
}

bool THTMLPicture::IsGIF() const
{
    const TBytes& bytes = FDatastream.Bytes();
    return bytes.size() >= 5 && bytes[0] == 'G' && bytes[1] == 'I' && bytes[2] == 'F' && bytes[3] == '8';
}

std::vector<size_t> THTMLPicture::FrameMarkers() const
{
    std::vector<size_t> markers;
    const TBytes& bytes = FDatastream.Bytes();
    // A marker counts only when its descriptor lies wholly inside the data,
    // so a cut-off file is never read past its end.
    for (size_t position = 0; position + MarkerLength <= bytes.size(); ++position) {
        if (bytes[position] == 0x21 && bytes[position + 1] == 0xF9 && bytes[position + 2] == 0x04
            && bytes[position + 8] == 0x2C)
            markers.push_back(position);
    }
    return markers;
}

int32_t THTMLPicture::FrameCount() const
{
    if (FFrameCount >= 0)
        return FFrameCount;
    if (!IsGIF())
        return -1;
    FFrameCount = static_cast<int32_t>(FrameMarkers().size());
    return FFrameCount;
}

int32_t THTMLPicture::GetFrameTime(int32_t frame) const
{
    if (!IsGIF() || frame < 1)
        return -1;
    const std::vector<size_t> markers = FrameMarkers();
    if (static_cast<size_t>(frame) > markers.size())
        return -1;
    return Word(FDatastream.Bytes(), markers[static_cast<size_t>(frame) - 1] + 4);
}

void THTMLPicture::SetFrame(int32_t frame)
{
    FFrame = frame;
    if (FDatastream.Size() == 0)
        return;
    Decode();
    if (OnFrameChange)
        OnFrameChange(this);
}

void THTMLPicture::FrameNext()
{
    SetFrame(FFrame >= FrameCount() ? 1 : FFrame + 1);
}

void THTMLPicture::FramePrev()
{
    SetFrame(FFrame <= 1 ? std::max(FrameCount(), 1) : FFrame - 1);
}

bool THTMLPicture::Step()
{
    ++FTimerCount;
    if (FrameCount() < 2 || FIsEmpty)
        return false;
    if (FTimerCount * 10 < FNextCount)
        return false;
    FrameNext();
    FNextCount += std::max(GetFrameTime(FFrame), 0);
    return true;
}

bool THTMLPicture::Decode()
{
    FFrameXPos = FFrameYPos = FFrameXSize = FFrameYSize = 0;
    FAnimMaxX = FAnimMaxY = 0;
    const TBytes& bytes = FDatastream.Bytes();
    TBytes frameData;
    const TBytes* decoded = &bytes;
    TRect part;
    const std::vector<size_t> markers = IsGIF() && bytes.size() >= GifHeaderLength ? FrameMarkers() : std::vector<size_t> {};
    if (!markers.empty()) {
        FFrameCount = static_cast<int32_t>(markers.size());
        FAnimMaxX = Word(bytes, 6);
        FAnimMaxY = Word(bytes, 8);
        // The frames before the wanted one are left out, so the decoder's
        // first image is the wanted frame.
        frameData.reserve(bytes.size());
        size_t copied = 0;
        for (size_t index = 0; index < markers.size(); ++index) {
            const size_t marker = markers[index];
            const int32_t number = static_cast<int32_t>(index) + 1;
            if (number < FFrame) {
                frameData.insert(frameData.end(), bytes.begin() + static_cast<ptrdiff_t>(copied),
                    bytes.begin() + static_cast<ptrdiff_t>(marker));
                copied = index + 1 < markers.size() ? markers[index + 1] : bytes.size();
            } else if (number == FFrame) {
                FFrameXPos = Word(bytes, marker + 9);
                FFrameYPos = Word(bytes, marker + 11);
                FFrameXSize = Word(bytes, marker + 13);
                FFrameYSize = Word(bytes, marker + 15);
            }
        }
        frameData.insert(frameData.end(), bytes.begin() + static_cast<ptrdiff_t>(std::min(copied, bytes.size())),
            bytes.end());
        decoded = &frameData;
        // The decoder lays the frame on the whole logical screen; only the
        // frame itself is kept, drawn later at its offset. A frame reaching
        // beyond its screen is no picture: the decoder would make room for
        // whatever size it claims.
        const bool screen = FAnimMaxX > 0 && FAnimMaxY > 0;
        if (screen && (FFrameXPos + FFrameXSize > FAnimMaxX || FFrameYPos + FFrameYSize > FAnimMaxY)) {
            FPicture.reset();
            FIsEmpty = true;
            return false;
        }
        if (FFrameXSize > 0 && FFrameYSize > 0)
            part = Bounds(FFrameXPos, FFrameYPos, FFrameXSize, FFrameYSize);
    }
    auto picture = std::make_unique<TBitmap>();
    if (!DecodeImageData(*decoded, *picture, part)) {
        FPicture.reset();
        FIsEmpty = true;
        return false;
    }
    FPicture = std::move(picture);
    FIsEmpty = false;
    return true;
}

THTMLPictureCache::~THTMLPictureCache() { ClearPictures(); }

THTMLPicture* THTMLPictureCache::AddPicture()
{
    if (FPictures.size() >= CachedPictures) {
        THTMLPicture* oldest = FPictures.front().get();
        Forget(oldest);
        FPictures.erase(FPictures.begin());
    }
    FPictures.push_back(std::make_unique<THTMLPicture>());
    THTMLPicture* picture = FPictures.back().get();
    picture->FCache = this;
    FIndex.try_emplace(picture->ID(), picture);
    return picture;
}

THTMLPicture* THTMLPictureCache::FindPicture(const String& id) const
{
    const auto found = FIndex.find(id);
    return found == FIndex.end() ? nullptr : found->second;
}

void THTMLPictureCache::ClearPictures()
{
    FIndex.clear();
    FPictures.clear();
}

void THTMLPictureCache::Forget(THTMLPicture* picture)
{
    const auto found = FIndex.find(picture->ID());
    if (found == FIndex.end() || found->second != picture)
        return;
    FIndex.erase(found);
    // Another picture of the same ID, if any, is found from now on.
    for (const auto& other : FPictures)
        if (other.get() != picture && other->ID() == picture->ID()) {
            FIndex.emplace(other->ID(), other.get());
            return;
        }
}

void THTMLPictureCache::IDChanging(THTMLPicture* picture, const String& id)
{
    Forget(picture);
    const qsizetype position = std::find_if(FPictures.begin(), FPictures.end(),
                                   [&](const auto& entry) { return entry.get() == picture; })
        - FPictures.begin();
    const auto found = FIndex.find(id);
    if (found == FIndex.end()) {
        FIndex.emplace(id, picture);
        return;
    }
    // The first picture in the list with an ID is the one found by it.
    const qsizetype holder = std::find_if(FPictures.begin(), FPictures.end(),
                                 [&](const auto& entry) { return entry.get() == found->second; })
        - FPictures.begin();
    if (position < holder)
        found->second = picture;
}

THTMLPicture* THTMLPictureCache::Items(int32_t index) const
{
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FPictures[static_cast<size_t>(index)].get();
}

bool THTMLPictureCache::Animate()
{
    bool changed = false;
    for (const auto& picture : FPictures)
        changed = picture->Step() || changed;
    return changed;
}

TPictureItem::TPictureItem(TCollection* collection)
    : TCollectionItem(collection)
{
}

void TPictureItem::Assign(const TPersistent& source)
{
    const auto* item = dynamic_cast<const TPictureItem*>(&source);
    if (!item) {
        TCollectionItem::Assign(source);
        return;
    }
    FName = item->FName;
    FTag = item->FTag;
    FPicture.Assign(&item->FPicture);
}

TPictureCollection::TPictureCollection(TPersistent* owner)
    : TCollection(ItemClass<TPictureItem>(), owner)
{
}

bool TPictureCollection::Animate()
{
    bool changed = false;
    for (int32_t index = 0; index < Count(); ++index)
        changed = Items(index)->Picture().Step() || changed;
    return changed;
}

TPictureContainer::TPictureContainer(TComponent* owner)
    : TComponent(owner)
    , FItems(std::make_unique<TPictureCollection>(this))
{
}

TPictureContainer::~TPictureContainer() = default;

THTMLPicture* TPictureContainer::FindPicture(const String& name) const
{
    for (int32_t index = 0; index < FItems->Count(); ++index) {
        TPictureItem* item = FItems->Items(index);
        if (item->Name().compare(name, Qt::CaseInsensitive) == 0)
            return &item->Picture();
    }
    return nullptr;
}
