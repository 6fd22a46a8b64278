#include "grid/DudOder.h"

#include "grid/DudOder_Footer.h"
#include "grid/DudOder_GridData.h"
#include "grid/DudOder_Settings.h"
#include "platform/core/Exception.h"
#include "platform/core/FileUtils.h"
#include "platform/core/IniFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class DudOderVisualProps : public testing::Test {
protected:
    String Path(const char* name) const { return FTemp.path() + u'/' + QString::fromLatin1(name); }

    void Write(const String& fileName, const QByteArray& text) const
    {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QByteArray Read(const String& fileName) const
    {
        QFile file(fileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir FTemp;
};

// A look that differs from a new grid's in every kind of entry.
void Restyle(TDudStringGrid& grid)
{
    grid.SetLook(glWin7);
    grid.SetSelectionColor(0x123456);
    grid.SetSelectionTextColor(clYellow);
    grid.SetURLShow(false);
    grid.Font().SetName(QStringLiteral("Courier New"));
    grid.Font().SetSize(13);
    grid.Font().SetStyle({ fsBold, fsUnderline });
    grid.FixedFont().SetColor(clMaroon);
    grid.Balloon().SetTransparency(77);
    grid.Bands().SetActive(true);
    grid.Bands().SetPrimaryColor(0xF0E0D0);
    grid.ControlLook().SetControlStyle(TControlLook::csFlat);
    grid.ControlLook().SetCheckSize(19);
    grid.Grouping().SetSummaryLineWidth(3);
    grid.BackGround().SetDisplay(bdGradientVert);
    grid.BackGround().SetCells(bcAll);
    grid.BackGround().SetTop(4);
    grid.BackGround().SetColorTo(clNone);
    grid.SetGridLineColor(0x0A0B0C);
}

TEST_F(DudOderVisualProps, ALookComesBackIntoAFreshGrid)
{
    TDudStringGrid source(nullptr);
    Restyle(source);
    source.SaveVisualProps(Path("look.txt"));

    TDudStringGrid target(nullptr);
    target.LoadVisualProps(Path("look.txt"));
    EXPECT_EQ(target.Look(), glWin7);
    EXPECT_EQ(target.SelectionColor(), TColor(0x123456));
    EXPECT_EQ(target.SelectionTextColor(), clYellow);
    EXPECT_EQ(target.SelectionStyle(), source.SelectionStyle());
    EXPECT_FALSE(target.URLShow());
    EXPECT_EQ(target.Font().Name(), QStringLiteral("Courier New"));
    EXPECT_EQ(target.Font().Size(), 13);
    EXPECT_EQ(target.Font().Style(), (TFontStyles { fsBold, fsUnderline }));
    EXPECT_EQ(target.FixedFont().Color(), clMaroon);
    EXPECT_EQ(target.Balloon().Transparency(), 77);
    EXPECT_TRUE(target.Bands().Active());
    EXPECT_EQ(target.Bands().PrimaryColor(), TColor(0xF0E0D0));
    EXPECT_EQ(target.ControlLook().ControlStyle(), TControlLook::csFlat);
    EXPECT_EQ(target.ControlLook().CheckSize(), 19);
    EXPECT_EQ(target.Grouping().SummaryLineWidth(), 3);
    EXPECT_EQ(target.BackGround().Display(), bdGradientVert);
    EXPECT_EQ(target.BackGround().Cells(), bcAll);
    EXPECT_EQ(target.BackGround().Top(), 4);
    EXPECT_EQ(target.GridLineColor(), TColor(0x0A0B0C));
    EXPECT_EQ(target.ActiveCellColor(), source.ActiveCellColor());

    target.SaveVisualProps(Path("again.txt"));
    EXPECT_EQ(Read(Path("again.txt")), Read(Path("look.txt")));
}

TEST_F(DudOderVisualProps, TheFileHoldsNameValueLinesInOrder)
{
    TDudStringGrid grid(nullptr);
    grid.SetLook(glCustom);
    grid.SaveVisualProps(Path("look.txt"));
    const QList<QByteArray> lines = Read(Path("look.txt")).split('\n');
    ASSERT_EQ(lines.size(), 70);
    EXPECT_TRUE(lines[0].startsWith("Color="));
    EXPECT_EQ(lines[14], QByteArray("Font.Color=clWindowText\r"));
    EXPECT_EQ(lines[46], QByteArray("Look=\r"));
    EXPECT_TRUE(lines[68].startsWith("BackGround.ColorTo="));
}

TEST_F(DudOderVisualProps, SingleLinesReadAsTheirValues)
{
    struct TCase {
        const char* Line;
        std::function<bool(const TDudStringGrid&)> Holds;
    };
    const TCase cases[] = {
        { "font.style=fsItalic,fsBold", [](const TDudStringGrid& g) { return g.Font().Style() == TFontStyles { fsBold, fsItalic }; } },
        { "Look=glwin7", [](const TDudStringGrid& g) { return g.Look() == glWin7; } },
        { "Look=", [](const TDudStringGrid& g) { return g.Look() == glXP; } },
        { "Look=glMetro", [](const TDudStringGrid& g) { return g.Look() == glXP; } },
        { "URLShow=TrUe", [](const TDudStringGrid& g) { return g.URLShow(); } },
        { "URLShow=yes", [](const TDudStringGrid& g) { return !g.URLShow(); } },
        { "BackGround.Display=BDFIXED", [](const TDudStringGrid& g) { return g.BackGround().Display() == bdFixed; } },
        { "BackGround.Display=bdNowhere", [](const TDudStringGrid& g) { return g.BackGround().Display() == bdTile; } },
        { "SelectionColor=$00FF8000", [](const TDudStringGrid& g) { return g.SelectionColor() == TColor(0xFF8000); } },
        { "SelectionColor=", [](const TDudStringGrid& g) { return g.SelectionColor() == clNone; } },
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Line);
        // Every integer entry is present, so the file is complete but for the line.
        TDudStringGrid source(nullptr);
        source.SaveVisualProps(Path("base.txt"));
        QByteArray text;
        const QByteArray line(test.Line);
        const QByteArray name = line.left(line.indexOf('=') + 1).toLower();
        for (const QByteArray& existing : Read(Path("base.txt")).split('\n'))
            if (!existing.toLower().startsWith(name) && !existing.isEmpty())
                text += existing + '\n';
        text += line + "\r\n";
        Write(Path("case.txt"), text);
        TDudStringGrid grid(nullptr);
        grid.LoadVisualProps(Path("case.txt"));
        EXPECT_TRUE(test.Holds(grid));
    }
}

TEST_F(DudOderVisualProps, ADamagedFileRaisesAndChangesNothing)
{
    struct TCase {
        const char* Name;
        const char* Replacement;
    };
    const TCase cases[] = {
        { "Font.Size=", nullptr },
        { "Font.Size=", "Font.Size=big" },
        { "Balloon.Transparency=", "Balloon.Transparency=300" },
        { "BackGround.Left=", "BackGround.Left=" },
        { "Color=", "Color=notacolour" },
    };
    TDudStringGrid source(nullptr);
    Restyle(source);
    source.SaveVisualProps(Path("look.txt"));
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        QByteArray text;
        for (const QByteArray& line : Read(Path("look.txt")).split('\n')) {
            if (line.startsWith(test.Name)) {
                if (test.Replacement)
                    text += QByteArray(test.Replacement) + "\r\n";
            } else if (!line.isEmpty()) {
                text += line + '\n';
            }
        }
        Write(Path("damaged.txt"), text);
        TDudStringGrid grid(nullptr);
        grid.SaveVisualProps(Path("before.txt"));
        EXPECT_THROW(grid.LoadVisualProps(Path("damaged.txt")), EConvertError);
        grid.SaveVisualProps(Path("after.txt"));
        EXPECT_EQ(Read(Path("after.txt")), Read(Path("before.txt")));
    }
}

TEST_F(DudOderVisualProps, FilesThatCannotBeOpenedOrCreatedAreNamed)
{
    TDudStringGrid grid(nullptr);
    const String missing = Path("missing.txt");
    try {
        grid.LoadVisualProps(missing);
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Cannot open file ") + missing);
    }
    const String unwritable = Path("no/such/folder/look.txt");
    try {
        grid.SaveVisualProps(unwritable);
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Cannot Create ") + unwritable);
    }
}

TEST_F(DudOderVisualProps, PrintSettingsComeBackIntoAFreshGrid)
{
    TDudStringGrid source(nullptr);
    TPrintSettings& p = source.PrintSettings();
    p.SetColumnSpacing(7);
    p.SetCentered(false);
    p.SetRepeatFixedRows(true);
    p.SetBorders(pbAround);
    p.SetBorderColor(0x112233);
    p.SetBorderStyle(psDot);
    p.SetDate(ppBottomRight);
    p.SetTitleText(QStringLiteral("Gateways"));
    p.SetFitToPage(fpShrink);
    p.Font().SetName(QStringLiteral("Verdana"));
    p.Font().SetSize(9);
    p.Font().SetStyle({ fsItalic, fsStrikeOut });
    p.HeaderFont().SetColor(clNavy);
    p.SetOrientation(poLandscape);
    p.TitleLines().Add(QStringLiteral("first"));
    p.TitleLines().Add(QStringLiteral("second"));
    p.SetPrintGraphics(true);
    source.SavePrintSettings(Path("print.ini"), QStringLiteral("Print"));

    TDudStringGrid target(nullptr);
    target.LoadPrintSettings(Path("print.ini"), QStringLiteral("Print"));
    const TPrintSettings& t = target.PrintSettings();
    EXPECT_EQ(t.ColumnSpacing(), 7);
    EXPECT_FALSE(t.Centered());
    EXPECT_TRUE(t.RepeatFixedRows());
    EXPECT_EQ(t.Borders(), pbAround);
    EXPECT_EQ(t.BorderColor(), TColor(0x112233));
    EXPECT_EQ(t.BorderStyle(), psDot);
    EXPECT_EQ(t.Date(), ppBottomRight);
    EXPECT_EQ(t.TitleText(), QStringLiteral("Gateways"));
    EXPECT_EQ(t.FitToPage(), fpShrink);
    EXPECT_EQ(t.Font().Name(), QStringLiteral("Verdana"));
    EXPECT_EQ(t.Font().Size(), 9);
    EXPECT_EQ(t.Font().Style(), (TFontStyles { fsItalic, fsStrikeOut }));
    EXPECT_EQ(t.HeaderFont().Color(), clNavy);
    EXPECT_EQ(t.Orientation(), poLandscape);
    ASSERT_EQ(t.TitleLines().Count(), 2);
    EXPECT_EQ(t.TitleLines().Strings(1), QStringLiteral("second"));
    EXPECT_TRUE(t.PrintGraphics());

    const TMemIniFile ini(Path("print.ini"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Print"), QStringLiteral("Centered"), String()), QStringLiteral("N"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Print"), QStringLiteral("FontStyle"), String()), QStringLiteral("10"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Print"), QStringLiteral("TitleLines"), String()),
        QStringLiteral("first\\nsecond\\n"));
}

TEST_F(DudOderVisualProps, PrintSettingsReadDefaultsAndRangeChecks)
{
    Write(Path("print.ini"), "[Print]\r\nCentered=y\r\nBorders=12\r\nDate=9\r\nPageNr=2\r\nFitToPage=x\r\n[Empty]\r\n");
    TDudStringGrid grid(nullptr);
    TPrintSettings& p = grid.PrintSettings();
    p.SetBorders(pbDouble);
    p.SetDate(ppTopLeft);
    p.SetFitToPage(fpGrow);
    p.Font().SetStyle({ fsBold });
    grid.LoadPrintSettings(Path("print.ini"), QStringLiteral("Print"));
    EXPECT_FALSE(p.Centered());
    EXPECT_EQ(p.Borders(), pbDouble);
    EXPECT_EQ(p.Date(), ppNone);
    EXPECT_EQ(p.PageNr(), ppTopRight);
    EXPECT_EQ(p.FitToPage(), fpNever);
    // Styles read are added to the font's own.
    EXPECT_TRUE(p.Font().Style().Contains(fsBold));

    grid.LoadPrintSettings(Path("print.ini"), QStringLiteral("Empty"));
    EXPECT_EQ(p.ColumnSpacing(), 20);
    EXPECT_EQ(p.TitleSpacing(), 20);
    EXPECT_EQ(p.HeaderSize(), 100);
    EXPECT_EQ(p.RightSize(), 100);
    EXPECT_EQ(p.FooterFont().Name(), QStringLiteral("Arial"));
    EXPECT_EQ(p.FooterFont().Size(), 10);
    EXPECT_TRUE(p.Centered());

    // Loading from a file that does not exist does not create it.
    grid.LoadPrintSettings(Path("none.ini"), QStringLiteral("Print"));
    EXPECT_FALSE(FileExists(Path("none.ini")));
}

} // namespace
