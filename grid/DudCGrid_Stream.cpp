#include "grid/DudCGrid_IO.h"

#include "grid/DudOder_EditLink.h"
#include "platform/core/Streams.h"
#include "platform/ui/Menus.h"

#include <QByteArray>

#include <limits>
#include <vector>

// The column stream: the signature, the carrier's class and name, then its
// property list, where Items holds one property list per column. A property
// is its name (a length byte and the characters) and a tagged value.

TDudColumnGridIO::TDudColumnGridIO(TDudColumnGrid& owner)
    : TComponent(&owner), FItems(std::make_unique<TGridColumnCollection>(&owner))
{
}

TDudColumnGridIO::~TDudColumnGridIO() = default;

namespace {

constexpr char Signature[4] = { 'T', 'P', 'F', '0' };
const String CarrierClass = QStringLiteral("TDudColumnGridIO");

enum TValueTag : uint8_t { vtEnd = 0, vtLines = 1, vtInt = 2, vtFalse = 3, vtTrue = 4, vtText = 5, vtCollection = 6, vtItem = 7 };
enum class TKind { Int, Bool, Text, Lines };

struct TValue {
    int32_t Int = 0;
    bool Flag = false;
    String Text;
    std::vector<String> Lines;
};

struct TColumnProperty {
    const char* Name;
    TKind Kind;
    int32_t Min;
    int32_t Max;
    TValue (*Get)(const TGridColumnItem& item);
    void (*Set)(TGridColumnItem& item, const TValue& value);
};

constexpr int32_t IntMin = std::numeric_limits<int32_t>::min();
constexpr int32_t IntMax = std::numeric_limits<int32_t>::max();

TValue IntValue(int32_t value) { return TValue { .Int = value }; }
TValue ColorValue(TColor value) { return TValue { .Int = static_cast<int32_t>(value) }; }
TValue FlagValue(bool value) { return TValue { .Flag = value }; }
TValue TextValue(const String& value) { return TValue { .Text = value }; }
TColor AsColor(const TValue& value) { return static_cast<TColor>(value.Int); }

TValue LinesValue(const TStrings& lines)
{
    TValue value;
    for (int32_t line = 0; line < lines.Count(); ++line)
        value.Lines.push_back(lines.Strings(line));
    return value;
}

template <class Set>
Set AsSet(const TValue& value)
{
    return Set::FromBits(static_cast<uint32_t>(value.Int));
}

TFont WithFont(const TFont& font, void (*change)(TFont&, const TValue&), const TValue& value)
{
    TFont copy(font);
    change(copy, value);
    return copy;
}

TPen WithPen(const TPen& pen, void (*change)(TPen&, const TValue&), const TValue& value)
{
    TPen copy;
    copy.Assign(pen);
    change(copy, value);
    return copy;
}

// A referenced component is one of the form the grid is on.
template <class Component>
Component* FindReferenced(const TGridColumnItem& item, const String& name)
{
    const TDudColumnGrid* grid = item.Grid();
    TComponent* owner = grid ? grid->Owner() : nullptr;
    return owner && !name.isEmpty() ? dynamic_cast<Component*>(owner->FindComponent(name)) : nullptr;
}

String ReferenceName(const TComponent* component)
{
    return component ? component->Name() : String();
}

constexpr auto LastAlignment = static_cast<int32_t>(taCenter);
constexpr int32_t AllBorders = 15;
constexpr int32_t AllFontStyles = 15;
// Beyond these a column, a font or a line is nothing the grid can paint:
// its coordinates and glyph sizes would overflow, so a stream holding them
// is refused rather than loaded.
constexpr int32_t MaxColumnWidth = 32767;
constexpr int32_t MaxFontHeight = 2048;
constexpr int32_t MaxPenWidth = 255;

#define FONT_PROPERTIES(prefix, getter, setter)                                                                      \
    { prefix ".Color", TKind::Int, IntMin, IntMax, [](const TGridColumnItem& i) { return ColorValue(i.getter().Color()); }, \
        [](TGridColumnItem& i, const TValue& v) {                                                                   \
            i.setter(WithFont(i.getter(), [](TFont& f, const TValue& x) { f.SetColor(AsColor(x)); }, v));           \
        } },                                                                                                         \
        { prefix ".Height", TKind::Int, -MaxFontHeight, MaxFontHeight, [](const TGridColumnItem& i) { return IntValue(i.getter().Height()); }, \
            [](TGridColumnItem& i, const TValue& v) {                                                               \
                i.setter(WithFont(i.getter(), [](TFont& f, const TValue& x) { f.SetHeight(x.Int); }, v));           \
            } },                                                                                                     \
        { prefix ".Name", TKind::Text, 0, 0, [](const TGridColumnItem& i) { return TextValue(i.getter().Name()); }, \
            [](TGridColumnItem& i, const TValue& v) {                                                               \
                i.setter(WithFont(i.getter(), [](TFont& f, const TValue& x) { f.SetName(x.Text); }, v));            \
            } },                                                                                                     \
        { prefix ".Style", TKind::Int, 0, AllFontStyles,                                                             \
            [](const TGridColumnItem& i) { return IntValue(static_cast<int32_t>(i.getter().Style().Bits())); },      \
            [](TGridColumnItem& i, const TValue& v) {                                                               \
                i.setter(WithFont(i.getter(), [](TFont& f, const TValue& x) { f.SetStyle(AsSet<TFontStyles>(x)); }, v)); \
            } }

#define PEN_PROPERTIES(prefix, getter, setter)                                                                       \
    { prefix ".Color", TKind::Int, IntMin, IntMax, [](const TGridColumnItem& i) { return ColorValue(i.getter().Color()); }, \
        [](TGridColumnItem& i, const TValue& v) {                                                                   \
            i.setter(WithPen(i.getter(), [](TPen& p, const TValue& x) { p.SetColor(AsColor(x)); }, v));             \
        } },                                                                                                         \
        { prefix ".Style", TKind::Int, 0, static_cast<int32_t>(TPenStyle::psInsideFrame),                          \
            [](const TGridColumnItem& i) { return IntValue(static_cast<int32_t>(i.getter().Style())); },             \
            [](TGridColumnItem& i, const TValue& v) {                                                               \
                i.setter(WithPen(i.getter(), [](TPen& p, const TValue& x) { p.SetStyle(static_cast<TPenStyle>(x.Int)); }, v)); \
            } },                                                                                                     \
        { prefix ".Width", TKind::Int, 0, MaxPenWidth, [](const TGridColumnItem& i) { return IntValue(i.getter().Width()); }, \
            [](TGridColumnItem& i, const TValue& v) {                                                               \
                i.setter(WithPen(i.getter(), [](TPen& p, const TValue& x) { p.SetWidth(x.Int); }, v));              \
            } }

#define INT_PROPERTY(name, min, max, getter, setter, type)                                                          \
    { name, TKind::Int, min, max, [](const TGridColumnItem& i) { return IntValue(static_cast<int32_t>(i.getter())); }, \
        [](TGridColumnItem& i, const TValue& v) { i.setter(static_cast<type>(v.Int)); } }
#define COLOR_PROPERTY(name, getter, setter)                                                                         \
    { name, TKind::Int, IntMin, IntMax, [](const TGridColumnItem& i) { return ColorValue(i.getter()); },            \
        [](TGridColumnItem& i, const TValue& v) { i.setter(AsColor(v)); } }
#define BOOL_PROPERTY(name, getter, setter)                                                                          \
    { name, TKind::Bool, 0, 0, [](const TGridColumnItem& i) { return FlagValue(i.getter()); },                      \
        [](TGridColumnItem& i, const TValue& v) { i.setter(v.Flag); } }
#define TEXT_PROPERTY(name, getter, setter)                                                                          \
    { name, TKind::Text, 0, 0, [](const TGridColumnItem& i) { return TextValue(i.getter()); },                      \
        [](TGridColumnItem& i, const TValue& v) { i.setter(v.Text); } }
#define LINES_PROPERTY(name, getter, setter)                                                                         \
    { name, TKind::Lines, 0, 0, [](const TGridColumnItem& i) { return LinesValue(i.getter()); },                    \
        [](TGridColumnItem& i, const TValue& v) {                                                                   \
            TStringList lines;                                                                                       \
            for (const String& line : v.Lines)                                                                       \
                lines.Add(line);                                                                                     \
            i.setter(lines);                                                                                         \
        } }
#define BORDERS_PROPERTY(name, getter, setter)                                                                       \
    { name, TKind::Int, 0, AllBorders, [](const TGridColumnItem& i) { return IntValue(static_cast<int32_t>(i.getter().Bits())); }, \
        [](TGridColumnItem& i, const TValue& v) { i.setter(AsSet<TCellBorders>(v)); } }

// The published settings in the order they are written; fonts and pens as
// their own settings under dotted names; referenced components by name.
const TColumnProperty ColumnProperties[] = {
    INT_PROPERTY("AutoMinSize", IntMin, MaxColumnWidth, AutoMinSize, SetAutoMinSize, int32_t),
    INT_PROPERTY("AutoMaxSize", IntMin, IntMax, AutoMaxSize, SetAutoMaxSize, int32_t),
    INT_PROPERTY("Alignment", 0, LastAlignment, Alignment, SetAlignment, TAlignment),
    BORDERS_PROPERTY("Borders", Borders, SetBorders),
    PEN_PROPERTIES("BorderPen", BorderPen, SetBorderPen),
    TEXT_PROPERTY("CheckFalse", CheckFalse, SetCheckFalse),
    TEXT_PROPERTY("CheckTrue", CheckTrue, SetCheckTrue),
    COLOR_PROPERTY("Color", Color, SetColor),
    { "ColumnPopup", TKind::Text, 0, 0,
        [](const TGridColumnItem& i) { return TextValue(ReferenceName(i.ColumnPopup())); },
        [](TGridColumnItem& i, const TValue& v) { i.SetColumnPopup(FindReferenced<TPopupMenu>(i, v.Text)); } },
    INT_PROPERTY("ColumnPopupType", cpFixedCellsRClick, cpAllCellsLClick, ColumnPopupType, SetColumnPopupType, TColumnPopupType),
    LINES_PROPERTY("ComboItems", ComboItems, SetComboItems),
    INT_PROPERTY("DropDownCount", IntMin, IntMax, DropDownCount, SetDropDownCount, int32_t),
    { "EditLink", TKind::Text, 0, 0, [](const TGridColumnItem& i) { return TextValue(ReferenceName(i.EditLink())); },
        [](TGridColumnItem& i, const TValue& v) { i.SetEditLink(FindReferenced<TEditLink>(i, v.Text)); } },
    INT_PROPERTY("EditLength", IntMin, IntMax, EditLength, SetEditLength, int32_t),
    TEXT_PROPERTY("EditMask", EditMask, SetEditMask),
    INT_PROPERTY("Editor", 0, edMaskEditBtn, Editor, SetEditor, TEditorType),
    LINES_PROPERTY("Filter", Filter, SetFilter),
    BOOL_PROPERTY("FilterCaseSensitive", FilterCaseSensitive, SetFilterCaseSensitive),
    BOOL_PROPERTY("Fixed", Fixed, SetFixed),
    TEXT_PROPERTY("FloatFormat", FloatFormat, SetFloatFormat),
    FONT_PROPERTIES("Font", Font, SetFont),
    TEXT_PROPERTY("Header", Header, SetHeader),
    INT_PROPERTY("HeaderAlignment", 0, LastAlignment, HeaderAlignment, SetHeaderAlignment, TAlignment),
    FONT_PROPERTIES("HeaderFont", HeaderFont, SetHeaderFont),
    INT_PROPERTY("MinSize", IntMin, MaxColumnWidth, MinSize, SetMinSize, int32_t),
    INT_PROPERTY("MaxSize", IntMin, IntMax, MaxSize, SetMaxSize, int32_t),
    TEXT_PROPERTY("Name", Name, SetName),
    BOOL_PROPERTY("Password", Password, SetPassword),
    BOOL_PROPERTY("PrintBorderCustom", PrintBorderCustom, SetPrintBorderCustom),
    BORDERS_PROPERTY("PrintBorders", PrintBorders, SetPrintBorders),
    PEN_PROPERTIES("PrintBorderPen", PrintBorderPen, SetPrintBorderPen),
    COLOR_PROPERTY("PrintColor", PrintColor, SetPrintColor),
    BOOL_PROPERTY("PrintFontCustom", PrintFontCustom, SetPrintFontCustom),
    FONT_PROPERTIES("PrintFont", PrintFont, SetPrintFont),
    BOOL_PROPERTY("ReadOnly", ReadOnly, SetReadOnly),
    BOOL_PROPERTY("ShowBands", ShowBands, SetShowBands),
    INT_PROPERTY("SortStyle", 0, ssAlphaNumericNoCase, SortStyle, SetSortStyle, TSortStyle),
    TEXT_PROPERTY("SortPrefix", SortPrefix, SetSortPrefix),
    TEXT_PROPERTY("SortSuffix", SortSuffix, SetSortSuffix),
    INT_PROPERTY("SpinMax", IntMin, IntMax, SpinMax, SetSpinMax, int32_t),
    INT_PROPERTY("SpinMin", IntMin, IntMax, SpinMin, SetSpinMin, int32_t),
    INT_PROPERTY("SpinStep", IntMin, IntMax, SpinStep, SetSpinStep, int32_t),
    INT_PROPERTY("Tag", IntMin, IntMax, Tag, SetTag, int32_t),
    INT_PROPERTY("Width", -1, MaxColumnWidth, Width, SetWidth, int32_t),
};

#undef FONT_PROPERTIES
#undef PEN_PROPERTIES
#undef INT_PROPERTY
#undef COLOR_PROPERTY
#undef BOOL_PROPERTY
#undef TEXT_PROPERTY
#undef LINES_PROPERTY
#undef BORDERS_PROPERTY

// Whether the value differs from what reading nothing would leave.
bool IsStored(const TColumnProperty& property, const TValue& value)
{
    const String name = QLatin1String(property.Name);
    if (name == QLatin1String("PrintBorderCustom") || name == QLatin1String("PrintFontCustom"))
        return !value.Flag;
    switch (property.Kind) {
    case TKind::Text:
        return !value.Text.isEmpty();
    case TKind::Lines:
        return !value.Lines.empty();
    case TKind::Int:
    case TKind::Bool:
        break;
    }
    return true;
}

class TStreamWriter {
public:
    explicit TStreamWriter(TStream& stream) : FStream(stream) { }

    void Bytes(const char* data, int64_t count) { FStream.WriteBuffer(data, count); }
    void Byte(uint8_t value) { FStream.WriteBuffer(&value, 1); }
    void Int(int32_t value)
    {
        const auto bits = static_cast<uint32_t>(value);
        const uint8_t bytes[4] = { static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
            static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24) };
        FStream.WriteBuffer(bytes, 4);
    }
    void Name(const String& name)
    {
        const QByteArray bytes = name.toUtf8();
        Byte(static_cast<uint8_t>(bytes.size()));
        Bytes(bytes.constData(), bytes.size());
    }
    void Text(const String& text)
    {
        const QByteArray bytes = text.toUtf8();
        Int(static_cast<int32_t>(bytes.size()));
        Bytes(bytes.constData(), bytes.size());
    }
    void Value(TKind kind, const TValue& value)
    {
        switch (kind) {
        case TKind::Int:
            Byte(vtInt);
            Int(value.Int);
            break;
        case TKind::Bool:
            Byte(value.Flag ? vtTrue : vtFalse);
            break;
        case TKind::Text:
            Byte(vtText);
            Text(value.Text);
            break;
        case TKind::Lines:
            Byte(vtLines);
            for (const String& line : value.Lines) {
                Byte(vtText);
                Text(line);
            }
            Byte(vtEnd);
            break;
        }
    }

private:
    TStream& FStream;
};

[[noreturn]] void Malformed(const String& why)
{
    throw EReadError(QStringLiteral("Invalid column stream: %1").arg(why));
}

class TStreamReader {
public:
    explicit TStreamReader(TStream& stream) : FStream(stream) { }

    uint8_t Byte()
    {
        uint8_t value = 0;
        if (FStream.Read(&value, 1) != 1)
            Malformed(QStringLiteral("it ends too early"));
        return value;
    }
    int32_t Int()
    {
        uint32_t bits = 0;
        for (int shift = 0; shift < 32; shift += 8)
            bits |= static_cast<uint32_t>(Byte()) << shift;
        return static_cast<int32_t>(bits);
    }
    String Name() { return Utf8(Byte()); }
    String Text()
    {
        const int32_t count = Int();
        if (count < 0 || count > FStream.Size() - FStream.Position())
            Malformed(QStringLiteral("a text is longer than the stream"));
        return Utf8(count);
    }
    TValue Value(const TColumnProperty& property)
    {
        const uint8_t tag = Byte();
        TValue value;
        switch (property.Kind) {
        case TKind::Int:
            Expect(tag == vtInt, property);
            value.Int = Int();
            if (value.Int < property.Min || value.Int > property.Max)
                Malformed(QStringLiteral("%1 is out of range").arg(QLatin1String(property.Name)));
            break;
        case TKind::Bool:
            Expect(tag == vtTrue || tag == vtFalse, property);
            value.Flag = tag == vtTrue;
            break;
        case TKind::Text:
            Expect(tag == vtText, property);
            value.Text = Text();
            break;
        case TKind::Lines:
            Expect(tag == vtLines, property);
            for (uint8_t next = Byte(); next != vtEnd; next = Byte()) {
                Expect(next == vtText, property);
                value.Lines.push_back(Text());
            }
            break;
        }
        return value;
    }

private:
    String Utf8(int64_t count)
    {
        QByteArray bytes(static_cast<qsizetype>(count), Qt::Uninitialized);
        if (count > 0 && FStream.Read(bytes.data(), count) != count)
            Malformed(QStringLiteral("it ends too early"));
        return String::fromUtf8(bytes);
    }
    static void Expect(bool fits, const TColumnProperty& property)
    {
        if (!fits)
            Malformed(QStringLiteral("%1 has a value of the wrong kind").arg(QLatin1String(property.Name)));
    }

    TStream& FStream;
};

const TColumnProperty* FindProperty(const String& name)
{
    for (const TColumnProperty& property : ColumnProperties)
        if (name == QLatin1String(property.Name))
            return &property;
    return nullptr;
}

using TStoredItem = std::vector<std::pair<const TColumnProperty*, TValue>>;

std::vector<TStoredItem> ReadItems(TStreamReader& reader)
{
    std::vector<TStoredItem> items;
    for (uint8_t tag = reader.Byte(); tag != vtEnd; tag = reader.Byte()) {
        if (tag != vtItem)
            Malformed(QStringLiteral("a column is not where one belongs"));
        TStoredItem& item = items.emplace_back();
        for (String name = reader.Name(); !name.isEmpty(); name = reader.Name()) {
            const TColumnProperty* property = FindProperty(name);
            if (!property)
                Malformed(QStringLiteral("unknown column setting \"%1\"").arg(name));
            item.emplace_back(property, reader.Value(*property));
        }
    }
    return items;
}

// The whole stream is read before any of it is applied.
std::vector<TStoredItem> ReadColumnStream(TStream& stream)
{
    TStreamReader reader(stream);
    char signature[4] = {};
    for (char& byte : signature)
        byte = static_cast<char>(reader.Byte());
    if (!std::equal(std::begin(signature), std::end(signature), std::begin(Signature)))
        Malformed(QStringLiteral("wrong signature"));
    if (reader.Name() != CarrierClass)
        Malformed(QStringLiteral("it holds no columns"));
    reader.Name();
    std::vector<TStoredItem> items;
    for (String name = reader.Name(); !name.isEmpty(); name = reader.Name()) {
        if (name != QLatin1String("Items"))
            Malformed(QStringLiteral("unknown setting \"%1\"").arg(name));
        if (reader.Byte() != vtCollection)
            Malformed(QStringLiteral("Items has a value of the wrong kind"));
        items = ReadItems(reader);
    }
    if (reader.Byte() != vtEnd)
        Malformed(QStringLiteral("it does not end where it should"));
    return items;
}

// Assign leaves out the popup type and the print switches; a stream keeps them.
void CopyItem(TGridColumnItem& target, const TGridColumnItem& source)
{
    target.Assign(source);
    target.SetColumnPopupType(source.ColumnPopupType());
    target.SetPrintBorderCustom(source.PrintBorderCustom());
    target.SetPrintFontCustom(source.PrintFontCustom());
}

class TQuietColumns {
public:
    explicit TQuietColumns(TGridColumnCollection& columns) : FColumns(columns) { FColumns.SetNoRecursiveUpdate(true); }
    ~TQuietColumns() { FColumns.SetNoRecursiveUpdate(false); }
    TQuietColumns(const TQuietColumns&) = delete;
    TQuietColumns& operator=(const TQuietColumns&) = delete;

private:
    TGridColumnCollection& FColumns;
};

} // namespace

void TDudColumnGrid::SaveColumnsToStream(TStream& stream) const
{
    TStreamWriter writer(stream);
    writer.Bytes(Signature, 4);
    writer.Name(CarrierClass);
    writer.Name(String());
    writer.Name(QStringLiteral("Items"));
    writer.Byte(vtCollection);
    for (int32_t index = 0; index < FColumnCollection->Count(); ++index) {
        const TGridColumnItem& item = *FColumnCollection->Items(index);
        writer.Byte(vtItem);
        for (const TColumnProperty& property : ColumnProperties) {
            const TValue value = property.Get(item);
            if (!IsStored(property, value))
                continue;
            writer.Name(QLatin1String(property.Name));
            writer.Value(property.Kind, value);
        }
        writer.Byte(vtEnd);
    }
    writer.Byte(vtEnd);
    writer.Byte(vtEnd);
    writer.Byte(vtEnd);
}

void TDudColumnGrid::LoadColumnsFromStream(TStream& stream)
{
    const std::vector<TStoredItem> stored = ReadColumnStream(stream);
    const TQuietColumns quietGrid(*FColumnCollection);
    TDudColumnGridIO carrier(*this);
    const TQuietColumns quietCarrier(carrier.Items());
    const auto count = std::min(static_cast<int32_t>(stored.size()), FColumnCollection->Count());
    for (int32_t index = 0; index < count; ++index) {
        auto* item = static_cast<TGridColumnItem*>(carrier.Items().TCollection::Add());
        for (const auto& [property, value] : stored[static_cast<size_t>(index)])
            property->Set(*item, value);
    }
    for (int32_t index = 0; index < count; ++index)
        CopyItem(*FColumnCollection->Items(index), *carrier.Items().Items(index));
    UpdateColumnHeaders();
    Invalidate();
}
