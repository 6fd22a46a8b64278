#pragma once

#include "tests/app/ShellTest.h"

#include <memory>
#include <string>

// The main window of a program that has just created the project "Plant"
// through its first step, with nothing asked of the user since.
class OpenProjectTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        FWindow = Create();
        Answer_New_Project(QStringLiteral("Plant"));
        FWindow->Btn_New->Click();
        ASSERT_TRUE(Project_Is_Open());
        FServices.Clear();
    }
    std::string Project_File(const std::string& name) const { return FExe.Read("PROJECTS/Plant/" + name); }

    std::unique_ptr<TFTrelvadoreFirmWare> FWindow;
};
