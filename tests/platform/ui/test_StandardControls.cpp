#include "platform/ui/CategoryPanels.h"
#include "platform/ui/Clipbrd.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Grab.h"
#include "platform/ui/ScriptedUiServices.h"
#include "platform/ui/StdCtrls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <vector>

TEST(ComboBox, ItemIndexOutOfRangeSelectsNothingAndReadsMinusOne)
{
    TComboBox combo(nullptr);
    combo.SetStyle(csDropDownList);
    combo.Items().Add("9600");
    combo.Items().Add("19200");
    int changes = 0;
    combo.OnChange = [&](TComponent*) { ++changes; };
    struct Case {
        int32_t index;
        int32_t expected;
        const char* text;
    };
    const Case cases[] = { { 1, 1, "19200" }, { 2, -1, "" }, { 0, 0, "9600" }, { -5, -1, "" }, { 99, -1, "" } };
    for (const Case& entry : cases) {
        SCOPED_TRACE(entry.index);
        combo.SetItemIndex(entry.index);
        EXPECT_EQ(combo.ItemIndex(), entry.expected);
        EXPECT_EQ(combo.Text(), entry.text);
    }
    EXPECT_EQ(changes, 0);

    combo.SetItemIndex(1);
    combo.Items().Clear();
    EXPECT_EQ(combo.ItemIndex(), -1);
}

TEST(ComboBox, AUserChoiceFiresOnSelectOrElseOnChange)
{
    TForm form(nullptr);
    auto* combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->SetStyle(csDropDownList);
    combo->Items().SetCommaText("a,b,c");
    std::vector<std::string> log;
    combo->OnChange = [&](TComponent*) { log.push_back("change " + std::to_string(combo->ItemIndex())); };
    combo->Perform(WM_KEYDOWN, VK_DOWN);
    combo->OnSelect = [&](TComponent*) { log.push_back("select " + std::to_string(combo->ItemIndex())); };
    combo->Perform(WM_KEYDOWN, VK_END);
    EXPECT_EQ(log, (std::vector<std::string> { "change 0", "select 2" }));
}

TEST(CheckBox, OnClickFiresOnEveryChangeOfStateAlsoFromTheProgram)
{
    TCheckBox box(nullptr);
    int clicks = 0;
    box.OnClick = [&](TComponent*) { ++clicks; };
    box.SetChecked(true);
    box.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    box.Click();
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(clicks, 2);
    box.SetState(cbGrayed);
    EXPECT_EQ(clicks, 3);
    EXPECT_FALSE(box.Checked());
}

// The box is the classic sunken square: a tick of seven columns three pixels
// tall when checked (never a filled square, which reads as mixed), and the
// mixed state a grey tick on the face colour.
TEST(CheckBox, DrawsTheClassicTickAndTheMixedStateGrey)
{
    struct TSample {
        int X;
        int Y;
        TColor Color;
    };
    const struct {
        const char* name;
        TCheckBoxState state;
        bool enabled;
        std::vector<TSample> samples;
    } cases[] = {
        { "unchecked", cbUnchecked, true, { { 4, 4, clWindow }, { 3, 5, clWindow }, { 6, 8, clWindow } } },
        { "checked", cbChecked, true,
            { { 4, 4, clWindow }, { 3, 5, clWindowText }, { 5, 9, clWindowText }, { 9, 3, clWindowText },
                { 8, 8, clWindow }, { 7, 4, clWindow }, { 3, 8, clWindow } } },
        { "mixed", cbGrayed, true, { { 4, 4, clBtnFace }, { 3, 5, clGrayText }, { 9, 3, clGrayText }, { 8, 8, clBtnFace } } },
        { "checked and disabled", cbChecked, false, { { 4, 4, clBtnFace }, { 5, 9, clGrayText }, { 8, 8, clBtnFace } } },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        TForm form(nullptr);
        form.SetBounds(0, 0, 200, 60);
        auto* box = new TCheckBox(&form);
        box->SetParent(&form);
        box->SetBounds(10, 10, 97, 17);
        box->SetState(entry.state);
        box->SetEnabled(entry.enabled);
        TBitmap image;
        GrabControl(*box, image);
        // The 13-pixel box sits at the left, centred in the 17-pixel height.
        const int left = 0;
        const int top = 2;
        EXPECT_EQ(image.Canvas().Pixels(left, top), ColorToRGB(clBtnShadow)) << "outer edge";
        EXPECT_EQ(image.Canvas().Pixels(left + 1, top + 1), ColorToRGB(cl3DDkShadow)) << "inner edge";
        EXPECT_EQ(image.Canvas().Pixels(left + 12, top + 12), ColorToRGB(clBtnHighlight)) << "lit edge";
        for (const TSample& sample : entry.samples)
            EXPECT_EQ(image.Canvas().Pixels(left + sample.X, top + sample.Y), ColorToRGB(sample.Color))
                << sample.X << "," << sample.Y;
    }
}

TEST(RadioButton, CheckingOneUnchecksItsSiblings)
{
    TForm form(nullptr);
    auto* first = new TRadioButton(&form);
    auto* second = new TRadioButton(&form);
    first->SetParent(&form);
    second->SetParent(&form);
    first->SetChecked(true);
    second->SetChecked(true);
    EXPECT_FALSE(first->Checked());
    EXPECT_TRUE(second->Checked());
}

TEST(ListBox, UserSelectionClicksButTheProgramsDoesNot)
{
    TForm form(nullptr);
    auto* list = new TListBox(&form);
    list->SetParent(&form);
    list->Items().SetCommaText("one,two,three");
    int clicks = 0;
    list->OnClick = [&](TComponent*) { ++clicks; };
    list->SetItemIndex(1);
    EXPECT_EQ(clicks, 0);
    list->Perform(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    list->SetItemIndex(7);
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST(Memo, LinesAndTextAreOneTextAndChangesFireOnChange)
{
    TMemo memo(nullptr);
    int changes = 0;
    memo.OnChange = [&](TComponent*) { ++changes; };
    memo.Lines().Add("first");
    memo.Lines().Add("second");
    EXPECT_EQ(memo.Text(), "first\r\nsecond\r\n");
    memo.SetText("a\r\nb");
    EXPECT_EQ(memo.Lines().Count(), 2);
    EXPECT_EQ(changes, 3);
}

TEST(CategoryPanelGroup, KeepsVisiblePanelsStackedWithoutGaps)
{
    TForm form(nullptr);
    auto* group = new TCategoryPanelGroup(&form);
    group->SetParent(&form);
    group->SetBounds(0, 0, 460, 300);
    std::vector<TCategoryPanel*> panels;
    int32_t top = 0;
    for (int32_t height : { 100, 150, 80 }) {
        auto* panel = new TCategoryPanel(&form);
        panel->SetParent(group);
        panel->SetTop(top);
        panel->SetHeight(height);
        top += height;
        panels.push_back(panel);
    }
    auto tops = [&] {
        std::vector<int32_t> result;
        for (const TCategoryPanel* panel : panels)
            result.push_back(panel->Visible() ? panel->Top() : -1);
        return result;
    };
    EXPECT_EQ(tops(), (std::vector<int32_t> { 0, 100, 250 }));
    panels[0]->SetHeight(60);
    EXPECT_EQ(tops(), (std::vector<int32_t> { 0, 60, 210 }));
    panels[1]->SetVisible(false);
    EXPECT_EQ(tops(), (std::vector<int32_t> { 0, -1, 60 }));
    panels[1]->SetVisible(true);
    panels[0]->Collapse();
    EXPECT_EQ(panels[0]->Height(), group->HeaderHeight());
    EXPECT_EQ(tops(), (std::vector<int32_t> { 0, 24, 174 }));
    panels[0]->Expand();
    EXPECT_EQ(panels[0]->Height(), 60);
}

TEST(LinkLabel, ClickOnTheLinkTextGivesItsHref)
{
    TForm form(nullptr);
    auto* label = new TLinkLabel(&form);
    label->SetParent(&form);
    label->SetCaption(R"(Visit <a href="https://example.invalid/help">the site</a> now)");
    EXPECT_EQ(label->PlainText(), "Visit the site now");
    ASSERT_EQ(label->Links().size(), 1u);
    String clicked;
    label->OnLinkClick = [&](TComponent*, const String& link, TSysLinkType) { clicked = link; };
    label->Canvas().SetFont(label->Font());
    const int32_t insideLink = label->Canvas().TextWidth("Visit th");
    label->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(2, 3));
    EXPECT_TRUE(clicked.isEmpty());
    label->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(insideLink, 3));
    EXPECT_EQ(clicked, "https://example.invalid/help");
}

TEST(LinkLabel, CaptionMarkupGivesPlainTextAndLinks)
{
    struct TLinkSeen {
        const char* href;
        int32_t start;
        int32_t length;
    };
    const struct {
        const char* caption;
        const char* plain;
        std::vector<TLinkSeen> links;
    } cases[] = {
        { "no links", "no links", {} },
        { "<a>site</a>", "site", { { "site", 0, 4 } } },
        { "a <A HREF = 'x y' >b</A> c", "a b c", { { "x y", 2, 1 } } },
        { "<a href=\"\">t</a>", "t", { { "t", 0, 1 } } },
        { "<a href=\"u\">1</a><a>2</a>", "12", { { "u", 0, 1 }, { "2", 1, 1 } } },
        { "open <a> never closed", "open <a> never closed", {} },
        { "<a><a>x</a>", "<a>x", { { "<a>x", 0, 4 } } },
        { "<a href=\"q>x</a>", "<a href=\"q>x</a>", {} },
        { "<a href=x>y</a>", "<a href=x>y</a>", {} },
        { "<ab>c</a>", "<ab>c</a>", {} },
        { "<a>one\ntwo</a> end", "one\ntwo end", { { "one\ntwo", 0, 7 } } },
    };
    TForm form(nullptr);
    auto* label = new TLinkLabel(&form);
    label->SetParent(&form);
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.caption);
        label->SetCaption(QString::fromUtf8(entry.caption));
        EXPECT_EQ(label->PlainText(), QString::fromUtf8(entry.plain));
        ASSERT_EQ(label->Links().size(), entry.links.size());
        for (size_t index = 0; index < entry.links.size(); ++index) {
            EXPECT_EQ(label->Links()[index].Href, QString::fromUtf8(entry.links[index].href));
            EXPECT_EQ(label->Links()[index].Start, entry.links[index].start);
            EXPECT_EQ(label->Links()[index].Length, entry.links[index].length);
        }
    }
}

// A language file may hold any text: tags left open cost no more than the
// caption is long (a scan to the end for each was minutes for 100 KB).
TEST(LinkLabel, OpenTagsParseInTimeLinearInTheCaption)
{
    TForm form(nullptr);
    auto* label = new TLinkLabel(&form);
    label->SetParent(&form);
    String open;
    for (int index = 0; index < 30000; ++index)
        open += QStringLiteral("<a><a href=\"x\">");
    QElapsedTimer timer;
    timer.start();
    label->SetCaption(open);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_TRUE(label->Links().empty());
    EXPECT_EQ(label->PlainText(), open);
}

TEST(SaveDialog, AsksThroughTheServicesAndAddsTheDefaultExtension)
{
    TScriptedUiServices services;
    const TScopedUiServices scope(services);
    TSaveDialog dialog(nullptr);
    dialog.SetInitialDir("/tmp/projects");
    dialog.SetFilter("CSV (MS-DOS) (*.csv)|*.csv");
    dialog.SetDefaultExt("csv");
    services.AnswerSaveDialog("/tmp/projects/table");
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/tmp/projects/table.csv");
    ASSERT_EQ(services.Requests().size(), 1u);
    EXPECT_EQ(services.Requests()[0].Kind, rkSaveDialog);
    EXPECT_EQ(services.Requests()[0].File.InitialDir, "/tmp/projects");
    EXPECT_EQ(services.Requests()[0].File.Filter, "CSV (MS-DOS) (*.csv)|*.csv");

    // Unanswered means cancelled; the file name stays.
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/tmp/projects/table.csv");
}

// Replacing a file is asked about once: by the dialog only when the program
// sets the option, otherwise by the program itself.
TEST(SaveDialog, AsksAboutOverwritingOnlyWhenToldAndBelongsToTheCallingForm)
{
    TScriptedUiServices services;
    const TScopedUiServices scope(services);
    TForm form(nullptr);
    const struct {
        const char* Name;
        TOpenOptions Options;
        bool Save;
        bool Prompt;
    } cases[] = {
        { "default options", { ofHideReadOnly }, true, false },
        { "asked for", { ofHideReadOnly, ofOverwritePrompt }, true, true },
        { "opening never overwrites", { ofOverwritePrompt }, false, false },
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.Name);
        services.Clear();
        TSaveDialog save(&form);
        TOpenDialog open(&form);
        TOpenDialog& dialog = entry.Save ? save : open;
        dialog.SetOptions(entry.Options);
        dialog.Execute();
        ASSERT_EQ(services.Requests().size(), 1u);
        EXPECT_EQ(services.Requests()[0].File.OverwritePrompt, entry.Prompt);
        EXPECT_EQ(services.Requests()[0].File.Owner, &form);
    }
}

TEST(Clipboard, TextAndRegisteredFormatsRoundTrip)
{
    Clipboard().SetAsText("row 1\tvalue");
    EXPECT_TRUE(Clipboard().HasFormat(CF_UNICODETEXT));
    EXPECT_EQ(Clipboard().AsText(), "row 1\tvalue");

    const TClipboardFormat format = RegisterClipboardFormat("Grid rows");
    EXPECT_EQ(RegisterClipboardFormat("GRID ROWS"), format);
    const TBytes bytes { 0, 1, 2, 255 };
    Clipboard().SetAsBytes(format, bytes);
    EXPECT_TRUE(Clipboard().HasFormat(format));
    EXPECT_EQ(Clipboard().AsBytes(format), bytes);
    EXPECT_FALSE(Clipboard().HasFormat(RegisterClipboardFormat("Other")));
}
