#pragma once

#include "platform/core/Strings.h"

#include <QHash>

#include <vector>

// Section/value storage shared by INI files and the registry store. Section
// and value names compare without case.
class TCustomIniFile {
public:
    explicit TCustomIniFile(const String& fileName) : FFileName(fileName) { }
    TCustomIniFile(const TCustomIniFile&) = delete;
    TCustomIniFile& operator=(const TCustomIniFile&) = delete;
    virtual ~TCustomIniFile() = default;

    const String& FileName() const { return FFileName; }

    virtual String ReadString(const String& section, const String& ident, const String& defaultValue) const = 0;
    virtual void WriteString(const String& section, const String& ident, const String& value) = 0;
    // The integer conversion of typed text; defaultValue when absent or not a number.
    virtual int32_t ReadInteger(const String& section, const String& ident, int32_t defaultValue) const;
    virtual void WriteInteger(const String& section, const String& ident, int32_t value);
    // Stored as "1" / "0"; any non-zero number reads true.
    virtual bool ReadBool(const String& section, const String& ident, bool defaultValue) const;
    virtual void WriteBool(const String& section, const String& ident, bool value);

    virtual void ReadSection(const String& section, TStrings& idents) const = 0;
    virtual void ReadSections(TStrings& sections) const = 0;
    // "ident=value" strings in file order.
    virtual void ReadSectionValues(const String& section, TStrings& values) const = 0;
    virtual bool SectionExists(const String& section) const;
    virtual bool ValueExists(const String& section, const String& ident) const;
    virtual void EraseSection(const String& section) = 0;
    virtual void DeleteKey(const String& section, const String& ident) = 0;
    virtual void UpdateFile() = 0;

private:
    String FFileName;
};

// An INI file read whole into memory when created (a missing file reads
// empty) and written back whole and atomically by UpdateFile. Sections and
// values keep their order, comments and blank lines are kept, values are
// stored as they are (no quoting or escaping; blanks around names and values
// are dropped on reading). The file is read in the encoding its byte-order
// mark names, else as UTF-8 when it is valid UTF-8, else as Windows-1252
// (EConvertError when the bytes break the encoding their mark names), and
// written as UTF-8 with CR LF line ends.
// A name or value that could not be read back as written (a line break, an
// '=' in a name, a ']' in a section name) is refused with EConvertError.
class TMemIniFile : public TCustomIniFile {
public:
    explicit TMemIniFile(const String& fileName);

    String ReadString(const String& section, const String& ident, const String& defaultValue) const override;
    void WriteString(const String& section, const String& ident, const String& value) override;
    void ReadSection(const String& section, TStrings& idents) const override;
    void ReadSections(TStrings& sections) const override;
    void ReadSectionValues(const String& section, TStrings& values) const override;
    bool SectionExists(const String& section) const override { return FindSection(section) != nullptr; }
    bool ValueExists(const String& section, const String& ident) const override;
    void EraseSection(const String& section) override;
    void DeleteKey(const String& section, const String& ident) override;
    void UpdateFile() override;

    void Clear();
    // The file's text as UpdateFile writes it, and its replacement.
    void GetStrings(TStrings& lines) const;
    void SetStrings(const TStrings& lines);

private:
    // An entry line, or any other line (comment, blank) kept as it was in Text.
    struct TIniLine {
        String Ident;
        String Text;
        bool IsEntry = false;
    };
    struct TIniSection {
        String Name;
        std::vector<TIniLine> Lines;
    };

    const TIniSection* FindSection(const String& section) const;
    TIniSection* FindSection(const String& section);
    TIniSection& SectionFor(const String& section);
    TIniSection& AppendSection(const String& section);
    void Parse(const String& text);
    String Serialize() const;

    std::vector<TIniLine> FPreamble;
    std::vector<TIniSection> FSections;
    // Section positions by upper-cased name, so that files with many
    // sections load in linear time.
    QHash<String, size_t> FSectionIndex;
};

// The same file, written back after every change.
class TIniFile : public TMemIniFile {
public:
    using TMemIniFile::TMemIniFile;

    void WriteString(const String& section, const String& ident, const String& value) override;
    void EraseSection(const String& section) override;
    void DeleteKey(const String& section, const String& ident) override;
};
