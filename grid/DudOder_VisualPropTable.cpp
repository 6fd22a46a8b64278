#include "grid/DudOder_VisualPropTable.h"

#include "grid/DudOder.h"
#include "grid/DudOder_Footer.h"
#include "grid/DudOder_GridData.h"
#include "grid/DudOder_Settings.h"
#include "platform/core/Exception.h"
#include "platform/core/SysUtils.h"

#include <QStringList>

namespace {

using G = TDudStringGrid;
using TApply = TVisualProp::TApply;

String Text(const char16_t* name) { return String::fromUtf16(name); }

template <class Get, class Set>
TVisualProp Colour(const char16_t* name, Get get, Set set)
{
    return { Text(name), [get](G& g) { return ColorToString(get(g)); },
        [set](const String& text) -> TApply {
            const TColor color = text.isEmpty() ? clNone : StringToColor(text);
            return [set, color](G& g) { set(g, color); };
        } };
}

template <class Get, class Set>
TVisualProp Boolean(const char16_t* name, Get get, Set set)
{
    return { Text(name), [get](G& g) { return get(g) ? QStringLiteral("true") : QStringLiteral("false"); },
        [set](const String& text) -> TApply {
            const bool value = text.toUpper() == QStringLiteral("TRUE");
            return [set, value](G& g) { set(g, value); };
        } };
}

template <class Get, class Set>
TVisualProp Integer(const char16_t* name, Get get, Set set, int32_t low = INT32_MIN, int32_t high = INT32_MAX)
{
    return { Text(name), [get](G& g) { return IntToStr(get(g)); },
        [set, low, high](const String& text) -> TApply {
            const int32_t value = StrToInt(text);
            if (value < low || value > high)
                throw EConvertError(QStringLiteral("'%1' is out of range").arg(text));
            return [set, value](G& g) { set(g, value); };
        } };
}

// identifiers[i] names value i; a text naming none leaves the value alone.
template <class Get, class Set>
TVisualProp Enumeration(const char16_t* name, QStringList identifiers, Get get, Set set)
{
    return { Text(name),
        [get, identifiers](G& g) {
            const int32_t value = get(g);
            return value >= 0 && value < identifiers.size() ? identifiers[value] : String();
        },
        [set, identifiers](const String& text) -> TApply {
            for (qsizetype index = 0; index < identifiers.size(); ++index)
                if (identifiers[index].compare(text, Qt::CaseInsensitive) == 0)
                    return [set, index](G& g) { set(g, static_cast<int32_t>(index)); };
            return [](G&) { };
        } };
}

struct TStyleName {
    TFontStyle Style;
    const char16_t* Name;
};

constexpr TStyleName StyleNames[] = {
    { fsBold, u"fsBold" },
    { fsItalic, u"fsItalic" },
    { fsUnderline, u"fsUnderline" },
    { fsStrikeOut, u"fsStrikeOut" },
};

template <class Font>
void AddFont(std::vector<TVisualProp>& props, const String& prefix, Font font)
{
    props.push_back(Colour(
        u"", [font](G& g) { return font(g).Color(); }, [font](G& g, TColor value) { font(g).SetColor(value); }));
    props.back().Name = prefix + QStringLiteral(".Color");
    props.push_back({ prefix + QStringLiteral(".Style"),
        [font](G& g) {
            QStringList names;
            for (const TStyleName& style : StyleNames)
                if (font(g).Style().Contains(style.Style))
                    names.append(Text(style.Name));
            return names.join(u',');
        },
        [font](const String& text) -> TApply {
            TFontStyles styles;
            for (const TStyleName& style : StyleNames)
                if (text.contains(Text(style.Name)))
                    styles = styles + TFontStyles { style.Style };
            return [font, styles](G& g) { font(g).SetStyle(styles); };
        } });
    props.push_back(Integer(
        u"", [font](G& g) { return font(g).Size(); }, [font](G& g, int32_t value) { font(g).SetSize(value); }));
    props.back().Name = prefix + QStringLiteral(".Size");
    props.push_back({ prefix + QStringLiteral(".Name"), [font](G& g) { return font(g).Name(); },
        [font](const String& text) -> TApply { return [font, text](G& g) { font(g).SetName(text); }; } });
}

QStringList LookIdentifiers()
{
    QStringList names;
    for (int32_t look = glStandard; look < glCustom; ++look)
        names.append(TDudStringGrid::LookName(static_cast<TGridLook>(look)));
    return names;
}

std::vector<TVisualProp> MakeVisualProps()
{
    std::vector<TVisualProp> p;
    p.push_back(Colour(u"Color", [](G& g) { return g.Color(); }, [](G& g, TColor v) { g.SetColor(v); }));
    p.push_back(Colour(u"HintColor", [](G& g) { return g.HintColor(); }, [](G& g, TColor v) { g.SetHintColor(v); }));
    p.push_back(Colour(
        u"SelectionColor", [](G& g) { return g.SelectionColor(); }, [](G& g, TColor v) { g.SetSelectionColor(v); }));
    p.push_back(Colour(u"SelectionColorTo", [](G& g) { return g.SelectionColorTo(); },
        [](G& g, TColor v) { g.SetSelectionColorTo(v); }));
    p.push_back(Colour(u"SelectionMirrorColor", [](G& g) { return g.SelectionMirrorColor(); },
        [](G& g, TColor v) { g.SetSelectionMirrorColor(v); }));
    p.push_back(Colour(u"SelectionMirrorColorTo", [](G& g) { return g.SelectionMirrorColorTo(); },
        [](G& g, TColor v) { g.SetSelectionMirrorColorTo(v); }));
    p.push_back(Colour(u"SelectionTextColor", [](G& g) { return g.SelectionTextColor(); },
        [](G& g, TColor v) { g.SetSelectionTextColor(v); }));
    p.push_back(Colour(u"URLColor", [](G& g) { return g.URLColor(); }, [](G& g, TColor v) { g.SetURLColor(v); }));
    p.push_back(Boolean(u"URLShow", [](G& g) { return g.URLShow(); }, [](G& g, bool v) { g.SetURLShow(v); }));
    p.push_back(Boolean(
        u"URLShowInText", [](G& g) { return g.URLShowInText(); }, [](G& g, bool v) { g.SetURLShowInText(v); }));
    p.push_back(
        Colour(u"ScrollColor", [](G& g) { return g.ScrollColor(); }, [](G& g, TColor v) { g.SetScrollColor(v); }));
    p.push_back(Colour(
        u"ActiveRowColor", [](G& g) { return g.ActiveRowColor(); }, [](G& g, TColor v) { g.SetActiveRowColor(v); }));
    p.push_back(
        Boolean(u"ActiveRowShow", [](G& g) { return g.ActiveRowShow(); }, [](G& g, bool v) { g.SetActiveRowShow(v); }));
    p.push_back(Boolean(
        u"ActiveCellShow", [](G& g) { return g.ActiveCellShow(); }, [](G& g, bool v) { g.SetActiveCellShow(v); }));
    AddFont(p, QStringLiteral("Font"), [](G& g) -> TFont& { return g.Font(); });
    p.push_back(Colour(u"ActiveCellColor", [](G& g) { return g.ActiveCellColor(); },
        [](G& g, TColor v) { g.SetActiveCellColor(v); }));
    p.push_back(Colour(u"ActiveCellColorTo", [](G& g) { return g.ActiveCellColorTo(); },
        [](G& g, TColor v) { g.SetActiveCellColorTo(v); }));
    AddFont(p, QStringLiteral("ActiveCellFont"), [](G& g) -> TFont& { return g.ActiveCellFont(); });
    AddFont(p, QStringLiteral("FixedFont"), [](G& g) -> TFont& { return g.FixedFont(); });
    p.push_back(Colour(u"Balloon.BackgroundColor", [](G& g) { return g.Balloon().BackgroundColor(); },
        [](G& g, TColor v) { g.Balloon().SetBackgroundColor(v); }));
    p.push_back(Colour(u"Balloon.TextColor", [](G& g) { return g.Balloon().TextColor(); },
        [](G& g, TColor v) { g.Balloon().SetTextColor(v); }));
    p.push_back(Integer(
        u"Balloon.Transparency", [](G& g) { return static_cast<int32_t>(g.Balloon().Transparency()); },
        [](G& g, int32_t v) { g.Balloon().SetTransparency(static_cast<uint8_t>(v)); }, 0, 255));
    p.push_back(Colour(u"Bands.PrimaryColor", [](G& g) { return g.Bands().PrimaryColor(); },
        [](G& g, TColor v) { g.Bands().SetPrimaryColor(v); }));
    p.push_back(Colour(u"Bands.SecondaryColor", [](G& g) { return g.Bands().SecondaryColor(); },
        [](G& g, TColor v) { g.Bands().SetSecondaryColor(v); }));
    p.push_back(
        Boolean(u"Bands.Active", [](G& g) { return g.Bands().Active(); }, [](G& g, bool v) { g.Bands().SetActive(v); }));
    p.push_back(Colour(u"SortSettings.IndexColor", [](G& g) { return g.SortSettings().IndexColor(); },
        [](G& g, TColor v) { g.SortSettings().SetIndexColor(v); }));
    p.push_back(Colour(u"FloatingFooter.Color", [](G& g) { return g.FloatingFooter().Color(); },
        [](G& g, TColor v) { g.FloatingFooter().SetColor(v); }));
    p.push_back(Integer(u"ControlLook.CheckSize", [](G& g) { return g.ControlLook().CheckSize(); },
        [](G& g, int32_t v) { g.ControlLook().SetCheckSize(v); }));
    p.push_back(Colour(u"ControlLook.Color", [](G& g) { return g.ControlLook().Color(); },
        [](G& g, TColor v) { g.ControlLook().SetColor(v); }));
    p.push_back(Colour(u"ControlLook.CommentColor", [](G& g) { return g.ControlLook().CommentColor(); },
        [](G& g, TColor v) { g.ControlLook().SetCommentColor(v); }));
    p.push_back(Enumeration(u"ControlLook.ControlStyle",
        { QStringLiteral("csClassic"), QStringLiteral("csFlat"), QStringLiteral("csWinXP"), QStringLiteral("csBorland"),
            QStringLiteral("csVUV"), QStringLiteral("csGlyph"), QStringLiteral("csTheme") },
        [](G& g) { return static_cast<int32_t>(g.ControlLook().ControlStyle()); },
        [](G& g, int32_t v) { g.ControlLook().SetControlStyle(static_cast<TControlLook::TControlStyle>(v)); }));
    p.push_back(Colour(u"ControlLook.FixedGradientFrom", [](G& g) { return g.ControlLook().FixedGradientFrom(); },
        [](G& g, TColor v) { g.ControlLook().SetFixedGradientFrom(v); }));
    p.push_back(Colour(u"ControlLook.FixedGradientTo", [](G& g) { return g.ControlLook().FixedGradientTo(); },
        [](G& g, TColor v) { g.ControlLook().SetFixedGradientTo(v); }));
    p.push_back(Integer(u"ControlLook.RadioSize", [](G& g) { return g.ControlLook().RadioSize(); },
        [](G& g, int32_t v) { g.ControlLook().SetRadioSize(v); }));
    p.push_back(Boolean(u"ControlLook.FlatButton", [](G& g) { return g.ControlLook().FlatButton(); },
        [](G& g, bool v) { g.ControlLook().SetFlatButton(v); }));
    p.push_back(Colour(u"ControlLook.ProgressBorderColor", [](G& g) { return g.ControlLook().ProgressBorderColor(); },
        [](G& g, TColor v) { g.ControlLook().SetProgressBorderColor(v); }));
    p.push_back(Boolean(u"ControlLook.ProgressXP", [](G& g) { return g.ControlLook().ProgressXP(); },
        [](G& g, bool v) { g.ControlLook().SetProgressXP(v); }));
    p.push_back(Enumeration(
        u"Look", LookIdentifiers(), [](G& g) { return static_cast<int32_t>(g.Look()); },
        [](G& g, int32_t v) { g.SetLook(static_cast<TGridLook>(v)); }));
    p.push_back(Colour(u"SearchFooter.Color", [](G& g) { return g.SearchFooter().Color(); },
        [](G& g, TColor v) { g.SearchFooter().SetColor(v); }));
    p.push_back(Colour(u"SearchFooter.ColorTo", [](G& g) { return g.SearchFooter().ColorTo(); },
        [](G& g, TColor v) { g.SearchFooter().SetColorTo(v); }));
    p.push_back(Colour(u"Grouping.HeaderColor", [](G& g) { return g.Grouping().HeaderColor(); },
        [](G& g, TColor v) { g.Grouping().SetHeaderColor(v); }));
    p.push_back(Colour(u"Grouping.HeaderColorTo", [](G& g) { return g.Grouping().HeaderColorTo(); },
        [](G& g, TColor v) { g.Grouping().SetHeaderColorTo(v); }));
    p.push_back(Colour(u"Grouping.HeaderTextColor", [](G& g) { return g.Grouping().HeaderTextColor(); },
        [](G& g, TColor v) { g.Grouping().SetHeaderTextColor(v); }));
    p.push_back(Boolean(u"Grouping.HeaderUnderline", [](G& g) { return g.Grouping().HeaderUnderline(); },
        [](G& g, bool v) { g.Grouping().SetHeaderUnderline(v); }));
    p.push_back(Colour(u"Grouping.HeaderLineColor", [](G& g) { return g.Grouping().HeaderLineColor(); },
        [](G& g, TColor v) { g.Grouping().SetHeaderLineColor(v); }));
    p.push_back(Integer(u"Grouping.HeaderLineWidth", [](G& g) { return g.Grouping().HeaderLineWidth(); },
        [](G& g, int32_t v) { g.Grouping().SetHeaderLineWidth(v); }));
    p.push_back(Colour(u"Grouping.SummaryColor", [](G& g) { return g.Grouping().SummaryColor(); },
        [](G& g, TColor v) { g.Grouping().SetSummaryColor(v); }));
    p.push_back(Colour(u"Grouping.SummaryColorTo", [](G& g) { return g.Grouping().SummaryColorTo(); },
        [](G& g, TColor v) { g.Grouping().SetSummaryColorTo(v); }));
    p.push_back(Colour(u"Grouping.SummaryTextColor", [](G& g) { return g.Grouping().SummaryTextColor(); },
        [](G& g, TColor v) { g.Grouping().SetSummaryTextColor(v); }));
    p.push_back(Boolean(u"Grouping.SummaryLine", [](G& g) { return g.Grouping().SummaryLine(); },
        [](G& g, bool v) { g.Grouping().SetSummaryLine(v); }));
    p.push_back(Colour(u"Grouping.SummaryLineColor", [](G& g) { return g.Grouping().SummaryLineColor(); },
        [](G& g, TColor v) { g.Grouping().SetSummaryLineColor(v); }));
    p.push_back(Integer(u"Grouping.SummaryLineWidth", [](G& g) { return g.Grouping().SummaryLineWidth(); },
        [](G& g, int32_t v) { g.Grouping().SetSummaryLineWidth(v); }));
    p.push_back(Colour(
        u"GridLineColor", [](G& g) { return g.GridLineColor(); }, [](G& g, TColor v) { g.SetGridLineColor(v); }));
    p.push_back(Colour(u"GridFixedLineColor", [](G& g) { return g.GridFixedLineColor(); },
        [](G& g, TColor v) { g.SetGridFixedLineColor(v); }));
    p.push_back(Integer(u"BackGround.Top", [](G& g) { return g.BackGround().Top(); },
        [](G& g, int32_t v) { g.BackGround().SetTop(v); }));
    p.push_back(Integer(u"BackGround.Left", [](G& g) { return g.BackGround().Left(); },
        [](G& g, int32_t v) { g.BackGround().SetLeft(v); }));
    p.push_back(Enumeration(u"BackGround.Display",
        { QStringLiteral("bdTile"), QStringLiteral("bdFixed"), QStringLiteral("bdGradientHorz"),
            QStringLiteral("bdGradientVert") },
        [](G& g) { return static_cast<int32_t>(g.BackGround().Display()); },
        [](G& g, int32_t v) { g.BackGround().SetDisplay(static_cast<TBackGroundDisplay>(v)); }));
    p.push_back(Enumeration(u"BackGround.Cells",
        { QStringLiteral("bcNormal"), QStringLiteral("bcFixed"), QStringLiteral("bcAll") },
        [](G& g) { return static_cast<int32_t>(g.BackGround().Cells()); },
        [](G& g, int32_t v) { g.BackGround().SetCells(static_cast<TBackGroundCells>(v)); }));
    p.push_back(Colour(u"BackGround.Color", [](G& g) { return g.BackGround().Color(); },
        [](G& g, TColor v) { g.BackGround().SetColor(v); }));
    p.push_back(Colour(u"BackGround.ColorTo", [](G& g) { return g.BackGround().ColorTo(); },
        [](G& g, TColor v) { g.BackGround().SetColorTo(v); }));
    return p;
}

} // namespace

const std::vector<TVisualProp>& VisualProps()
{
    static const std::vector<TVisualProp> props = MakeVisualProps();
    return props;
}
