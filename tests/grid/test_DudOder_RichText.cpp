#include "grid/DudOder.h"
#include "grid/DudOder_RichEdit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Rtf.h"

#include "tests/support/KeyInput.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace {

std::string Bytes(const String& cell)
{
    std::string bytes;
    for (const QChar character : cell)
        bytes += static_cast<char>(character.unicode() & 0xFF);
    return bytes;
}

TRichText ReadCell(const String& cell) { return ReadRtf(Bytes(cell), TRichTextFormat {}); }

class RichTextCellTest : public testing::Test {
protected:
    enum : int32_t { RichCol = 1, TextCol = 2 };

    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 500, 300);
        Grid = new TDudStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 460, 250);
        Grid->SetColCount(4);
        Grid->SetRowCount(5);
        Grid->SetDefaultColWidth(100);
        Grid->SetOptions(Grid->Options() + TGridOptions { goEditing });
        // Up and Down then leave the editor instead of moving between lines.
        Grid->SetWordWrap(false);
        Grid->OnGetEditorType = [](TDudStringGrid*, int32_t aCol, int32_t, TEditorType& editor) {
            if (aCol == RichCol)
                editor = edRichEdit;
        };
        Form->Show();
        QApplication::processEvents();
        Grid->SetFocus();
        QApplication::processEvents();
    }

    void Open(int32_t aRow)
    {
        Grid->SetCol(RichCol);
        Grid->SetRow(aRow);
        Press(Qt::Key_F2);
        QApplication::processEvents();
    }

    bool EditorOpen() const
    {
        return Grid->InplaceRichEdit()->Visible() && Grid->InplaceRichEdit()->Focused();
    }

    std::unique_ptr<TForm> Form;
    TDudStringGrid* Grid = nullptr;
};

const String Formatted = QStringLiteral(R"({\rtf1{\fonttbl{\f0 Arial;}}\f0\fs20 {\b bold} text})");

TEST_F(RichTextCellTest, CellsConvertThroughARichEdit)
{
    struct Case {
        const char* name;
        String cell;
        const char16_t* text;
    };
    const Case cases[] = {
        { "an RTF cell", Formatted, u"bold text" },
        { "a plain cell is text", QString::fromUtf16(u"Grüße"), u"Grüße" },
        { "a character beyond a byte gives its low eight bits",
            QString::fromUtf16(u"{\\rtf1 x\u0141\u01E9y}"), u"xAéy" },
        { "an empty cell clears the editor", String(), u"" },
    };
    TRichEdit editor(nullptr);
    editor.SetText(QStringLiteral("left over"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->SetCells(RichCol, 1, c.cell);
        Grid->CellToRich(RichCol, 1, &editor);
        EXPECT_EQ(editor.Text(), QString::fromUtf16(c.text));
    }

    Grid->SetCells(RichCol, 1, Formatted);
    Grid->CellToRich(RichCol, 1, &editor);
    EXPECT_TRUE(editor.Document().Formats[0].Style.Contains(fsBold));
    // One character per byte of a 7-bit RTF document, which reads back the same.
    const String saved = Grid->RichToString(&editor);
    ASSERT_TRUE(IsRtf(Bytes(saved)));
    for (const QChar character : saved)
        EXPECT_LT(character.unicode(), 0x80);
    const TRichText reread = ReadCell(saved);
    EXPECT_EQ(reread.Text, "bold text");
    EXPECT_TRUE(reread.Formats[3].Style.Contains(fsBold));
    EXPECT_FALSE(reread.Formats[5].Style.Contains(fsBold));
    EXPECT_EQ(reread.Formats[5].Name, "Arial");

    Grid->RichToCell(RichCol, 2, &editor);
    EXPECT_EQ(Grid->Cells(RichCol, 2), saved);
}

TEST_F(RichTextCellTest, TheEditorOpensWithTheFormattedTextAndCommitsRtf)
{
    Grid->SetCells(RichCol, 2, Formatted);
    Open(2);
    ASSERT_TRUE(EditorOpen());
    TDudRichEdit& editor = *Grid->InplaceRichEdit();
    EXPECT_EQ(editor.Text(), "bold text");
    EXPECT_TRUE(editor.Document().Formats[0].Style.Contains(fsBold));

    editor.SetSelStart(4);
    editor.SetSelLength(0);
    Type(QStringLiteral("!"));
    editor.SetSelStart(6);
    editor.SetSelLength(4);
    editor.SelSubscript();
    EXPECT_TRUE(editor.IsSelSubscript());
    EXPECT_FALSE(editor.IsSelNormal());
    EXPECT_EQ(editor.Text(), "bold! text");
    EXPECT_TRUE(editor.Modified());
    // Leaving the editor, here for the row above, writes the cell.
    Press(Qt::Key_Up);
    QApplication::processEvents();
    EXPECT_FALSE(editor.Visible());
    EXPECT_EQ(Grid->Row(), 1);
    const TRichText cell = ReadCell(Grid->Cells(RichCol, 2));
    EXPECT_EQ(cell.Text, "bold! text");
    EXPECT_TRUE(cell.Formats[4].Style.Contains(fsBold));
    EXPECT_EQ(cell.Formats[7].Offset, -40);
    EXPECT_EQ(cell.Formats[5].Offset, 0);
}

TEST_F(RichTextCellTest, EscAndAnUnchangedEditLeaveTheCellsBytes)
{
    // Parts the editor does not keep (a picture) survive an edit that
    // changes nothing.
    const String foreign = QStringLiteral(R"({\rtf1\ansi{\pict\pngblip 89504e47}{\b kept}})");
    struct Case {
        const char* name;
        bool type;
        Qt::Key leave;
    };
    const Case cases[] = {
        { "Esc after typing", true, Qt::Key_Escape },
        { "Esc at once", false, Qt::Key_Escape },
        { "leaving unchanged", false, Qt::Key_Down },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->SetCells(RichCol, 2, foreign);
        Open(2);
        ASSERT_TRUE(EditorOpen());
        EXPECT_EQ(Grid->InplaceRichEdit()->Text(), "kept");
        if (c.type)
            Type(QStringLiteral("xyz"));
        Press(c.leave);
        QApplication::processEvents();
        EXPECT_FALSE(Grid->InplaceRichEdit()->Visible());
        EXPECT_TRUE(Grid->Focused());
        EXPECT_EQ(Grid->Cells(RichCol, 2), foreign);
    }
}

TEST_F(RichTextCellTest, UpLeavesTheEditorOnlyWithoutWordWrap)
{
    struct Case {
        bool wordWrap;
        bool multiLineCells;
        bool leaves;
    };
    const Case cases[] = { { false, false, true }, { true, false, false }, { false, true, false } };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.wordWrap << c.multiLineCells);
        Grid->SetWordWrap(c.wordWrap);
        Grid->SetMultilinecells(c.multiLineCells);
        Grid->SetCells(RichCol, 3, QStringLiteral("one\r\ntwo"));
        Open(3);
        ASSERT_TRUE(EditorOpen());
        Grid->InplaceRichEdit()->SetSelStart(7);
        Press(Qt::Key_Up);
        QApplication::processEvents();
        EXPECT_EQ(Grid->InplaceRichEdit()->Visible(), !c.leaves);
        EXPECT_EQ(Grid->Row(), c.leaves ? 2 : 3);
        if (!c.leaves) {
            EXPECT_EQ(Grid->InplaceRichEdit()->SelStart(), 2);
            Press(Qt::Key_Escape);
            QApplication::processEvents();
        }
        EXPECT_EQ(Grid->Cells(RichCol, 3), "one\r\ntwo");
    }
}

TEST_F(RichTextCellTest, FocusLeavingForAnotherControlWritesTheCell)
{
    auto* other = new TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(0, 260, 100, 24);
    Open(3);
    ASSERT_TRUE(EditorOpen());
    Type(QStringLiteral("typed"));
    other->SetFocus();
    QApplication::processEvents();
    EXPECT_FALSE(Grid->InplaceRichEdit()->Visible());
    EXPECT_EQ(ReadCell(Grid->Cells(RichCol, 3)).Text, "typed");
}

} // namespace

namespace {

TEST_F(RichTextCellTest, TheRowGrowsWithTheTextTypedWhileItFitsTheGrid)
{
    // The grid sizes its measuring editor to the cell before it asks.
    TDudRichEdit& measuring = *Grid->RichEdit();
    measuring.SetBounds(0, 0, 300, 40);
    measuring.SetText("one");
    const int32_t line = measuring.ReqHeight();
    ASSERT_GT(line, 0);
    measuring.SetText("one\r\ntwo\r\nthree");
    EXPECT_EQ(measuring.ReqHeight(), 3 * line);
    EXPECT_GT(measuring.ReqWidth(), 0);

    struct Case {
        const char* name;
        bool sizeWhileTyping;
        int32_t lines;
        bool grows;
    };
    const Case cases[] = {
        { "two lines", true, 2, true },
        { "without growing while typing", false, 2, false },
        { "more lines than the grid has room for", true, 20, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid->SetRowHeights(2, 20);
        Grid->SizeWhileTyping().SetHeight(c.sizeWhileTyping);
        std::vector<int32_t> sized;
        Grid->OnEndRowSize = [&sized](TDudStringGrid*, int32_t row) { sized.push_back(row); };
        Open(2);
        ASSERT_TRUE(EditorOpen());
        TDudRichEdit& editor = *Grid->InplaceRichEdit();
        QStringList lines;
        for (int32_t index = 0; index < c.lines; ++index)
            lines.append(QStringLiteral("line %1").arg(index));
        editor.SetText(lines.join(QStringLiteral("\r\n")));
        if (c.grows) {
            EXPECT_EQ(Grid->RowHeights(2), c.lines * line + 10);
            EXPECT_EQ(editor.Height(), c.lines * line + 9);
            EXPECT_EQ(sized, std::vector<int32_t> { 2 });
        } else {
            EXPECT_EQ(Grid->RowHeights(2), 20);
            EXPECT_TRUE(sized.empty());
        }
        Press(Qt::Key_Escape);
        QApplication::processEvents();
    }
}

} // namespace
