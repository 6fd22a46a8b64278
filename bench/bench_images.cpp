#include "device/USaveBincc.h"
#include "enocean/UEnOcean_Catalog.h"
#include "platform/xml/XMLDocument.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

// A project whose frame tables are full, with every attribute the editors write.
struct TFull_Project {
    std::filesystem::path Folder;
    TBin_Sources Sources;

    TFull_Project()
    {
        Folder = std::filesystem::temp_directory_path() / ("trelvador-bench-images-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(Folder);
        Write("ParGen.xml", "<Par_Gen><Eth_Conn_Device_Name>gateway</Eth_Conn_Device_Name><Ethernet_IP1>10</Ethernet_IP1>"
                            "<NMEA2000_TIMEOUT>5</NMEA2000_TIMEOUT></Par_Gen><!--SW_VERSION = 1.000-->");
        std::string receive, send;
        for (int32_t row = 0; row < NMEA_Table_Rows; ++row) {
            receive += "<row PGN=\"" + std::to_string(127000 + row) + "\" SA=\"" + std::to_string(row % 240)
                + "\" TP=\"N\" FP=\"Y\" TP_Start=\"0\" TP_NByte=\"1\" Delete=\"Y\" Mnemonic=\"frame " + std::to_string(row) + "\"/>";
            send += "<row Priority=\"3\" PGN=\"" + std::to_string(130000 + row) + "\" SA=\"" + std::to_string(row % 240)
                + "\" FP=\"N\" TP_NByte=\"1\" On_Request=\"N\" On_Data_Change=\"Y\" On_Timer=\"Y\" SendTimer=\"1000\" Mnemonic=\"frame "
                + std::to_string(row) + "\"/>";
        }
        Write("NMEA_Rec_Frames.xml", "<Receive_NMEA_2000>" + receive + "</Receive_NMEA_2000><!--SW_VERSION = 1.000-->");
        Write("NMEA_Send_Frames.xml", "<Receive_NMEA_2000>" + send + "</Receive_NMEA_2000><!--SW_VERSION = 1.000-->");
        Sources = { Path("ParGen.xml"), Path("NMEA_Rec_Frames.xml"), Path("NMEA_Send_Frames.xml"), Path("EnOcean.xml") };
    }
    ~TFull_Project() { std::filesystem::remove_all(Folder); }

    String Path(const char* name) const { return String::fromStdString((Folder / name).string()); }
    void Write(const char* name, const std::string& text) const { std::ofstream(Folder / name, std::ios::binary) << text; }
};

const TFull_Project& Project()
{
    static const TFull_Project project;
    return project;
}

// Both images of a project with 512 receive and 512 send rows, in memory.
void BM_Build_Images(benchmark::State& state)
{
    TXMLDocument document;
    TBin_Builder builder;
    const TCatalog_EnOcean catalog;
    for (auto _ : state) {
        builder.Compile_Bin_Files(document, Project().Sources, catalog);
        benchmark::DoNotOptimize(builder.Bank2().data());
    }
}
BENCHMARK(BM_Build_Images)->Unit(benchmark::kMicrosecond);

// The same three files loaded through the DOM alone: the floor of any build.
void BM_Parse_Project_Files(benchmark::State& state)
{
    TXMLDocument document;
    const TBin_Sources& sources = Project().Sources;
    for (auto _ : state) {
        for (const String* file : { &sources.ParGen, &sources.NMEA_Rec_Frames, &sources.NMEA_Send_Frames }) {
            document.LoadFromFile(*file);
            benchmark::DoNotOptimize(document.FirstNode());
        }
    }
}
BENCHMARK(BM_Parse_Project_Files)->Unit(benchmark::kMicrosecond);

} // namespace
