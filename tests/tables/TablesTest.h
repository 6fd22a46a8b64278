#pragma once

#include "app/UComon.h"
#include "app/lang/ULanguage.h"
#include "platform/ui/ScriptedUiServices.h"
#include "platform/xml/XMLDocument.h"
#include "tables/UTable_Editor.h"
#include "tests/app/TestFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A project folder of the test's own, the default texts, and the message
// boxes answered by the test.
class TablesTest : public testing::Test {
protected:
    void SetUp() override
    {
        Reset_Workspace();
        Lang_Texts().Load_Default_Texts();
        Copy_Row_List = std::make_unique<TStringList>();
        SW_Code = QStringLiteral("SC-TX209");
        Project_Name = QStringLiteral("Plant");
        Project_Path = FProject.Path();
        Set_Files();
    }

    // An editor as the entry routine makes it, shown as ShowModal shows it.
    template <typename T> std::unique_ptr<T> Make()
    {
        auto editor = std::make_unique<T>(nullptr);
        editor->DoCreate();
        return editor;
    }
    static void Show(TTable_Editor& editor)
    {
        editor.SetModalResult(mrNone);
        editor.FormShow(&editor);
    }

    // The cells of a row from column 1 on, as a user leaves them.
    static void Fill_Row(TDudColumnGrid& grid, int32_t row, const std::vector<String>& cells)
    {
        for (size_t col = 0; col < cells.size(); ++col)
            grid.SetCellEx(static_cast<int32_t>(col) + 1, row, cells[col]);
    }
    static std::vector<String> Row_Texts(const TDudColumnGrid& grid, int32_t row)
    {
        std::vector<String> texts;
        for (int32_t col = 1; col < grid.ColCount() + grid.NumHiddenColumns(); ++col)
            texts.push_back(grid.GetCellEx(col, row));
        return texts;
    }

    std::string File_Bytes(const String& fileName) const
    {
        return FProject.Read(std::filesystem::path(fileName.toStdString()).filename().string());
    }
    void Write_File(const String& fileName, const std::string& bytes) const
    {
        FProject.Write(std::filesystem::path(fileName.toStdString()).filename().string(), bytes);
    }
    void Remove_File(const String& fileName) const { std::filesystem::remove(fileName.toStdString()); }

    static String Text(int32_t index) { return Lang_Texts()[index]; }
    // The error of an entry: prefix, row number, text and the limit where given.
    static String Row_Error(int32_t prefix, int32_t row, int32_t text, const char* limit = "")
    {
        return Text(prefix) + QString::number(row) + Text(text) + QString::fromLatin1(limit);
    }
    static String Total_Error(int32_t text, int32_t limit) { return Text(text) + QString::number(limit); }

    TTestFolder FProject;
    TScriptedUiServices FServices;
    TScopedUiServices FScope { FServices };
};

// One row of a table as edits of a row that passes: column and text.
struct TCell_Edit {
    int32_t Col;
    const char* Text;
};
using TRow_Edits = std::vector<TCell_Edit>;

// A table typed into one grid and what OK answers: the message, or nothing
// when the table passes and is saved.
struct TOK_Case {
    const char* Name;
    std::vector<TRow_Edits> Rows;
    String Message;
    int32_t Grid = 0;
    int32_t Repeat = 1; // the rows typed this many times over
};
