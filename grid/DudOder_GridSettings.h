#pragma once

// The plain settings groups a string grid publishes as nested properties:
// outline node look, growing while typing, column size persistence, HTML
// export and printing. They hold values; the grid and its export and print
// code read them.

#include "grid/DudOder_Types.h"
#include "grid/base/VidEri.h"
#include "platform/core/Component.h"
#include "platform/core/Persistent.h"
#include "platform/core/StringList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"

#include <cstdint>
#include <memory>

class TDudStringGrid;

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

// The look of outline nodes. Setting a drawn value to a new one repaints the
// owning grid at once.
class TCellNode : public TPersistent {
public:
    explicit TCellNode(TDudStringGrid* owner);
    ~TCellNode() override;

    // Copies from another node look without repainting; other sources are
    // ignored.
    void Assign(const TPersistent& source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    TNodeType NodeType() const { return FNodeType; }
    void SetNodeType(TNodeType value) { SetDrawn(FNodeType, value); }
    TColor NodeColor() const { return FNodeColor; }
    void SetNodeColor(TColor value) { FNodeColor = value; }
    TBitmap& ExpandGlyph() const { return *FExpandGlyph; }
    void SetExpandGlyph(const TBitmap& value) { FExpandGlyph->Assign(value); }
    bool ExpandOne() const { return FExpandOne; }
    void SetExpandOne(bool value) { FExpandOne = value; }
    TBitmap& ContractGlyph() const { return *FContractGlyph; }
    void SetContractGlyph(const TBitmap& value) { FContractGlyph->Assign(value); }
    TDudStringGrid* Owner() const { return FOwner; }
    bool ShowTree() const { return FShowTree; }
    void SetShowTree(bool value) { SetDrawn(FShowTree, value); }
    bool ShowTreeFull() const { return FShowTreeFull; }
    void SetShowTreeFull(bool value) { SetDrawn(FShowTreeFull, value); }
    // Pixels.
    int32_t NodeIndent() const { return FNodeIndent; }
    void SetNodeIndent(int32_t value) { SetDrawn(FNodeIndent, value); }
    TColor TreeColor() const { return FTreeColor; }
    void SetTreeColor(TColor value) { SetDrawn(FTreeColor, value); }

private:
    template <typename T>
    void SetDrawn(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        RepaintOwner();
    }
    void RepaintOwner() const;

    TColor FColor = clSilver;
    TNodeType FNodeType = cnXP;
    TColor FNodeColor = clBlack;
    std::unique_ptr<TBitmap> FExpandGlyph;
    bool FExpandOne = false;
    std::unique_ptr<TBitmap> FContractGlyph;
    TDudStringGrid* FOwner;
    bool FShowTree = true;
    bool FShowTreeFull = true;
    int32_t FNodeIndent = 12;
    TColor FTreeColor = clGray;
};

// Whether a cell being typed into grows its row height or column width.
class TSizeWhileTyping : public TPersistent {
public:
    bool Height() const { return FHeight; }
    void SetHeight(bool value) { FHeight = value; }
    bool Width() const { return FWidth; }
    void SetWidth(bool value) { FWidth = value; }

private:
    bool FHeight = false;
    bool FWidth = false;
};

enum TColumnSizeLocation { clRegistry, clIniFile };
enum TAutoSizeRows { arAll, arNormal, arFixed };

// Where column sizes are kept between runs, and which column stretches.
class TColumnSize : public TPersistent {
public:
    explicit TColumnSize(TComponent* owner) : FOwner(owner) { }

    // Copies from another column size setting, the stretch flag without
    // stretching; other sources are ignored.
    void Assign(const TPersistent& source) override;

    TComponent* Owner() const { return FOwner; }
    bool Save() const { return FSave; }
    void SetSave(bool value) { FSave = value; }
    // The INI file name, or the key below the user's registry root.
    const String& Key() const { return FKey; }
    void SetKey(const String& value) { FKey = value; }
    const String& Section() const { return FSection; }
    void SetSection(const String& value) { FSection = value; }
    bool Stretch() const { return FStretch; }
    // Stretches at once when the owning grid has a parent; an owner that is
    // not a string grid raises EInvalidCast.
    void SetStretch(bool value);
    // -1 stretches the last column.
    int32_t StretchColumn() const { return FStretchColumn; }
    void SetStretchColumn(int32_t value) { FStretchColumn = value; }
    bool SynchWithGrid() const { return FSynchWithGrid; }
    void SetSynchWithGrid(bool value) { FSynchWithGrid = value; }
    bool SynchNormalCellsOnly() const { return FSynchNormalCellsOnly; }
    void SetSynchNormalCellsOnly(bool value) { FSynchNormalCellsOnly = value; }
    TColumnSizeLocation Location() const { return FLocation; }
    void SetLocation(TColumnSizeLocation value) { FLocation = value; }
    TAutoSizeRows Rows() const { return FRows; }
    void SetRows(TAutoSizeRows value) { FRows = value; }

private:
    TComponent* FOwner;
    bool FSave = false;
    String FKey;
    String FSection;
    bool FStretch = false;
    int32_t FStretchColumn = -1;
    bool FSynchWithGrid = false;
    bool FSynchNormalCellsOnly = false;
    TColumnSizeLocation FLocation = clRegistry;
    TAutoSizeRows FRows = arAll;
};

// The HTML export's table look.
class THTMLSettings : public TPersistent {
public:
    THTMLSettings();
    ~THTMLSettings() override;

    // Copies everything but ExportImages and ColWidths; other sources are
    // ignored.
    void Assign(const TPersistent& source) override;

    bool AutoPreview() const { return FValues.AutoPreview; }
    void SetAutoPreview(bool value) { FValues.AutoPreview = value; }
    bool ConvertSpecialChars() const { return FValues.ConvertSpecialChars; }
    void SetConvertSpecialChars(bool value) { FValues.ConvertSpecialChars = value; }
    bool NonBreakingText() const { return FValues.NonBreakingText; }
    void SetNonBreakingText(bool value) { FValues.NonBreakingText = value; }
    bool SaveColor() const { return FValues.SaveColor; }
    void SetSaveColor(bool value) { FValues.SaveColor = value; }
    bool SaveFonts() const { return FValues.SaveFonts; }
    void SetSaveFonts(bool value) { FValues.SaveFonts = value; }
    const String& FooterFile() const { return FValues.FooterFile; }
    void SetFooterFile(const String& value) { FValues.FooterFile = value; }
    const String& HeaderFile() const { return FValues.HeaderFile; }
    void SetHeaderFile(const String& value) { FValues.HeaderFile = value; }
    int32_t BorderSize() const { return FValues.BorderSize; }
    void SetBorderSize(int32_t value) { FValues.BorderSize = value; }
    int32_t CellSpacing() const { return FValues.CellSpacing; }
    void SetCellSpacing(int32_t value) { FValues.CellSpacing = value; }
    int32_t CellPadding() const { return FValues.CellPadding; }
    void SetCellPadding(int32_t value) { FValues.CellPadding = value; }
    const String& TableStyle() const { return FValues.TableStyle; }
    void SetTableStyle(const String& value) { FValues.TableStyle = value; }
    const String& PrefixTag() const { return FValues.PrefixTag; }
    void SetPrefixTag(const String& value) { FValues.PrefixTag = value; }
    const String& SuffixTag() const { return FValues.SuffixTag; }
    void SetSuffixTag(const String& value) { FValues.SuffixTag = value; }
    const String& Summary() const { return FValues.Summary; }
    void SetSummary(const String& value) { FValues.Summary = value; }
    // Percent of the page.
    int32_t Width() const { return FValues.Width; }
    void SetWidth(int32_t value) { FValues.Width = value; }
    bool XHTML() const { return FValues.XHTML; }
    void SetXHTML(bool value) { FValues.XHTML = value; }
    bool ExportImages() const { return FValues.ExportImages; }
    void SetExportImages(bool value) { FValues.ExportImages = value; }
    TIntList& ColWidths() const { return *FColWidths; }

private:
    struct TValues {
        bool AutoPreview = false;
        bool ConvertSpecialChars = false;
        bool NonBreakingText = false;
        bool SaveColor = true;
        bool SaveFonts = true;
        String FooterFile;
        String HeaderFile;
        int32_t BorderSize = 1;
        int32_t CellSpacing = 0;
        int32_t CellPadding = 0;
        String TableStyle;
        String PrefixTag;
        String SuffixTag;
        String Summary;
        int32_t Width = 100;
        bool XHTML = false;
        bool ExportImages = true;
    };

    TValues FValues;
    std::unique_ptr<TIntList> FColWidths;
};

enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders { pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround, pbAroundVertical, pbAroundHorizontal, pbCustom };
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TPrinterOrientation { poPortrait, poLandscape };

// Page layout, headers and footers of a printed grid.
class TPrintSettings : public TPersistent {
public:
    explicit TPrintSettings(TDudStringGrid* grid);
    ~TPrintSettings() override;

    // Copies everything but the fixed-cells flag from other print settings;
    // any other source raises EInvalidCast.
    void Assign(const TPersistent& source) override;

    TDudStringGrid* Grid() const { return FGrid; }
    TPrintPosition Time() const { return FValues.Time; }
    void SetTime(TPrintPosition value) { FValues.Time = value; }
    TPrintPosition Date() const { return FValues.Date; }
    void SetDate(TPrintPosition value) { FValues.Date = value; }
    TPrintPosition PageNr() const { return FValues.PageNr; }
    void SetPageNr(TPrintPosition value) { FValues.PageNr = value; }
    const String& PageNumSep() const { return FValues.PageNumSep; }
    void SetPageNumSep(const String& value) { FValues.PageNumSep = value; }
    const String& DateFormat() const { return FValues.DateFormat; }
    void SetDateFormat(const String& value) { FValues.DateFormat = value; }
    TPrintPosition Title() const { return FValues.Title; }
    void SetTitle(TPrintPosition value) { FValues.Title = value; }
    TPrintBorders Borders() const { return FValues.Borders; }
    void SetBorders(TPrintBorders value) { FValues.Borders = value; }
    TPenStyle BorderStyle() const { return FValues.BorderStyle; }
    void SetBorderStyle(TPenStyle value) { FValues.BorderStyle = value; }
    const String& TitleText() const { return FValues.TitleText; }
    void SetTitleText(const String& value) { FValues.TitleText = value; }
    bool Centered() const { return FValues.Centered; }
    void SetCentered(bool value) { FValues.Centered = value; }
    bool RepeatFixedRows() const { return FValues.RepeatFixedRows; }
    void SetRepeatFixedRows(bool value) { FValues.RepeatFixedRows = value; }
    bool RepeatFixedCols() const { return FValues.RepeatFixedCols; }
    void SetRepeatFixedCols(bool value) { FValues.RepeatFixedCols = value; }
    int32_t FooterSize() const { return FValues.FooterSize; }
    void SetFooterSize(int32_t value) { FValues.FooterSize = value; }
    int32_t HeaderSize() const { return FValues.HeaderSize; }
    void SetHeaderSize(int32_t value) { FValues.HeaderSize = value; }
    int32_t LeftSize() const { return FValues.LeftSize; }
    void SetLeftSize(int32_t value) { FValues.LeftSize = value; }
    int32_t RightSize() const { return FValues.RightSize; }
    void SetRightSize(int32_t value) { FValues.RightSize = value; }
    int32_t ColumnSpacing() const { return FValues.ColumnSpacing; }
    void SetColumnSpacing(int32_t value) { FValues.ColumnSpacing = value; }
    int32_t RowSpacing() const { return FValues.RowSpacing; }
    void SetRowSpacing(int32_t value) { FValues.RowSpacing = value; }
    int32_t TitleSpacing() const { return FValues.TitleSpacing; }
    void SetTitleSpacing(int32_t value) { FValues.TitleSpacing = value; }
    TPrinterOrientation Orientation() const { return FValues.Orientation; }
    void SetOrientation(TPrinterOrientation value) { FValues.Orientation = value; }
    const String& PagePrefix() const { return FValues.PagePrefix; }
    void SetPagePrefix(const String& value) { FValues.PagePrefix = value; }
    const String& PageSuffix() const { return FValues.PageSuffix; }
    void SetPageSuffix(const String& value) { FValues.PageSuffix = value; }
    int32_t FixedHeight() const { return FValues.FixedHeight; }
    void SetFixedHeight(int32_t value) { FValues.FixedHeight = value; }
    bool UseFixedHeight() const { return FValues.UseFixedHeight; }
    void SetUseFixedHeight(bool value) { FValues.UseFixedHeight = value; }
    int32_t FixedWidth() const { return FValues.FixedWidth; }
    void SetFixedWidth(int32_t value) { FValues.FixedWidth = value; }
    bool UseFixedWidth() const { return FValues.UseFixedWidth; }
    void SetUseFixedWidth(bool value) { FValues.UseFixedWidth = value; }
    TFitToPage FitToPage() const { return FValues.FitToPage; }
    void SetFitToPage(TFitToPage value) { FValues.FitToPage = value; }
    bool NoAutoSize() const { return FValues.NoAutoSize; }
    void SetNoAutoSize(bool value) { FValues.NoAutoSize = value; }
    bool PrintGraphics() const { return FValues.PrintGraphics; }
    void SetPrintGraphics(bool value) { FValues.PrintGraphics = value; }
    const String& JobName() const { return FValues.JobName; }
    void SetJobName(const String& value) { FValues.JobName = value; }
    bool NoAutoSizeRow() const { return FValues.NoAutoSizeRow; }
    void SetNoAutoSizeRow(bool value) { FValues.NoAutoSizeRow = value; }
    int32_t PageNumberOffset() const { return FValues.PageNumberOffset; }
    void SetPageNumberOffset(int32_t value) { FValues.PageNumberOffset = value; }
    int32_t MaxPagesOffset() const { return FValues.MaxPagesOffset; }
    void SetMaxPagesOffset(int32_t value) { FValues.MaxPagesOffset = value; }
    bool UseDisplayFont() const { return FValues.UseDisplayFont; }
    void SetUseDisplayFont(bool value) { FValues.UseDisplayFont = value; }
    bool UseDefaultOrientation() const { return FValues.UseDefaultOrientation; }
    void SetUseDefaultOrientation(bool value) { FValues.UseDefaultOrientation = value; }
    bool FixedCellsAlways() const { return FValues.FixedCellsAlways; }
    void SetFixedCellsAlways(bool value) { FValues.FixedCellsAlways = value; }
    TColor BorderColor() const { return FValues.BorderColor; }
    void SetBorderColor(TColor value) { FValues.BorderColor = value; }
    TFont& Font() const { return *FFont; }
    void SetFont(const TFont& value) { FFont->Assign(value); }
    TFont& HeaderFont() const { return *FHeaderFont; }
    void SetHeaderFont(const TFont& value) { FHeaderFont->Assign(value); }
    TFont& FooterFont() const { return *FFooterFont; }
    void SetFooterFont(const TFont& value) { FFooterFont->Assign(value); }
    TFont& FixedFont() const { return *FFixedFont; }
    void SetFixedFont(const TFont& value) { FFixedFont->Assign(value); }
    TStringList& TitleLines() const { return *FTitleLines; }
    void SetTitleLines(const TStrings& value) { FTitleLines->Assign(value); }

private:
    struct TValues {
        TPrintPosition Time = ppNone;
        TPrintPosition Date = ppNone;
        TPrintPosition PageNr = ppNone;
        String PageNumSep = QStringLiteral("/");
        String DateFormat = QStringLiteral("dd/mm/yyyy");
        TPrintPosition Title = ppNone;
        TPrintBorders Borders = pbSingle;
        TPenStyle BorderStyle = TPenStyle::psSolid;
        String TitleText;
        bool Centered = true;
        bool RepeatFixedRows = false;
        bool RepeatFixedCols = false;
        int32_t FooterSize = 0;
        int32_t HeaderSize = 0;
        int32_t LeftSize = 0;
        int32_t RightSize = 0;
        int32_t ColumnSpacing = 0;
        int32_t RowSpacing = 0;
        int32_t TitleSpacing = 0;
        TPrinterOrientation Orientation = poPortrait;
        String PagePrefix;
        String PageSuffix;
        int32_t FixedHeight = 0;
        bool UseFixedHeight = false;
        int32_t FixedWidth = 0;
        bool UseFixedWidth = false;
        TFitToPage FitToPage = fpNever;
        bool NoAutoSize = false;
        bool PrintGraphics = false;
        String JobName;
        bool NoAutoSizeRow = false;
        int32_t PageNumberOffset = 0;
        int32_t MaxPagesOffset = 0;
        bool UseDisplayFont = true;
        bool UseDefaultOrientation = false;
        bool FixedCellsAlways = false;
        TColor BorderColor = clBlack;
    };

    TDudStringGrid* FGrid;
    TValues FValues;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TFont> FHeaderFont;
    std::unique_ptr<TFont> FFooterFont;
    std::unique_ptr<TFont> FFixedFont;
    std::unique_ptr<TStringList> FTitleLines;
};
