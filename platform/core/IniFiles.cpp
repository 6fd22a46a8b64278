#include "platform/core/IniFiles.h"

#include "platform/core/FileUtils.h"
#include "platform/core/StringList.h"

namespace {

bool HasLineBreak(const String& text) { return text.contains(u'\r') || text.contains(u'\n'); }

void CheckSectionName(const String& section)
{
    if (HasLineBreak(section) || section.contains(u']') || Trim(section) != section)
        throw EConvertError(QStringLiteral("\"%1\" cannot be stored as a section name").arg(section));
}

void CheckEntry(const String& ident, const String& value)
{
    if (ident.isEmpty() || HasLineBreak(ident) || ident.contains(u'=') || Trim(ident) != ident || ident.startsWith(u'[')
        || ident.startsWith(u';'))
        throw EConvertError(QStringLiteral("\"%1\" cannot be stored as a value name").arg(ident));
    if (HasLineBreak(value))
        throw EConvertError(QStringLiteral("The value of \"%1\" holds a line break and cannot be stored").arg(ident));
}

} // namespace

int32_t TCustomIniFile::ReadInteger(const String& section, const String& ident, int32_t defaultValue) const
{
    return StrToIntDef(ReadString(section, ident, String()), defaultValue);
}

void TCustomIniFile::WriteInteger(const String& section, const String& ident, int32_t value)
{
    WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const String& section, const String& ident, bool defaultValue) const
{
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const String& section, const String& ident, bool value)
{
    WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TCustomIniFile::SectionExists(const String& section) const
{
    TStringList idents;
    ReadSection(section, idents);
    return idents.Count() > 0;
}

bool TCustomIniFile::ValueExists(const String& section, const String& ident) const
{
    TStringList idents;
    ReadSection(section, idents);
    return idents.IndexOf(ident) >= 0;
}

TMemIniFile::TMemIniFile(const String& fileName) : TCustomIniFile(fileName)
{
    if (!fileName.isEmpty() && FileExists(fileName)) {
        TStringList lines;
        lines.LoadFromFile(fileName);
        SetStrings(lines);
    }
}

const TMemIniFile::TIniSection* TMemIniFile::FindSection(const String& section) const
{
    const auto found = FSectionIndex.constFind(UpperCase(section));
    return found == FSectionIndex.constEnd() ? nullptr : &FSections[*found];
}

TMemIniFile::TIniSection* TMemIniFile::FindSection(const String& section)
{
    return const_cast<TIniSection*>(std::as_const(*this).FindSection(section));
}

TMemIniFile::TIniSection& TMemIniFile::SectionFor(const String& section)
{
    if (TIniSection* existing = FindSection(section)) return *existing;
    CheckSectionName(section);
    return AppendSection(section);
}

TMemIniFile::TIniSection& TMemIniFile::AppendSection(const String& section)
{
    FSectionIndex.insert(UpperCase(section), FSections.size());
    FSections.push_back(TIniSection { section, {} });
    return FSections.back();
}

String TMemIniFile::ReadString(const String& section, const String& ident, const String& defaultValue) const
{
    if (const TIniSection* found = FindSection(section))
        for (const TIniLine& line : found->Lines)
            if (line.IsEntry && SameText(line.Ident, ident)) return line.Text;
    return defaultValue;
}

void TMemIniFile::WriteString(const String& section, const String& ident, const String& value)
{
    CheckEntry(ident, value);
    TIniSection& target = SectionFor(section);
    for (TIniLine& line : target.Lines) {
        if (line.IsEntry && SameText(line.Ident, ident)) {
            line.Text = value;
            return;
        }
    }
    // A new value goes before the blank lines that separate this section from the next.
    auto position = target.Lines.end();
    while (position != target.Lines.begin() && !(position - 1)->IsEntry && Trim((position - 1)->Text).isEmpty()) --position;
    target.Lines.insert(position, TIniLine { ident, value, true });
}

void TMemIniFile::ReadSection(const String& section, TStrings& idents) const
{
    idents.BeginUpdate();
    idents.Clear();
    if (const TIniSection* found = FindSection(section))
        for (const TIniLine& line : found->Lines)
            if (line.IsEntry) idents.Add(line.Ident);
    idents.EndUpdate();
}

void TMemIniFile::ReadSections(TStrings& sections) const
{
    sections.BeginUpdate();
    sections.Clear();
    for (const TIniSection& section : FSections) sections.Add(section.Name);
    sections.EndUpdate();
}

void TMemIniFile::ReadSectionValues(const String& section, TStrings& values) const
{
    values.BeginUpdate();
    values.Clear();
    if (const TIniSection* found = FindSection(section))
        for (const TIniLine& line : found->Lines)
            if (line.IsEntry) values.Add(line.Ident + u'=' + line.Text);
    values.EndUpdate();
}

bool TMemIniFile::ValueExists(const String& section, const String& ident) const
{
    if (const TIniSection* found = FindSection(section))
        for (const TIniLine& line : found->Lines)
            if (line.IsEntry && SameText(line.Ident, ident)) return true;
    return false;
}

void TMemIniFile::EraseSection(const String& section)
{
    if (std::erase_if(FSections, [&section](const TIniSection& candidate) { return SameText(candidate.Name, section); }) == 0) return;
    FSectionIndex.clear();
    for (size_t position = 0; position < FSections.size(); ++position) FSectionIndex.insert(UpperCase(FSections[position].Name), position);
}

void TMemIniFile::DeleteKey(const String& section, const String& ident)
{
    if (TIniSection* found = FindSection(section))
        std::erase_if(found->Lines, [&ident](const TIniLine& line) { return line.IsEntry && SameText(line.Ident, ident); });
}

void TMemIniFile::UpdateFile()
{
    if (FileName().isEmpty()) return;
    const QByteArray bytes = Serialize().toUtf8();
    WriteFileAtomic(FileName(), reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
}

void TMemIniFile::Clear()
{
    FPreamble.clear();
    FSections.clear();
    FSectionIndex.clear();
}

void TMemIniFile::GetStrings(TStrings& lines) const { lines.SetText(Serialize()); }

void TMemIniFile::SetStrings(const TStrings& lines) { Parse(lines.Text()); }

void TMemIniFile::Parse(const String& text)
{
    Clear();
    TStringList lines;
    lines.SetText(text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text);
    std::vector<TIniLine>* target = &FPreamble;
    for (int32_t index = 0; index < lines.Count(); ++index) {
        const String line = Trim(lines[index]);
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            // A repeated section continues the first one, so no value is hidden.
            const String name = Trim(line.mid(1, line.size() - 2));
            TIniSection* existing = FindSection(name);
            target = existing ? &existing->Lines : &AppendSection(name).Lines;
            continue;
        }
        const qsizetype separator = line.indexOf(u'=');
        if (separator > 0 && !line.startsWith(u';') && target != &FPreamble)
            target->push_back(TIniLine { Trim(line.left(separator)), Trim(line.mid(separator + 1)), true });
        else
            target->push_back(TIniLine { String(), lines[index], false });
    }
}

String TMemIniFile::Serialize() const
{
    TStringList lines;
    for (const TIniLine& line : FPreamble) lines.Add(line.Text);
    for (const TIniSection& section : FSections) {
        lines.Add(u'[' + section.Name + u']');
        for (const TIniLine& line : section.Lines) lines.Add(line.IsEntry ? line.Ident + u'=' + line.Text : line.Text);
    }
    return lines.Text();
}

void TIniFile::WriteString(const String& section, const String& ident, const String& value)
{
    TMemIniFile::WriteString(section, ident, value);
    UpdateFile();
}

void TIniFile::EraseSection(const String& section)
{
    TMemIniFile::EraseSection(section);
    UpdateFile();
}

void TIniFile::DeleteKey(const String& section, const String& ident)
{
    TMemIniFile::DeleteKey(section, ident);
    UpdateFile();
}
