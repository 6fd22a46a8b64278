#include "grid/base/PictureContainer.h"

#include "platform/core/Exception.h"
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

uint16_t Word(const TBytes& bytes, size_t offset)
{
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

} // namespace

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

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
    LoadPicture();
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
        file.LoadFromFile(fileName);
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
    LoadPicture();
    if (OnChange)
        OnChange(this);
}

void THTMLPicture::SaveToStream(TStream& stream) const
{
    stream.WriteBuffer(FDatastream.Bytes());
}

void THTMLPicture::LoadFromURL(const String& url)
{
    const String upper = url.toUpper();
    if (upper.startsWith(QLatin1String("RES://"))) {
        FID = url;
        const String name = url.mid(6);
        if (!ResourceBitmapExists(name))
            return;
        FPicture = std::make_unique<TBitmap>();
        LoadResourceBitmap(name, *FPicture);
        FIsEmpty = FPicture->Empty();
        if (OnChange)
            OnChange(this);
        return;
    }
    if (upper.startsWith(QLatin1String("FILE://"))) {
        FID = url;
        LoadFromFile(url.mid(7));
        return;
    }
    // This program makes no network loads: such an address never yields a
    // picture, whether asked for at once or in the background.
    if (!FAsynch) {
        FURL = url;
        FID = url;
    } else if (!FThreadBusy) {
        FURL = url;
        FThreadBusy = true;
    }
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
    LoadPicture();
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

void THTMLPicture::LoadPicture()
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
        // frame itself is kept, drawn later at its offset.
        if (FFrameXSize > 0 && FFrameYSize > 0)
            part = Bounds(FFrameXPos, FFrameYPos, FFrameXSize, FFrameYSize);
    }
    auto picture = std::make_unique<TBitmap>();
    if (!DecodeImageData(*decoded, *picture, part)) {
        FPicture.reset();
        FIsEmpty = true;
        throw Exception(QStringLiteral("Could not load image. Invalid format"));
    }
    FPicture = std::move(picture);
    FIsEmpty = false;
}

THTMLPicture* THTMLPictureCache::AddPicture()
{
    FPictures.push_back(std::make_unique<THTMLPicture>());
    return FPictures.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const String& id) const
{
    for (const auto& picture : FPictures)
        if (picture->ID() == id)
            return picture.get();
    return nullptr;
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
