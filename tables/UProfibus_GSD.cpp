#include "tables/UProfibus_GSD.h"

#include "app/UComon.h"
#include "app/lang/ULanguage.h"
#include "platform/core/FileUtils.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/UiServices.h"
#include "platform/xml/XMLDocument.h"
#include "tables/UProfibus_GSD_Lines.h"

#include <memory>

namespace {

// Bytes of one module; the last module of its kind takes what is left.
constexpr int32_t Module_Bytes = 64;
constexpr int32_t Box_Width = 85;
constexpr uint8_t Input_Identifier = 0x42;
constexpr uint8_t Output_Identifier = 0x82;

// The byte counts of the export in progress, read from ParGen.xml.
int32_t GSD_NB_IN = 0;
int32_t GSD_NB_OUT = 0;

class TGSD_Text {
public:
    void Line(const std::string& text) { FText += text + "\r\n"; }
    void Empty(int32_t count)
    {
        for (int32_t line = 0; line < count; ++line)
            Line(std::string());
    }
    void Heading(int32_t width, const std::string& title)
    {
        const std::string separator = ";" + std::string(static_cast<size_t>(width - 1), '=');
        std::string middle = ";==== " + title + " ";
        if (static_cast<int32_t>(middle.size()) < width)
            middle += std::string(static_cast<size_t>(width) - middle.size(), '=');
        Line(separator);
        Line(middle);
        Line(separator);
    }
    void Lines(const TGSD_Line* lines, int32_t count)
    {
        for (int32_t index = 0; index < count; ++index) {
            const TGSD_Line& line = lines[index];
            switch (line.Kind) {
            case TGSD_Line_Kind::Text: Line(line.Text); break;
            case TGSD_Line_Kind::Empty: Empty(line.Count); break;
            case TGSD_Line_Kind::Heading: Heading(line.Count, line.Text); break;
            }
        }
    }
    const std::string& Text() const { return FText; }

private:
    std::string FText;
};

std::string Box_Field(const char* text)
{
    const std::string field(text);
    if (field == "=")
        return std::string(80, '=');
    return field + std::string(80 - field.size(), ' ');
}

std::string Hex_Byte(int32_t value) { return "0x" + IntToHex(static_cast<uint32_t>(value), 2).toStdString(); }

int32_t Module_Count(int32_t bytes) { return bytes > 0 ? (bytes + Module_Bytes - 1) / Module_Bytes : 0; }

void Write_Modules(TGSD_Text& text, const char* kind, uint8_t identifier, int32_t bytes, int32_t& number)
{
    const int32_t modules = Module_Count(bytes);
    for (int32_t module = 0; module < modules; ++module) {
        const int32_t length = module + 1 < modules ? Module_Bytes : bytes - module * Module_Bytes;
        ++number;
        text.Line("Module=\"" + std::string(kind) + "  (PORT" + std::to_string(number) + ")    \" " + Hex_Byte(identifier)
            + "," + Hex_Byte(length - 1) + ",0x00," + Hex_Byte(number));
        text.Line(std::to_string(number));
        text.Line("EndModule");
    }
}

int32_t Root_Integer(const TXMLNode& root, const char* name)
{
    return StrToIntDef(root.ChildNode(QString::fromLatin1(name)).Text(), 0);
}

} // namespace

std::string GSD_File_Text(int32_t NB_IN, int32_t NB_OUT)
{
    TGSD_Text text;
    text.Line(";");
    text.Line(";" + std::string(22, '*') + " EnOcean / PROFIBUS Slave - Converter " + std::string(24, '*'));
    for (const char* field : GSD_Box_Fields)
        text.Line(";* " + Box_Field(field) + " *");
    text.Line(";" + std::string(Box_Width - 1, '*'));

    text.Lines(GSD_Keywords, GSD_Keywords_Count);
    const int32_t modules = Module_Count(NB_OUT) + Module_Count(NB_IN);
    text.Line("Max_Module=" + std::to_string(modules));
    text.Line("Modul_Offset=1");
    text.Line("Max_Input_Len=" + std::to_string(NB_OUT));
    text.Line("Max_Output_Len=" + std::to_string(NB_IN));
    text.Line("Max_Data_Len=" + std::to_string(static_cast<int64_t>(NB_OUT) + NB_IN));
    text.Lines(GSD_Module_Keywords, GSD_Module_Keywords_Count);

    int32_t number = 0;
    Write_Modules(text, "DI", Input_Identifier, NB_OUT, number);
    Write_Modules(text, "DO", Output_Identifier, NB_IN, number);
    text.Empty(3);
    text.Line("SlotDefinition");
    for (int32_t slot = 1; slot <= modules; ++slot) {
        const std::string index = std::to_string(slot);
        text.Line("Slot(" + index + ") = \"Slot " + index + "\" " + index + " " + index);
    }
    text.Line("EndSlotDefinition");
    text.Empty(4);
    return text.Text();
}

void Write_GSD_File(const String& File_Name)
{
    const std::string text = GSD_File_Text(GSD_NB_IN, GSD_NB_OUT);
    WriteFileAtomic(File_Name, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

void Create_GSD_File()
{
    const TLang_Texts& texts = Lang_Texts();
    if (!FileExists(File_ParGen)) {
        MessageDlg(texts[1704], mtError, mbOKOnly);
        return;
    }
    try {
        TXMLDocument document;
        document.LoadFromFile(File_ParGen);
        const TXMLNode root = document.FirstNode();
        GSD_NB_IN = Root_Integer(root, "PROFINET_NB_IN");
        GSD_NB_OUT = Root_Integer(root, "PROFINET_NB_OUT");
    } catch (const Exception& error) {
        MessageDlg(error.Message(), mtError, mbOKOnly);
        return;
    }

    const auto dialog = std::make_unique<TSaveDialog>(nullptr);
    dialog->SetInitialDir(Project_Path);
    dialog->SetFilter(QStringLiteral("Generic Station Description (*.gsd)|*.gsd"));
    if (!dialog->Execute())
        return;
    String fileName = dialog->FileName();
    if (!SameText(fileName.right(4), QStringLiteral(".gsd")))
        fileName += QStringLiteral(".gsd");
    if (FileExists(fileName) && MessageDlg(texts[1703], mtConfirmation, mbYesNo) != mrYes)
        return;
    try {
        Write_GSD_File(fileName);
    } catch (const Exception& error) {
        MessageDlg(texts[1705] + QStringLiteral("\n") + error.Message(), mtError, mbOKOnly);
    }
}
