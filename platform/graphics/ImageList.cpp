#include "platform/graphics/ImageList.h"

#include "platform/graphics/QtGraphics.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <utility>

TChangeLink::~TChangeLink()
{
    if (FSender)
        FSender->UnRegisterChanges(this);
}

TImageList::TImageList(TComponent* owner, int32_t width, int32_t height) : TComponent(owner), FWidth(width), FHeight(height) { }

TImageList::~TImageList()
{
    for (TChangeLink* link : FLinks)
        link->FSender = nullptr;
}

void TImageList::RegisterChanges(TChangeLink* link)
{
    if (!link || link->FSender == this)
        return;
    if (link->FSender)
        link->FSender->UnRegisterChanges(link);
    link->FSender = this;
    FLinks.push_back(link);
}

void TImageList::UnRegisterChanges(TChangeLink* link)
{
    const auto found = std::find(FLinks.begin(), FLinks.end(), link);
    if (found == FLinks.end())
        return;
    FLinks.erase(found);
    link->FSender = nullptr;
}

void TImageList::Change()
{
    if (OnChange)
        OnChange(this);
    // A handler may unregister its own link.
    const std::vector<TChangeLink*> links = FLinks;
    for (TChangeLink* link : links)
        if (std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end() && link->OnChange)
            link->OnChange(this);
}

void TImageList::SetSize(int32_t width, int32_t height)
{
    if (width == FWidth && height == FHeight)
        return;
    FWidth = width;
    FHeight = height;
    FImages.clear();
    Change();
}

int32_t TImageList::AddImage(const QImage& strip)
{
    if (FWidth <= 0 || FHeight <= 0 || strip.width() < FWidth)
        return -1;
    const int32_t first = Count();
    for (int x = 0; x + FWidth <= strip.width(); x += FWidth) {
        QImage cell(FWidth, FHeight, QImage::Format_ARGB32);
        cell.fill(Qt::transparent);
        QPainter painter(&cell);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, strip, x, 0, FWidth, FHeight);
        painter.end();
        FImages.push_back(cell);
    }
    Change();
    return first;
}

int32_t TImageList::Add(const TBitmap& image) { return AddImage(image.Image().convertToFormat(QImage::Format_ARGB32)); }

int32_t TImageList::AddMasked(const TBitmap& image, TColor maskColor)
{
    return AddImage(WithColorKey(image.Image(), maskColor));
}

void TImageList::Delete(int32_t index)
{
    if (index < 0 || index >= Count())
        return;
    FImages.erase(FImages.begin() + index);
    Change();
}

void TImageList::Draw(TCanvas& canvas, int32_t x, int32_t y, int32_t index, bool enabled) const
{
    if (index < 0 || index >= Count())
        return;
    const QImage& image = FImages[static_cast<size_t>(index)];
    if (enabled) {
        canvas.DrawImage(Bounds(x, y, FWidth, FHeight), image, image.rect());
        return;
    }
    // Disabled pictures are drawn in grey levels, keeping their transparency.
    QImage grey = image.copy();
    for (int row = 0; row < grey.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(row));
        for (int column = 0; column < grey.width(); ++column) {
            const int level = (qGray(line[column]) + 2 * 192) / 3;
            line[column] = qRgba(level, level, level, qAlpha(line[column]));
        }
    }
    canvas.DrawImage(Bounds(x, y, FWidth, FHeight), grey, grey.rect());
}

void TImageList::GetBitmap(int32_t index, TBitmap& image) const
{
    if (index >= 0 && index < Count())
        image.SetImage(FImages[static_cast<size_t>(index)]);
}

int32_t TImageList::Count() const { return static_cast<int32_t>(FImages.size()); }

void TImageList::Clear()
{
    if (FImages.empty())
        return;
    FImages.clear();
    Change();
}

// ---- TImageListReference

TImageListReference::TImageListReference(TComponent& user, std::function<void()> onChange)
    : FUser(user), FOnChange(std::move(onChange))
{
    FChangeLink.OnChange = [this](TImageList*) { FOnChange(); };
}

void TImageListReference::SetImages(TImageList* images)
{
    if (images == FImages)
        return;
    if (FImages) {
        FImages->UnRegisterChanges(&FChangeLink);
        FImages->RemoveFreeNotification(&FUser);
    }
    FImages = images;
    if (FImages) {
        FImages->FreeNotification(&FUser);
        FImages->RegisterChanges(&FChangeLink);
    }
    FOnChange();
}

void TImageListReference::Notification(const TComponent* component, TOperation operation)
{
    if (operation != opRemove || !component || component != FImages)
        return;
    // A list being freed is past its own destructor by now and has let its
    // links go; only a list that lives on is told.
    if (FChangeLink.Sender() == FImages)
        FImages->UnRegisterChanges(&FChangeLink);
    FImages = nullptr;
    FOnChange();
}
