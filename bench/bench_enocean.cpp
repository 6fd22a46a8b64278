#include "device/USaveBincc.h"
#include "enocean/UEnOcean_Catalog.h"
#include "platform/os/Process.h"
#include "platform/xml/XMLDocument.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

// A folder of the run's own, removed at the end.
struct TBench_Folder {
    std::filesystem::path Folder;

    TBench_Folder()
    {
        Folder = std::filesystem::temp_directory_path() / ("trelvador-bench-enocean-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(Folder);
    }
    ~TBench_Folder() { std::filesystem::remove_all(Folder); }

    String Path(const char* name) const { return String::fromStdString((Folder / name).string()); }
    void Write(const char* name, const std::string& text) const { std::ofstream(Folder / name, std::ios::binary) << text; }
};

std::string Element(const char* name, const std::string& text) { return std::string("<") + name + ">" + text + "</" + name + ">"; }

// A catalog as large as the public profile set: 4 RORGs, 40 FUNCs, 210
// TYPEs, 250 cases and 1,300 data fields, with descriptions as long as the
// public ones, about 1.5 MB.
std::string Large_Catalog()
{
    const std::string prose(430, 'd');
    const std::string values(560, 'v');
    const int rorgs[] = { 0xF6, 0xD5, 0xA5, 0xD2 };
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><profile>";
    int types = 0, cases = 0, fields = 0;
    for (int rorgIndex = 0; rorgIndex < 4; ++rorgIndex) {
        xml += "<rorg>" + Element("number", std::to_string(rorgs[rorgIndex])) + Element("title", "Telegram " + std::to_string(rorgIndex));
        for (int func = 0; func < 10; ++func) {
            xml += "<func>" + Element("number", std::to_string(func)) + Element("title", "Function " + std::to_string(func));
            const int typeCount = (rorgIndex * 10 + func) < 10 ? 6 : 5; // 10 x 6 + 30 x 5 = 210
            for (int type = 0; type < typeCount; ++type, ++types) {
                xml += "<type>" + Element("number", std::to_string(type)) + Element("title", "Type " + std::to_string(type));
                const int caseCount = types < 40 ? 2 : 1; // 40 x 2 + 170 = 250
                for (int item = 0; item < caseCount; ++item, ++cases) {
                    xml += "<case>" + Element("title", "Case " + std::to_string(item));
                    const int fieldCount = cases < 50 ? 6 : 5; // 50 x 6 + 200 x 5 = 1300
                    for (int field = 0; field < fieldCount; ++field, ++fields)
                        xml += "<datafield>" + Element("data", "Field " + std::to_string(field)) + Element("shortcut", "F" + std::to_string(field))
                            + Element("description", prose) + Element("info", values) + Element("bitoffs", std::to_string(field * 4))
                            + Element("bitsize", "4") + "</datafield>";
                    xml += "<condition><statusfield><value>1</value><bitoffs>2</bitoffs><bitsize>1</bitsize></statusfield></condition></case>";
                }
                xml += "</type>";
            }
            xml += "</func>";
        }
        xml += "</rorg>";
    }
    return xml + "</profile>";
}

const TBench_Folder& Catalog_Folder()
{
    static const TBench_Folder folder = [] {
        TBench_Folder made;
        made.Write("eep.xml", Large_Catalog());
        return made;
    }();
    return folder;
}

void BM_Read_Large_Catalog(benchmark::State& state)
{
    const String file = Catalog_Folder().Path("eep.xml");
    for (auto _ : state) {
        TCatalog_EnOcean catalog;
        benchmark::DoNotOptimize(catalog.Read_Cat_EnOcean_XML(file));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(std::filesystem::file_size(Catalog_Folder().Folder / "eep.xml")));
}
BENCHMARK(BM_Read_Large_Catalog)->Unit(benchmark::kMillisecond);

// The same file through the DOM alone: the floor of any read.
void BM_Parse_Large_Catalog(benchmark::State& state)
{
    const String file = Catalog_Folder().Path("eep.xml");
    for (auto _ : state) {
        TXMLDocument document;
        document.LoadFromFile(file);
        benchmark::DoNotOptimize(document.FirstNode());
    }
}
BENCHMARK(BM_Parse_Large_Catalog)->Unit(benchmark::kMillisecond);

// The largest EnOcean project the image holds: 702 devices with one A5-04-01
// profile of one variable, one with a second variable; 98304 bytes of area.
struct TLargest_Project {
    TBench_Folder Files;
    TBin_Sources Sources;
    TCatalog_EnOcean Catalog;

    TLargest_Project()
    {
        Files.Write("eep.xml", "<profile><rorg><number>0xA5</number><title>4BS</title><func><number>0x04</number><title>TH</title><type><number>0x01</number>"
                               "<title>0 to 40</title><case><title>TH</title><datafield><data>HUM</data><bitoffs>8</bitoffs><bitsize>8</bitsize></datafield>"
                               "<datafield><data>TMP</data><bitoffs>16</bitoffs><bitsize>8</bitsize></datafield></case></type></func></rorg></profile>");
        Catalog.Read_Cat_EnOcean_XML(Files.Path("eep.xml"));
        std::string devices;
        for (int index = 0; index < 702; ++index) {
            std::string variables = "<Variable CaseInd=\"0\" Data=\"TMP\" BitOffs=\"16\" BitSize=\"8\" Position=\"" + std::to_string(index) + "\" BitStart=\"0\"/>";
            if (index == 701)
                variables += "<Variable CaseInd=\"0\" Data=\"HUM\" BitOffs=\"8\" BitSize=\"8\" Position=\"1\" BitStart=\"0\"/>";
            devices += "<Device Id=\"" + std::to_string(0x01800000 + index)
                + "\" Secure_Type=\"2\" Key=\"0123456789ABCDEF\" RollCode=\"1\" RollCodeAlg=\"1\" RollCodeTx=\"1\" CMACAlg=\"1\" DataCript=\"1\" PTM=\"0\">"
                  "<UnidirectionalList><RorgFuncType RorgNum=\"165\" FuncNum=\"4\" TypeNum=\"1\"><VariablesList>"
                + variables + "</VariablesList></RorgFuncType></UnidirectionalList><SmartACKList/><Remote/></Device>";
        }
        Files.Write("EnOcean.xml", "<EnOcean><DevicesList>" + devices + "</DevicesList></EnOcean><!--SW_VERSION = 1.000-->");
        Sources = { Files.Path("ParGen.xml"), Files.Path("NMEA_Rec_Frames.xml"), Files.Path("NMEA_Send_Frames.xml"), Files.Path("EnOcean.xml") };
    }
};

const TLargest_Project& Largest()
{
    static const TLargest_Project project;
    return project;
}

void BM_Build_Largest_EnOcean_Images(benchmark::State& state)
{
    TXMLDocument document;
    TBin_Builder builder;
    for (auto _ : state) {
        builder.Compile_Bin_Files(document, Largest().Sources, Largest().Catalog);
        benchmark::DoNotOptimize(builder.Bank2().data());
    }
}
BENCHMARK(BM_Build_Largest_EnOcean_Images)->Unit(benchmark::kMicrosecond);

// Its one project file through the DOM alone.
void BM_Parse_Largest_EnOcean_Project(benchmark::State& state)
{
    TXMLDocument document;
    for (auto _ : state) {
        document.LoadFromFile(Largest().Sources.EnOcean);
        benchmark::DoNotOptimize(document.FirstNode());
    }
}
BENCHMARK(BM_Parse_Largest_EnOcean_Project)->Unit(benchmark::kMicrosecond);

// Start-up, timed from outside as a user waits for it: the program up to its
// main window with every dialog created and the large catalog read, beside
// an empty window of the same toolkit. Both run from one folder holding the
// catalog, each a new process.
struct TStartup_Folder {
    TBench_Folder Files;

    TStartup_Folder()
    {
        std::filesystem::create_directories(Files.Folder / "CAT_EnOcean");
        Files.Write("CAT_EnOcean/eep.xml", Large_Catalog());
        for (const char* program : { "bench_Startup_Program", "bench_Startup_Empty_Window" }) {
            const std::filesystem::path built = std::filesystem::path(TRELVADOR_BENCH_DIR) / program;
            std::error_code linked;
            std::filesystem::create_hard_link(built, Files.Folder / program, linked);
            if (linked)
                std::filesystem::copy_file(built, Files.Folder / program);
        }
    }
};

const TStartup_Folder& Startup_Folder()
{
    static const TStartup_Folder folder;
    return folder;
}

void Run_Startup(benchmark::State& state, const char* program)
{
    const String path = Startup_Folder().Files.Path(program);
    for (auto _ : state) {
        const TProgramRun run = StartProgramAndWait(path, 60000, 1);
        if (run.Outcome != TProgramOutcome::Ended || run.ExitCode != 0) {
            state.SkipWithError("the program did not start and end cleanly");
            break;
        }
    }
}

void BM_Startup_Program(benchmark::State& state) { Run_Startup(state, "bench_Startup_Program"); }
BENCHMARK(BM_Startup_Program)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Startup_Empty_Window(benchmark::State& state) { Run_Startup(state, "bench_Startup_Empty_Window"); }
BENCHMARK(BM_Startup_Empty_Window)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
