#pragma once

#include "platform/core/Persistent.h"
#include "platform/core/TextCodec.h"

#include <cstdint>

class TStream;

// An abstract list of strings, each with an untyped object pointer beside it
// (never owned). Descendants keep the strings; this class adds the text forms.
class TStrings : public TPersistent {
public:
    void Assign(const TPersistent& source) override;

    virtual int32_t Count() const = 0;
    String Strings(int32_t index) const { return Get(index); }
    String operator[](int32_t index) const { return Get(index); }
    void SetStrings(int32_t index, const String& text) { Put(index, text); }
    void* Objects(int32_t index) const { return GetObject(index); }
    void SetObjects(int32_t index, void* object) { PutObject(index, object); }

    virtual int32_t Add(const String& text);
    int32_t AddObject(const String& text, void* object);
    void AddStrings(const TStrings& strings);
    virtual void Insert(int32_t index, const String& text) = 0;
    void InsertObject(int32_t index, const String& text, void* object);
    virtual void Delete(int32_t index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int32_t index1, int32_t index2);
    virtual void Move(int32_t currentIndex, int32_t newIndex);

    // Lookups compare as CompareStrings does: without case unless a descendant says otherwise.
    virtual int32_t IndexOf(const String& text) const;
    int32_t IndexOfName(const String& name) const;
    int32_t IndexOfObject(const void* object) const;
    bool Equals(const TStrings& strings) const;

    // Every string followed by LineBreak; setting splits at CR LF, CR or LF,
    // and a break at the very end adds no empty string.
    String Text() const;
    virtual void SetText(const String& text);
    const String& LineBreak() const { return FLineBreak; }
    void SetLineBreak(const String& lineBreak) { FLineBreak = lineBreak; }

    // The strings joined by Delimiter; a string that is empty and alone, or
    // holds a blank, control character, QuoteChar or Delimiter, is quoted with
    // QuoteChar doubled inside. Reading splits at Delimiter and, unless
    // StrictDelimiter, at blanks too; a quoted part may hold both.
    String DelimitedText() const { return JoinDelimited(FDelimiter, FQuoteChar); }
    void SetDelimitedText(const String& text) { SplitDelimited(text, FDelimiter, FQuoteChar); }
    // DelimitedText with "," and '"'.
    String CommaText() const { return JoinDelimited(u',', u'"'); }
    void SetCommaText(const String& text) { SplitDelimited(text, u',', u'"'); }
    QChar Delimiter() const { return FDelimiter; }
    void SetDelimiter(QChar delimiter) { FDelimiter = delimiter; }
    QChar QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(QChar quoteChar) { FQuoteChar = quoteChar; }
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool strict) { FStrictDelimiter = strict; }

    // Name=value strings: Names is "" for a string without the separator;
    // setting an empty value deletes the entry.
    QChar NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(QChar separator) { FNameValueSeparator = separator; }
    String Names(int32_t index) const;
    String Values(const String& name) const;
    void SetValues(const String& name, const String& value);
    String ValueFromIndex(int32_t index) const;
    void SetValueFromIndex(int32_t index, const String& value);

    // Reading replaces the strings by the text's lines (as SetText splits
    // them). Without an encoding the byte-order mark decides, else UTF-8 when
    // the bytes are valid UTF-8, else Windows-1252. Bytes that break their
    // encoding raise EConvertError and leave the strings as they were.
    void LoadFromFile(const String& fileName);
    void LoadFromFile(const String& fileName, TTextEncoding encoding);
    // From the stream's position to its end.
    void LoadFromStream(TStream& stream);
    void LoadFromStream(TStream& stream, TTextEncoding encoding);
    // Text() in the encoding, led by its byte-order mark where it has one;
    // the file is replaced whole and atomically.
    void SaveToFile(const String& fileName, TTextEncoding encoding) const;
    void SaveToStream(TStream& stream, TTextEncoding encoding) const;

    void BeginUpdate();
    void EndUpdate();

protected:
    virtual String Get(int32_t index) const = 0;
    virtual void Put(int32_t index, const String& text);
    virtual void* GetObject(int32_t index) const
    {
        (void)index;
        return nullptr;
    }
    virtual void PutObject(int32_t index, void* object)
    {
        (void)index;
        (void)object;
    }
    virtual int CompareStrings(const String& left, const String& right) const;
    virtual void SetUpdateState(bool updating) { (void)updating; }
    int32_t UpdateCount() const { return FUpdateCount; }
    [[noreturn]] static void ListIndexError(int32_t index);

private:
    String QuotedIfNeeded(const String& text, QChar delimiter, QChar quoteChar) const;
    String JoinDelimited(QChar delimiter, QChar quoteChar) const;
    void SplitDelimited(const String& text, QChar delimiter, QChar quoteChar);
    void SetDecodedText(std::string_view bytes, const TTextEncoding* encoding, const String& source);

    String FLineBreak = QStringLiteral("\r\n");
    QChar FDelimiter = u',';
    QChar FQuoteChar = u'"';
    QChar FNameValueSeparator = u'=';
    bool FStrictDelimiter = false;
    int32_t FUpdateCount = 0;
};
