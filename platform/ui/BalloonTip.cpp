#include "platform/ui/BalloonTip.h"

#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

constexpr int32_t IconSize = 16;
constexpr int32_t Margin = 6;
constexpr int32_t MaxTextWidth = 300;
// Long enough to read a refusal, short enough not to linger over the grid.
constexpr int32_t HideAfterMs = 8000;

class TBalloonTip : public THintWindow {
public:
    TBalloonTip() : THintWindow(Application)
    {
        FHideTimer.setSingleShot(true);
        QObject::connect(&FHideTimer, &QTimer::timeout, [this] { Close(); });
    }

    void Open(const TWinControl& target, TPoint point, const TBalloonTipContent& content)
    {
        FContent = content;
        FTarget = &target;
        SetColor(content.BackgroundColor == clNone ? clInfoBk : content.BackgroundColor);
        const TPoint origin = target.ClientToScreen(point);
        const TSize size = Measure();
        ActivateHint(Bounds(origin.X, origin.Y, size.cx, size.cy), content.Text);
        FHideTimer.start(HideAfterMs);
    }

    void Close()
    {
        FHideTimer.stop();
        FTarget = nullptr;
        ReleaseHandle();
    }

    const TBalloonTipContent* Shown(const TWinControl** target) const
    {
        if (!FTarget || !Visible())
            return nullptr;
        if (target)
            *target = FTarget;
        return &FContent;
    }

protected:
    void Paint() override
    {
        TCanvas& canvas = Canvas();
        const TRect client = ClientRect();
        canvas.Brush().SetColor(Color());
        canvas.FillRect(client);
        canvas.Brush().SetColor(clWindowFrame);
        canvas.FrameRect(client);
        int32_t left = client.Left + Margin;
        int32_t top = client.Top + Margin;
        if (FContent.Icon != btiNone) {
            PaintIcon(canvas, left, top);
            left += IconSize + Margin;
        }
        canvas.Brush().SetStyle(bsClear);
        canvas.SetFont(Font());
        canvas.Font().SetColor(FContent.TextColor == clNone ? clInfoText : FContent.TextColor);
        if (!FContent.Title.isEmpty()) {
            canvas.Font().SetStyle(TFontStyles { TFontStyle::fsBold });
            canvas.TextOut(left, top, FContent.Title);
            top += canvas.TextHeight(FContent.Title) + Margin / 2;
            canvas.Font().SetStyle(TFontStyles {});
        }
        TRect text = Rect(left, top, client.Right - Margin, client.Bottom - Margin);
        canvas.DrawText(FContent.Text, text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    }

private:
    TSize Measure()
    {
        TCanvas& canvas = Canvas();
        canvas.SetFont(Font());
        TRect text = Rect(0, 0, MaxTextWidth, 0);
        canvas.DrawText(FContent.Text, text, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
        int32_t width = text.Width();
        int32_t height = text.Height();
        if (!FContent.Title.isEmpty()) {
            canvas.Font().SetStyle(TFontStyles { TFontStyle::fsBold });
            width = std::max(width, canvas.TextWidth(FContent.Title));
            height += canvas.TextHeight(FContent.Title) + Margin / 2;
            canvas.Font().SetStyle(TFontStyles {});
        }
        if (FContent.Icon != btiNone) {
            width += IconSize + Margin;
            height = std::max(height, IconSize);
        }
        return { width + 2 * Margin, height + 2 * Margin };
    }

    void PaintIcon(TCanvas& canvas, int32_t left, int32_t top) const
    {
        struct TIconLook {
            TColor Color;
            const char* Mark;
        };
        static constexpr TIconLook looks[] = { { clNone, "" }, { TColor(0xC07000), "i" },
            { TColor(0x00B0E0), "!" }, { TColor(0x2020D0), "x" } };
        const TIconLook& look = looks[FContent.Icon];
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(look.Color);
        canvas.Pen().SetColor(look.Color);
        canvas.Ellipse(left, top, left + IconSize, top + IconSize);
        canvas.Brush().SetStyle(bsClear);
        canvas.Font().SetColor(clWhite);
        canvas.Font().SetStyle(TFontStyles { TFontStyle::fsBold });
        const String mark = QString::fromLatin1(look.Mark);
        canvas.TextOut(left + (IconSize - canvas.TextWidth(mark)) / 2, top + (IconSize - canvas.TextHeight(mark)) / 2,
            mark);
        canvas.Font().SetStyle(TFontStyles {});
    }

    TBalloonTipContent FContent;
    const TWinControl* FTarget = nullptr;
    QTimer FHideTimer;
};

TBalloonTip& Balloon()
{
    // Owned by the application, which outlives every control a balloon
    // points at.
    static TBalloonTip* const balloon = new TBalloonTip();
    return *balloon;
}

} // namespace

void ShowBalloonTip(const TWinControl& target, const TBalloonTipContent& content)
{
    const TRect client = target.ClientRect();
    Balloon().Open(target, { client.Left, client.Bottom }, content);
}

void ShowBalloonTipAt(const TWinControl& target, TPoint point, const TBalloonTipContent& content)
{
    Balloon().Open(target, point, content);
}

void HideBalloonTip() { Balloon().Close(); }

const TBalloonTipContent* ShownBalloonTip(const TWinControl** target) { return Balloon().Shown(target); }
