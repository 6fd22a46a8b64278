#pragma once

#include "platform/core/Persistent.h"
#include "platform/graphics/Color.h"

#include <cstdint>
#include <functional>

class TBaseGrid;

// How grouped rows look.
class TGrouping : public TPersistent {
public:
    // Leaves Summary and the line widths and colours as they are.
    void Assign(const TPersistent& source) override;

    bool MergeHeader() const { return FMergeHeader; }
    void SetMergeHeader(bool value) { FMergeHeader = value; }
    bool MergeSummary() const { return FMergeSummary; }
    void SetMergeSummary(bool value) { FMergeSummary = value; }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor value) { FHeaderColor = value; }
    TColor SummaryColor() const { return FSummaryColor; }
    void SetSummaryColor(TColor value) { FSummaryColor = value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor value) { FHeaderColorTo = value; }
    TColor HeaderTextColor() const { return FHeaderTextColor; }
    void SetHeaderTextColor(TColor value) { FHeaderTextColor = value; }
    bool Summary() const { return FSummary; }
    void SetSummary(bool value) { FSummary = value; }
    TColor SummaryTextColor() const { return FSummaryTextColor; }
    void SetSummaryTextColor(TColor value) { FSummaryTextColor = value; }
    TColor SummaryColorTo() const { return FSummaryColorTo; }
    void SetSummaryColorTo(TColor value) { FSummaryColorTo = value; }
    bool HeaderUnderline() const { return FHeaderUnderline; }
    void SetHeaderUnderline(bool value) { FHeaderUnderline = value; }
    bool SummaryLine() const { return FSummaryLine; }
    void SetSummaryLine(bool value) { FSummaryLine = value; }
    int32_t SummaryLineWidth() const { return FSummaryLineWidth; }
    void SetSummaryLineWidth(int32_t value) { FSummaryLineWidth = value; }
    int32_t HeaderLineWidth() const { return FHeaderLineWidth; }
    void SetHeaderLineWidth(int32_t value) { FHeaderLineWidth = value; }
    TColor SummaryLineColor() const { return FSummaryLineColor; }
    void SetSummaryLineColor(TColor value) { FSummaryLineColor = value; }
    TColor HeaderLineColor() const { return FHeaderLineColor; }
    void SetHeaderLineColor(TColor value) { FHeaderLineColor = value; }
    bool ShowGroupCount() const { return FShowGroupCount; }
    void SetShowGroupCount(bool value) { FShowGroupCount = value; }
    const String& GroupCountFormat() const { return FGroupCountFormat; }
    void SetGroupCountFormat(const String& value) { FGroupCountFormat = value; }
    bool AutoSelectGroup() const { return FAutoSelectGroup; }
    void SetAutoSelectGroup(bool value) { FAutoSelectGroup = value; }
    bool AutoCheckGroup() const { return FAutoCheckGroup; }
    void SetAutoCheckGroup(bool value) { FAutoCheckGroup = value; }

private:
    bool FMergeHeader = false;
    bool FMergeSummary = false;
    TColor FHeaderColor = clNone;
    TColor FSummaryColor = clNone;
    TColor FHeaderColorTo = clNone;
    TColor FHeaderTextColor = clNone;
    bool FSummary = false;
    TColor FSummaryTextColor = clNone;
    TColor FSummaryColorTo = clNone;
    bool FHeaderUnderline = false;
    bool FSummaryLine = false;
    int32_t FSummaryLineWidth = 2;
    int32_t FHeaderLineWidth = 2;
    TColor FSummaryLineColor = clBlue;
    TColor FHeaderLineColor = clBlue;
    bool FShowGroupCount = false;
    String FGroupCountFormat;
    bool FAutoSelectGroup = false;
    bool FAutoCheckGroup = false;
};

// The drag-and-drop switches of a grid.
class TDragDropSettings : public TPersistent {
public:
    explicit TDragDropSettings(TBaseGrid* grid) : FGrid(grid) { }

    void Assign(const TPersistent& source) override;

    TBaseGrid* Grid() const { return FGrid; }
    bool OleDropRTF() const { return FOleDropRTF; }
    // Also switches rich text on or off for every grid's drops and drags.
    void SetOleDropRTF(bool value);
    bool OleAcceptText() const { return FOleAcceptText; }
    void SetOleAcceptText(bool value) { FOleAcceptText = value; }
    bool OleEntireRows() const { return FOleEntireRows; }
    void SetOleEntireRows(bool value) { FOleEntireRows = value; }
    bool OleDropSource() const { return FOleDropSource; }
    void SetOleDropSource(bool value) { FOleDropSource = value; }
    bool OleRemoveRows() const { return FOleRemoveRows; }
    void SetOleRemoveRows(bool value) { FOleRemoveRows = value; }
    bool OleAcceptFiles() const { return FOleAcceptFiles; }
    void SetOleAcceptFiles(bool value) { FOleAcceptFiles = value; }
    bool OleAcceptURLs() const { return FOleAcceptURLs; }
    void SetOleAcceptURLs(bool value) { FOleAcceptURLs = value; }
    bool OleDropTarget() const { return FOleDropTarget; }
    // Registers the grid for drops or revokes it (not while designing).
    void SetOleDropTarget(bool value);
    bool OleInsertRows() const { return FOleInsertRows; }
    void SetOleInsertRows(bool value) { FOleInsertRows = value; }
    bool OleAppendRows() const { return FOleAppendRows; }
    void SetOleAppendRows(bool value) { FOleAppendRows = value; }
    bool OleCopyAlways() const { return FOleCopyAlways; }
    void SetOleCopyAlways(bool value) { FOleCopyAlways = value; }
    bool OleColumnDragDrop() const { return FOleColumnDragDrop; }
    void SetOleColumnDragDrop(bool value) { FOleColumnDragDrop = value; }
    bool OleColumnReorder() const { return FOleColumnReorder; }
    void SetOleColumnReorder(bool value) { FOleColumnReorder = value; }
    bool OleColumnsOnly() const { return FOleColumnsOnly; }
    void SetOleColumnsOnly(bool value) { FOleColumnsOnly = value; }
    bool ShowCells() const { return FShowCells; }
    void SetShowCells(bool value) { FShowCells = value; }

private:
    TBaseGrid* FGrid;
    bool FOleDropRTF = false;
    bool FOleAcceptText = true;
    bool FOleEntireRows = false;
    bool FOleDropSource = false;
    bool FOleRemoveRows = false;
    bool FOleAcceptFiles = true;
    bool FOleAcceptURLs = true;
    bool FOleDropTarget = false;
    bool FOleInsertRows = false;
    bool FOleAppendRows = false;
    bool FOleCopyAlways = false;
    bool FOleColumnDragDrop = false;
    bool FOleColumnReorder = false;
    bool FOleColumnsOnly = false;
    bool FShowCells = true;
};

// Balloon tooltips of the cells.
class TBalloonSettings : public TPersistent {
public:
    using TNotifyEvent = std::function<void(TBalloonSettings* sender)>;

    // Copies Enable without firing; Transparency stays with the target.
    void Assign(const TPersistent& source) override;

    bool Init() const { return FInit; }
    void SetInit(bool value) { FInit = value; }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor value) { FBackgroundColor = value; }
    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor value) { FTextColor = value; }
    // -1 leaves the tooltip's own delay.
    int32_t ReshowDelay() const { return FReshowDelay; }
    void SetReshowDelay(int32_t value) { FReshowDelay = value; }
    int32_t InitialDelay() const { return FInitialDelay; }
    void SetInitialDelay(int32_t value) { FInitialDelay = value; }
    int32_t AutoHideDelay() const { return FAutoHideDelay; }
    void SetAutoHideDelay(int32_t value) { FAutoHideDelay = value; }
    uint8_t Transparency() const { return FTransparency; }
    void SetTransparency(uint8_t value) { FTransparency = value; }
    bool Enable() const { return FEnable; }
    void SetEnable(bool value);

    TNotifyEvent OnEnableChange;

private:
    bool FInit = false;
    TColor FBackgroundColor = clNone;
    TColor FTextColor = clNone;
    int32_t FReshowDelay = -1;
    int32_t FInitialDelay = -1;
    int32_t FAutoHideDelay = -1;
    uint8_t FTransparency = 0;
    bool FEnable = false;
};

// The marking of modified cells.
class TShowModified : public TPersistent {
public:
    using TNotifyEvent = std::function<void(TShowModified* sender)>;

    void Assign(const TPersistent& source) override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor value);

    TNotifyEvent OnChange;

private:
    bool FEnabled = false;
    TColor FColor = clYellow;
};

// Pause before automatic scrolling starts at a margin, and between its steps (ms).
class TDragScrollDelays : public TPersistent {
public:
    void Assign(const TPersistent& source) override;

    int32_t InitialDelay() const { return FInitialDelay; }
    void SetInitialDelay(int32_t value) { FInitialDelay = value; }
    int32_t RepeatDelay() const { return FRepeatDelay; }
    void SetRepeatDelay(int32_t value) { FRepeatDelay = value; }

private:
    int32_t FInitialDelay = 1000;
    int32_t FRepeatDelay = 250;
};

// Border zones (pixels) in which a drag scrolls the grid.
class TDragScrollMargins : public TPersistent {
public:
    void Assign(const TPersistent& source) override;

    int32_t TopMargin() const { return FTopMargin; }
    void SetTopMargin(int32_t value) { FTopMargin = value; }
    int32_t BottomMargin() const { return FBottomMargin; }
    void SetBottomMargin(int32_t value) { FBottomMargin = value; }
    int32_t LeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(int32_t value) { FLeftMargin = value; }
    int32_t RightMargin() const { return FRightMargin; }
    void SetRightMargin(int32_t value) { FRightMargin = value; }

private:
    int32_t FTopMargin = 50;
    int32_t FBottomMargin = 50;
    int32_t FLeftMargin = 50;
    int32_t FRightMargin = 50;
};

class TDragScrollOptions : public TPersistent {
public:
    void Assign(const TPersistent& source) override;

    bool Active() const { return FActive; }
    void SetActive(bool value) { FActive = value; }
    TDragScrollDelays& Delays() { return FDelays; }
    const TDragScrollDelays& Delays() const { return FDelays; }
    void SetDelays(const TDragScrollDelays& value) { FDelays.Assign(value); }
    TDragScrollMargins& Margins() { return FMargins; }
    const TDragScrollMargins& Margins() const { return FMargins; }
    void SetMargins(const TDragScrollMargins& value) { FMargins.Assign(value); }

private:
    bool FActive = false;
    TDragScrollDelays FDelays;
    TDragScrollMargins FMargins;
};

enum TProgressStyle { psXP, psClassic };

// The look of progress-bar cells; every real change fires OnChange.
class TGridProgressAppearance : public TPersistent {
public:
    using TNotifyEvent = std::function<void(TGridProgressAppearance* sender)>;

    // Copies every look value, then fires OnChange once.
    void Assign(const TPersistent& source) override;

    TColor UnCompleteFontColor() const { return FLook.UnCompleteFontColor; }
    void SetUnCompleteFontColor(TColor value) { Change(FLook.UnCompleteFontColor, value); }
    TColor CompleteColor() const { return FLook.CompleteColor; }
    void SetCompleteColor(TColor value) { Change(FLook.CompleteColor, value); }
    TColor UnCompleteColor() const { return FLook.UnCompleteColor; }
    void SetUnCompleteColor(TColor value) { Change(FLook.UnCompleteColor, value); }
    TColor CompleteFontColor() const { return FLook.CompleteFontColor; }
    void SetCompleteFontColor(TColor value) { Change(FLook.CompleteFontColor, value); }
    bool Stacked() const { return FLook.Stacked; }
    void SetStacked(bool value) { Change(FLook.Stacked, value); }
    bool ShowPercentage() const { return FLook.ShowPercentage; }
    void SetShowPercentage(bool value) { Change(FLook.ShowPercentage, value); }
    bool ShowBorder() const { return FLook.ShowBorder; }
    void SetShowBorder(bool value) { Change(FLook.ShowBorder, value); }
    bool CompletionSmooth() const { return FLook.CompletionSmooth; }
    void SetCompletionSmooth(bool value) { Change(FLook.CompletionSmooth, value); }
    bool ShowGradient() const { return FLook.ShowGradient; }
    void SetShowGradient(bool value) { Change(FLook.ShowGradient, value); }
    int32_t Level2Perc() const { return FLook.Level2Perc; }
    void SetLevel2Perc(int32_t value) { Change(FLook.Level2Perc, value); }
    int32_t Level1Perc() const { return FLook.Level1Perc; }
    void SetLevel1Perc(int32_t value) { Change(FLook.Level1Perc, value); }
    int32_t Steps() const { return FLook.Steps; }
    void SetSteps(int32_t value) { Change(FLook.Steps, value); }
    TColor Level3Color() const { return FLook.Level3Color; }
    void SetLevel3Color(TColor value) { Change(FLook.Level3Color, value); }
    TColor Level1Color() const { return FLook.Level1Color; }
    void SetLevel1Color(TColor value) { Change(FLook.Level1Color, value); }
    TColor Level0Color() const { return FLook.Level0Color; }
    void SetLevel0Color(TColor value) { Change(FLook.Level0Color, value); }
    TColor Level3ColorTo() const { return FLook.Level3ColorTo; }
    void SetLevel3ColorTo(TColor value) { Change(FLook.Level3ColorTo, value); }
    TColor Level2ColorTo() const { return FLook.Level2ColorTo; }
    void SetLevel2ColorTo(TColor value) { Change(FLook.Level2ColorTo, value); }
    TColor Level0ColorTo() const { return FLook.Level0ColorTo; }
    void SetLevel0ColorTo(TColor value) { Change(FLook.Level0ColorTo, value); }
    TColor Level1ColorTo() const { return FLook.Level1ColorTo; }
    void SetLevel1ColorTo(TColor value) { Change(FLook.Level1ColorTo, value); }
    TColor BorderColor() const { return FLook.BorderColor; }
    void SetBorderColor(TColor value) { Change(FLook.BorderColor, value); }
    TColor Level2Color() const { return FLook.Level2Color; }
    void SetLevel2Color(TColor value) { Change(FLook.Level2Color, value); }
    TProgressStyle Style() const { return FLook.Style; }
    void SetStyle(TProgressStyle value) { Change(FLook.Style, value); }

    TNotifyEvent OnChange;

private:
    template <class T>
    void Change(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        if (OnChange)
            OnChange(this);
    }

    struct TLook {
        TColor UnCompleteFontColor = clWindowText;
        TColor CompleteColor = clRed;
        TColor UnCompleteColor = clNone;
        TColor CompleteFontColor = clBlue;
        bool Stacked = false;
        bool ShowPercentage = true;
        bool ShowBorder = false;
        bool CompletionSmooth = true;
        bool ShowGradient = true;
        int32_t Level2Perc = 90;
        int32_t Level1Perc = 70;
        int32_t Steps = 11;
        TColor Level3Color = clRed;
        TColor Level1Color = clYellow;
        TColor Level0Color = clLime;
        TColor Level3ColorTo = 0xCACAFF;
        TColor Level2ColorTo = 0xA8D3FF;
        TColor Level0ColorTo = 0xE1FFE1;
        TColor Level1ColorTo = 0xCAFFFF;
        TColor BorderColor = clBlack;
        TColor Level2Color = 0x53A9FF;
        TProgressStyle Style = psXP;
    };
    TLook FLook;
};
