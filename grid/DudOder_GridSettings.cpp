#include "grid/DudOder_GridSettings.h"

#include "grid/DudOder.h"

TCellNode::TCellNode(TDudStringGrid* owner)
    : FExpandGlyph(std::make_unique<TBitmap>()), FContractGlyph(std::make_unique<TBitmap>()), FOwner(owner)
{
}

TCellNode::~TCellNode() = default;

void TCellNode::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TCellNode*>(&source);
    if (!other)
        return;
    FColor = other->FColor;
    FExpandOne = other->FExpandOne;
    FNodeType = other->FNodeType;
    FNodeColor = other->FNodeColor;
    FNodeIndent = other->FNodeIndent;
    FExpandGlyph->Assign(*other->FExpandGlyph);
    FContractGlyph->Assign(*other->FContractGlyph);
    FShowTree = other->FShowTree;
    FShowTreeFull = other->FShowTreeFull;
    FTreeColor = other->FTreeColor;
}

void TCellNode::RepaintOwner() const
{
    if (FOwner)
        FOwner->Invalidate();
}

void TColumnSize::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TColumnSize*>(&source);
    if (!other)
        return;
    FRows = other->FRows;
    FSave = other->FSave;
    FKey = other->FKey;
    FSection = other->FSection;
    FStretch = other->FStretch;
    FStretchColumn = other->FStretchColumn;
    FSynchWithGrid = other->FSynchWithGrid;
    FSynchNormalCellsOnly = other->FSynchNormalCellsOnly;
    FLocation = other->FLocation;
}

void TColumnSize::SetStretch(bool value)
{
    auto* grid = dynamic_cast<TDudStringGrid*>(FOwner);
    if (!grid)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    FStretch = value;
    if (grid->Parent())
        grid->ApplyColumnStretch(FStretchColumn);
}

THTMLSettings::THTMLSettings() : FColWidths(std::make_unique<TIntList>(-1, -1)) { }

THTMLSettings::~THTMLSettings() = default;

void THTMLSettings::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const THTMLSettings*>(&source);
    if (!other)
        return;
    const bool exportImages = FValues.ExportImages;
    FValues = other->FValues;
    FValues.ExportImages = exportImages;
}

TPrintSettings::TPrintSettings(TDudStringGrid* grid)
    : FGrid(grid),
      FFont(std::make_unique<TFont>()),
      FHeaderFont(std::make_unique<TFont>()),
      FFooterFont(std::make_unique<TFont>()),
      FFixedFont(std::make_unique<TFont>()),
      FTitleLines(std::make_unique<TStringList>())
{
}

TPrintSettings::~TPrintSettings() = default;

void TPrintSettings::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TPrintSettings*>(&source);
    if (!other)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
    const bool fixedCellsAlways = FValues.FixedCellsAlways;
    FValues = other->FValues;
    FValues.FixedCellsAlways = fixedCellsAlways;
    FFont->Assign(*other->FFont);
    FHeaderFont->Assign(*other->FHeaderFont);
    FFooterFont->Assign(*other->FFooterFont);
    FFixedFont->Assign(*other->FFixedFont);
    FTitleLines->Assign(*other->FTitleLines);
}
