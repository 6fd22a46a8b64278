#include "grid/DudCGrid.h"
#include "grid/DudOder_DatePickers.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MonthCalendar.h"

#include "tests/support/KeyInput.h"
#include "tests/support/RunUntil.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

TFormatSettings DottedSettings()
{
    TFormatSettings settings;
    settings.DateSeparator = u'.';
    settings.TimeSeparator = u':';
    settings.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    settings.LongTimeFormat = QStringLiteral("hh:nn:ss");
    settings.ShortTimeFormat = QStringLiteral("hh:nn");
    return settings;
}

void Enter() { Press(Qt::Key_Return, QStringLiteral("\r")); }

// A table with a text column and one column of each date kind.
class GridDateEditingTest : public testing::Test {
protected:
    enum : int32_t { TextCol = 1, DateCol = 2, UpDownCol = 3, TimeCol = 4, DateTimeCol = 5 };

    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 700, 300);
        Grid = new TDudColumnGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 680, 250);
        Grid->SetColCount(6);
        Grid->SetRowCount(5);
        Grid->SetOptions(Grid->Options() + TGridOptions { goEditing });
        for (int32_t col = 1; col < 6; ++col)
            Grid->SetColWidths(col, 120);
        Grid->Columns().Items(DateCol)->SetEditor(edDateEdit);
        Grid->Columns().Items(UpDownCol)->SetEditor(edDateEditUpDown);
        Grid->Columns().Items(TimeCol)->SetEditor(edTimeEdit);
        Grid->Columns().Items(DateTimeCol)->SetEditor(edDateTimeEdit);
        Form->Show();
        QApplication::processEvents();
        Grid->SetFocus();
        QApplication::processEvents();
        ASSERT_TRUE(Grid->Focused());
    }

    void Open(int32_t aCol, int32_t aRow, const String& text)
    {
        Grid->SetCells(aCol, aRow, text);
        Grid->SetCol(aCol);
        Grid->SetRow(aRow);
        Press(Qt::Key_F2);
        QApplication::processEvents();
    }

    TDateTimePicker* OpenPicker() const
    {
        if (Grid->CurrentEditor() == edDateTimeEdit)
            return Grid->DateAndTimePicker();
        return Grid->DateTimePicker();
    }

    TFormatSettingsScope Settings { DottedSettings() };
    std::unique_ptr<TForm> Form;
    TDudColumnGrid* Grid = nullptr;
};

TEST_F(GridDateEditingTest, TheDatePickerIsMadeOnFirstUseHiddenAndDisabled)
{
    TGridDatePicker* picker = Grid->DateTimePicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(Grid->DateTimePicker(), picker);
    EXPECT_FALSE(picker->Visible());
    EXPECT_FALSE(picker->Enabled());
}

TEST_F(GridDateEditingTest, ADateCellOpensItsPickerOnTheCellsValue)
{
    struct Case {
        int32_t Col;
        const char* Text;
        TDateTime Value;
    };
    const Case cases[] = {
        { DateCol, "05.03.2024", EncodeDate(2024, 3, 5) },
        { UpDownCol, "5.3.2024", EncodeDate(2024, 3, 5) },
        { TimeCol, "14:30:05", EncodeTime(14, 30, 5, 0) },
        { DateTimeCol, "05.03.2024 14:30", EncodeDate(2024, 3, 5) + EncodeTime(14, 30, 0, 0) },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.Text);
        Open(test.Col, 1, QString::fromLatin1(test.Text));
        TDateTimePicker* picker = OpenPicker();
        ASSERT_TRUE(picker->Visible());
        EXPECT_TRUE(picker->Focused());
        const TDateTime shown = test.Col == TimeCol ? picker->Time() : picker->DateTime();
        EXPECT_NEAR(shown, test.Value, 1e-6);
        const TRect cell = Grid->CellRect(test.Col, 1);
        EXPECT_EQ(picker->Left(), cell.Left);
        EXPECT_EQ(picker->Top(), cell.Top);
        Press(Qt::Key_Escape);
        EXPECT_FALSE(picker->Visible());
        EXPECT_EQ(Grid->Cells(test.Col, 1), QString::fromLatin1(test.Text)) << "Esc leaves the text as it was";
    }
}

TEST_F(GridDateEditingTest, AChangedValueCommitsAsTextInTheGridsFormat)
{
    struct Case {
        const char* Name;
        int32_t Col;
        const char* Text;
        Qt::Key Key;
        const char* Typed;
        const char* Committed;
    };
    const Case cases[] = {
        { "a day stepped up", DateCol, "05.03.2024", Qt::Key_Up, "", "06.03.2024" },
        { "a typed day", DateCol, "5.3.2024", Qt::Key_unknown, "4", "04.03.2024" },
        { "up-down mode", UpDownCol, "05.03.2024", Qt::Key_Down, "", "04.03.2024" },
        { "a time stepped", TimeCol, "14:30:05", Qt::Key_Up, "", "15:30:05" },
        { "a date with its time", DateTimeCol, "05.03.2024 14:30", Qt::Key_Up, "", "06.03.2024 14:30" },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.Name);
        Open(test.Col, 2, QString::fromLatin1(test.Text));
        if (test.Key != Qt::Key_unknown)
            Press(test.Key);
        Type(QString::fromLatin1(test.Typed));
        // The caret moves on after a digit once the loop has run.
        for (int turn = 0; turn < 3; ++turn)
            QApplication::processEvents();
        Enter();
        QApplication::processEvents();
        EXPECT_FALSE(OpenPicker()->Visible());
        EXPECT_EQ(Grid->Cells(test.Col, 2).toStdString(), test.Committed);
        EXPECT_TRUE(Grid->Focused());
    }
}

TEST_F(GridDateEditingTest, ADayPickedInTheCalendarIsWrittenWhenTheEditEnds)
{
    Open(DateCol, 1, QStringLiteral("05.03.2024"));
    TGridDatePicker* picker = Grid->DateTimePicker();
    Press(Qt::Key_F4);
    ASSERT_TRUE(picker->DroppedDown());
    TMonthCalendar* calendar = picker->Calendar();
    const TRect day = calendar->DayRect(EncodeDate(2024, 3, 21));
    calendar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(day.Left + 4, day.Top + 4));
    calendar->Perform(WM_LBUTTONUP, 0, MakeLParam(day.Left + 4, day.Top + 4));
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_TRUE(picker->Visible()) << "closing the calendar does not end the edit";
    EXPECT_EQ(Grid->Cells(DateCol, 1), QStringLiteral("05.03.2024"));
    // Moving to another cell ends the edit and writes the pick.
    Grid->SetCol(TextCol);
    QApplication::processEvents();
    EXPECT_FALSE(picker->Visible());
    EXPECT_EQ(Grid->Cells(DateCol, 1), QStringLiteral("21.03.2024"));
}

TEST_F(GridDateEditingTest, WithDirectCloseAPickInTheCalendarEndsTheEdit)
{
    std::vector<std::string> log;
    Grid->OnDatePickerDropDown = [&](TDudStringGrid*, int32_t aRow, int32_t aCol) {
        log.push_back("dropdown " + std::to_string(aRow) + "," + std::to_string(aCol));
    };
    Grid->OnDatePickerCloseUp = [&](TDudStringGrid*, int32_t aRow, int32_t aCol) {
        log.push_back("closeup " + std::to_string(aRow) + "," + std::to_string(aCol));
    };
    Grid->OnEditChange = [&](TDudStringGrid*, int32_t, int32_t, const String& value) {
        log.push_back("change " + value.toStdString());
    };
    Grid->MouseActions().SetDirectDateClose(true);
    Open(DateCol, 2, QStringLiteral("05.03.2024"));
    TGridDatePicker* picker = Grid->DateTimePicker();
    Press(Qt::Key_F4);
    TMonthCalendar* calendar = picker->Calendar();
    ASSERT_NE(calendar, nullptr);
    const TRect day = calendar->DayRect(EncodeDate(2024, 3, 9));
    calendar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(day.Left + 4, day.Top + 4));
    EXPECT_FALSE(picker->Visible());
    EXPECT_EQ(Grid->Cells(DateCol, 2), QStringLiteral("09.03.2024"));
    EXPECT_EQ(log, (std::vector<std::string> { "dropdown 2,2", "change 09.03.2024", "closeup 2,2" }));
}

TEST_F(GridDateEditingTest, EnterInTheOpenCalendarOnlyChooses)
{
    Open(DateCol, 1, QStringLiteral("05.03.2024"));
    TGridDatePicker* picker = Grid->DateTimePicker();
    Press(Qt::Key_F4);
    Press(Qt::Key_Right);
    Enter();
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_TRUE(picker->Visible());
    Enter();
    EXPECT_FALSE(picker->Visible());
    EXPECT_EQ(Grid->Cells(DateCol, 1), QStringLiteral("06.03.2024"));
}

TEST_F(GridDateEditingTest, TextThatIsNoDateSurvivesUnlessTheUserCommitsADate)
{
    struct Case {
        const char* Name;
        int32_t Col;
        bool Commit;
    };
    const Case cases[] = {
        { "Esc", DateCol, false },
        { "leaving the cell", DateCol, false },
        { "Esc in a date-time cell", DateTimeCol, false },
        { "leaving a time cell", TimeCol, false },
        { "a day stepped and Enter", DateCol, true },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.Name);
        Open(test.Col, 3, QStringLiteral("next week"));
        TDateTimePicker* picker = OpenPicker();
        ASSERT_TRUE(picker->Visible());
        EXPECT_NEAR(picker->DateTime(), Now(), 1.0 / 24) << "opens at the current date and time";
        if (test.Commit) {
            Press(Qt::Key_Up);
            const String shown = picker->Text();
            Enter();
            EXPECT_EQ(Grid->Cells(test.Col, 3), shown);
            continue;
        }
        if (QString::fromLatin1(test.Name).startsWith(u'E'))
            Press(Qt::Key_Escape);
        else
            Grid->SetCol(TextCol);
        QApplication::processEvents();
        EXPECT_FALSE(picker->Visible());
        EXPECT_EQ(Grid->Cells(test.Col, 3), QStringLiteral("next week"));
    }
}

TEST_F(GridDateEditingTest, ATypedDigitOpensTheDateEditorWithIt)
{
    Grid->SetCells(DateCol, 1, QStringLiteral("15.03.2024"));
    Grid->SetCol(DateCol);
    Grid->SetRow(1);
    Type(QStringLiteral("2"));
    QApplication::processEvents();
    TGridDatePicker* picker = Grid->DateTimePicker();
    ASSERT_TRUE(picker->Visible());
    EXPECT_EQ(picker->Text(), QStringLiteral("02.03.2024"));
    Enter();
    EXPECT_EQ(Grid->Cells(DateCol, 1), QStringLiteral("02.03.2024"));
}

TEST_F(GridDateEditingTest, ADigitThatCompletesAFieldMovesTheCaretOn)
{
    struct Case {
        const char* Format;
        int32_t Field;
        const char* Digits;
        int32_t FieldAfter;
    };
    const Case cases[] = {
        { "dd.mm.yyyy", 0, "4", 1 }, // the day changed
        { "dd.mm.yyyy", 1, "7", 2 }, // the month changed
        { "dd.mm.yyyy", 2, "2019", 2 }, // only the year, the last field
        { "yyyy.mm.dd", 2, "9", 2 },
        { "dd.mm.yyyy", 0, "0", 0 }, // a digit that changed nothing yet
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(testing::Message() << test.Format << " " << test.Digits);
        Grid->OnGetEditorProp = [&](TDudStringGrid* grid, int32_t, int32_t, TEditLink*) {
            static_cast<TDudColumnGrid*>(grid)->DateTimePicker()->SetFormat(QString::fromLatin1(test.Format));
        };
        Open(DateCol, 1, QStringLiteral("15.01.2024"));
        TGridDatePicker* picker = Grid->DateTimePicker();
        picker->SetFieldIndex(test.Field);
        Type(QString::fromLatin1(test.Digits));
        for (int turn = 0; turn < 3; ++turn)
            QApplication::processEvents();
        EXPECT_EQ(picker->FieldIndex(), test.FieldAfter);
        Press(Qt::Key_Escape);
    }
}

} // namespace
