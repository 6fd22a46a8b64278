#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QApplicationStateChangeEvent>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace {

// Records the focus messages a combo box receives.
class FocusLoggingCombo : public TComboBox {
public:
    using TComboBox::TComboBox;
    int KillFocus = 0;

    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_KILLFOCUS)
            ++KillFocus;
        TComboBox::WndProc(message);
    }
};

struct ComboFixture : testing::Test {
    ComboFixture()
    {
        Form.SetBounds(100, 100, 300, 200);
        Combo = new FocusLoggingCombo(&Form);
        Combo->SetParent(&Form);
        Combo->SetStyle(csDropDownList);
        Combo->SetBounds(10, 10, 145, 21);
        Combo->OnDropDown = [this](TComponent*) { Log.push_back("dropdown"); };
        Combo->OnCloseUp = [this](TComponent*) { Log.push_back("closeup"); };
        Combo->OnClick = [this](TComponent*) { Log.push_back("click " + std::to_string(Combo->ItemIndex())); };
        Combo->OnSelect = [this](TComponent*) { Log.push_back("select " + std::to_string(Combo->ItemIndex())); };
    }
    void Fill(int32_t count)
    {
        for (int32_t index = 0; index < count; ++index)
            Combo->Items().Add(QStringLiteral("entry %1").arg(index));
    }
    void ClickItem(int32_t index)
    {
        TCustomListBox* list = Combo->DropList();
        ASSERT_NE(list, nullptr);
        const TRect rect = list->ItemRect(index);
        list->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(rect.Left + 3, rect.Top + 2));
        list->Perform(WM_LBUTTONUP, 0, MakeLParam(rect.Left + 3, rect.Top + 2));
    }
    TForm Form { nullptr };
    FocusLoggingCombo* Combo = nullptr;
    std::vector<std::string> Log;
};

} // namespace

TEST_F(ComboFixture, TheListShowsDropDownCountRowsAndTheDroppedWidth)
{
    struct Case {
        int32_t items;
        int32_t dropDownCount;
        int32_t rows;
        bool bar;
    };
    const Case cases[] = { { 20, 8, 8, true }, { 5, 8, 5, false }, { 1500, 12, 12, true } };
    Combo->Perform(CB_SETDROPPEDWIDTH, 250);
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.items);
        Combo->Items().Clear();
        Fill(entry.items);
        Combo->SetDropDownCount(entry.dropDownCount);
        Combo->DropDown();
        ASSERT_TRUE(Combo->DroppedDown());
        TCustomListBox* list = Combo->DropList();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->VisibleItemCount(), entry.rows);
        EXPECT_EQ(list->ScrollBarShown(), entry.bar);
        EXPECT_EQ(list->Width(), 250);
        Combo->SetDroppedDown(false);
        EXPECT_EQ(Combo->DropList(), nullptr);
    }
}

TEST_F(ComboFixture, NotificationOrderOfChoosingWithKeysAndMouseAndOfCancelling)
{
    Combo->Items().SetCommaText("zero,one,two,three");
    struct Case {
        const char* name;
        std::function<void()> act;
        std::vector<std::string> log;
        int32_t index;
    };
    const Case cases[] = {
        { "keys then Enter",
            [&] {
                Combo->DropDown();
                Combo->Perform(WM_KEYDOWN, VK_DOWN);
                Combo->Perform(WM_KEYDOWN, VK_DOWN);
                Combo->Perform(WM_KEYDOWN, VK_RETURN);
            },
            { "dropdown", "closeup", "click 1", "select 1" }, 1 },
        { "Esc keeps the choice",
            [&] {
                Combo->DropDown();
                Combo->Perform(WM_KEYDOWN, VK_END);
                Combo->Perform(WM_KEYDOWN, VK_ESCAPE);
            },
            { "dropdown", "closeup" }, 1 },
        { "a click on an item", [&] { Combo->DropDown(); ClickItem(3); }, { "dropdown", "closeup", "click 3", "select 3" }, 3 },
        { "F4 opens and closes with the highlighted item",
            [&] {
                Combo->Perform(WM_KEYDOWN, VK_F4);
                Combo->Perform(WM_KEYDOWN, VK_HOME);
                Combo->Perform(WM_KEYDOWN, VK_F4);
            },
            { "dropdown", "closeup", "click 0", "select 0" }, 0 },
        { "the same item again fires no choice", [&] { Combo->DropDown(); ClickItem(0); }, { "dropdown", "closeup" }, 0 },
        { "the application losing the activation closes without a choice",
            [&] {
                Combo->DropDown();
                Combo->Perform(WM_KEYDOWN, VK_END);
                QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
                QCoreApplication::sendEvent(QCoreApplication::instance(), &inactive);
            },
            { "dropdown", "closeup" }, 0 },
    };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.name);
        Log.clear();
        entry.act();
        EXPECT_FALSE(Combo->DroppedDown());
        EXPECT_EQ(Log, entry.log);
        EXPECT_EQ(Combo->ItemIndex(), entry.index);
    }
}

TEST_F(ComboFixture, KeysOfTheClosedBoxChangeTheEntryWithoutOpening)
{
    Fill(30);
    Combo->SetDropDownCount(8);
    struct Case {
        uint16_t key;
        int32_t index;
    };
    const Case cases[] = { { VK_DOWN, 0 }, { VK_NEXT, 7 }, { VK_NEXT, 14 }, { VK_PRIOR, 7 }, { VK_END, 29 }, { VK_DOWN, 29 }, { VK_HOME, 0 }, { VK_UP, 0 } };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.key);
        Combo->Perform(WM_KEYDOWN, entry.key);
        EXPECT_EQ(Combo->ItemIndex(), entry.index);
        EXPECT_FALSE(Combo->DroppedDown());
    }
    EXPECT_TRUE(std::find(Log.begin(), Log.end(), "dropdown") == Log.end());
}

TEST_F(ComboFixture, TypedPrefixChoosesInTheClosedBoxAndHighlightsInTheOpenList)
{
    Combo->Items().SetCommaText("Alpha,beta,Bravo,charlie");
    Combo->Perform(WM_CHAR, u'b');
    EXPECT_EQ(Combo->ItemIndex(), 1);
    Combo->DropDown();
    Combo->Perform(WM_CHAR, u'c');
    EXPECT_EQ(Combo->DropList()->ItemIndex(), 3);
    EXPECT_EQ(Combo->ItemIndex(), 1) << "the open list only highlights";
    Combo->Perform(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(Combo->ItemIndex(), 3);
}

TEST_F(ComboFixture, DropDownBoxCompletesTypedTextWithTheFirstItemItBegins)
{
    Combo->Items().SetCommaText("alpha,beta,Bravo,bravado");
    Combo->SetStyle(csDropDown);
    struct TStep {
        TChar Character;
        const char* Text;
        int32_t ItemIndex;
    };
    struct TCase {
        const char* Name;
        bool AutoComplete;
        std::vector<TStep> Steps;
    };
    const TCase cases[] = {
        { "completes and replaces the completion",
            true,
            { { u'b', "beta", 1 }, { u'r', "Bravo", 2 }, { u'a', "Bravo", 2 }, { u'v', "Bravo", 2 }, { u'a', "bravado", 3 } } },
        { "backspace takes the completion, then a character",
            true,
            { { u'b', "beta", 1 }, { 8, "b", -1 }, { 8, "", -1 }, { u'a', "alpha", 0 } } },
        { "no item begins the text", true, { { u'x', "x", -1 }, { u'b', "xb", -1 } } },
        { "off", false, { { u'b', "b", -1 }, { u'e', "be", -1 } } },
    };
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Name);
        Combo->SetAutoComplete(testCase.AutoComplete);
        Combo->SetItemIndex(-1);
        int changes = 0;
        Combo->OnChange = [&](TComponent*) { ++changes; };
        for (const TStep& step : testCase.Steps) {
            SCOPED_TRACE(testing::Message() << "typed " << static_cast<int>(step.Character));
            Combo->Perform(WM_CHAR, step.Character);
            EXPECT_EQ(Combo->Text(), step.Text);
            EXPECT_EQ(Combo->ItemIndex(), step.ItemIndex);
        }
        EXPECT_EQ(changes, static_cast<int>(testCase.Steps.size()));
    }
}

TEST_F(ComboFixture, Ctl3DGivesASunkenFrameAndOffAFlatOne)
{
    Form.Show();
    QApplication::processEvents();
    struct TCase {
        bool Ctl3D;
        TColor Outer;
        TColor Inner;
    };
    const TCase cases[] = {
        { true, clBtnShadow, cl3DDkShadow },
        { false, clBtnShadow, clWindow },
    };
    EXPECT_TRUE(Combo->Ctl3D());
    for (const TCase& testCase : cases) {
        SCOPED_TRACE(testCase.Ctl3D);
        Combo->SetCtl3D(testCase.Ctl3D);
        QImage image(Combo->Width(), Combo->Height(), QImage::Format_RGB32);
        Combo->Widget()->render(&image);
        const auto colorAt = [&](int x, int y) {
            const QRgb rgb = image.pixel(x, y);
            return static_cast<TColor>(qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16);
        };
        EXPECT_EQ(colorAt(0, 0), ColorToRGB(testCase.Outer));
        EXPECT_EQ(colorAt(1, 1), ColorToRGB(testCase.Inner));
    }
}

TEST_F(ComboFixture, OwnerDrawnEntriesAreDrawnByTheBoxsHandler)
{
    Combo->SetStyle(csOwnerDrawVariable);
    Combo->Items().SetCommaText("a,b,c");
    Combo->OnMeasureItem = [](TWinControl*, int32_t index, int32_t& height) { height = 10 + 10 * index; };
    std::vector<int32_t> drawn;
    Combo->OnDrawItem = [&](TWinControl* control, int32_t index, TRect rect, TOwnerDrawState) {
        EXPECT_EQ(control, Combo);
        EXPECT_EQ(rect.Height(), 10 + 10 * index);
        Combo->Canvas().FillRect(rect);
        drawn.push_back(index);
    };
    Combo->DropDown();
    Combo->DropList()->Repaint();
    Combo->DropList()->Widget()->grab();
    EXPECT_EQ(drawn, (std::vector<int32_t> { 0, 1, 2 }));
    EXPECT_EQ(Combo->DropList()->Height(), 4 + 10 + 20 + 30);
}

TEST_F(ComboFixture, OpeningTheListTakesNoFocusFromTheBox)
{
    Combo->Items().SetCommaText("a,b");
    Form.Show();
    QApplication::processEvents();
    Combo->SetFocus();
    QApplication::processEvents();
    Combo->KillFocus = 0;
    Combo->DropDown();
    QApplication::processEvents();
    EXPECT_EQ(Combo->KillFocus, 0);
    EXPECT_TRUE(Combo->Focused());
    Combo->SetDroppedDown(false);
    QApplication::processEvents();
    EXPECT_EQ(Combo->KillFocus, 0);
}

// The list of a combo box on a modal dialog takes a real mouse click (through
// the window system, where modality blocks other windows), and a press
// elsewhere closes it without a choice.
TEST_F(ComboFixture, InAModalDialogTheListTakesAClickAndAPressOutsideClosesIt)
{
    Combo->Items().SetCommaText("zero,one,two");
    Form.SetBorderStyle(bsDialog);
    bool opened = false;
    QTimer::singleShot(0, [&] {
        Combo->DropDown();
        opened = Combo->DroppedDown();
        QApplication::processEvents();
        TCustomListBox* list = Combo->DropList();
        if (list) {
            const TRect rect = list->ItemRect(2);
            QTest::mouseClick(list->Widget(), Qt::LeftButton, {}, QPoint(rect.Left + 4, rect.Top + 3));
        }
        QApplication::processEvents();
        Combo->DropDown();
        QTest::mouseClick(Form.Widget(), Qt::LeftButton, {}, QPoint(250, 150));
        QApplication::processEvents();
        Form.SetModalResult(mrOk);
    });
    EXPECT_EQ(Form.ShowModal(), mrOk);
    EXPECT_TRUE(opened);
    EXPECT_EQ(Combo->ItemIndex(), 2);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Log, (std::vector<std::string> { "dropdown", "closeup", "click 2", "select 2", "dropdown", "closeup" }));
}

TEST_F(ComboFixture, TheListOpensAboveTheBoxWhenTheScreenEndsBelowIt)
{
    Fill(8);
    Form.Show();
    struct Case {
        int32_t formTop;
        bool above;
    };
    const Case cases[] = { { 100, false }, { Screen->Height() - 60, true } };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.formTop);
        Form.SetTop(entry.formTop);
        QApplication::processEvents();
        Combo->DropDown();
        TCustomListBox* list = Combo->DropList();
        ASSERT_NE(list, nullptr);
        const TPoint listTop = list->ClientToScreen({ 0, 0 });
        const TPoint boxTop = Combo->ClientToScreen({ 0, 0 });
        EXPECT_EQ(listTop.Y < boxTop.Y, entry.above);
        Combo->SetDroppedDown(false);
    }
}

TEST_F(ComboFixture, TheEditPartOfADropDownBoxKeepsACaretAndASelection)
{
    Combo->SetStyle(csDropDown);
    Combo->SetAutoComplete(false);
    Combo->SetText(QStringLiteral("abcd"));
    struct TStep {
        const char* Name;
        uint32_t Message;
        uintptr_t Key;
        const char* Text;
        int32_t SelStart;
        int32_t SelLength;
    };
    const TStep steps[] = {
        { "text set by the program puts the caret after it", 0, 0, "abcd", 4, 0 },
        { "Left moves back", WM_KEYDOWN, VK_LEFT, "abcd", 3, 0 },
        { "Home goes to the start", WM_KEYDOWN, VK_HOME, "abcd", 0, 0 },
        { "typing inserts at the caret", WM_CHAR, u'x', "xabcd", 1, 0 },
        { "Right moves on", WM_KEYDOWN, VK_RIGHT, "xabcd", 2, 0 },
        { "Delete takes the character after the caret", WM_KEYDOWN, VK_DELETE, "xacd", 2, 0 },
        { "Backspace takes the one before", WM_CHAR, 8, "xcd", 1, 0 },
        { "End goes to the end", WM_KEYDOWN, VK_END, "xcd", 3, 0 },
        { "a set selection is replaced by typing", CB_SETEDITSEL, 0, "xcd", 0, 2 },
        { "typed over the selection", WM_CHAR, u'y', "yd", 1, 0 },
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.Name);
        if (step.Message == CB_SETEDITSEL)
            Combo->Perform(CB_SETEDITSEL, 0, MakeLParam(0, 2));
        else if (step.Message != 0)
            Combo->Perform(step.Message, step.Key);
        EXPECT_EQ(Combo->Text().toStdString(), step.Text);
        EXPECT_EQ(Combo->SelStart(), step.SelStart);
        EXPECT_EQ(Combo->SelLength(), step.SelLength);
        EXPECT_EQ(Combo->Perform(CB_GETEDITSEL), MakeLParam(step.SelStart, step.SelStart + step.SelLength));
    }
    Combo->Perform(CB_LIMITTEXT, 3);
    Combo->Perform(WM_CHAR, u'a');
    Combo->Perform(WM_CHAR, u'b');
    EXPECT_EQ(Combo->Text().toStdString(), "yad") << "the limit stops typing at three characters";
    EXPECT_EQ(Combo->CharFromPos({ 0, 5 }), 0);
    EXPECT_EQ(Combo->CharFromPos({ Combo->Width(), 5 }), 3);
}
