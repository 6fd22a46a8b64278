#include "enocean/UEnOcean_Catalog.h"

#include "platform/core/FileUtils.h"
#include "platform/xml/XMLDocument.h"
#include "platform/xml/XMLReader.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

constexpr int32_t Rorg_Statusfields = 246;
constexpr int32_t Rorg_Datafields = 210;

// An element's value node: its one text or character-data node, null when
// the element is empty or absent. Anything else inside it (elements, text
// mixed with other nodes) makes it unreadable.
bool Value_Node(const TXMLNode& element, TXMLNode& value)
{
    value = TXMLNode();
    if (!element)
        return true;
    const TXMLNode only = element.Child(0);
    if (!only)
        return true;
    if (only.NextSibling() || (only.Kind() != TXMLNodeKind::Text && only.Kind() != TXMLNodeKind::CData))
        return false;
    value = only;
    return true;
}

bool Element_Text(const TXMLNode& element, String& text)
{
    TXMLNode value;
    if (!Value_Node(element, value))
        return false;
    text = value ? value.Text() : String();
    return true;
}

// Numbers default to 0: absent, empty or not a number.
bool Element_Number(const TXMLNode& element, int32_t& number)
{
    TXMLNode value;
    if (!Value_Node(element, value))
        return false;
    number = value ? value.ValueInt(0) : 0;
    return true;
}

bool Child_Text(const TXMLNode& parent, const char* name, String& text) { return Element_Text(parent.ChildNode(name), text); }

bool Child_Number(const TXMLNode& parent, const char* name, int32_t& number) { return Element_Number(parent.ChildNode(name), number); }

bool Read_Number_Title(const TXMLNode& element, int32_t& number, String& title)
{
    return Child_Number(element, "number", number) && Child_Text(element, "title", title);
}

// A display string made in one piece: the parts appended to a string of the
// right size.
String Joined(std::initializer_list<QStringView> parts)
{
    qsizetype size = 0;
    for (const QStringView part : parts)
        size += part.size();
    String text;
    text.reserve(size);
    for (const QStringView part : parts)
        text.append(part);
    return text;
}

// Decimal digits written backwards from end, without a string made for the
// number; returns where they start.
QChar* Put_Int(QChar* end, int32_t number)
{
    uint32_t magnitude = number < 0 ? 0U - static_cast<uint32_t>(number) : static_cast<uint32_t>(number);
    do {
        *--end = QChar(static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (number < 0)
        *--end = QChar(u'-');
    return end;
}

// A long text that is not plain text is left empty, and costs its data field nothing.
TKept_Text Kept(const TXMLChildValues& values, size_t index, const std::shared_ptr<TCatalog_Texts>& texts)
{
    const std::string_view bytes = values.Utf8(index);
    return bytes.empty() ? TKept_Text() : TKept_Text(texts, bytes);
}

// A condition field's value, bit offset and size.
TXMLChildValues Condition_Values(auto& element) { return TXMLChildValues(element, { "value", "bitoffs", "bitsize" }); }

// A data field's values, in the order Read_DataField_Values takes them.
TXMLChildValues Field_Values(auto& element)
{
    return TXMLChildValues(element, { "data", "shortcut", "description", "info", "bitoffs", "bitsize", "reserved" });
}

// Reads every child element called name into a new TChild; add takes those
// whose reading succeeded.
template <typename TChild, typename TRead, typename TAdd>
void Read_Children(const TXMLNode& element, const char* name, TRead read, TAdd add)
{
    for (TXMLNode child = element.Child(0); child; child = child.NextSibling()) {
        if (!child.IsElementNamed(name))
            continue;
        auto item = std::make_unique<TChild>();
        if (read(*item, child))
            add(std::move(item));
    }
}

} // namespace

String EnOcean_Number_Str(int32_t number, const String& title)
{
    QChar digits[8];
    QChar* const end = std::end(digits);
    QChar* start = end;
    uint32_t value = static_cast<uint32_t>(number);
    do {
        *--start = QChar(static_cast<char16_t>(u"0123456789ABCDEF"[value % 16]));
        value /= 16;
    } while (value != 0 || end - start < 2);
    return Joined({ u"0x", QStringView(start, end), u" : ", title });
}

std::string_view TCatalog_Texts::Keep(std::string_view bytes)
{
    // Blocks small enough for the heap to hand back for the next read; a
    // text larger than a quarter of one gets a block of its own.
    constexpr size_t Block_Size = 64 * 1024;
    if (bytes.size() > FFree_Size) {
        const size_t size = bytes.size() > Block_Size / 4 ? bytes.size() : Block_Size;
        FBlocks.push_back(std::make_unique_for_overwrite<char[]>(size));
        char* block = FBlocks.back().get();
        if (size != Block_Size)
            return { static_cast<const char*>(std::memcpy(block, bytes.data(), bytes.size())), bytes.size() };
        FFree = block;
        FFree_Size = size;
    }
    const std::string_view kept(static_cast<const char*>(std::memcpy(FFree, bytes.data(), bytes.size())), bytes.size());
    FFree += bytes.size();
    FFree_Size -= bytes.size();
    return kept;
}

TKept_Text::TKept_Text(const std::shared_ptr<TCatalog_Texts>& store, std::string_view bytes) : FStore(store), FBytes(store->Keep(bytes)) { }

TKept_Text::TKept_Text(const String& text)
{
    if (text.isEmpty())
        return;
    const auto store = std::make_shared<TCatalog_Texts>();
    FBytes = store->Keep(text.toStdString());
    FStore = store;
}

String TKept_Text::Text() const { return String::fromUtf8(FBytes.data(), static_cast<qsizetype>(FBytes.size())); }

bool TDataField::Read_DataField_XML(const TXMLNode& element, const std::shared_ptr<TCatalog_Texts>& texts)
{
    return Read_DataField_Values(Field_Values(element), texts);
}

bool TDataField::Read_DataField_Values(const TXMLChildValues& values, const std::shared_ptr<TCatalog_Texts>& texts)
{
    enum { Data, Shortcut, Description, Info, BitOffs, BitSize, Reserved };
    if (values.Has(Reserved) || !values.Readable(Data) || !values.Readable(Shortcut))
        return false;
    FData = values.Text(Data);
    FShortcut = values.Text(Shortcut);
    FDescription = Kept(values, Description, texts);
    FInfo = Kept(values, Info, texts);
    if (!values.Readable(BitOffs) || !values.Readable(BitSize))
        return false;
    FBitOffs = values.Int(BitOffs, 0);
    FBitSize = values.Int(BitSize, 0);
    return true;
}

// "data : offset, size", made in one allocation.
void TCase::Add_DataField(std::unique_ptr<TDataField> field)
{
    QChar numbers[2 * 11 + 2];
    QChar* const sizeEnd = std::end(numbers);
    QChar* const sizeStart = Put_Int(sizeEnd, field->BitSize());
    *(sizeStart - 1) = QChar(u' ');
    *(sizeStart - 2) = QChar(u',');
    QChar* const offsetStart = Put_Int(sizeStart - 2, field->BitOffs());
    const String& data = field->Data();
    const QStringView separator = u" : ";
    String text(data.size() + separator.size() + (sizeEnd - offsetStart), Qt::Uninitialized);
    QChar* out = text.data();
    out = std::copy(data.cbegin(), data.cend(), out);
    out = std::copy(separator.begin(), separator.end(), out);
    std::copy(offsetStart, sizeEnd, out);
    DataField_SL.Add(text);
    List_DataField.push_back(std::move(field));
}

bool TCase::Read_Case_XML(const TXMLNode& element, int32_t RorgNum, int32_t, int32_t, const std::shared_ptr<TCatalog_Texts>& texts)
{
    if (!Child_Text(element, "title", FTitle))
        return false;
    for (TXMLNode child = element.Child(0); child; child = child.NextSibling()) {
        if (child.IsElementNamed("datafield")) {
            auto field = std::make_unique<TDataField>();
            if (field->Read_DataField_XML(child, texts))
                Add_DataField(std::move(field));
        } else if (child.IsElementNamed("condition") && (RorgNum == Rorg_Statusfields || RorgNum == Rorg_Datafields)) {
            if (!Read_Condition(child, RorgNum))
                return false;
        }
    }
    return true;
}

bool TCase::Read_Condition(const TXMLNode& condition, int32_t RorgNum)
{
    Start_Condition();
    uint32_t caseId = 0;
    for (TXMLNode field = condition.Child(0); field; field = field.NextSibling()) {
        if (RorgNum == Rorg_Statusfields ? field.IsElementNamed("statusfield") : field.IsElementNamed("datafield")) {
            if (!Read_Condition_Field(Condition_Values(field), RorgNum, caseId))
                return false;
        }
    }
    if (RorgNum == Rorg_Statusfields)
        FCaseId = static_cast<int32_t>(caseId);
    return true;
}

void TCase::Start_Condition()
{
    FCaseId = 0;
    FCaseIdOffset = 0;
    FCaseIdSize = 0;
}

bool TCase::Read_Condition_Field(const TXMLChildValues& values, int32_t RorgNum, uint32_t& caseId)
{
    enum { Value, BitOffs, BitSize };
    if (RorgNum == Rorg_Statusfields) {
        // Each status field stands alone: a missing value, offset or size is 0.
        if (!values.Readable(Value))
            return false;
        const auto value = static_cast<uint8_t>(values.Int(Value, 0));
        if (value == 0)
            return true;
        if (!values.Readable(BitOffs) || !values.Readable(BitSize))
            return false;
        const auto bitOffs = static_cast<uint8_t>(values.Int(BitOffs, 0));
        // Offsets count from the most significant bit of one byte.
        if (static_cast<uint8_t>(values.Int(BitSize, 0)) != 0)
            caseId += static_cast<uint32_t>(value) << (static_cast<uint8_t>(7 - bitOffs) % 32);
        return true;
    }
    int32_t* const targets[] = { &FCaseId, &FCaseIdOffset, &FCaseIdSize };
    for (size_t index = 0; index < std::size(targets); ++index) {
        if (!values.Has(index))
            continue;
        if (!values.Readable(index))
            return false;
        *targets[index] = values.Int(index, 0);
    }
    return true;
}

void TType::Add_Case(std::unique_ptr<TCase> item)
{
    QChar digits[11];
    const QChar* const number = Put_Int(std::end(digits), static_cast<int32_t>(List_Case.size()) + 1);
    Case_SL.Add(Joined({ QStringView(number, std::end(digits)), u" -> ", item->Title() }));
    List_Case.push_back(std::move(item));
}

bool TType::Read_Type_XML(const TXMLNode& element, int32_t RorgNum, int32_t FuncNum, const std::shared_ptr<TCatalog_Texts>& texts)
{
    if (!Read_Number_Title(element, FNumber, FTitle))
        return false;
    Read_Children<TCase>(element, "case",
        [&](TCase& item, const TXMLNode& child) { return item.Read_Case_XML(child, RorgNum, FuncNum, FNumber, texts); },
        [this](std::unique_ptr<TCase> item) { Add_Case(std::move(item)); });
    return true;
}

void TFunc::Add_Type(std::unique_ptr<TType> item)
{
    Type_SL.Add(EnOcean_Number_Str(item->Number(), item->Title()));
    List_Type.push_back(std::move(item));
}

bool TFunc::Read_Func_XML(const TXMLNode& element, int32_t RorgNum, const std::shared_ptr<TCatalog_Texts>& texts)
{
    if (!Read_Number_Title(element, FNumber, FTitle))
        return false;
    // A type is kept even when its own reading failed.
    Read_Children<TType>(element, "type",
        [&](TType& item, const TXMLNode& child) {
            item.Read_Type_XML(child, RorgNum, FNumber, texts);
            return true;
        },
        [this](std::unique_ptr<TType> item) { Add_Type(std::move(item)); });
    return true;
}

void TRorg::Add_Func(std::unique_ptr<TFunc> item)
{
    Func_SL.Add(EnOcean_Number_Str(item->Number(), item->Title()));
    List_Func.push_back(std::move(item));
}

bool TRorg::Read_Rorg_XML(const TXMLNode& element, const std::shared_ptr<TCatalog_Texts>& texts)
{
    if (!Read_Number_Title(element, FNumber, FTitle))
        return false;
    Read_Children<TFunc>(element, "func", [&](TFunc& item, const TXMLNode& child) { return item.Read_Func_XML(child, FNumber, texts); },
        [this](std::unique_ptr<TFunc> item) { Add_Func(std::move(item)); });
    return true;
}

void TCatalog_EnOcean::Add_Rorg(std::unique_ptr<TRorg> item)
{
    Rorg_SL.Add(EnOcean_Number_Str(item->Number(), item->Title()));
    List_Rorg.push_back(std::move(item));
}

namespace {

// An entry's number or title: the first child element so called, read as a
// value. Absent reads as empty.
struct TEntry_Value {
    bool Found = false;
    bool Readable = true;
    std::string_view Text;

    int32_t Number() const { return Text.data() ? XMLTextInt(Text, 0) : 0; }
    String Title() const { return String::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size())); }
};

// The catalog in one pass over its file, without its tree, read exactly as
// the tree's reading reads it. Any fault of the file, and an entry whose
// children come in an order this reading cannot follow, end it with false:
// the tree's reading then reads the file and gives its message.
class TCatalog_Stream {
public:
    explicit TCatalog_Stream(const String& fileName) : FReader(fileName), FTexts(std::make_shared<TCatalog_Texts>()) { }

    bool Read(std::vector<std::unique_ptr<TRorg>>& rorgs)
    {
        TXMLToken token = FReader.Next();
        while (token == TXMLToken::Comment)
            token = FReader.Next();
        if (token != TXMLToken::Start || !FReader.IsNamed("profile"))
            return false;
        if (!FReader.Children([&] { return FReader.IsNamed("rorg") ? Rorg(rorgs) : FReader.Skip(); }))
            return false;
        while ((token = FReader.Next()) == TXMLToken::Comment) { }
        return token == TXMLToken::Done;
    }

private:
    // At a child's start: reads it into number or title when it is the
    // first so called (true in handled), or passes over a later one.
    bool Number_Title(TEntry_Value& number, TEntry_Value& title, bool& handled)
    {
        TEntry_Value* const value = FReader.IsNamed("number") ? &number : FReader.IsNamed("title") ? &title : nullptr;
        handled = value != nullptr;
        if (!value)
            return true;
        if (value->Found)
            return FReader.Skip();
        value->Found = true;
        return FReader.Value(value->Text, value->Readable);
    }

    // An entry's children up to its end: its number, its title, and each
    // child called childName, read by child.
    template <typename TChild>
    bool Entry(TEntry_Value& number, TEntry_Value& title, const char* childName, TChild child)
    {
        return FReader.Children([&] {
            bool handled = false;
            if (!Number_Title(number, title, handled))
                return false;
            if (handled)
                return true;
            return FReader.IsNamed(childName) ? child() : FReader.Skip();
        });
    }

    bool Rorg(std::vector<std::unique_ptr<TRorg>>& rorgs)
    {
        auto item = std::make_unique<TRorg>();
        TEntry_Value number, title;
        const bool read = Entry(number, title, "func", [&] {
            // The cases below need the RORG's number: one given after them
            // is left to the tree's reading.
            if (!number.Found)
                return false;
            return number.Readable ? Func(*item, number.Number()) : FReader.Skip();
        });
        if (!read)
            return false;
        if (number.Readable && title.Readable) {
            item->SetNumber(number.Number());
            item->SetTitle(title.Title());
            rorgs.push_back(std::move(item));
        }
        return true;
    }

    bool Func(TRorg& rorg, int32_t RorgNum)
    {
        auto item = std::make_unique<TFunc>();
        TEntry_Value number, title;
        const bool read = Entry(number, title, "type", [&] { return Type(*item, RorgNum); });
        if (!read)
            return false;
        if (number.Readable && title.Readable) {
            item->SetNumber(number.Number());
            item->SetTitle(title.Title());
            rorg.Add_Func(std::move(item));
        }
        return true;
    }

    // A type is kept whatever its reading gave; its cases only when its
    // number and title could be read.
    bool Type(TFunc& func, int32_t RorgNum)
    {
        auto item = std::make_unique<TType>();
        TEntry_Value number, title;
        std::vector<std::unique_ptr<TCase>> cases;
        const bool read = Entry(number, title, "case", [&] { return Case(cases, RorgNum); });
        if (!read)
            return false;
        if (number.Readable) {
            item->SetNumber(number.Number());
            if (title.Readable) {
                item->SetTitle(title.Title());
                for (std::unique_ptr<TCase>& found : cases)
                    item->Add_Case(std::move(found));
            }
        }
        func.Add_Type(std::move(item));
        return true;
    }

    bool Case(std::vector<std::unique_ptr<TCase>>& cases, int32_t RorgNum)
    {
        auto item = std::make_unique<TCase>();
        TEntry_Value title;
        // A condition that cannot be read drops the case, and the reading
        // of the case stops there.
        bool dropped = false;
        const bool read = FReader.Children([&] {
            if (FReader.IsNamed("title")) {
                if (title.Found)
                    return FReader.Skip();
                title.Found = true;
                return FReader.Value(title.Text, title.Readable);
            }
            if (dropped)
                return FReader.Skip();
            if (FReader.IsNamed("datafield")) {
                auto field = std::make_unique<TDataField>();
                const TXMLChildValues values = Field_Values(FReader);
                if (FReader.Refused())
                    return false;
                if (field->Read_DataField_Values(values, FTexts))
                    item->Add_DataField(std::move(field));
                return true;
            }
            if (FReader.IsNamed("condition") && (RorgNum == Rorg_Statusfields || RorgNum == Rorg_Datafields))
                return Condition(*item, RorgNum, dropped);
            return FReader.Skip();
        });
        if (!read)
            return false;
        if (title.Readable && !dropped) {
            item->SetTitle(title.Title());
            cases.push_back(std::move(item));
        }
        return true;
    }

    bool Condition(TCase& item, int32_t RorgNum, bool& dropped)
    {
        item.Start_Condition();
        uint32_t caseId = 0;
        const char* const field = RorgNum == Rorg_Statusfields ? "statusfield" : "datafield";
        const bool read = FReader.Children([&] {
            if (dropped || !FReader.IsNamed(field))
                return FReader.Skip();
            const TXMLChildValues values = Condition_Values(FReader);
            if (FReader.Refused())
                return false;
            dropped = !item.Read_Condition_Field(values, RorgNum, caseId);
            return true;
        });
        if (RorgNum == Rorg_Statusfields)
            item.SetCaseId(static_cast<int32_t>(caseId));
        return read;
    }

    TXMLReader FReader;
    std::shared_ptr<TCatalog_Texts> FTexts;
};

} // namespace

bool TCatalog_EnOcean::Read_Cat_EnOcean_XML(const String& fileName)
{
    FRead_Error.clear();
    if (!FileExists(fileName)) {
        FRead_Error = QStringLiteral("The EnOcean profile catalog \"%1\" does not exist.").arg(fileName);
        return false;
    }
    if (Stream_Catalog(fileName))
        return true;
    TXMLDocument document;
    try {
        document.LoadFromFile(fileName);
    } catch (const EXMLError& error) {
        FRead_Error = QStringLiteral("The EnOcean profile catalog cannot be read: %1").arg(error.Message());
        return false;
    }
    const TXMLNode profile = document.TopElement(QStringLiteral("profile"));
    const auto texts = std::make_shared<TCatalog_Texts>();
    Read_Children<TRorg>(profile, "rorg", [&texts](TRorg& item, const TXMLNode& child) { return item.Read_Rorg_XML(child, texts); },
        [this](std::unique_ptr<TRorg> item) { Add_Rorg(std::move(item)); });
    return true;
}

bool TCatalog_EnOcean::Stream_Catalog(const String& fileName)
{
    std::vector<std::unique_ptr<TRorg>> rorgs;
    try {
        if (!TCatalog_Stream(fileName).Read(rorgs))
            return false;
    } catch (const Exception&) {
        return false;
    }
    for (std::unique_ptr<TRorg>& item : rorgs)
        Add_Rorg(std::move(item));
    return true;
}

const TRorg* TCatalog_EnOcean::First_Rorg(int32_t RorgNum) const
{
    const int32_t index = Get_RorgNum_Index(RorgNum);
    return index < 0 ? nullptr : List_Rorg[static_cast<size_t>(index)].get();
}

namespace {

template <typename TList>
int32_t Number_Index(const TList& list, int32_t number)
{
    for (size_t index = 0; index < list.size(); ++index) {
        if (list[index]->Number() == number)
            return static_cast<int32_t>(index);
    }
    return -1;
}

bool Holds_Case(const TType& type, int32_t CaseIndex)
{
    return CaseIndex >= 0 && static_cast<size_t>(CaseIndex) < type.List_Case.size();
}

} // namespace

int32_t TCatalog_EnOcean::Get_RorgNum_Index(int32_t RorgNum) const { return Number_Index(List_Rorg, RorgNum); }

int32_t TCatalog_EnOcean::Get_FuncNum_Index(int32_t RorgNum, int32_t FuncNum) const
{
    const TRorg* rorg = First_Rorg(RorgNum);
    return rorg ? Number_Index(rorg->List_Func, FuncNum) : -1;
}

int32_t TCatalog_EnOcean::Get_TypeNum_Index(int32_t RorgNum, int32_t FuncNum, int32_t TypeNum) const
{
    const int32_t funcIndex = Get_FuncNum_Index(RorgNum, FuncNum);
    if (funcIndex < 0)
        return -1;
    return Number_Index(First_Rorg(RorgNum)->List_Func[static_cast<size_t>(funcIndex)]->List_Type, TypeNum);
}

int32_t TCatalog_EnOcean::Get_DataField_Index(int32_t RorgNum, int32_t FuncNum, int32_t TypeNum, int32_t CaseIndex, const String& Data) const
{
    const int32_t funcIndex = Get_FuncNum_Index(RorgNum, FuncNum);
    if (funcIndex < 0)
        return -1;
    for (const auto& type : First_Rorg(RorgNum)->List_Func[static_cast<size_t>(funcIndex)]->List_Type) {
        if (type->Number() != TypeNum || !Holds_Case(*type, CaseIndex))
            continue;
        const auto& fields = type->List_Case[static_cast<size_t>(CaseIndex)]->List_DataField;
        for (size_t index = 0; index < fields.size(); ++index) {
            if (fields[index]->Data() == Data)
                return static_cast<int32_t>(index);
        }
        return -1;
    }
    return -1;
}

const TType* TCatalog_EnOcean::Type_With_Case(int32_t RorgNum, int32_t FuncNum, int32_t TypeNum, int32_t CaseIndex) const
{
    for (const auto& rorg : List_Rorg) {
        if (rorg->Number() != RorgNum)
            continue;
        for (const auto& func : rorg->List_Func) {
            if (func->Number() != FuncNum)
                continue;
            for (const auto& type : func->List_Type) {
                if (type->Number() == TypeNum && Holds_Case(*type, CaseIndex))
                    return type.get();
            }
        }
    }
    return nullptr;
}

const TCase* TCatalog_EnOcean::Get_CaseObj(int32_t RorgNum, int32_t FuncNum, int32_t TypeNum, int32_t CaseIndex) const
{
    const TType* type = Type_With_Case(RorgNum, FuncNum, TypeNum, CaseIndex);
    return type ? type->List_Case[static_cast<size_t>(CaseIndex)].get() : nullptr;
}

String TCatalog_EnOcean::Get_Rorg_Name_Str(int32_t RorgNum) const
{
    const int32_t index = Get_RorgNum_Index(RorgNum);
    return index < 0 ? String() : Rorg_SL[index];
}

String TCatalog_EnOcean::Get_Func_Name_Str(int32_t RorgNum, int32_t FuncNum) const
{
    for (const auto& rorg : List_Rorg) {
        if (rorg->Number() != RorgNum)
            continue;
        const int32_t index = Number_Index(rorg->List_Func, FuncNum);
        if (index >= 0)
            return rorg->Func_SL[index];
    }
    return {};
}

String TCatalog_EnOcean::Get_Type_Name_Str(int32_t RorgNum, int32_t FuncNum, int32_t TypeNum) const
{
    for (const auto& rorg : List_Rorg) {
        if (rorg->Number() != RorgNum)
            continue;
        for (const auto& func : rorg->List_Func) {
            if (func->Number() != FuncNum)
                continue;
            const int32_t index = Number_Index(func->List_Type, TypeNum);
            if (index >= 0)
                return func->Type_SL[index];
        }
    }
    return {};
}

String TCatalog_EnOcean::Get_Case_Name_Str(int32_t RorgNum, int32_t FuncNum, int32_t TypeNum, int32_t CaseIndex) const
{
    const TType* type = Type_With_Case(RorgNum, FuncNum, TypeNum, CaseIndex);
    return type ? type->Case_SL[CaseIndex] : String();
}
