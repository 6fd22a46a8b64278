#include "grid/base/DudDateTimePicker.h"

#include "platform/graphics/Bitmap.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"

#include "tests/support/RunUntil.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace {

TFormatSettings DottedSettings()
{
    TFormatSettings settings;
    settings.DateSeparator = u'.';
    settings.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    settings.LongTimeFormat = QStringLiteral("hh:nn:ss");
    return settings;
}

bool SamePixels(TControl& first, TControl& second)
{
    TBitmap one;
    TBitmap other;
    GrabControl(first, one);
    GrabControl(second, other);
    return one.Width() == other.Width() && one.Height() == other.Height() && one.Image() == other.Image();
}

struct PickerForm : testing::Test {
    PickerForm() { Form.SetBounds(100, 100, 400, 200); }
    template <class T>
    T* Make()
    {
        auto* picker = new T(&Form);
        picker->SetParent(&Form);
        picker->SetBounds(10, 10, 200, 21);
        return picker;
    }
    void ShowForm()
    {
        Form.Show();
        QApplication::processEvents();
    }
    TFormatSettingsScope Settings { DottedSettings() };
    TForm Form { nullptr };
};

TEST_F(PickerForm, TheMetroPickerKeepsThePlatformLookUntilAsked)
{
    auto* plain = Make<TDateTimePicker>();
    auto* metro = Make<TZuzDateTimePicker>();
    const TDateTime value = EncodeDate(2024, 3, 5);
    plain->SetDateTime(value);
    metro->SetDateTime(value);
    EXPECT_EQ(metro->Version(), QStringLiteral("1.0.0.0"));
    metro->SetVersion(QStringLiteral("9.9.9.9"));
    EXPECT_EQ(metro->Version(), QStringLiteral("1.0.0.0"));
    EXPECT_TRUE(metro->Ctl3D());
    EXPECT_EQ(metro->BorderStyle(), bsNone);
    EXPECT_TRUE(SamePixels(*plain, *metro)) << "metro off and Ctl3D on: the platform paints alone";
    metro->SetMetroStyle(true);
    metro->SetBorderColor(clRed);
    EXPECT_FALSE(SamePixels(*plain, *metro));
}

TEST_F(PickerForm, ANewDateTimePickerShowsItsTimePartAtTheRightEdge)
{
    auto* picker = Make<TDudDateTimePicker>();
    ShowForm();
    EXPECT_EQ(picker->DudKind(), dkDateTime);
    ASSERT_NE(picker->TimePicker(), nullptr);
    EXPECT_TRUE(picker->TimePicker()->Visible());
    EXPECT_EQ(picker->TimePicker()->Kind(), dtkTime);
    const TRect part = picker->TimePicker()->BoundsRect();
    EXPECT_GT(part.Left, picker->Width() / 3);
    EXPECT_LE(part.Right, picker->Width());
}

TEST_F(PickerForm, TheDatePartAndTheTimePartMakeOneValue)
{
    auto* picker = Make<TDudDateTimePicker>();
    picker->SetDateTime(EncodeDate(2024, 3, 5) + EncodeTime(14, 30, 15, 789));
    EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2024, 3, 5) + EncodeTime(14, 30, 15, 0)) << "milliseconds dropped";
    EXPECT_NEAR(picker->TimePicker()->Time(), EncodeTime(14, 30, 15, 0), 1e-9);
    picker->SetDate(EncodeDate(2025, 1, 2));
    EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2025, 1, 2) + EncodeTime(14, 30, 15, 0)) << "the time stays";
    int changes = 0;
    int timeChanges = 0;
    picker->OnChange = [&](TComponent*) { ++changes; };
    picker->OnTimeChange = [&](TComponent*) { ++timeChanges; };
    picker->TimePicker()->Perform(WM_KEYDOWN, VK_UP);
    EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2025, 1, 2) + EncodeTime(15, 30, 15, 0));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(timeChanges, 1);
}

TEST_F(PickerForm, ADateKindLetsGoOfItsTimePartSafely)
{
    auto* picker = Make<TDudDateTimePicker>();
    ShowForm();
    picker->SetDateTime(EncodeDate(2024, 3, 5) + EncodeTime(9, 0, 0, 0));
    TCustomDateTimePicker* part = picker->TimePicker();
    part->SetTime(EncodeTime(11, 0, 0, 0));
    // Switching from the time part's own event frees it only after the event.
    part->OnChange = [&](TComponent*) { picker->SetDudKind(dkDate); };
    part->Perform(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(picker->TimePicker(), nullptr);
    EXPECT_FALSE(part->Visible());
    EXPECT_EQ(picker->Kind(), dtkDate);
    EXPECT_NEAR(picker->Time(), EncodeTime(9, 0, 0, 0), 1e-9) << "the platform's own time";
    EXPECT_TRUE(RunUntil([&] { return Form.ComponentCount() == 1 && picker->ComponentCount() == 0; }));
}

TEST_F(PickerForm, TheCheckBoxDisablesTheTimePartAndDropDownsStillNotify)
{
    auto* picker = Make<TDudDateTimePicker>();
    picker->SetShowCheckbox(true);
    int dropDowns = 0;
    picker->OnDropDown = [&](TComponent*) { ++dropDowns; };
    ASSERT_TRUE(picker->TimePicker()->Enabled());
    picker->Perform(WM_KEYDOWN, VK_SPACE);
    EXPECT_FALSE(picker->Checked());
    EXPECT_FALSE(picker->TimePicker()->Enabled());
    picker->Perform(WM_KEYDOWN, VK_SPACE);
    EXPECT_TRUE(picker->TimePicker()->Enabled());
    picker->SetChecked(false);
    EXPECT_FALSE(picker->TimePicker()->Enabled());
    picker->SetChecked(true);
    picker->Perform(WM_KEYDOWN, VK_F4);
    EXPECT_EQ(dropDowns, 1);
    picker->Perform(WM_KEYDOWN, VK_ESCAPE);
}

TEST_F(PickerForm, AutoTabMovesOnOnceATypedDigitCompletedAField)
{
    struct Case {
        const char* Format;
        int32_t Field;
        const char* Digits;
        int32_t FieldAfter;
        bool TimePartFocused;
    };
    const Case cases[] = {
        { "dd/mm/yyyy", 0, "4", 1, false }, // the day is complete
        { "dd/mm/yyyy", 1, "3", 2, false },
        { "dd/mm/yyyy", 2, "2019", 2, true }, // the last field hands over
        { "yyyy/mm/dd", 2, "9", 2, true },
        { "", 0, "4", 1, false },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.Format);
        auto* picker = Make<TDudDateTimePicker>();
        picker->SetAutoTab(true);
        picker->SetFormat(QString::fromLatin1(test.Format));
        picker->SetDateTime(EncodeDate(2024, 1, 31) + EncodeTime(8, 0, 0, 0));
        ShowForm();
        picker->SetFocus();
        picker->SetFieldIndex(test.Field);
        for (const QChar digit : QString::fromLatin1(test.Digits))
            picker->Perform(WM_CHAR, digit.unicode());
        for (int turn = 0; turn < 3; ++turn)
            QApplication::processEvents();
        EXPECT_EQ(picker->FieldIndex(), test.FieldAfter);
        EXPECT_EQ(picker->TimePicker()->Focused(), test.TimePartFocused);
        delete picker;
    }
}

TEST_F(PickerForm, AutoTabInATimePickerMovesToTheNextField)
{
    auto* picker = Make<TCustomDateTimePicker>();
    picker->SetKind(dtkTime);
    picker->SetAutoTab(true);
    picker->SetTime(EncodeTime(8, 0, 0, 0));
    picker->Perform(WM_CHAR, u'9');
    EXPECT_TRUE(RunUntil([&] { return picker->FieldIndex() == 1; }));
    picker->Perform(WM_CHAR, u'0');
    for (int turn = 0; turn < 3; ++turn)
        QApplication::processEvents();
    EXPECT_EQ(picker->FieldIndex(), 1) << "a digit that changed nothing stays";
}

TEST_F(PickerForm, TheLabelStandsBesideThePickerAndReportsClicks)
{
    auto* picker = Make<TDudDateTimePicker>();
    EXPECT_EQ(picker->LabelCaption(), QString());
    picker->SetLabelCaption(QStringLiteral("Start"));
    ASSERT_NE(picker->PickerLabel(), nullptr);
    EXPECT_EQ(picker->PickerLabel()->Parent(), &Form);
    EXPECT_LT(picker->PickerLabel()->Left() + picker->PickerLabel()->Width(), picker->Left() + 1);
    picker->SetLabelPosition(lpTopLeft);
    EXPECT_EQ(picker->PickerLabel()->Left(), picker->Left());
    EXPECT_LT(picker->PickerLabel()->Top(), picker->Top());
    int clicks = 0;
    picker->OnLabelClick = [&](TComponent* sender) {
        EXPECT_EQ(sender, picker);
        ++clicks;
    };
    picker->PickerLabel()->Click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(PickerForm, TheDateTimePickerReadsItsTimePartAndNamesItsVersion)
{
    auto* picker = Make<TDudDateTimePicker>();
    EXPECT_EQ(picker->Version(), QStringLiteral("1.2.0.0"));
    EXPECT_EQ(Make<TZuzDateTimePicker>()->Version(), QStringLiteral("1.0.0.0"));
    picker->SetDateTime(EncodeDate(2024, 3, 5) + EncodeTime(9, 0, 0, 0));
    // Set without an event: the value still takes the time part's time.
    picker->TimePicker()->SetTime(EncodeTime(17, 45, 0, 0));
    EXPECT_DOUBLE_EQ(picker->DateTime(), EncodeDate(2024, 3, 5) + EncodeTime(17, 45, 0, 0));
}

TEST(DudDateTimePicker, PlacesTheTimePartByTheLookOfTheSystem)
{
    struct TCase {
        TTimePartLook Look;
        TRect Expected;
    };
    // A control 200 x 24 with a time text 40 wide: the part is 71 wide.
    const TCase cases[] = {
        { { false, true, true, true, false, true }, Bounds(200 - 71 - 21, -2, 71, 24) },
        { { true, false, true, true, false, false }, Bounds(200 - 71 - 23, -2, 71, 24) },
        { { true, true, false, false, false, false }, Bounds(200 - 71 - 23, -2, 71, 24) },
        { { true, true, false, false, false, true }, Bounds(200 - 71 - 4 - 23, -2, 71, 20) },
        { { true, true, true, false, false, false }, Bounds(200 - 71 - 21, 2, 71, 20) },
        { { true, true, true, false, true, true }, Bounds(200 - 71 - 4 - 21, 2, 71, 16) },
        { { true, true, true, true, true, false }, Bounds(200 - 71 - 21, 1, 71, 22) },
        { { true, true, true, true, false, false }, Bounds(200 - 71 - 34, 1, 71, 22) },
        { { true, true, true, true, false, true }, Bounds(200 - 71 - 4 - 34, 1, 71, 18) },
    };
    for (const TCase& entry : cases) {
        const TTimePartLook& look = entry.Look;
        SCOPED_TRACE(testing::Message() << look.VistaOrLater << look.ComCtl6 << look.ThemeApi << look.ThemeActive
                                        << look.Metro << look.Bevel);
        const TRect bounds = TimePartBounds(look, 200, 24, 40);
        EXPECT_EQ(bounds.Left, entry.Expected.Left);
        EXPECT_EQ(bounds.Top, entry.Expected.Top);
        EXPECT_EQ(bounds.Width(), entry.Expected.Width());
        EXPECT_EQ(bounds.Height(), entry.Expected.Height());
    }
}

// Loading ends with the time part following the check box and the label
// taking the control's font when it lends it.
TEST_F(PickerForm, LoadingEndsWithTheTimePartAndTheLabelInStep)
{
    auto* picker = Make<TDudDateTimePicker>();
    picker->SetLabelCaption(QStringLiteral("Start"));
    picker->BeginLoading();
    picker->SetShowCheckbox(true);
    picker->SetChecked(false);
    picker->SetEnabled(false);
    Form.Font().SetName(QStringLiteral("DejaVu Serif"));
    ASSERT_TRUE(picker->ParentFont());
    picker->EndLoading();
    ASSERT_NE(picker->TimePicker(), nullptr);
    EXPECT_FALSE(picker->TimePicker()->Enabled());
    EXPECT_FALSE(picker->PickerLabel()->Enabled());
    EXPECT_EQ(picker->PickerLabel()->Font().Name(), QStringLiteral("DejaVu Serif"));
}

TEST_F(PickerForm, TheLabelFontIsItsOwnUnlessTheControlLendsIt)
{
    auto* picker = Make<TDudDateTimePicker>();
    picker->SetLabelCaption(QStringLiteral("Start"));
    TFont bigger;
    bigger.SetName(QStringLiteral("DejaVu Serif"));
    bigger.SetSize(20);
    picker->SetParentFont(true);
    picker->SetLabelFont(bigger);
    EXPECT_NE(picker->LabelFont().Name(), QStringLiteral("DejaVu Serif")) << "the control lends its font";
    picker->SetParentFont(false);
    picker->SetLabelFont(bigger);
    EXPECT_EQ(picker->LabelFont().Name(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(picker->PickerLabel()->Font().Name(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(picker->PickerLabel()->Font().Size(), 20);
}

} // namespace
