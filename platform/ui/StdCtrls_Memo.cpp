#include "platform/ui/StdCtrls.h"

#include "platform/ui/Forms.h"

#include <QScrollBar>
#include <QStyle>
#include <QWidget>

// The bars are children of the memo's widget, which frees them.
struct TCustomMemo::TBars {
    QScrollBar* Vertical = nullptr;
    QScrollBar* Horizontal = nullptr;
};

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), FBars(std::make_unique<TBars>())
{
    SetBounds(0, 0, 185, 89);
    SetMultiLine(true);
    SetWordWrap(true);
    SetAutoSelect(false);
    FLines.OnChange = [this](TStringList*) { LinesChanged(); };
    FBars->Vertical = new QScrollBar(Qt::Vertical, Widget());
    FBars->Horizontal = new QScrollBar(Qt::Horizontal, Widget());
    for (QScrollBar* bar : { FBars->Vertical, FBars->Horizontal }) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
    }
    QObject::connect(FBars->Vertical, &QAbstractSlider::valueChanged, FBars->Vertical, [this](int value) {
        Guarded([&] {
            if (value != Core().TopLine()) {
                Core().SetTopLine(value);
                Invalidate();
            }
        });
    });
    QObject::connect(FBars->Horizontal, &QAbstractSlider::valueChanged, FBars->Horizontal, [this](int value) {
        Guarded([&] {
            if (value != Core().ScrollX()) {
                Core().SetScrollX(value);
                Invalidate();
            }
        });
    });
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::SetScrollBars(TScrollStyle scrollBars)
{
    FScrollBars = scrollBars;
    UpdateScrollBars();
    Invalidate();
}

int32_t TCustomMemo::BarExtent() const { return Widget()->style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

TRect TCustomMemo::TextArea() const
{
    TRect area = ClientRect();
    if (FScrollBars == ssVertical || FScrollBars == ssBoth)
        area.Right -= BarExtent();
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth)
        area.Bottom -= BarExtent();
    return area;
}

// Bars asked for always show, as on the platform; they are disabled while
// everything fits.
void TCustomMemo::UpdateScrollBars()
{
    if (!FBars->Vertical)
        return;
    const TRect area = TextArea();
    const bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
    const bool horizontal = (FScrollBars == ssHorizontal || FScrollBars == ssBoth) && !WordWrap();
    const TEditCore& core = Core();
    FBars->Vertical->setVisible(vertical);
    if (vertical) {
        FBars->Vertical->setGeometry(area.Right, 0, BarExtent(), area.Height());
        const int32_t maximum = std::max(core.LineCount() - core.VisibleLines(), 0);
        FBars->Vertical->setRange(0, maximum);
        FBars->Vertical->setPageStep(core.VisibleLines());
        FBars->Vertical->setValue(core.TopLine());
        FBars->Vertical->setEnabled(maximum > 0);
    }
    FBars->Horizontal->setVisible(horizontal);
    if (horizontal) {
        FBars->Horizontal->setGeometry(0, area.Bottom, area.Width(), BarExtent());
        const int32_t maximum = std::max(core.TextWidth() - core.FormattingRect().Width() + 1, 0);
        FBars->Horizontal->setRange(0, maximum);
        FBars->Horizontal->setPageStep(core.FormattingRect().Width());
        FBars->Horizontal->setSingleStep(std::max(core.LineHeight() / 2, 1));
        FBars->Horizontal->setValue(core.ScrollX());
        FBars->Horizontal->setEnabled(maximum > 0);
    }
}

void TCustomMemo::Scrolled() { UpdateScrollBars(); }

void TCustomMemo::Resize()
{
    TCustomEdit::Resize();
    UpdateScrollBars();
}

TPoint TCustomMemo::CaretPos() const
{
    const int32_t line = LineFromChar(Caret());
    return { Caret() - LineIndex(line), line };
}

void TCustomMemo::SetCaretPos(TPoint position)
{
    const int32_t line = std::clamp(position.Y, 0, LineCount() - 1);
    SetSelStart(LineIndex(line) + std::clamp(position.X, 0, LineLength(line)));
}

// Lines and Text are kept equal; whichever changes, OnChange fires once.
void TCustomMemo::LinesChanged()
{
    if (FSyncing)
        return;
    FSyncing = true;
    SetText(FLines.Text());
    FSyncing = false;
}

void TCustomMemo::CMTextChanged(TMessage& message)
{
    if (!FSyncing) {
        FSyncing = true;
        FLines.SetText(Text());
        FSyncing = false;
    }
    TCustomEdit::CMTextChanged(message);
    UpdateScrollBars();
}

// The wheel scrolls three lines per notch unless an OnMouseWheel handler
// took it.
void TCustomMemo::CMMouseWheel(TMessage& message)
{
    TCustomEdit::CMMouseWheel(message);
    if (message.Result != 0)
        return;
    Perform(EM_LINESCROLL, 0, -message.WParam / 40);
    message.Result = 1;
}
