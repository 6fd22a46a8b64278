#include "grid/DudOder.h"

#include "grid/base/RovIvir.h"
#include "platform/core/IniFiles.h"

// The print settings as values of one INI section: Booleans "Y"/"N", colours
// and enumerations as numbers, font styles as bits (bold, italic, underline,
// strike-out from bit 0). Loading leaves the file as it is.

namespace {

constexpr TFontStyle StyleBits[] = { fsBold, fsItalic, fsUnderline, fsStrikeOut };

int32_t StyleToBits(TFontStyles styles)
{
    int32_t bits = 0;
    for (int32_t bit = 0; bit < 4; ++bit)
        if (styles.Contains(StyleBits[bit]))
            bits |= 1 << bit;
    return bits;
}

class TPrintSection {
public:
    TPrintSection(TCustomIniFile& ini, const String& section) : FIni(ini), FSection(section) { }

    void WriteInt(const char* key, int32_t value) { FIni.WriteInteger(FSection, Key(key), value); }
    void WriteBool(const char* key, bool value) { WriteText(key, value ? QStringLiteral("Y") : QStringLiteral("N")); }
    void WriteText(const char* key, const String& value) { FIni.WriteString(FSection, Key(key), value); }
    void WriteFont(const char* prefix, const TFont& font)
    {
        const String name = String::fromLatin1(prefix);
        FIni.WriteString(FSection, name + QStringLiteral("Name"), font.Name());
        FIni.WriteInteger(FSection, name + QStringLiteral("Size"), font.Size());
        FIni.WriteInteger(FSection, name + QStringLiteral("Style"), StyleToBits(font.Style()));
        FIni.WriteInteger(FSection, name + QStringLiteral("Color"), static_cast<int32_t>(font.Color()));
    }

    int32_t ReadInt(const char* key, int32_t defaultValue) const
    {
        return FIni.ReadInteger(FSection, Key(key), defaultValue);
    }
    bool ReadBool(const char* key, bool defaultValue) const
    {
        return ReadText(key, defaultValue ? QStringLiteral("Y") : QStringLiteral("N")) == QStringLiteral("Y");
    }
    String ReadText(const char* key, const String& defaultValue) const
    {
        return FIni.ReadString(FSection, Key(key), defaultValue);
    }
    // Name, size and colour replace the font's; the styles read are added.
    void ReadFont(const char* prefix, TFont& font) const
    {
        const String name = String::fromLatin1(prefix);
        font.SetName(FIni.ReadString(FSection, name + QStringLiteral("Name"), QStringLiteral("Arial")));
        font.SetSize(FIni.ReadInteger(FSection, name + QStringLiteral("Size"), 10));
        const int32_t bits = FIni.ReadInteger(FSection, name + QStringLiteral("Style"), 0);
        TFontStyles styles = font.Style();
        for (int32_t bit = 0; bit < 4; ++bit)
            if ((bits & (1 << bit)) != 0)
                styles = styles + TFontStyles { StyleBits[bit] };
        font.SetStyle(styles);
        font.SetColor(static_cast<TColor>(FIni.ReadInteger(FSection, name + QStringLiteral("Color"), 0)));
    }
    // value when it lies in [low, high], else fallback.
    template <class T>
    T ReadEnum(const char* key, int32_t low, int32_t high, T fallback) const
    {
        const int32_t value = ReadInt(key, 0);
        return value >= low && value <= high ? static_cast<T>(value) : fallback;
    }

private:
    static String Key(const char* key) { return String::fromLatin1(key); }

    TCustomIniFile& FIni;
    String FSection;
};

} // namespace

void TDudStringGrid::SavePrintSettings(const String& key, const String& section)
{
    TMemIniFile ini(key);
    TPrintSection s(ini, section);
    const TPrintSettings& p = *FPrintSettings;
    s.WriteInt("ColumnSpacing", p.ColumnSpacing());
    s.WriteInt("RowSpacing", p.RowSpacing());
    s.WriteInt("TitleSpacing", p.TitleSpacing());
    s.WriteInt("FixedHeight", p.FixedHeight());
    s.WriteInt("FixedWidth", p.FixedWidth());
    s.WriteBool("Centered", p.Centered());
    s.WriteBool("NoAutoSize", p.NoAutoSize());
    s.WriteBool("UseFixedHeight", p.UseFixedHeight());
    s.WriteBool("UseFixedWidth", p.UseFixedWidth());
    s.WriteBool("RepeatFixedRows", p.RepeatFixedRows());
    s.WriteBool("RepeatFixedCols", p.RepeatFixedCols());
    s.WriteBool("UseDisplFont", p.UseDisplayFont());
    s.WriteBool("UseDefOrientation", p.UseDefaultOrientation());
    s.WriteInt("Borders", p.Borders());
    s.WriteInt("BorderColor", static_cast<int32_t>(p.BorderColor()));
    s.WriteInt("BorderStyle", static_cast<int32_t>(p.BorderStyle()));
    s.WriteInt("Date", p.Date());
    s.WriteInt("PageNr", p.PageNr());
    s.WriteInt("Title", p.Title());
    s.WriteInt("Time", p.Time());
    s.WriteText("DateFormat", p.DateFormat());
    s.WriteText("TitleText", p.TitleText());
    s.WriteInt("FooterSize", p.FooterSize());
    s.WriteInt("HeaderSize", p.HeaderSize());
    s.WriteInt("LeftSize", p.LeftSize());
    s.WriteInt("RightSize", p.RightSize());
    s.WriteInt("FitToPage", p.FitToPage());
    s.WriteFont("Font", p.Font());
    s.WriteFont("HeaderFont", p.HeaderFont());
    s.WriteFont("FooterFont", p.FooterFont());
    s.WriteText("PageNumSep", p.PageNumSep());
    s.WriteText("PageSuffix", p.PageSuffix());
    s.WriteText("PagePrefix", p.PagePrefix());
    s.WriteInt("Orientation", p.Orientation());
    s.WriteText("TitleLines", EncodeLineBreaks(p.TitleLines().Text()));
    s.WriteBool("PrintGraphics", p.PrintGraphics());
    ini.UpdateFile();
}

void TDudStringGrid::LoadPrintSettings(const String& key, const String& section)
{
    TMemIniFile ini(key);
    const TPrintSection s(ini, section);
    TPrintSettings& p = *FPrintSettings;
    p.SetColumnSpacing(s.ReadInt("ColumnSpacing", 20));
    p.SetRowSpacing(s.ReadInt("RowSpacing", 20));
    p.SetTitleSpacing(s.ReadInt("TitleSpacing", 20));
    p.SetFixedHeight(s.ReadInt("FixedHeight", 0));
    p.SetFixedWidth(s.ReadInt("FixedWidth", 0));
    p.SetCentered(s.ReadBool("Centered", true));
    p.SetNoAutoSize(s.ReadBool("NoAutoSize", false));
    p.SetUseFixedHeight(s.ReadBool("UseFixedHeight", false));
    p.SetUseFixedWidth(s.ReadBool("UseFixedWidth", false));
    p.SetRepeatFixedRows(s.ReadBool("RepeatFixedRows", false));
    p.SetRepeatFixedCols(s.ReadBool("RepeatFixedCols", false));
    p.SetUseDisplayFont(s.ReadBool("UseDisplFont", false));
    p.SetUseDefaultOrientation(s.ReadBool("UseDefOrientation", false));
    p.SetBorders(s.ReadEnum("Borders", pbNoborder, pbCustom, p.Borders()));
    p.SetBorderColor(static_cast<TColor>(s.ReadInt("BorderColor", 0)));
    p.SetBorderStyle(s.ReadEnum("BorderStyle", 0, static_cast<int32_t>(psInsideFrame), p.BorderStyle()));
    p.SetDate(s.ReadEnum("Date", ppTopLeft, ppBottomCenter, ppNone));
    p.SetPageNr(s.ReadEnum("PageNr", ppTopLeft, ppBottomCenter, ppNone));
    p.SetTitle(s.ReadEnum("Title", ppTopLeft, ppBottomCenter, ppNone));
    p.SetTime(s.ReadEnum("Time", ppTopLeft, ppBottomCenter, ppNone));
    p.SetDateFormat(s.ReadText("DateFormat", String()));
    p.SetTitleText(s.ReadText("TitleText", String()));
    p.SetFooterSize(s.ReadInt("FooterSize", 100));
    p.SetHeaderSize(s.ReadInt("HeaderSize", 100));
    p.SetLeftSize(s.ReadInt("LeftSize", 100));
    p.SetRightSize(s.ReadInt("RightSize", 100));
    p.SetFitToPage(s.ReadEnum("FitToPage", fpNever, fpCustom, p.FitToPage()));
    s.ReadFont("Font", p.Font());
    s.ReadFont("HeaderFont", p.HeaderFont());
    s.ReadFont("FooterFont", p.FooterFont());
    p.SetPageNumSep(s.ReadText("PageNumSep", String()));
    p.SetPageSuffix(s.ReadText("PageSuffix", String()));
    p.SetPagePrefix(s.ReadText("PagePrefix", String()));
    p.SetOrientation(s.ReadEnum("Orientation", poPortrait, poLandscape, p.Orientation()));
    p.TitleLines().SetText(DecodeLineBreaks(s.ReadText("TitleLines", String())));
    p.SetPrintGraphics(s.ReadBool("PrintGraphics", false));
}
