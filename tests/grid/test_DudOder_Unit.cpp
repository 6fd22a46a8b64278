#include "grid/DudOder_Unit.h"

#include "platform/core/FormatSettings.h"
#include "platform/ui/Controls.h"

#include <gtest/gtest.h>

namespace {

TEST(DudOderUnit, LocaleRoutinesFollowTheSettingsInForce)
{
    TFormatSettings settings;
    settings.TimeSeparator = u'.';
    settings.DateSeparator = u'-';
    settings.ThousandSeparator = u' ';
    settings.DecimalSeparator = u',';
    settings.ShortDateFormat = QStringLiteral("dd-mm-yyyy");
    settings.ShortTimeFormat = QStringLiteral("hh.nn");
    settings.LongTimeFormat = QStringLiteral("hh.nn.ss");
    const TFormatSettingsScope scope(settings);
    EXPECT_EQ(CurrentTimeSeparator(), u'.');
    EXPECT_EQ(CurrentDateSeparator(), u'-');
    EXPECT_EQ(CurrentThousandSeparator(), u' ');
    EXPECT_EQ(CurrentDecimalSeparator(), u',');
    EXPECT_EQ(CurrentShortDateFormat(), QStringLiteral("dd-mm-yyyy"));
    EXPECT_EQ(CurrentShortTimeFormat(), QStringLiteral("hh.nn"));
    EXPECT_EQ(CurrentLongTimeFormat(), QStringLiteral("hh.nn.ss"));
}

TEST(DudOderUnit, MakingAWindowTransparentKeepsItsOtherStyles)
{
    TWinControl window(nullptr);
    window.SetExStyle(0x100 | 0x8);
    SetWindowTransparent(&window);
    EXPECT_EQ(window.ExStyle(), 0x100u | 0x8u | WS_EX_TRANSPARENT);
    SetWindowTransparent(&window);
    EXPECT_EQ(window.ExStyle(), 0x100u | 0x8u | WS_EX_TRANSPARENT);
}

TEST(DudOderUnit, TheCellsFormatIsRegisteredOnce)
{
    const TClipboardFormat format = GridCellsClipboardFormat();
    EXPECT_NE(format, CF_TEXT);
    EXPECT_EQ(GridCellsClipboardFormat(), format);
    EXPECT_EQ(RegisterClipboardFormat(QStringLiteral("TDudStringGrid Cells")), format);
}

} // namespace
