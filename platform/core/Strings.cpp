#include "platform/core/Strings.h"

#include "platform/core/FileUtils.h"
#include "platform/core/Streams.h"
#include "platform/core/SysUtils.h"

namespace {

// Reads a quoted part starting at the opening quote; a doubled quote stands
// for one, and a missing closing quote takes the rest of the text.
String ExtractQuoted(const String& text, qsizetype& position, QChar quoteChar)
{
    String result;
    ++position;
    while (position < text.size()) {
        if (text[position] == quoteChar) {
            if (position + 1 < text.size() && text[position + 1] == quoteChar) {
                result += quoteChar;
                position += 2;
                continue;
            }
            ++position;
            break;
        }
        result += text[position++];
    }
    return result;
}

std::string FileContent(const String& fileName)
{
    const TBytes bytes = ReadFileBytes(fileName);
    return std::string(bytes.begin(), bytes.end());
}

std::string StreamRest(TStream& stream)
{
    std::string bytes(static_cast<size_t>(std::max<int64_t>(0, stream.Size() - stream.Position())), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    return bytes;
}

String FileSource(const String& fileName) { return QStringLiteral("The file \"%1\"").arg(fileName); }

} // namespace

void TStrings::ListIndexError(int32_t index)
{
    throw EStringListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

void TStrings::Assign(const TPersistent& source)
{
    const auto* strings = dynamic_cast<const TStrings*>(&source);
    if (!strings) {
        TPersistent::Assign(source);
        return;
    }
    if (strings == this) return;
    BeginUpdate();
    try {
        Clear();
        FLineBreak = strings->FLineBreak;
        FDelimiter = strings->FDelimiter;
        FQuoteChar = strings->FQuoteChar;
        FNameValueSeparator = strings->FNameValueSeparator;
        FStrictDelimiter = strings->FStrictDelimiter;
        AddStrings(*strings);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int32_t TStrings::Add(const String& text)
{
    const int32_t index = Count();
    Insert(index, text);
    return index;
}

int32_t TStrings::AddObject(const String& text, void* object)
{
    const int32_t index = Add(text);
    PutObject(index, object);
    return index;
}

void TStrings::AddStrings(const TStrings& strings)
{
    BeginUpdate();
    try {
        const int32_t count = strings.Count();
        for (int32_t index = 0; index < count; ++index) AddObject(strings.Get(index), strings.GetObject(index));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::InsertObject(int32_t index, const String& text, void* object)
{
    Insert(index, text);
    PutObject(index, object);
}

void TStrings::Exchange(int32_t index1, int32_t index2)
{
    BeginUpdate();
    const String text1 = Get(index1);
    void* object1 = GetObject(index1);
    Put(index1, Get(index2));
    PutObject(index1, GetObject(index2));
    Put(index2, text1);
    PutObject(index2, object1);
    EndUpdate();
}

void TStrings::Move(int32_t currentIndex, int32_t newIndex)
{
    if (currentIndex == newIndex) return;
    BeginUpdate();
    const String text = Get(currentIndex);
    void* object = GetObject(currentIndex);
    Delete(currentIndex);
    InsertObject(newIndex, text, object);
    EndUpdate();
}

int32_t TStrings::IndexOf(const String& text) const
{
    const int32_t count = Count();
    for (int32_t index = 0; index < count; ++index)
        if (CompareStrings(Get(index), text) == 0) return index;
    return -1;
}

int32_t TStrings::IndexOfName(const String& name) const
{
    const int32_t count = Count();
    for (int32_t index = 0; index < count; ++index) {
        const String text = Get(index);
        const qsizetype separator = text.indexOf(FNameValueSeparator);
        if (separator >= 0 && CompareStrings(text.left(separator), name) == 0) return index;
    }
    return -1;
}

int32_t TStrings::IndexOfObject(const void* object) const
{
    const int32_t count = Count();
    for (int32_t index = 0; index < count; ++index)
        if (GetObject(index) == object) return index;
    return -1;
}

bool TStrings::Equals(const TStrings& strings) const
{
    const int32_t count = Count();
    if (count != strings.Count()) return false;
    for (int32_t index = 0; index < count; ++index)
        if (Get(index) != strings.Get(index)) return false;
    return true;
}

String TStrings::Text() const
{
    String result;
    const int32_t count = Count();
    for (int32_t index = 0; index < count; ++index) {
        result += Get(index);
        result += FLineBreak;
    }
    return result;
}

void TStrings::SetText(const String& text)
{
    BeginUpdate();
    try {
        Clear();
        qsizetype position = 0;
        while (position < text.size()) {
            const qsizetype start = position;
            while (position < text.size() && text[position] != u'\r' && text[position] != u'\n') ++position;
            Add(text.mid(start, position - start));
            if (position < text.size() && text[position] == u'\r') ++position;
            if (position < text.size() && text[position] == u'\n') ++position;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

String TStrings::QuotedIfNeeded(const String& text, QChar delimiter, QChar quoteChar) const
{
    bool needsQuotes = false;
    for (QChar character : text) {
        if (character == quoteChar || character == delimiter || (!FStrictDelimiter && IsBlank(character))) {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes) return text;
    String doubled = text;
    doubled.replace(quoteChar, String(2, quoteChar));
    return quoteChar + doubled + quoteChar;
}

String TStrings::JoinDelimited(QChar delimiter, QChar quoteChar) const
{
    const int32_t count = Count();
    if (count == 1 && Get(0).isEmpty()) return String(2, quoteChar);
    String result;
    for (int32_t index = 0; index < count; ++index) {
        if (index > 0) result += delimiter;
        result += QuotedIfNeeded(Get(index), delimiter, quoteChar);
    }
    return result;
}

void TStrings::SplitDelimited(const String& text, QChar delimiter, QChar quoteChar)
{
    BeginUpdate();
    try {
        Clear();
        const qsizetype length = text.size();
        qsizetype position = 0;
        const auto skipBlanks = [&] {
            if (!FStrictDelimiter)
                while (position < length && IsBlank(text[position])) ++position;
        };
        skipBlanks();
        while (position < length) {
            String part;
            if (text[position] == quoteChar) {
                part = ExtractQuoted(text, position, quoteChar);
                if (FStrictDelimiter) {
                    const qsizetype start = position;
                    while (position < length && text[position] != delimiter) ++position;
                    part += text.mid(start, position - start);
                }
            } else {
                const qsizetype start = position;
                while (position < length && text[position] != delimiter && (FStrictDelimiter || !IsBlank(text[position])))
                    ++position;
                part = text.mid(start, position - start);
            }
            Add(part);
            skipBlanks();
            if (position < length && text[position] == delimiter) {
                if (position + 1 == length) Add(String());
                ++position;
                skipBlanks();
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

String TStrings::Names(int32_t index) const
{
    const String text = Get(index);
    const qsizetype separator = text.indexOf(FNameValueSeparator);
    return separator >= 0 ? text.left(separator) : String();
}

String TStrings::Values(const String& name) const
{
    const int32_t index = IndexOfName(name);
    return index >= 0 ? ValueFromIndex(index) : String();
}

void TStrings::SetValues(const String& name, const String& value)
{
    int32_t index = IndexOfName(name);
    if (value.isEmpty()) {
        if (index >= 0) Delete(index);
        return;
    }
    if (index < 0) {
        Add(name + FNameValueSeparator + value);
        return;
    }
    Put(index, Names(index) + FNameValueSeparator + value);
}

String TStrings::ValueFromIndex(int32_t index) const
{
    const String text = Get(index);
    const qsizetype separator = text.indexOf(FNameValueSeparator);
    return separator >= 0 ? text.mid(separator + 1) : String();
}

void TStrings::SetValueFromIndex(int32_t index, const String& value)
{
    if (value.isEmpty()) {
        Delete(index);
        return;
    }
    Put(index, Names(index) + FNameValueSeparator + value);
}

void TStrings::SetDecodedText(std::string_view bytes, const TTextEncoding* encoding, const String& source)
{
    String text;
    if (!(encoding ? DecodeText(bytes, *encoding, text) : DecodeText(bytes, text)))
        throw EConvertError(QStringLiteral("%1 holds bytes that break its text encoding").arg(source));
    SetText(text);
}

void TStrings::LoadFromFile(const String& fileName) { SetDecodedText(FileContent(fileName), nullptr, FileSource(fileName)); }

void TStrings::LoadFromFile(const String& fileName, TTextEncoding encoding)
{
    SetDecodedText(FileContent(fileName), &encoding, FileSource(fileName));
}

void TStrings::LoadFromStream(TStream& stream) { SetDecodedText(StreamRest(stream), nullptr, QStringLiteral("The stream")); }

void TStrings::LoadFromStream(TStream& stream, TTextEncoding encoding)
{
    SetDecodedText(StreamRest(stream), &encoding, QStringLiteral("The stream"));
}

void TStrings::SaveToFile(const String& fileName, TTextEncoding encoding) const
{
    const std::string bytes = EncodeText(Text(), encoding);
    WriteFileAtomic(fileName, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

void TStrings::SaveToStream(TStream& stream, TTextEncoding encoding) const
{
    const std::string bytes = EncodeText(Text(), encoding);
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount == 0) SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::Put(int32_t index, const String& text)
{
    BeginUpdate();
    void* object = GetObject(index);
    Delete(index);
    InsertObject(index, text, object);
    EndUpdate();
}

int TStrings::CompareStrings(const String& left, const String& right) const
{
    return String::compare(left, right, Qt::CaseInsensitive);
}
