#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Forms.h"
#include "platform/ui/MonthCalendar.h"

#include <gtest/gtest.h>

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

struct PickerFixture : testing::Test {
    PickerFixture()
    {
        Form.SetBounds(100, 100, 300, 200);
        Picker = new TDateTimePicker(&Form);
        Picker->SetParent(&Form);
        Picker->SetBounds(10, 10, 160, 21);
        Picker->SetDateTime(EncodeDate(2024, 1, 31) + EncodeTime(14, 7, 9, 0));
        Picker->OnChange = [this](TComponent*) { Log.push_back("change " + Picker->Text().toStdString()); };
        Picker->OnDropDown = [this](TComponent*) { Log.push_back("dropdown"); };
        Picker->OnCloseUp = [this](TComponent*) { Log.push_back("closeup"); };
    }
    void Key(uint16_t key) { Picker->Perform(WM_KEYDOWN, key); }
    void Type(const QString& digits)
    {
        for (const QChar digit : digits)
            Picker->Perform(WM_CHAR, digit.unicode());
    }
    void ClickCalendar(TPoint point)
    {
        TMonthCalendar* calendar = Picker->Calendar();
        ASSERT_NE(calendar, nullptr);
        calendar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(point));
        if (Picker->Calendar())
            calendar->Perform(WM_LBUTTONUP, 0, PointToLParam(point));
    }
    TFormatSettingsScope Settings { DottedSettings() };
    TForm Form { nullptr };
    TDateTimePicker* Picker = nullptr;
    std::vector<std::string> Log;
};

TEST_F(PickerFixture, ShowsTheValueInItsFormat)
{
    struct Case {
        TDateTimeKind Kind;
        const char* Format;
        const char* Text;
    };
    const Case cases[] = {
        { dtkDate, "", "31.01.2024" },
        { dtkDate, "d/m/yy", "31.1.24" },
        { dtkDate, "yyyy-mm-dd", "2024-01-31" },
        { dtkTime, "", "14:07:09" },
        { dtkTime, "h:nn AMPM", "2:07 PM" },
        { dtkTime, "'at' hh:mm", "at 14:07" },
    };
    for (const Case& test : cases) {
        Picker->SetKind(test.Kind);
        Picker->SetFormat(QString::fromLatin1(test.Format));
        EXPECT_EQ(Picker->Text().toStdString(), test.Text) << test.Format;
    }
}

TEST_F(PickerFixture, KeysStepTheCurrentFieldWithinItsRange)
{
    struct Case {
        const char* Format;
        int32_t Field;
        uint16_t Key;
        const char* Text;
    };
    const Case cases[] = {
        { "", 0, VK_UP, "01.01.2024" }, // the day wraps in its month
        { "", 0, VK_DOWN, "30.01.2024" },
        { "", 1, VK_UP, "29.02.2024" }, // the day is clipped to February's
        { "", 1, VK_DOWN, "31.12.2024" },
        { "", 2, VK_DOWN, "31.01.2023" },
        { "", 0, VK_HOME, "01.01.2024" },
        { "", 1, VK_END, "31.12.2024" },
        { "hh:nn:ss", 0, VK_UP, "15:07:09" },
        { "hh:nn:ss", 1, VK_DOWN, "14:06:09" },
        { "hh:nn:ss", 2, VK_END, "14:07:59" },
        { "h:nn AMPM", 2, VK_UP, "2:07 AM" },
    };
    for (const Case& test : cases) {
        Picker->SetDateTime(EncodeDate(2024, 1, 31) + EncodeTime(14, 7, 9, 0));
        Picker->SetKind(QString::fromLatin1(test.Format).contains(u'h') ? dtkTime : dtkDate);
        Picker->SetFormat(QString::fromLatin1(test.Format));
        Picker->SetFieldIndex(test.Field);
        Log.clear();
        Key(test.Key);
        EXPECT_EQ(Picker->Text().toStdString(), test.Text) << test.Format << " field " << test.Field;
        EXPECT_EQ(Log, std::vector<std::string> { std::string("change ") + test.Text });
        EXPECT_EQ(Picker->FieldIndex(), test.Field);
    }
}

TEST_F(PickerFixture, ArrowsMoveBetweenFieldsAndStopAtTheEnds)
{
    Key(VK_LEFT);
    EXPECT_EQ(Picker->FieldIndex(), 0);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    EXPECT_EQ(Picker->FieldIndex(), 2);
    EXPECT_TRUE(Log.empty());
}

TEST_F(PickerFixture, TypedDigitsFillTheCurrentField)
{
    struct Case {
        int32_t Field;
        const char* Digits;
        const char* Text;
    };
    const Case cases[] = {
        { 0, "15", "15.01.2024" },
        { 0, "4", "04.01.2024" }, // no day starts with 4 and goes on
        { 0, "39", "09.01.2024" }, // 39 is no day: the 9 starts anew
        { 0, "0", "31.01.2024" }, // waits for the second digit
        { 1, "2", "29.02.2024" },
        { 2, "20", "31.01.2024" }, // a year is taken once complete
        { 2, "2019", "31.01.2019" },
    };
    for (const Case& test : cases) {
        Picker->SetDateTime(EncodeDate(2024, 1, 31));
        Picker->SetFieldIndex(test.Field);
        Type(QString::fromLatin1(test.Digits));
        EXPECT_EQ(Picker->Text().toStdString(), test.Text) << test.Digits;
        EXPECT_EQ(Picker->FieldIndex(), test.Field);
    }
}

TEST_F(PickerFixture, ValuesStayWithinTheBoundsAndKeepTheirTime)
{
    Picker->SetMaxDate(EncodeDate(2024, 1, 20));
    EXPECT_EQ(Picker->Date(), EncodeDate(2024, 1, 20));
    EXPECT_EQ(Picker->Text(), QStringLiteral("20.01.2024"));
    Key(VK_UP);
    EXPECT_EQ(Picker->Date(), EncodeDate(2024, 1, 20));
    Picker->SetMinDate(EncodeDate(2024, 1, 10));
    Picker->SetDate(EncodeDate(2023, 5, 5));
    EXPECT_EQ(Picker->Date(), EncodeDate(2024, 1, 10));
    EXPECT_NEAR(Picker->Time(), EncodeTime(14, 7, 9, 0), 1e-9);
    Picker->SetTime(EncodeTime(8, 0, 0, 0));
    EXPECT_EQ(Picker->Date(), EncodeDate(2024, 1, 10));
    EXPECT_TRUE(Log.empty()) << "values set by the program report nothing";
}

TEST_F(PickerFixture, TheCheckBoxGatesTheValue)
{
    Picker->SetShowCheckbox(true);
    std::vector<intptr_t> notified;
    Picker->OnChange = [&](TComponent*) { notified.push_back(Picker->Checked()); };
    Key(VK_SPACE);
    EXPECT_FALSE(Picker->Checked());
    Key(VK_UP);
    Type(QStringLiteral("12"));
    Key(VK_F4);
    EXPECT_EQ(Picker->Text(), QStringLiteral("31.01.2024"));
    EXPECT_FALSE(Picker->DroppedDown());
    Key(VK_SPACE);
    EXPECT_TRUE(Picker->Checked());
    EXPECT_EQ(notified, (std::vector<intptr_t> { 0, 1 }));
    Picker->SetChecked(false);
    EXPECT_FALSE(Picker->Checked());
    EXPECT_EQ(notified.size(), 2u) << "the program's change reports nothing";
}

TEST_F(PickerFixture, TheCalendarPicksADay)
{
    struct Case {
        const char* Name;
        TDateTime Day;
        bool Chosen;
    };
    const Case cases[] = {
        { "a day of the month", EncodeDate(2024, 1, 12), true },
        { "a greyed day of the next month", EncodeDate(2024, 2, 3), true },
        { "a day past the last allowed", EncodeDate(2024, 2, 8), false },
    };
    Picker->SetMaxDate(EncodeDate(2024, 2, 5) + 0.5);
    for (const Case& test : cases) {
        Picker->SetDate(EncodeDate(2024, 1, 15));
        Log.clear();
        Key(VK_F4);
        ASSERT_TRUE(Picker->DroppedDown()) << test.Name;
        const TRect day = Picker->Calendar()->DayRect(test.Day);
        ASSERT_FALSE(day.IsEmpty()) << test.Name;
        ClickCalendar({ day.Left + 3, day.Top + 3 });
        if (test.Chosen) {
            EXPECT_FALSE(Picker->DroppedDown()) << test.Name;
            EXPECT_EQ(Picker->Date(), test.Day) << test.Name;
            EXPECT_NEAR(Picker->Time(), EncodeTime(14, 7, 9, 0), 1e-9) << test.Name;
            EXPECT_EQ(Log, (std::vector<std::string> { "dropdown", "change " + Picker->Text().toStdString(), "closeup" }))
                << test.Name;
        } else {
            EXPECT_TRUE(Picker->DroppedDown()) << test.Name;
            EXPECT_EQ(Picker->Date(), EncodeDate(2024, 1, 15)) << test.Name;
            Key(VK_ESCAPE);
        }
    }
}

TEST_F(PickerFixture, TheOpenCalendarTakesTheKeys)
{
    Key(VK_F4);
    Key(VK_DOWN);
    Key(VK_RIGHT);
    EXPECT_EQ(Picker->Calendar()->Date(), EncodeDate(2024, 2, 8));
    EXPECT_EQ(Picker->Date(), EncodeDate(2024, 1, 31)) << "moving in the calendar chooses nothing yet";
    Key(VK_RETURN);
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->Date(), EncodeDate(2024, 2, 8));
    Key(VK_F4);
    Key(VK_NEXT);
    Key(VK_ESCAPE);
    EXPECT_EQ(Picker->Date(), EncodeDate(2024, 2, 8));
    EXPECT_EQ(Log.back(), "closeup");
}

TEST_F(PickerFixture, UpDownButtonsStepTheField)
{
    Picker->SetDateMode(dmUpDown);
    const TRect buttons = Picker->ButtonRect();
    Picker->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(buttons.Left + 3, buttons.Top + 2));
    Picker->Perform(WM_LBUTTONUP, 0, MakeLParam(buttons.Left + 3, buttons.Top + 2));
    EXPECT_EQ(Picker->Text(), QStringLiteral("01.01.2024"));
    EXPECT_FALSE(Picker->DroppedDown());
    Picker->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(buttons.Left + 3, buttons.Bottom - 2));
    EXPECT_EQ(Picker->Text(), QStringLiteral("31.01.2024"));
}

} // namespace
