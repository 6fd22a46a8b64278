#include "tables/UProfinetXML.h"

#include "app/UComon.h"
#include "app/lang/ULanguage.h"
#include "platform/core/FileUtils.h"
#include "platform/core/TextCodec.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/UiServices.h"
#include "platform/xml/XMLDocument.h"
#include "tables/UProfinetXML_Lines.h"

#include <memory>

namespace {

constexpr int32_t Default_Length = 1438;
const char* const Default_Station_Name = "SERIAL";

// The parameters of the export in progress.
int32_t Profinet_NB_IN = Default_Length;
int32_t Profinet_NB_OUT = Default_Length;
String Profinet_Station_Name;

// runs: counts of tabs (T) and blanks (B) in order, as "3T 2B".
String Indent(const char* runs)
{
    String white;
    int32_t count = 0;
    for (const char* character = runs; *character; ++character) {
        if (*character >= '0' && *character <= '9') {
            count = count * 10 + (*character - '0');
        } else if (*character == 'T' || *character == 'B') {
            white += String(count, *character == 'T' ? u'\t' : u' ');
            count = 0;
        }
    }
    return white;
}

// A value placed between double quotes: the characters with a meaning in
// markup as references, line breaks and tabs as character references so they
// survive, and other control characters, which XML cannot carry, as "?".
String Attribute_Value(const String& text)
{
    String escaped;
    for (const QChar character : text) {
        switch (character.unicode()) {
        case u'&': escaped += QStringLiteral("&amp;"); break;
        case u'<': escaped += QStringLiteral("&lt;"); break;
        case u'>': escaped += QStringLiteral("&gt;"); break;
        case u'"': escaped += QStringLiteral("&quot;"); break;
        case u'\t': escaped += QStringLiteral("&#9;"); break;
        case u'\n': escaped += QStringLiteral("&#10;"); break;
        case u'\r': escaped += QStringLiteral("&#13;"); break;
        default: escaped += character.unicode() < u' ' ? QChar(u'?') : character;
        }
    }
    return escaped;
}

int32_t Root_Length(const TXMLNode& root, const char* name)
{
    return StrToIntDef(root.ChildNode(QString::fromLatin1(name)).Text(), Default_Length);
}

} // namespace

std::string GSDML_File_Bytes(int32_t NB_IN, int32_t NB_OUT, const String& Station_Name)
{
    const String station = Attribute_Value(Station_Name);
    String text;
    for (int32_t index = 0; index < GSDML_Line_Count; ++index) {
        String line = QString::fromLatin1(GSDML_Lines[index].Text);
        // The numbers go in first: the station name is the user's text and
        // may itself hold a placeholder, which must stay as typed.
        line.replace(QStringLiteral("$NB_IN$"), IntToStr(NB_IN));
        line.replace(QStringLiteral("$NB_OUT$"), IntToStr(NB_OUT));
        line.replace(QStringLiteral("$STATION$"), station);
        text += Indent(GSDML_Lines[index].Indent) + line + QStringLiteral("\r\n");
    }
    return EncodeText(text, TTextEncoding::Utf8Bom);
}

void Read_Profinet_Parameters()
{
    Profinet_NB_IN = Default_Length;
    Profinet_NB_OUT = Default_Length;
    Profinet_Station_Name = QString::fromLatin1(Default_Station_Name);
    if (!FileExists(File_ParGen))
        return;
    TXMLDocument document;
    document.LoadFromFile(File_ParGen);
    const TXMLNode root = document.FirstNode();
    Profinet_NB_IN = Root_Length(root, "PROFINET_NB_IN");
    Profinet_NB_OUT = Root_Length(root, "PROFINET_NB_OUT");
    const TXMLNode station = root.ChildNode(QStringLiteral("PROFINET_NAME_STA"));
    if (station && !Trim(station.Text()).isEmpty())
        Profinet_Station_Name = station.Text();
}

void Write_GSDML_File(const String& Path)
{
    Read_Profinet_Parameters();
    const std::string bytes = GSDML_File_Bytes(Profinet_NB_IN, Profinet_NB_OUT, Profinet_Station_Name);
    WriteFileAtomic(Path, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

void Save_GSDML_File(const String& File_Name)
{
    const auto dialog = std::make_unique<TSaveDialog>(nullptr);
    dialog->SetInitialDir(Project_Path);
    dialog->SetFilter(QStringLiteral("PROFINET XML (*.xml)|") + File_Name);
    dialog->SetFileName(File_Name);
    if (!dialog->Execute())
        return;
    // The name typed in the dialog only chooses the folder; the file name
    // itself never names another folder.
    const String path = ExtractFilePath(dialog->FileName()) + ExtractFileName(File_Name);
    if (FileExists(path) && MessageDlg(Lang_Texts()[1811], mtConfirmation, mbYesNo) != mrYes)
        return;
    try {
        Write_GSDML_File(path);
    } catch (const Exception& error) {
        MessageDlg(error.Message(), mtError, mbOKOnly);
    }
}
