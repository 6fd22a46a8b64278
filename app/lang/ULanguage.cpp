#include "app/lang/ULanguage.h"

#include "app/lang/ULanguage_Defaults.h"
#include "platform/core/FileUtils.h"
#include "platform/core/SysUtils.h"
#include "platform/core/TextCodec.h"

namespace {

constexpr char16_t Pilcrow = u'\u00B6';

const String& Blank()
{
    static const String blank(u' ');
    return blank;
}

// Built once: every later load copies the shared strings instead of decoding
// the defaults again.
const std::vector<String>& Default_Texts()
{
    static const std::vector<String> defaults = [] {
        std::vector<String> texts(TLang_Texts::Default_Count, Blank());
        for (const TLang_Default& entry : Lang_Defaults())
            texts[static_cast<size_t>(entry.Index)] = String::fromUtf8(entry.Text);
        return texts;
    }();
    return defaults;
}

} // namespace

const String& TLang_Texts::Text(int32_t index) const
{
    if (index < 0 || index >= Num_Lang_Texts()) return Blank();
    return FTexts[static_cast<size_t>(index)];
}

void TLang_Texts::Load_Default_Texts() { FTexts = Default_Texts(); }

bool TLang_Texts::Read_Lang_File(const String& File_Name)
{
    TBytes bytes;
    try {
        bytes = ReadFileBytes(File_Name);
    } catch (const EInOutError&) {
        return false;
    }
    String content;
    if (!DecodeText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), content)) return false;
    Read_Lang_Text(content);
    return true;
}

void TLang_Texts::Read_Lang_Text(const String& content)
{
    qsizetype lineStart = 0;
    const qsizetype length = content.size();
    while (lineStart <= length) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < length && content[lineEnd] != u'\r' && content[lineEnd] != u'\n') ++lineEnd;
        Apply_Line(content.sliced(lineStart, lineEnd - lineStart));
        if (lineEnd < length && content[lineEnd] == u'\r' && lineEnd + 1 < length && content[lineEnd + 1] == u'\n') ++lineEnd;
        lineStart = lineEnd + 1;
    }
}

// "STR<number> = <text>". The number is read from position 4 up to two
// characters before the first "=", so the one character just before "=" is
// never part of it: "STR12 = x" sets entry 12, "STR12= x" sets entry 1. Files
// in use are written for that rule, so it stays.
void TLang_Texts::Apply_Line(const String& rawLine)
{
    const String line = Trim(rawLine);
    if (!line.startsWith(u"STR")) return;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) return;
    const qsizetype numberLength = equals - 4;
    int32_t index = 0;
    if (numberLength <= 0 || !TryStrToInt(Trim(line.sliced(3, numberLength)), index)) return;
    if (index < 0 || index >= Num_Lang_Texts()) return;

    String text = Trim(line.sliced(equals + 1));
    const qsizetype comment = text.indexOf(u"/#/");
    if (comment >= 0) text = Trim(text.first(comment));
    if (text.isEmpty()) return;
    if (text.startsWith(Pilcrow)) text.remove(0, 1);
    const qsizetype closing = text.indexOf(Pilcrow);
    if (closing >= 0) text.truncate(closing);
    FTexts[static_cast<size_t>(index)] = text;
}

TLang_Texts& Lang_Texts()
{
    static TLang_Texts texts;
    return texts;
}

String Find_Language_File(const String& folder, const String& name)
{
    const String found = FindNameNoCase(folder, name);
    if (found.isEmpty()) return {};
    const String path = IncludeTrailingPathDelimiter(folder) + found;
    return FileExists(path) ? path : String();
}

void Load_Language(TLang_Texts& texts, const String& Language_Path, String& Language_Name)
{
    texts.Load_Default_Texts();
    String fileName = Find_Language_File(Language_Path, Language_Name + QStringLiteral(".lng"));
    if (fileName.isEmpty()) {
        Language_Name = QStringLiteral("English");
        fileName = Find_Language_File(Language_Path, QStringLiteral("English.lng"));
        if (fileName.isEmpty()) return;
    }
    // An unreadable or undecodable file leaves the defaults in place; the
    // language name is kept, as the file is there.
    texts.Read_Lang_File(fileName);
}

void Load_Language(const String& Language_Path, String& Language_Name)
{
    Load_Language(Lang_Texts(), Language_Path, Language_Name);
}
