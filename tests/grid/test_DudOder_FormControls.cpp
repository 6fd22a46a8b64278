#include "grid/DudOder.h"

#include "grid/DudOder_FormControlEditors.h"
#include "grid/base/MarkupText.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScriptedUiServices.h"

#include "tests/grid/GridOnForm.h"
#include "tests/support/KeyInput.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <functional>

namespace {

// A shown, editable grid with wide cells for marked-up text.
class FormControlsTest : public GridOnFormTest<TDudStringGrid> {
protected:
    void SetUp() override
    {
        MakeGrid(640, 300, 620, 280);
        Grid->SetColCount(3);
        Grid->SetRowCount(6);
        Grid->SetDefaultColWidth(300);
        Grid->SetDefaultRowHeight(30);
        Grid->SetOptions(Grid->Options() + TGridOptions { goEditing });
        ShowForm(false);
    }

    // Clicks the middle of the form control id of cell (1, row).
    bool ClickControl(int32_t row, const String& id)
    {
        TDudStringGrid::TMarkupHit hit;
        if (!Grid->MarkupHitTest(1, row, -1, -1, hit, id))
            return false;
        const TRect& at = hit.ControlRect;
        return Grid->MarkupCellClick(1, row, (at.Left + at.Right) / 2, (at.Top + at.Bottom) / 2);
    }

    String Value(int32_t row, const String& id) const
    {
        String value;
        GetControlValue(Grid->Cells(1, row), id, value);
        return value;
    }
};

TEST_F(FormControlsTest, ChecksToggleAndRadiosStayExclusive)
{
    Grid->SetCells(1, 1, R"(<CONTROL TYPE="CHECK" WIDTH="16" ID="a" VALUE="TRUE"> <CONTROL TYPE="CHECK" WIDTH="16" ID="b" VALUE="x">)");
    Grid->SetCells(1, 2,
        R"(<CONTROL TYPE="RADIO" WIDTH="16" ID="r1" VALUE="TRUE"> <CONTROL TYPE="RADIO" WIDTH="16" ID="r2" VALUE="FALSE"> <CONTROL TYPE="RADIO" WIDTH="16" ID="r3" VALUE="FALSE">)");
    std::vector<std::string> clicks;
    Grid->OnControlClick = [&clicks](TDudStringGrid*, int32_t row, int32_t col, const String& id, const String& type,
                               const String& value) {
        clicks.push_back(QStringLiteral("%1,%2 %3 %4 %5").arg(col).arg(row).arg(id, type, value).toStdString());
    };
    struct Step {
        int32_t row;
        const char* id;
        const char* values;
    };
    const Step steps[] = {
        { 1, "a", "FALSE x" },
        { 1, "b", "FALSE TRUE" },
        { 1, "b", "FALSE FALSE" },
        { 2, "r3", "FALSE FALSE TRUE" },
        { 2, "r2", "FALSE TRUE FALSE" },
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.id);
        ASSERT_TRUE(ClickControl(step.row, step.id));
        QStringList values;
        for (const char* id : step.row == 1 ? std::vector<const char*> { "a", "b" }
                                            : std::vector<const char*> { "r1", "r2", "r3" })
            values.append(Value(step.row, id));
        EXPECT_EQ(values.join(u' '), QString::fromLatin1(step.values));
    }
    EXPECT_EQ(clicks.front(), "1,1 a CHECK TRUE");
    EXPECT_EQ(clicks.size(), 5u);

    // A grid that does not edit leaves the controls as they are.
    Grid->SetOptions(Grid->Options() - TGridOptions { goEditing });
    ClickControl(1, "a");
    EXPECT_EQ(Value(1, "a"), "FALSE");
}

TEST_F(FormControlsTest, AnchorsJumpInsideTheGridOrOpenWebAndMailLinksOnly)
{
    struct Case {
        const char* name;
        const char* cell;
        bool autoHandle;
        TPoint current;
        const char* opened;
    };
    const Case cases[] = {
        { "a jump to a cell", R"(<A HREF="cell://r4c2">go</A>)", true, { 2, 4 }, "" },
        { "a jump to no cell", R"(<A HREF="CELL://nowhere">go</A>)", true, { 1, 1 }, "" },
        { "a jump the application handles", R"(<A HREF="CELL://R4C2">go</A>)", false, { 1, 1 }, "" },
        { "a web page", R"(<A HREF="https://example.com/a">go</A>)", true, { 1, 1 }, "https://example.com/a" },
        { "a mail address", R"(<A HREF="mailto:a@example.com">go</A>)", true, { 1, 1 }, "mailto:a@example.com" },
        { "a web page the application handles", R"(<A HREF="http://example.com">go</A>)", false, { 1, 1 }, "" },
        { "a local program", R"(<A HREF="/usr/bin/xterm">go</A>)", true, { 1, 1 }, "" },
        { "a local file", R"(<A HREF="file:///etc/passwd">go</A>)", true, { 1, 1 }, "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TScriptedUiServices services;
        const TScopedUiServices scope(services);
        Grid->SetCol(1);
        Grid->SetRow(1);
        Grid->SetCells(1, 1, QString::fromLatin1(c.cell));
        std::string anchors;
        Grid->OnAnchorClick = [&](TDudStringGrid*, int32_t, int32_t, const String& anchor, bool& autoHandle) {
            anchors += anchor.toStdString();
            autoHandle = c.autoHandle;
        };
        const TRect cell = Grid->CellRect(1, 1);
        // The text stands at the top of the cell.
        EXPECT_TRUE(Grid->MarkupCellClick(1, 1, cell.Left + 8, cell.Top + 8));
        EXPECT_FALSE(anchors.empty());
        EXPECT_EQ((TPoint { Grid->Col(), Grid->Row() }), c.current);
        std::string opened;
        for (const TUiRequest& request : services.Requests())
            if (request.Kind == TUiRequestKind::rkLink)
                opened += request.Text.toStdString();
        EXPECT_EQ(opened, c.opened);
    }
}

TEST_F(FormControlsTest, EditAndComboControlsAreEditedInPlaceAndWrittenBack)
{
    Grid->SetCells(1, 1,
        R"(Name <CONTROL TYPE="EDIT" WIDTH="80" ID="name" VALUE="old" MAXLEN="6"> <CONTROL TYPE="COMBO" WIDTH="80" ID="pick" VALUE="b">)");
    std::vector<std::string> done;
    Grid->OnControlEditDone = [&done](TDudStringGrid*, int32_t row, int32_t col, const String& id, const String& type,
                                  const String& value) {
        done.push_back(QStringLiteral("%1,%2 %3 %4 %5").arg(col).arg(row).arg(id, type, value).toStdString());
    };
    bool editable = true;
    Grid->OnControlComboList = [&editable](TDudStringGrid*, int32_t, int32_t, const String&, const String&,
                                   const String&, TStringList& values, bool& edit, int32_t& dropCount) {
        values.Clear();
        values.Add("a");
        values.Add("b");
        edit = editable;
        dropCount = 8;
    };

    Grid->EditHTMLControlByID(1, 1, "");
    TControlEdit& edit = *Grid->ControlEdit();
    ASSERT_TRUE(edit.Visible());
    EXPECT_EQ(edit.Text(), "old");
    EXPECT_EQ(edit.MaxLength(), 6);
    edit.SetText("new");
    Grid->EndHTMLControlEdit();
    EXPECT_FALSE(edit.Visible());
    EXPECT_EQ(Value(1, "name"), "new");
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done.back(), "1,1 name EDIT new");

    for (const bool editableList : { true, false }) {
        SCOPED_TRACE(editableList);
        editable = editableList;
        Grid->EditHTMLControlByID(1, 1, "pick");
        TControlCombo& combo = *Grid->ControlCombo();
        ASSERT_TRUE(combo.Visible());
        EXPECT_EQ(combo.Style(), editableList ? csDropDown : csDropDownList);
        EXPECT_EQ(combo.ItemIndex(), 1);
        EXPECT_EQ(combo.Height(), combo.ItemHeight() * 10);
        combo.SetItemIndex(0);
        Grid->EndHTMLControlEdit();
        EXPECT_EQ(Value(1, "pick"), "a");
        Grid->SetCells(1, 1, Grid->Cells(1, 1).replace(QStringLiteral("VALUE=\"a\""), QStringLiteral("VALUE=\"b\"")));
    }
}

TEST_F(FormControlsTest, SelectionToFormIsAHalfTransparentPictureOfTheCells)
{
    std::unique_ptr<TForm> picture(Grid->SelectionToForm(TGridRect { 1, 1, 2, 2 }));
    ASSERT_TRUE(picture);
    EXPECT_TRUE(picture->AlphaBlend());
    EXPECT_EQ(picture->AlphaBlendValue(), 192);
    EXPECT_EQ(picture->FormStyle(), fsStayOnTop);
    const TRect first = Grid->CellRect(1, 1);
    const TRect last = Grid->CellRect(2, 2);
    EXPECT_EQ(picture->ClientWidth(), last.Right - first.Left + 1);
    EXPECT_EQ(picture->ClientHeight(), last.Bottom - first.Top + 1);
}

TEST_F(FormControlsTest, TheMouseAndEnterReachTheFormControls)
{
    Grid->SetCells(1, 1, R"(<CONTROL TYPE="CHECK" WIDTH="16" ID="on" VALUE="FALSE"> <CONTROL TYPE="EDIT" WIDTH="80" ID="name" VALUE="lamp">)");
    TDudStringGrid::TMarkupHit hit;
    ASSERT_TRUE(Grid->MarkupHitTest(1, 1, -1, -1, hit, "on"));
    const QPoint local((hit.ControlRect.Left + hit.ControlRect.Right) / 2, (hit.ControlRect.Top + hit.ControlRect.Bottom) / 2);
    for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
        QMouseEvent event(type, local, Grid->Widget()->mapToGlobal(local), Qt::LeftButton,
            type == QEvent::MouseButtonRelease ? Qt::MouseButtons(Qt::NoButton) : Qt::MouseButtons(Qt::LeftButton),
            Qt::NoModifier);
        QApplication::sendEvent(Grid->Widget(), &event);
    }
    EXPECT_EQ(Value(1, "on"), "TRUE");

    Grid->SetCol(1);
    Grid->SetRow(1);
    Grid->SetFocus();
    QApplication::processEvents();
    Press(Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(Grid->ControlEdit()->Visible());
    EXPECT_EQ(Grid->ControlEdit()->Text(), "lamp");
}

} // namespace
