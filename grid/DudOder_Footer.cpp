#include "grid/DudOder_Footer.h"

#include "grid/DudOder.h"

void TFloatingFooter::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TFloatingFooter*>(&source);
    if (!other)
        return;
    FCalculateHiddenRows = other->FCalculateHiddenRows;
    FColor = other->FColor;
    FColumn = other->FColumn;
    FCustomTemplate = other->FCustomTemplate;
    FFooterStyle = other->FFooterStyle;
    FShowHint = other->FShowHint;
    SetVisible(other->FVisible);
}

void TFloatingFooter::Invalidate() const
{
    if (FFooterPanel)
        FFooterPanel->Invalidate();
}

TColumnCalcType TFloatingFooter::GetColumnCalc(int32_t col) const
{
    if (!FGrid)
        return acNONE;
    const int32_t footerRow = FGrid->RowCount() - 1;
    if (!FGrid->HasCellProps(col, footerRow))
        return acNONE;
    return FGrid->GetCellProperties(col, footerRow)->CalcType();
}

void TFloatingFooter::SetColumnCalc(int32_t col, TColumnCalcType value)
{
    if (!FGrid)
        return;
    FGrid->GetCellProperties(col, FGrid->RowCount() - 1)->SetCalcType(value);
    if (auto* grid = dynamic_cast<TDudStringGrid*>(FGrid))
        grid->RecalcFooterColumn(col);
}

void TFloatingFooter::SetHeight(int32_t value)
{
    FHeight = value;
    if (FFooterPanel && value > 0)
        FFooterPanel->SetHeight(value - 1);
}

void TFloatingFooter::SetVisible(bool value)
{
    FVisible = value;
    ApplyLayout();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle value)
{
    FFooterStyle = value;
    if (FGrid) {
        FGrid->SetHideLastRow(value == fsFixedLastRow && FVisible);
        FGrid->Invalidate();
    }
    Invalidate();
}

// The last row moves into the footer while it shows as fixed cells there.
void TFloatingFooter::ApplyLayout()
{
    if (FFooterPanel && FVisible && FGrid && !FFooterPanel->Parent())
        FFooterPanel->SetParent(FGrid);
    if (FFooterPanel) {
        FFooterPanel->SetHeight(FVisible ? FHeight - 1 : 0);
        FFooterPanel->SetVisible(FVisible);
    }
    if (!FGrid)
        return;
    const bool lastRowInFooter = FVisible && FFooterStyle == fsFixedLastRow;
    if (auto* grid = dynamic_cast<TDudStringGrid*>(FGrid))
        grid->SetFixedFooters(lastRowInFooter ? 1 : 0);
    FGrid->SetHideLastRow(lastRowInFooter);
    FGrid->Invalidate();
}

void TFloatingFooter::SetShowHint(bool value)
{
    FShowHint = value;
    if (FFooterPanel)
        FFooterPanel->SetShowHint(value);
}

void TFloatingFooter::SetBorderColor(TColor value)
{
    if (FBorderColor == value)
        return;
    FBorderColor = value;
    Invalidate();
}

String ExpandFooterTemplate(const String& templateText, const std::function<String(int32_t col)>& cellText)
{
    const String opener = QStringLiteral("<#");
    String result;
    String rest = templateText;
    for (qsizetype start = rest.indexOf(opener); start >= 0; start = rest.indexOf(opener)) {
        const qsizetype close = rest.indexOf(QChar('>'), start + opener.size());
        if (close < 0)
            break;
        result += rest.left(start);
        bool isNumber = false;
        const int32_t col = rest.mid(start + opener.size(), close - start - opener.size()).toInt(&isNumber);
        rest.remove(0, close + 1);
        if (isNumber)
            result += cellText(col);
    }
    return result + rest;
}

