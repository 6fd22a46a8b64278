#pragma once

#include "app/UComon.h"
#include "app/UVersion_Check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string_view>

// A fresh folder under the test's temporary folder, removed at the end.
class TTestFolder {
public:
    TTestFolder()
    {
        static int serial = 0;
        // Test runs of other worktrees share the temporary folder: a run's own
        // number keeps them from removing each other's files.
        static const std::string run = std::to_string(std::random_device()());
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        FPath = std::filesystem::path(testing::TempDir())
            / (std::string("trelvador_") + run + "_" + test->test_suite_name() + "_" + test->name() + "_" + std::to_string(++serial));
        std::filesystem::remove_all(FPath);
        std::filesystem::create_directories(FPath);
    }
    ~TTestFolder() { std::filesystem::remove_all(FPath); }
    TTestFolder(const TTestFolder&) = delete;
    TTestFolder& operator=(const TTestFolder&) = delete;

    String Path() const { return String::fromStdString(FPath.string()); }
    String File(const std::string& relative) const { return String::fromStdString((FPath / relative).string()); }
    std::filesystem::path Native(const std::string& relative) const { return FPath / relative; }
    void Write(const std::string& relative, std::string_view bytes) const
    {
        std::filesystem::create_directories((FPath / relative).parent_path());
        std::ofstream(FPath / relative, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& relative) const
    {
        std::ifstream file(FPath / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    bool IsFolder(const std::string& relative) const { return std::filesystem::is_directory(FPath / relative); }

private:
    std::filesystem::path FPath;
};

inline String Str(const char16_t* text) { return String::fromUtf16(text); }

// Every workspace value as at process start.
inline void Reset_Workspace()
{
    for (String* text : { &Project_Name, &Project_Path, &Projects_Path, &Exe_Path, &Master_Path, &Language_Path,
                          &Cat_EnOcean_Path, &Main_Caption, &SW_Code, &SW_Desc, &Device_IP, &Language_Name,
                          &File_ParGen, &File_EnOcean, &File_MQTT_Set_Topic, &File_BACnet_Slave, &File_KNX_SetAccess,
                          &File_ModbusTCPM_SetAccess, &File_NMEA_Rec_Frames, &File_NMEA_Send_Frames })
        text->clear();
    Update_Option_Index = 0;
    Update_Read_Back = false;
    Opt_Enable_Internet = Opt_Enable_Update = Opt_Jump_Field_Tables = Opt_Double_Click_Auto_Size = false;
    // The tests' maker: on loopback, where nothing answers.
    Set_Maker_Server(QStringLiteral("http://127.0.0.1:9"));
}
