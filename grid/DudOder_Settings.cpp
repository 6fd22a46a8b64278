#include "grid/DudOder_Settings.h"

void TGrouping::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TGrouping*>(&source);
    if (!other)
        return;
    FGroupCountFormat = other->FGroupCountFormat;
    FHeaderColor = other->FHeaderColor;
    FHeaderColorTo = other->FHeaderColorTo;
    FHeaderTextColor = other->FHeaderTextColor;
    FHeaderUnderline = other->FHeaderUnderline;
    FMergeHeader = other->FMergeHeader;
    FMergeSummary = other->FMergeSummary;
    FShowGroupCount = other->FShowGroupCount;
    FSummaryColor = other->FSummaryColor;
    FSummaryColorTo = other->FSummaryColorTo;
    FSummaryTextColor = other->FSummaryTextColor;
    FSummaryLine = other->FSummaryLine;
    FAutoCheckGroup = other->FAutoCheckGroup;
    FAutoSelectGroup = other->FAutoSelectGroup;
}

void TDragDropSettings::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TDragDropSettings*>(&source);
    if (!other)
        return;
    TBaseGrid* grid = FGrid;
    *this = *other;
    FGrid = grid;
}

void TBalloonSettings::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TBalloonSettings*>(&source);
    if (!other)
        return;
    FTextColor = other->FTextColor;
    FBackgroundColor = other->FBackgroundColor;
    FInitialDelay = other->FInitialDelay;
    FAutoHideDelay = other->FAutoHideDelay;
    FReshowDelay = other->FReshowDelay;
    FEnable = other->FEnable;
}

void TBalloonSettings::SetEnable(bool value)
{
    FEnable = value;
    if (OnEnableChange)
        OnEnableChange(this);
}

void TShowModified::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TShowModified*>(&source);
    if (!other)
        return;
    FColor = other->FColor;
    FEnabled = other->FEnabled;
}

void TShowModified::SetColor(TColor value)
{
    FColor = value;
    if (OnChange)
        OnChange(this);
}

void TDragScrollDelays::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TDragScrollDelays*>(&source)) {
        FInitialDelay = other->FInitialDelay;
        FRepeatDelay = other->FRepeatDelay;
    }
}

void TDragScrollMargins::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TDragScrollMargins*>(&source)) {
        FTopMargin = other->FTopMargin;
        FBottomMargin = other->FBottomMargin;
        FLeftMargin = other->FLeftMargin;
        FRightMargin = other->FRightMargin;
    }
}

void TDragScrollOptions::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TDragScrollOptions*>(&source);
    if (!other)
        return;
    FMargins.Assign(other->FMargins);
    FDelays.Assign(other->FDelays);
    FActive = other->FActive;
}

void TGridProgressAppearance::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TGridProgressAppearance*>(&source);
    if (!other)
        return;
    FLook = other->FLook;
    if (OnChange)
        OnChange(this);
}
