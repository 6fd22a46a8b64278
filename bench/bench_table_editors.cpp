#include "app/UComon.h"
#include "app/lang/ULanguage.h"
#include "platform/core/FileUtils.h"
#include "platform/ui/Forms.h"
#include "platform/xml/XMLDocument.h"
#include "tables/UReceiveNMEA.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <fstream>
#include <memory>
#include <string>

namespace {

const char* const Attributes[] = { "PGN", "SA", "TP", "FP", "TP_Start", "TP_NByte", "Delete", "Mnemonic" };

// A project holding a receive table with every row of the grid in use, and
// the editor made as the entry routine makes it.
struct TFull_Table {
    QTemporaryDir Folder;
    std::unique_ptr<TFReceiveNMEA> Editor;

    TFull_Table()
    {
        Lang_Texts().Load_Default_Texts();
        Copy_Row_List = std::make_unique<TStringList>();
        Project_Path = Folder.path();
        Set_Files();
        Write_Full_File();
        Editor = std::make_unique<TFReceiveNMEA>(nullptr);
        Editor->DoCreate();
    }
    void Write_Full_File() const
    {
        std::string xml = "<Receive_NMEA_2000>";
        for (int32_t row = 1; row <= 62; ++row)
            xml += "<row PGN=\"" + std::to_string(126000 + row) + "\" SA=\"" + std::to_string(row) + "\" TP=\"N\" FP=\"Y\" "
                   "TP_Start=\"0\" TP_NByte=\"8\" Delete=\"Y\" Mnemonic=\"Frame number " + std::to_string(row) + "\"/>";
        xml += "</Receive_NMEA_2000><!--SW_VERSION = 1.000-->";
        std::ofstream(File_NMEA_Rec_Frames.toStdString(), std::ios::binary) << xml;
    }
};

TFull_Table& Table()
{
    static TFull_Table table;
    return table;
}

// The reference: the same file read through the DOM, every attribute of
// every row taken as text.
void BM_ReceiveFile_DOM(benchmark::State& state)
{
    Table().Write_Full_File();
    TXMLDocument document;
    for (auto _ : state) {
        document.LoadFromFile(File_NMEA_Rec_Frames);
        for (TXMLNode row = document.FirstNode().Child(0); row; row = row.NextSibling())
            for (const char* attribute : Attributes)
                benchmark::DoNotOptimize(row.AttributeText(QString::fromLatin1(attribute)));
    }
}
BENCHMARK(BM_ReceiveFile_DOM)->Unit(benchmark::kMicrosecond);

// The reference of a save: the same document built once, written through
// the DOM in place of the file, as atomically as the editor writes it.
void BM_ReceiveFile_DOM_Save(benchmark::State& state)
{
    Table().Write_Full_File();
    TXMLDocument document;
    document.LoadFromFile(File_NMEA_Rec_Frames);
    for (auto _ : state)
        document.SaveToFile(File_NMEA_Rec_Frames);
}
BENCHMARK(BM_ReceiveFile_DOM_Save)->Unit(benchmark::kMicrosecond);

// What any save of the file costs at least: its bytes written beside it,
// synced to the disk and renamed over it.
void BM_ReceiveFile_Durable_Write(benchmark::State& state)
{
    Table().Write_Full_File();
    const TBytes bytes = ReadFileBytes(File_NMEA_Rec_Frames);
    for (auto _ : state)
        WriteFileAtomic(File_NMEA_Rec_Frames, bytes);
}
BENCHMARK(BM_ReceiveFile_Durable_Write)->Unit(benchmark::kMicrosecond);

// What the dialog does when shown: rows reset, the file loaded into the grid.
void BM_ReceiveEditor_Load(benchmark::State& state)
{
    Table().Write_Full_File();
    TFReceiveNMEA& editor = *Table().Editor;
    for (auto _ : state)
        editor.FormShow(&editor);
}
BENCHMARK(BM_ReceiveEditor_Load)->Unit(benchmark::kMicrosecond);

// OK on the full table: every entry checked, the file rebuilt and written.
void BM_ReceiveEditor_Save(benchmark::State& state)
{
    Table().Write_Full_File();
    TFReceiveNMEA& editor = *Table().Editor;
    editor.FormShow(&editor);
    for (auto _ : state) {
        editor.SetModalResult(mrNone);
        editor.Btn_OK->Click();
        if (editor.ModalResult() != mrOk)
            state.SkipWithError("the table did not pass");
    }
}
BENCHMARK(BM_ReceiveEditor_Save)->Unit(benchmark::kMicrosecond);

// The window opened and painted, then closed again: on the full table and,
// side by side, with no file.
void Open(benchmark::State& state, bool full)
{
    if (full)
        Table().Write_Full_File();
    else
        DeleteFile(File_NMEA_Rec_Frames);
    TFReceiveNMEA& editor = *Table().Editor;
    for (auto _ : state) {
        editor.Show();
        editor.Repaint();
        Application->ProcessMessages();
        editor.Hide();
    }
}
void BM_ReceiveEditor_Open_Full(benchmark::State& state) { Open(state, true); }
void BM_ReceiveEditor_Open_Empty(benchmark::State& state) { Open(state, false); }
BENCHMARK(BM_ReceiveEditor_Open_Full)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReceiveEditor_Open_Empty)->Unit(benchmark::kMillisecond);

} // namespace
