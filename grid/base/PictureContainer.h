#pragma once

#include "platform/core/Collection.h"
#include "platform/core/Component.h"
#include "platform/core/Streams.h"
#include "platform/graphics/Bitmap.h"

#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

class TDownLoadThread;
class THTMLPictureCache;
struct THttpReply;

// A picture the markup shows: the raw bytes of a BMP, GIF, JPEG or icon
// file, decoded for drawing; of an animated GIF one frame at a time. Sizes
// are pixels at 96 dots per inch.
class THTMLPicture : public TGraphic {
public:
    THTMLPicture();
    ~THTMLPicture() override;

    // Copies the bytes of source (none empties the picture) and starts again
    // at the first frame. Bytes that do not decode leave the picture empty.
    void Assign(const THTMLPicture* source);
    int32_t Width() const override;
    int32_t Height() const override;
    bool IsEmpty() const { return FIsEmpty; }
    // Stretched into dest, or at its top-left corner in its own size.
    void DrawOn(TCanvas& canvas, const TRect& dest) const override;
    // A missing file or a bad picture leaves the picture empty.
    void LoadFromFile(const String& fileName) override;
    void SaveToFile(const String& fileName) const override;
    // Throws when the bytes are no picture.
    void LoadFromStream(TStream* stream);
    void SaveToStream(TStream& stream) const;
    // The bytes as a form stores them: the rest of stream in, without
    // OnChange (bytes that do not decode leave the picture empty), and out.
    void ReadData(TStream& stream);
    void WriteData(TStream& stream) const;
    // The data resource of that name, else the bitmap resource (kept as the
    // bytes of a PNG file); nothing when there is neither.
    void LoadFromResourceName(const String& name);
    // The data resource of that number; EResNotFound when there is none.
    void LoadFromResourceID(int32_t id);
    // "RES://name" a resource picture, "FILE://name" a file (a regular file
    // of at most 32 MB). Any other address is remembered; with Asynch a
    // TDownLoadThread fetches an "HTTP://" picture in the background (Busy
    // until it ends, the download events telling how it went), without it
    // the address never loads.
    void LoadFromURL(const String& url);

    bool Stretch() const { return FStretched; }
    void SetStretch(bool value) { FStretched = value; }
    const String& ID() const { return FID; }
    void SetID(const String& value);
    bool Asynch() const { return FAsynch; }
    void SetAsynch(bool value) { FAsynch = value; }
    bool Busy() const { return FThreadBusy; }
    const String& URL() const { return FURL; }

    bool IsGIF() const;
    int32_t FrameCount() const;
    // The delay of frame (from 1) in hundredths of a second; -1 for none.
    int32_t GetFrameTime(int32_t frame) const;
    int32_t Frame() const { return FFrame; }
    void SetFrame(int32_t frame);
    void FrameNext();
    void FramePrev();
    // One tenth of a second of animation; true when the frame changed. A
    // frame that does not decode leaves the picture empty, and it stops.
    bool Step();
    int32_t MaxWidth() const;
    int32_t MaxHeight() const;
    int32_t FrameXPos() const { return FFrameXPos; }
    int32_t FrameYPos() const { return FFrameYPos; }

    std::function<void(THTMLPicture* sender)> OnChange;
    std::function<void(THTMLPicture* sender)> OnFrameChange;
    // The bytes received so far and the size the server announced (0 when
    // it did not).
    std::function<void(THTMLPicture* sender, uint64_t received, uint64_t total)> OnDownLoadProgress;
    // Asked as bytes arrive; setting cancel abandons the download.
    std::function<void(THTMLPicture* sender, bool& cancel)> OnDownLoadCancel;
    // The downloaded picture is loaded (after OnChange).
    std::function<void(THTMLPicture* sender)> OnDownLoadComplete;
    // The download failed or its bytes are no picture, which stays empty.
    std::function<void(THTMLPicture* sender, const String& error)> OnDownLoadError;

private:
    friend class THTMLPictureCache;
    friend class TDownLoadThread;
    bool DownLoadProgress(uint64_t received, uint64_t total);
    void DownLoaded(const THttpReply& reply);
    void DownLoadCancelled();
    // Decodes the bytes (of an animated GIF the frame Frame); false, with
    // the picture empty, when they are no picture.
    bool Decode();
    // The offsets of the frame markers of the GIF data.
    std::vector<size_t> FrameMarkers() const;

    TMemoryStream FDatastream;
    std::unique_ptr<TBitmap> FPicture;
    bool FIsEmpty = true;
    bool FStretched = false;
    int32_t FLogPixX = ScreenPixelsPerInch;
    int32_t FLogPixY = ScreenPixelsPerInch;
    String FURL;
    String FID;
    bool FAsynch = true;
    bool FThreadBusy = false;
    int32_t FFrame = 1;
    mutable int32_t FFrameCount = -1;
    uint16_t FFrameXPos = 0;
    uint16_t FFrameYPos = 0;
    uint16_t FFrameXSize = 0;
    uint16_t FFrameYSize = 0;
    uint16_t FAnimMaxX = 0;
    uint16_t FAnimMaxY = 0;
    int32_t FNextCount = -1;
    int32_t FTimerCount = -1;
    THTMLPictureCache* FCache = nullptr;
    std::unique_ptr<TDownLoadThread> FDownLoad;
};

// The pictures a grid loaded by address, each decoded once. The most
// recent 256 are kept: adding one more lets go of the oldest.
class THTMLPictureCache {
public:
    THTMLPictureCache() = default;
    THTMLPictureCache(const THTMLPictureCache&) = delete;
    THTMLPictureCache& operator=(const THTMLPictureCache&) = delete;
    ~THTMLPictureCache();

    THTMLPicture* AddPicture();
    // The first picture with exactly this ID, found in constant time.
    THTMLPicture* FindPicture(const String& id) const;
    int32_t Count() const { return static_cast<int32_t>(FPictures.size()); }
    THTMLPicture* Items(int32_t index) const;
    void ClearPictures();
    bool Animate();

private:
    friend class THTMLPicture;
    void IDChanging(THTMLPicture* picture, const String& id);
    void Forget(THTMLPicture* picture);

    std::vector<std::unique_ptr<THTMLPicture>> FPictures;
    struct TIDHash {
        size_t operator()(const String& id) const noexcept
        {
            return std::hash<std::u16string_view> {}(
                std::u16string_view(reinterpret_cast<const char16_t*>(id.utf16()), static_cast<size_t>(id.size())));
        }
    };
    std::unordered_map<String, THTMLPicture*, TIDHash> FIndex;
};

class TPictureItem : public TCollectionItem {
public:
    explicit TPictureItem(TCollection* collection);

    void Assign(const TPersistent& source) override;
    THTMLPicture& Picture() { return FPicture; }
    void SetPicture(const THTMLPicture* picture) { FPicture.Assign(picture); }
    int32_t Tag() const { return FTag; }
    void SetTag(int32_t value) { FTag = value; }
    const String& Name() const { return FName; }
    void SetName(const String& value) { FName = value; }

private:
    THTMLPicture FPicture;
    int32_t FTag = 0;
    String FName;
};

class TPictureCollection : public TCollection {
public:
    explicit TPictureCollection(TPersistent* owner);

    TPictureItem* Add() { return static_cast<TPictureItem*>(TCollection::Add()); }
    TPictureItem* Insert(int32_t index) { return static_cast<TPictureItem*>(TCollection::Insert(index)); }
    TPictureItem* Items(int32_t index) const { return static_cast<TPictureItem*>(TCollection::Items(index)); }
    bool Animate();
};

// Named pictures that markup shows by name (IMG SRC="name").
class TPictureContainer : public TComponent {
public:
    explicit TPictureContainer(TComponent* owner);
    ~TPictureContainer() override;

    TPictureCollection& Items() { return *FItems; }
    // The picture of the first item with that name, ignoring case.
    virtual THTMLPicture* FindPicture(const String& name) const;

private:
    std::unique_ptr<TPictureCollection> FItems;
};
