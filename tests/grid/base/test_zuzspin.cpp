#include "grid/base/zuzspin.h"
#include "grid/base/ZUZEdit.h"

#include "platform/ui/Clipbrd.h"
#include "platform/ui/Forms.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

namespace {

TFormatSettings GermanSettings()
{
    TFormatSettings settings;
    settings.DecimalSeparator = u',';
    settings.ThousandSeparator = u'.';
    settings.DateSeparator = u'.';
    settings.TimeSeparator = u':';
    settings.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
    settings.LongTimeFormat = QStringLiteral("hh:nn:ss");
    return settings;
}

class SpinEditTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Spin = new TZuzSpinEdit(Form.get());
        Spin->SetParent(Form.get());
        Spin->SetBounds(10, 10, 120, 24);
    }

    // The character as typed: key press steps without the keyboard.
    TChar Type(TChar character)
    {
        Spin->Perform(WM_CHAR, character, 1);
        return character;
    }

    TFormatSettingsScope Settings { GermanSettings() };
    std::unique_ptr<TForm> Form;
    TZuzSpinEdit* Spin = nullptr;
};

} // namespace

TEST_F(SpinEditTest, IntegerValueIsClampedUnlessMinimumEqualsMaximum)
{
    EXPECT_EQ(Spin->Text(), "0");
    Spin->SetValue(150);
    EXPECT_EQ(Spin->Text(), "100");
    Spin->SetValue(-5);
    EXPECT_EQ(Spin->Text(), "0");
    Spin->SetMaxValue(0);
    Spin->SetValue(150);
    EXPECT_EQ(Spin->Text(), "150");
}

TEST_F(SpinEditTest, UnconvertibleTextReadsAsTheMinimum)
{
    Spin->SetMinValue(7);
    Spin->SetText("abc");
    EXPECT_EQ(Spin->Value(), 7);
    Spin->SetText("  ");
    EXPECT_EQ(Spin->Value(), 0);
    Spin->SetMinFloatValue(2.5);
    Spin->SetText("x");
    EXPECT_EQ(Spin->FloatValue(), 2.5);
    Spin->SetText("x");
    EXPECT_EQ(Spin->TimeValue(), 0);
}

TEST_F(SpinEditTest, FloatValueIsWrittenWithPrecisionAndLocaleSeparator)
{
    Spin->SetSpinType(sptFloat);
    Spin->SetPrecision(2);
    Spin->SetFloatValue(5);
    EXPECT_EQ(Spin->Text(), "5,00");
    Spin->SetPrecision(0);
    EXPECT_EQ(Spin->Text(), "5");
}

TEST_F(SpinEditTest, KeysAndButtonsStepByTheirIncrements)
{
    Spin->SetIncrement(5);
    Spin->SetValue(50);
    Spin->Perform(WM_KEYDOWN, VK_UP, 1);
    EXPECT_EQ(Spin->Value(), 55);
    Spin->Perform(WM_KEYDOWN, VK_NEXT, 1);
    EXPECT_EQ(Spin->Value(), 50) << "a page is one increment for integers";
    Spin->Button()->UpButton()->Click();
    EXPECT_EQ(Spin->Value(), 55);
    Spin->Button()->DownButton()->Click();
    Spin->Button()->DownButton()->Click();
    EXPECT_EQ(Spin->Value(), 45);

    Spin->SetSpinType(sptFloat);
    Spin->SetFloatValue(1);
    Spin->Perform(WM_KEYDOWN, VK_PRIOR, 1);
    EXPECT_DOUBLE_EQ(Spin->FloatValue(), 2.0);
    Spin->Perform(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_DOUBLE_EQ(Spin->FloatValue(), 1.9);
}

TEST_F(SpinEditTest, UnboundedStepsStopAtTheEndsOfTheIntegerRange)
{
    Spin->SetMinValue(0);
    Spin->SetMaxValue(0);
    Spin->SetIncrement(10);
    Spin->SetValue(std::numeric_limits<int32_t>::max() - 3);
    Spin->StepUp(false);
    EXPECT_EQ(Spin->Value(), std::numeric_limits<int32_t>::max());
    Spin->SetValue(std::numeric_limits<int32_t>::min() + 3);
    Spin->StepDown(false);
    EXPECT_EQ(Spin->Value(), std::numeric_limits<int32_t>::min());
}

TEST_F(SpinEditTest, ReadOnlyEditorDoesNotStep)
{
    Spin->SetValue(10);
    Spin->SetReadOnly(true);
    Spin->StepUp(false);
    EXPECT_EQ(Spin->Value(), 10);
}

TEST_F(SpinEditTest, DateStepsTheFieldUnderTheCaret)
{
    Spin->SetSpinType(sptDate);
    struct {
        int32_t Caret;
        int32_t Sign;
        const char* Expected;
    } const cases[] = {
        { 0, 1, "01.03.2024" }, // day
        { 3, 1, "29.03.2024" }, // month
        { 7, -1, "28.02.2023" }, // year: no 29 February in 2023
        { 3, -1, "29.01.2024" },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Expected);
        Spin->SetDateValue(EncodeDate(2024, 2, 29));
        Spin->SetSelStart(testCase.Caret);
        if (testCase.Sign > 0)
            Spin->StepUp(false);
        else
            Spin->StepDown(false);
        EXPECT_EQ(Spin->Text(), testCase.Expected);
    }
}

TEST_F(SpinEditTest, EmptyOrZeroDateReadsAsNow)
{
    Spin->SetSpinType(sptDate);
    for (const char* text : { "", "0" }) {
        Spin->SetText(text);
        EXPECT_NEAR(Spin->DateValue(), Now(), 1.0 / 86400 * 5);
    }
}

TEST_F(SpinEditTest, TimeStepsHoursMinutesSecondsAndWrapsBelowMidnight)
{
    Spin->SetSpinType(sptTime);
    struct {
        const char* Start;
        int32_t Caret;
        int32_t Sign;
        const char* Expected;
    } const cases[] = {
        { "00:30:00", 0, -1, "23:30:00" },
        { "10:30:00", 4, 1, "10:31:00" },
        { "10:30:59", 7, 1, "10:31:00" },
        { "23:30:00", 1, 1, "00:30:00" },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Start);
        Spin->SetText(testCase.Start);
        Spin->SetSelStart(testCase.Caret);
        if (testCase.Sign > 0)
            Spin->StepUp(false);
        else
            Spin->StepDown(false);
        EXPECT_EQ(Spin->Text(), testCase.Expected);
    }
}

TEST_F(SpinEditTest, LargeTimeIncrementsStepInsteadOfFailing)
{
    Spin->SetSpinType(sptTime);
    Spin->SetIncrementMinutes(90);
    Spin->SetText("10:00:00");
    Spin->SetSelStart(4);
    Spin->StepUp(false);
    EXPECT_EQ(Spin->Text(), "11:30:00");
}

TEST_F(SpinEditTest, CharactersAreFilteredByType)
{
    struct {
        const char* Name;
        TZuzSpinType Type;
        const char* Text;
        int32_t SelStart;
        int32_t SelLength;
        TChar Key;
        bool Allowed;
    } const cases[] = {
        { "digit", sptNormal, "12", 2, 0, u'3', true },
        { "letter", sptNormal, "12", 2, 0, u'a', false },
        { "minus at start", sptNormal, "12", 0, 0, u'-', true },
        { "minus not at start", sptNormal, "12", 1, 0, u'-', false },
        { "second minus", sptNormal, "-12", 0, 0, u'-', false },
        { "minus replacing minus", sptNormal, "-12", 0, 1, u'-', true },
        { "date separator in integer editor is the thousand separator", sptNormal, "12", 2, 0, u'.', false },
        { "time separator in integer editor", sptNormal, "12", 2, 0, u':', false },
        { "decimal separator", sptFloat, "12", 2, 0, u',', true },
        { "second decimal separator", sptFloat, "1,2", 3, 0, u',', false },
        { "decimal separator replacing the first", sptFloat, "1,2", 1, 1, u',', true },
        { "thousand separator in float", sptFloat, "12", 2, 0, u'.', false },
        { "digit beyond precision", sptFloat, "1,25", 4, 0, u'3', false },
        { "digit beyond precision over a selection", sptFloat, "1,25", 3, 1, u'3', true },
        { "digit before the decimals", sptFloat, "1,25", 1, 0, u'3', true },
        { "third time separator", sptTime, "10:20:30", 8, 0, u':', false },
        { "second time separator", sptTime, "10:20", 5, 0, u':', true },
        { "date separator in date editor", sptDate, "01", 2, 0, u'.', true },
        { "carriage return", sptFloat, "1", 1, 0, u'\r', false },
        { "backspace", sptNormal, "1", 1, 0, u'\b', true },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        Spin->SetSpinType(sptNormal);
        Spin->SetPrecision(testCase.Type == sptFloat ? 2 : 0);
        Spin->SetSpinType(testCase.Type);
        Spin->SetText(testCase.Text);
        Spin->SetSelStart(testCase.SelStart);
        Spin->SetSelLength(testCase.SelLength);
        TChar key = testCase.Key;
        EXPECT_EQ(Spin->CharAllowed(key), testCase.Allowed);
    }
}

TEST_F(SpinEditTest, RefusedCharacterLeavesTheTextAlone)
{
    Spin->SetText("12");
    Spin->SetSelStart(2);
    Type(u'x');
    EXPECT_EQ(Spin->Text(), "12");
    Type(u'3');
    EXPECT_EQ(Spin->Text(), "123");
}

TEST_F(SpinEditTest, EditorDisabledRefusesTypingDeletingAndPastingButStillSteps)
{
    Spin->SetEditorEnabled(false);
    Spin->SetValue(12);
    Spin->SetSelStart(2);
    Type(u'3');
    Type(u'\b');
    Spin->Perform(WM_KEYDOWN, VK_HOME, 1);
    Spin->Perform(WM_KEYDOWN, VK_DELETE, 1);
    Clipboard().SetAsText("99");
    Spin->Perform(WM_PASTE);
    Spin->Perform(WM_CHAR, 22, 1);
    EXPECT_EQ(Spin->Text(), "12");
    Spin->StepUp(false);
    EXPECT_EQ(Spin->Text(), "13");
}

TEST_F(SpinEditTest, KeypadDecimalBecomesTheLocaleSeparatorInExcelStyle)
{
    Spin->SetSpinType(sptFloat);
    Spin->SetExcelStyleDecimalSeparator(true);
    Spin->SetText("1");
    Spin->SetSelStart(1);
    Spin->Perform(WM_CHAR, u'.', 1);
    EXPECT_EQ(Spin->Text(), "1") << "the main keyboard's point is the thousand separator here";
    Spin->Perform(WM_CHAR, u'.', 1 | KeypadScanCodeFlag);
    EXPECT_EQ(Spin->Text(), "1,");
}

TEST_F(SpinEditTest, LeavingTheEditorClampsTheTypedValue)
{
    struct {
        TZuzSpinType Kind;
        const char* Typed;
        const char* Expected;
    } const cases[] = {
        { sptNormal, "250", "100" },
        { sptNormal, "50", "50" },
        { sptFloat, "150,5", "100" },
        { sptFloat, "-2,5", "0" },
        { sptDate, "15.06.2025", "31.12.2024" },
        { sptDate, "15.06.2023", "01.01.2024" },
        { sptDate, "15.06.2024", "15.06.2024" },
        { sptTime, "20:00:00", "17:00:00" },
    };
    Spin->SetMinDateValue(EncodeDate(2024, 1, 1));
    Spin->SetMaxDateValue(EncodeDate(2024, 12, 31));
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Typed);
        Spin->SetSpinType(testCase.Kind);
        if (testCase.Kind == sptTime) {
            Spin->SetMinDateValue(EncodeTime(8, 0, 0, 0));
            Spin->SetMaxDateValue(EncodeTime(17, 0, 0, 0));
        }
        Spin->SetText(testCase.Typed);
        Spin->Perform(CM_EXIT);
        EXPECT_EQ(Spin->Text(), testCase.Expected);
    }
}

TEST_F(SpinEditTest, FloatValueIsClampedUnlessMinimumEqualsMaximum)
{
    Spin->SetSpinType(sptFloat);
    struct {
        double Max;
        double Value;
        const char* Expected;
    } const cases[] = {
        { 100, 150.5, "100" },
        { 100, -3, "0" },
        { 100, 42.5, "42,5" },
        { 0, 150.5, "150,5" }, // minimum = maximum: no limit
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Expected);
        Spin->SetMaxFloatValue(testCase.Max);
        Spin->SetFloatValue(testCase.Value);
        EXPECT_EQ(Spin->Text(), testCase.Expected);
    }
}

TEST_F(SpinEditTest, SpinTypeRewritesTheValueInTheNewForm)
{
    Spin->SetValue(5);
    Spin->SetPrecision(1);
    Spin->SetSpinType(sptFloat);
    EXPECT_EQ(Spin->Text(), "5,0");
}

TEST_F(SpinEditTest, ButtonSitsAtTheRightAndTheTextStopsBeforeIt)
{
    const TZuzSpinButton* button = Spin->Button();
    EXPECT_EQ(button->Width(), 15);
    EXPECT_EQ(button->Left() + button->Width(), Spin->Width() - 3);
    EXPECT_LE(Spin->EditRect().Right, button->Left());
    EXPECT_EQ(button->UpButton()->Height(), button->Height() / 2);
    EXPECT_EQ(button->DownButton()->Top(), button->Height() / 2 - 1);
}

TEST_F(SpinEditTest, HorizontalDirectionPutsDownLeftAndUpRight)
{
    Spin->SetDirection(spHorizontal);
    const TZuzSpinButton* button = Spin->Button();
    EXPECT_EQ(button->Width(), 20);
    EXPECT_EQ(button->UpButton()->ButtonDirection(), bdRight);
    EXPECT_EQ(button->DownButton()->ButtonDirection(), bdLeft);
    EXPECT_LT(button->DownButton()->Left(), button->UpButton()->Left());
}

TEST_F(SpinEditTest, HorizontalArrowsPointLeftAndRight)
{
    Spin->SetDirection(spHorizontal);
    TZuzSpinButton* button = Spin->Button();
    QImage image(button->Width(), button->Height(), QImage::Format_RGB32);
    button->Widget()->render(&image);
    const QRgb arrow = QColor(Qt::black).rgb();
    // The arrow's pixels in its first and last column: the tip column has fewer.
    auto tipAndBase = [&](const TControl* arrowButton) {
        std::vector<int> columns;
        for (int32_t x = arrowButton->Left(); x < arrowButton->Left() + arrowButton->Width(); ++x) {
            int count = 0;
            for (int32_t y = arrowButton->Top() + 2; y < arrowButton->Top() + arrowButton->Height() - 2; ++y)
                count += image.pixel(x, y) == arrow ? 1 : 0;
            if (count > 0 && x > arrowButton->Left() + 1 && x < arrowButton->Left() + arrowButton->Width() - 2)
                columns.push_back(count);
        }
        return columns;
    };
    const std::vector<int> left = tipAndBase(button->DownButton());
    const std::vector<int> right = tipAndBase(button->UpButton());
    ASSERT_GE(left.size(), 2u);
    ASSERT_GE(right.size(), 2u);
    EXPECT_LT(left.front(), left.back());
    EXPECT_GT(right.front(), right.back());
}

TEST(SpinButton, ArrowKeysClickAndSpaceClicksTheMarkedButtonWhichMovesOnlyForATabStop)
{
    TZuzSpinButton button(nullptr);
    int ups = 0;
    int downs = 0;
    button.OnUpClick = [&](TComponent* sender) {
        EXPECT_EQ(sender, &button);
        ++ups;
    };
    button.OnDownClick = [&](TComponent*) { ++downs; };
    EXPECT_EQ(button.Perform(WM_GETDLGCODE), DLGC_WANTARROWS);
    button.Perform(WM_KEYDOWN, VK_DOWN, 1);
    button.Perform(WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1) << "a button that cannot take the focus keeps the mark on the up arrow";
    EXPECT_EQ(button.FocusedButton(), button.UpButton());
}

TEST(SpinButton, PressingAnArrowStartsTheRepeatTimerAndReleasingStopsIt)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 100);
    auto* button = new TZuzSpinButton(&form);
    button->SetParent(&form);
    form.Show();
    TDudTimerSpeedButton* up = button->UpButton();
    ASSERT_EQ(up->RepeatTimer(), nullptr);
    up->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(2, 2));
    ASSERT_NE(up->RepeatTimer(), nullptr);
    EXPECT_TRUE(up->RepeatTimer()->Enabled());
    EXPECT_EQ(up->RepeatTimer()->Interval(), 400u);
    up->RepeatTimer()->OnTimer(up->RepeatTimer());
    EXPECT_EQ(up->RepeatTimer()->Interval(), 100u);
    up->Perform(WM_LBUTTONUP, 0, MakeLParam(2, 2));
    EXPECT_FALSE(up->RepeatTimer()->Enabled());
}

TEST(SpinButton, CustomButtonColourFillsTheArrowButton)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 100);
    auto* button = new TZuzSpinButton(&form);
    button->SetParent(&form);
    button->SetButtonColor(clLime);
    form.Show();
    QImage image(button->Width(), button->Height(), QImage::Format_RGB32);
    button->Widget()->render(&image);
    EXPECT_EQ(image.pixel(10, 2), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(6, 3), qRgb(0, 0, 0)) << "the up arrow's triangle";
}

namespace {

// A button whose focus control names it back shares one link with it;
// switching away must not leave the partner holding a control that is then freed.
template <typename TSwitching, typename TPartner>
void ExpectPartnerForgetsAButtonThatSwitchedAway()
{
    auto button = std::make_unique<TSwitching>(nullptr);
    TPartner partner(nullptr);
    button->SetFocusControl(&partner);
    partner.SetFocusControl(button.get());
    button->SetFocusControl(nullptr);
    button.reset();
    EXPECT_EQ(partner.FocusControl(), nullptr);
}

} // namespace

TEST(SpinButton, SwitchingAwayKeepsTheLinkAPartnerNamingItNeeds)
{
    ExpectPartnerForgetsAButtonThatSwitchedAway<TZuzSpinButton, TZuzSpinButton>();
    ExpectPartnerForgetsAButtonThatSwitchedAway<TZuzSpinButton, TZuzEditButton>();
    ExpectPartnerForgetsAButtonThatSwitchedAway<TZuzEditButton, TZuzSpinButton>();
    ExpectPartnerForgetsAButtonThatSwitchedAway<TZuzEditButton, TZuzEditButton>();
}
