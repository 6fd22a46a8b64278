#include "grid/DudOder.h"
#include "grid/DudOder_DragDrop.h"
#include "grid/DudOder_Settings.h"
#include "grid/base/VidEri_Options.h"
#include "platform/ui/DragDropMime.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

#include <memory>

namespace {

// Writes down what a target outside the grids hears.
class TRecordingTarget : public IDropTarget {
public:
    std::shared_ptr<IDataObject> Data;
    HRESULT DragEnter(const std::shared_ptr<IDataObject>& data, uint32_t, TPoint, uint32_t& effect) override
    {
        Data = data;
        effect &= DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT DragOver(uint32_t, TPoint, uint32_t& effect) override
    {
        effect &= DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT DragLeave() override { return S_OK; }
    HRESULT Drop(const std::shared_ptr<IDataObject>& data, uint32_t, TPoint, uint32_t& effect) override
    {
        Data = data;
        effect &= DROPEFFECT_COPY;
        return S_OK;
    }
};

// Two grids side by side: the left one drags, the right one takes drops.
class GridDragDropTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(50, 50, 860, 260);
        Source = MakeGrid(0);
        Target = MakeGrid(430);
        Source->DragDropSettings().SetOleDropSource(true);
        Target->DragDropSettings().SetOleDropTarget(true);
        Target->SetOptions(Target->Options() + TGridOptions { goEditing });
        for (int32_t row = 1; row < Source->RowCount(); ++row)
            for (int32_t col = 1; col < Source->ColCount(); ++col)
                Source->SetCells(col, row, QString("c%1r%2").arg(col).arg(row));
        for (int32_t col = 1; col < Source->ColCount(); ++col)
            Source->SetCells(col, 0, QString("H%1").arg(col));
        Form->Show();
        QApplication::processEvents();
        Record(Source, "source");
        Record(Target, "target");
    }

    void TearDown() override { SetDragSteps({}); }

    TDudStringGrid* MakeGrid(int32_t left)
    {
        auto* grid = new TDudStringGrid(Form.get());
        grid->SetParent(Form.get());
        grid->SetScrollBars(ssNone);
        grid->SetColCount(6);
        grid->SetRowCount(8);
        grid->SetDefaultColWidth(60);
        grid->SetBounds(left, 0, 420, 250);
        return grid;
    }

    void Record(TDudStringGrid* grid, const char* name)
    {
        const String who = QString::fromLatin1(name);
        grid->OnOleDrag = [this, who](TDudStringGrid*, int32_t aRow, int32_t aCol, const String& data, bool&) {
            Events.append(QString("%1 drag %2,%3 %4").arg(who).arg(aCol).arg(aRow).arg(data));
        };
        grid->OnOleDragStart = [this, who](TDudStringGrid*, int32_t aRow, int32_t aCol) {
            Events.append(QString("%1 start %2,%3").arg(who).arg(aCol).arg(aRow));
        };
        grid->OnOleDragStop = [this, who](TDudStringGrid*, int32_t effect) {
            Events.append(QString("%1 stop %2").arg(who).arg(effect));
        };
        grid->OnOleDrop = [this, who](TDudStringGrid*, int32_t aRow, int32_t aCol, const String& data, bool& allow) {
            Events.append(QString("%1 drop %2,%3 %4").arg(who).arg(aCol).arg(aRow).arg(data));
            allow = AllowDrop;
        };
        grid->OnOleDropped = [this, who](TDudStringGrid*, const TGridRect& rect) {
            Events.append(
                QString("%1 dropped %2,%3-%4,%5").arg(who).arg(rect.Left).arg(rect.Top).arg(rect.Right).arg(rect.Bottom));
        };
        grid->OnOleDropCol = [this, who](TDudStringGrid*, int32_t aRow, int32_t aCol, int32_t dropCol) {
            Events.append(QString("%1 dropcol %2,%3 %4").arg(who).arg(aCol).arg(aRow).arg(dropCol));
        };
        grid->OnOleDropFile = [this, who](TDudStringGrid*, int32_t aRow, int32_t aCol, const String& name, bool&) {
            Events.append(QString("%1 file %2,%3 %4").arg(who).arg(aCol).arg(aRow).arg(name));
        };
    }

    TPoint Center(TDudStringGrid* grid, int32_t aCol, int32_t aRow) const
    {
        const TRect rect = grid->CellRect(aCol, aRow);
        return { (rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2 };
    }
    TPoint ScreenCenter(TDudStringGrid* grid, int32_t aCol, int32_t aRow) const
    {
        return grid->ClientToScreen(Center(grid, aCol, aRow));
    }

    void Mouse(TDudStringGrid* grid, QEvent::Type type, TPoint point, Qt::MouseButtons held) const
    {
        const QPointF local(point.X, point.Y);
        QMouseEvent event(type, local, grid->Widget()->mapToGlobal(local),
            type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(grid->Widget(), &event);
    }

    // Presses on the source's cell and pulls away from it, which starts a
    // drag that then follows steps.
    void DragFrom(int32_t aCol, int32_t aRow, std::vector<TDragStep> steps)
    {
        const TPoint down = Center(Source, aCol, aRow);
        Mouse(Source, QEvent::MouseButtonPress, down, Qt::LeftButton);
        SetDragSteps(std::move(steps));
        Mouse(Source, QEvent::MouseMove, { down.X + 10, down.Y + 6 }, Qt::LeftButton);
    }

    // Another program's data dropped on the target's cell.
    void DropForeign(const QMimeData& mime, int32_t aCol, int32_t aRow, Qt::DropActions actions = Qt::CopyAction)
    {
        const QPoint local(Center(Target, aCol, aRow).X, Center(Target, aCol, aRow).Y);
        QDragEnterEvent enter(local, actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Target->Widget(), &enter);
        QDragMoveEvent move(local, actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Target->Widget(), &move);
        QDropEvent drop(QPointF(local), actions, &mime, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Target->Widget(), &drop);
    }

    QStringList Block(TDudStringGrid* grid, int32_t left, int32_t top, int32_t right, int32_t bottom) const
    {
        QStringList cells;
        for (int32_t row = top; row <= bottom; ++row)
            for (int32_t col = left; col <= right; ++col)
                cells.append(grid->Cells(col, row));
        return cells;
    }

    std::unique_ptr<TForm> Form;
    TDudStringGrid* Source = nullptr;
    TDudStringGrid* Target = nullptr;
    QStringList Events;
    bool AllowDrop = true;
};

TEST_F(GridDragDropTest, ABlockDraggedWithTheMouseLandsInTheOtherGridAndLeavesOrStaysByTheEffect)
{
    struct TCase {
        const char* Name;
        uint32_t DropKeys;
        bool CopyAlways;
        bool Escape;
        bool Moved;
        QStringList TargetBlock;
        QStringList SourceBlock;
        QStringList Events;
    };
    const QStringList dragged { "c1r2", "c2r2", "c1r3", "c2r3" };
    const QStringList empty { "", "", "", "" };
    const QStringList events { "source drag 2,3 c2r3", "source start 2,3", "target drop 3,4 c1r2\tc2r2\r\nc1r3\tc2r3\r\n",
        "target dropped 3,4-4,5" };
    const TCase cases[] = {
        { "a move", 0, false, false, true, dragged, empty, events + QStringList { "source stop 2" } },
        { "Ctrl copies", MK_CONTROL, false, false, false, dragged, dragged, events + QStringList { "source stop 1" } },
        { "always a copy", 0, true, false, false, dragged, dragged, events + QStringList { "source stop 2" } },
        { "Escape changes nothing", 0, false, true, false, empty, dragged,
            { "source drag 2,3 c2r3", "source start 2,3" } },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        SetUp();
        Source->DragDropSettings().SetOleCopyAlways(test.CopyAlways);
        Source->SetSelection({ 1, 2, 2, 3 });
        const TPoint over = ScreenCenter(Target, 3, 4);
        std::vector<TDragStep> steps { { ScreenCenter(Source, 3, 3) }, { over, uint32_t { MK_LBUTTON } | test.DropKeys } };
        steps.push_back(test.Escape ? TDragStep { over, MK_LBUTTON, true } : TDragStep { over, test.DropKeys });
        DragFrom(2, 3, steps);
        EXPECT_EQ(Block(Target, 3, 4, 4, 5), test.TargetBlock);
        EXPECT_EQ(Block(Source, 1, 2, 2, 3), test.SourceBlock);
        EXPECT_EQ(Events, test.Events);
        if (!test.Escape) {
            EXPECT_EQ(Target->Selection(), (TGridRect { 3, 4, 4, 5 }));
        }
        Events.clear();
    }
}

TEST_F(GridDragDropTest, CellsMovedOntoTheirOwnPlaceInTheSameGridAreNotClearedAfterwards)
{
    Source->DragDropSettings().SetOleDropTarget(true);
    Source->Navigation().SetAllowClipboardAlways(true);
    Source->SetSelection({ 1, 2, 2, 3 });
    const TPoint over = ScreenCenter(Source, 2, 3);
    DragFrom(1, 2, { { over }, { over, 0 } });
    EXPECT_EQ(Block(Source, 2, 3, 3, 4), QStringList({ "c1r2", "c2r2", "c1r3", "c2r3" }));
    // Of the dragged block only the cells the drop did not cover are emptied.
    EXPECT_EQ(Block(Source, 1, 2, 2, 2), QStringList({ "", "" }));
    EXPECT_EQ(Source->Cells(1, 3), QString());
}

TEST_F(GridDragDropTest, OtherProgramsSeeTheDraggedCellsAsPlainText)
{
    TCustomControl outside(Form.get());
    outside.SetParent(Form.get());
    outside.SetBounds(0, 250, 100, 10);
    auto recorder = std::make_shared<TRecordingTarget>();
    ASSERT_EQ(RegisterDragDrop(&outside, recorder), S_OK);
    Source->SetSelection({ 1, 1, 2, 1 });
    const TPoint over = outside.ClientToScreen({ 50, 5 });
    DragFrom(1, 1, { { over }, { over, 0 } });
    ASSERT_TRUE(recorder->Data);
    const std::unique_ptr<QMimeData> mime(NewMimeDataOf(recorder->Data));
    EXPECT_EQ(mime->formats(), QStringList({ "text/plain" }));
    EXPECT_EQ(mime->text(), QString("c1r1\tc2r1"));
    EXPECT_EQ(Source->Cells(1, 1), QString("c1r1")) << "the other side only copied";
}

TEST_F(GridDragDropTest, PlainTextFromAnotherProgramIsPastedAndSelected)
{
    QMimeData mime;
    mime.setText("a\tb\nc\td\ne\tf\n");
    DropForeign(mime, 2, 5);
    EXPECT_EQ(Block(Target, 2, 5, 3, 7), QStringList({ "a", "b", "c", "d", "e", "f" }));
    EXPECT_EQ(Target->Selection(), (TGridRect { 2, 5, 3, 7 }));
    EXPECT_EQ(Events, QStringList({ "target drop 2,5 a\tb\r\nc\td\r\ne\tf\r\n", "target dropped 2,5-3,7" }));

    Events.clear();
    AllowDrop = false;
    QMimeData refused;
    refused.setText("x");
    DropForeign(refused, 1, 1);
    EXPECT_EQ(Target->Cells(1, 1), QString());
    EXPECT_EQ(Events, QStringList({ "target drop 1,1 x", "target dropped 2,5-3,7" }));
}

TEST_F(GridDragDropTest, TheTargetAcceptsByWhatIsDraggedAndWhere)
{
    const String cells = ClipboardFormatMimeType(RegisterClipboardFormat("TDudStringGrid Cells"));
    struct TCase {
        const char* Name;
        bool Text;
        bool Cells;
        int32_t Col, Row;
        bool Accepted;
    };
    const TCase cases[] = {
        { "text over a data cell", true, false, 2, 2, true },
        { "text over the header row", true, false, 2, 0, false },
        { "cells over the header row", false, true, 2, 0, true },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        QMimeData mime;
        if (test.Text)
            mime.setText("t");
        if (test.Cells)
            mime.setData(cells, QByteArray(8, '\0'));
        const QPoint local(Center(Target, test.Col, test.Row).X, Center(Target, test.Col, test.Row).Y);
        QDragEnterEvent enter(local, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Target->Widget(), &enter);
        QDragMoveEvent move(local, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Target->Widget(), &move);
        EXPECT_EQ(move.isAccepted(), test.Accepted);
        if (test.Accepted) {
            EXPECT_EQ(move.dropAction(), Qt::MoveAction);
        }
        QDragLeaveEvent leave;
        QApplication::sendEvent(Target->Widget(), &leave);
    }
}

TEST_F(GridDragDropTest, OneDroppedFileIsOfferedWithItsCellAndSeveralDoNothing)
{
    QMimeData one;
    one.setUrls({ QUrl::fromLocalFile("/tmp/Report.csv") });
    DropForeign(one, 3, 2);
    EXPECT_EQ(Events, QStringList({ "target file 3,2 /tmp/Report.csv", "target drop -1,-1 /tmp/Report.csv" }));

    Events.clear();
    QMimeData two;
    two.setUrls({ QUrl::fromLocalFile("/tmp/a.csv"), QUrl::fromLocalFile("/tmp/b.csv") });
    DropForeign(two, 3, 2);
    EXPECT_TRUE(Events.isEmpty());

    Target->DragDropSettings().SetOleAcceptFiles(false);
    Target->DragDropSettings().SetOleDropTarget(true);
    Events.clear();
    DropForeign(one, 3, 2);
    EXPECT_TRUE(Events.isEmpty()) << "files switched off";
}

TEST_F(GridDragDropTest, AHeaderDraggedWithColumnDragDropMovesTheColumnWhereItIsDropped)
{
    Source->SetEnhRowColMove(false);
    Source->DragDropSettings().SetOleColumnDragDrop(true);
    Source->DragDropSettings().SetOleColumnReorder(true);
    Source->DragDropSettings().SetOleDropTarget(true);
    const TPoint over = ScreenCenter(Source, 4, 0);
    DragFrom(2, 0, { { over }, { over, 0 } });
    EXPECT_EQ(Block(Source, 1, 0, 4, 0), QStringList({ "H1", "H3", "H4", "H2" }));
    EXPECT_EQ(Block(Source, 1, 1, 4, 1), QStringList({ "c1r1", "c3r1", "c4r1", "c2r1" }));
    EXPECT_EQ(Events, QStringList({ "source drag 2,0 H2", "source start 2,0", "source dropcol 4,0 2", "source stop 2" }));

    // A text drag over the header is refused, so a column drag is the only
    // thing a header takes.
    Events.clear();
    QMimeData text;
    text.setText("t");
    const QPoint local(Center(Target, 2, 0).X, Center(Target, 2, 0).Y);
    QDragEnterEvent enter(local, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Target->Widget(), &enter);
    QDragMoveEvent move(local, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Target->Widget(), &move);
    EXPECT_FALSE(move.isAccepted());
}

TEST_F(GridDragDropTest, TheSettingsRegisterTheGridAndSwitchRichText)
{
    EXPECT_TRUE(RegisteredDropTarget(Target));
    EXPECT_FALSE(RegisteredDropTarget(Source));
    Target->DragDropSettings().SetOleDropTarget(false);
    EXPECT_FALSE(RegisteredDropTarget(Target));
    Target->DragDropSettings().SetOleDropRTF(true);
    EXPECT_TRUE(OleDropRTFEnabled());
    Target->DragDropSettings().SetOleDropRTF(false);
    EXPECT_FALSE(OleDropRTFEnabled());
}

TEST(GridDragDropText, MeasuresFieldsAndLinesThatAreNotEmpty)
{
    struct TCase {
        const char* Text;
        int32_t Width, Rows;
    };
    const TCase cases[] = {
        { "a", 1, 1 },
        { "a\tb\r\nc\td\r\ne\tf\r\n", 2, 3 },
        { "a\r\rb", 1, 2 },
        { "a\tb\tc\rd", 3, 2 },
        { "a\nb", 1, 1 },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Text);
        int32_t width = 0;
        int32_t rows = 0;
        GetTextDimensions(QString::fromLatin1(test.Text), width, rows);
        EXPECT_EQ(width, test.Width);
        EXPECT_EQ(rows, test.Rows);
    }
}

} // namespace
