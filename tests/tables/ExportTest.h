#pragma once

#include "app/lang/ULanguage.h"
#include "platform/ui/ScriptedUiServices.h"
#include "tests/app/TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// A project folder of the test's own, open in the workspace, with the texts
// in English and message boxes and file dialogs answered by the test.
class ExportTest : public testing::Test {
protected:
    void SetUp() override
    {
        Reset_Workspace();
        Lang_Texts().Load_Default_Texts();
        Project_Name = QStringLiteral("Plant");
        Project_Path = FProject.Path();
        Set_Files();
    }
    void Write_ParGen(const std::string& keys) const
    {
        FProject.Write("ParGen.xml", "<Par_Gen>" + keys + "</Par_Gen><!--SW_VERSION = 1.000-->");
    }

    TTestFolder FProject;
    TScriptedUiServices FServices;
    TScopedUiServices FScope { FServices };
};

// The text with every line break written as CR LF.
inline std::string Crlf(const std::string& text)
{
    std::string result;
    for (const char character : text) {
        if (character == '\n')
            result += '\r';
        result += character;
    }
    return result;
}

// Where two texts first differ, line by line, or "" when they are equal: a
// short failure message for texts of hundreds of lines.
inline std::string First_Difference(const std::string& actual, const std::string& expected)
{
    if (actual == expected)
        return std::string();
    size_t line = 1, start = 0;
    for (size_t index = 0; index < std::min(actual.size(), expected.size()); ++index) {
        if (actual[index] != expected[index])
            break;
        if (actual[index] == '\n') {
            ++line;
            start = index + 1;
        }
    }
    const auto lineAt = [start](const std::string& text) { return text.substr(start, text.find('\n', start) - start); };
    return "line " + std::to_string(line) + ": got \"" + lineAt(actual) + "\", expected \"" + lineAt(expected) + "\"";
}

// True when the text ends in a line break and every line break is CR LF.
inline bool Every_Line_Ends_In_Crlf(const std::string& text)
{
    if (text.size() < 2 || text.compare(text.size() - 2, 2, "\r\n") != 0)
        return false;
    for (size_t index = 0; index < text.size(); ++index) {
        const bool lineFeed = text[index] == '\n';
        const bool afterReturn = index > 0 && text[index - 1] == '\r';
        if (lineFeed != afterReturn)
            return false;
    }
    return true;
}

// The lines of a text whose lines end in CR LF.
inline std::vector<std::string> Crlf_Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
