#pragma once

#include "grid/base/BaseGrid.h"
#include "platform/core/Persistent.h"
#include "platform/graphics/Color.h"
#include "platform/ui/ExtCtrls.h"

#include <cstdint>
#include <functional>
#include <vector>

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

using TCalcFooterEvent = std::function<void(TComponent* sender, int32_t aCol, int32_t aRow, String& value)>;

class TFooterPanel;

// What the floating footer under the grid shows and how it looks.
class TFloatingFooter : public TPersistent {
public:
    explicit TFloatingFooter(TBaseGrid* owner) : FGrid(owner) { }

    // Copies the look and sets Visible through its setter; Height,
    // BorderColor, EnableCalculation and OnCalcFooter stay with the target.
    void Assign(const TPersistent& source) override;

    // The panel the footer paints on; the grid links it after creating both.
    void SetFooterPanel(TFooterPanel* panel) { FFooterPanel = panel; }
    TFooterPanel* FooterPanel() const { return FFooterPanel; }
    void Invalidate() const;

    // The calculation of a column lives in the cell properties of its cell
    // in the last row; reading creates none.
    TColumnCalcType GetColumnCalc(int32_t col) const;
    void SetColumnCalc(int32_t col, TColumnCalcType value);

    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Repaint(FColor, value); }
    TFooterStyle FooterStyle() const { return FFooterStyle; }
    void SetFooterStyle(TFooterStyle value);
    int32_t Column() const { return FColumn; }
    void SetColumn(int32_t value) { Repaint(FColumn, value); }
    const String& CustomTemplate() const { return FCustomTemplate; }
    void SetCustomTemplate(const String& value) { Repaint(FCustomTemplate, value); }
    bool CalculateHiddenRows() const { return FCalculateHiddenRows; }
    void SetCalculateHiddenRows(bool value) { FCalculateHiddenRows = value; }
    bool EnableCalculation() const { return FEnableCalculation; }
    void SetEnableCalculation(bool value) { FEnableCalculation = value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);

    TCalcFooterEvent OnCalcFooter;

private:
    template <class T>
    void Repaint(T& field, const T& value)
    {
        field = value;
        Invalidate();
    }
    void ApplyLayout();

    TBaseGrid* FGrid;
    TFooterPanel* FFooterPanel = nullptr;
    int32_t FHeight = 0;
    bool FVisible = false;
    TColor FColor = clBtnFace;
    TFooterStyle FFooterStyle = fsFixedLastRow;
    int32_t FColumn = 0;
    String FCustomTemplate;
    bool FCalculateHiddenRows = true;
    bool FEnableCalculation = true;
    bool FShowHint = false;
    TColor FBorderColor = clNone;
};

// Expands the "<#n>" placeholders of a preview template with the texts of
// columns n. A placeholder whose number does not parse vanishes; an "<#"
// without a closing ">" is kept as plain text, so the expansion always ends.
String ExpandFooterTemplate(const String& templateText, const std::function<String(int32_t col)>& cellText);

// The strip docked under the grid that shows the floating footer.
class TFooterPanel : public TCustomPanel {
public:
    explicit TFooterPanel(TBaseGrid* owner);

    TBaseGrid* Grid() const { return FGrid; }
    // The column whose hint is showing, -1 for none.
    int32_t LastHintX() const { return FLastHintX; }
    // The column under x: the fixed columns, then those from the grid's left
    // column on, side by side from 0; -1 at 0 and past the last.
    int32_t ColumnAt(int32_t x) const;

protected:
    void CreateWnd() override;
    void Paint() override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void CMMouseLeave(TMessage& message) override;
    void CMHintShow(TMessage& message) override;

private:
    // The columns in footer order, and the width they take together.
    std::vector<int32_t> FooterColumns() const;
    int32_t ColumnsWidth() const;
    // Each style draws and returns how far to the right it drew.
    int32_t PaintFixedLastRow();
    int32_t PaintColumnPreview();
    int32_t PaintCustomPreview();
    int32_t PaintCustomPaint();
    // The column area in the footer colour, raised, and the rest in the
    // grid's colour.
    TRect PaintPreviewFrame();
    void FillRest(int32_t from);

    TBaseGrid* FGrid;
    int32_t FLastHintX = -1;
};
