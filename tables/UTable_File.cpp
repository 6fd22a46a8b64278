#include "tables/UTable_Editor.h"

#include "platform/core/FileUtils.h"
#include "platform/ui/UiServices.h"
#include "platform/xml/XMLWriter.h"
#include "tables/UTable_Messages.h"

namespace {

// The root is the document's element: a hand-edited file may start with a
// declaration or a comment.
TXMLNode Root_Element(const TXMLDocument& document)
{
    for (int32_t index = 0; index < document.ChildCount(); ++index)
        if (document.Child(index).Kind() == TXMLNodeKind::Element)
            return document.Child(index);
    return {};
}

// One line per problem.
void Add_Line(String& lines, const String& line)
{
    if (!lines.isEmpty())
        lines += u'\n';
    lines += line;
}

// What one load left out, gathered into one warning.
struct TLoad_Report {
    String Problems;
    // The problems that leave rows of the file out of the table.
    String Shortfall;
    int32_t Missing = 0;
    String First_Missing;
    int32_t First_Missing_Row = 0;
};

} // namespace

void TTable_Editor::Load_File()
{
    FLoad_Shortfall.clear();
    const String& fileName = *FLayout.File;
    if (!FileExists(fileName))
        return;
    TLoad_Report report;
    try {
        XML1.LoadFromFile(fileName);
    } catch (const Exception& error) {
        Add_Line(report.Problems, Unreadable_File_Problem(error.Message()));
        Add_Line(report.Shortfall, Unreadable_File_Problem(error.Message()));
    }
    const TXMLNode root = report.Problems.isEmpty() ? Root_Element(XML1) : TXMLNode();
    for (size_t index = 0; root && index < FGrids.size(); ++index) {
        const TTable_Grid& info = FLayout.Grids[index];
        // The KNX read section is never read: its grid is never shown.
        if (!info.Shown)
            continue;
        const String sectionName = info.Section ? QString::fromLatin1(info.Section) : root.NodeName();
        const TXMLNode section = info.Section ? root.ChildNode(sectionName) : root;
        if (!section) {
            Add_Line(report.Problems, Missing_Section_Problem(sectionName));
            continue;
        }
        TDudColumnGrid& grid = *FGrids[index];
        const int32_t capacity = grid.RowCount() - 1;
        grid.BeginUpdate();
        int32_t row = 0;
        for (TXMLNode node = section.Child(0); node; node = node.NextSibling()) {
            if (node.Kind() != TXMLNodeKind::Element)
                continue;
            if (++row > capacity)
                continue;
            for (size_t col = 1; col < info.Columns.size(); ++col) {
                const TTable_Column& column = info.Columns[col];
                if (!column.Attribute) {
                    grid.SetCellEx(static_cast<int32_t>(col), row, QString::fromLatin1(column.Default ? column.Default : ""));
                    continue;
                }
                const String attribute = QString::fromLatin1(column.Attribute);
                std::optional<String> text = node.Attribute(attribute);
                if (!text) {
                    if (column.Default == Required && report.Missing++ == 0) {
                        report.First_Missing = attribute;
                        report.First_Missing_Row = row;
                    }
                    text = QString::fromLatin1(column.Default ? column.Default : "");
                }
                grid.SetCellEx(static_cast<int32_t>(col), row, Loaded_Cell(static_cast<int32_t>(index), static_cast<int32_t>(col), *text));
            }
        }
        grid.EndUpdate();
        if (row > capacity) {
            Add_Line(report.Problems, Too_Many_Rows_Problem(sectionName, row, capacity));
            Add_Line(report.Shortfall, Too_Many_Rows_Problem(sectionName, row, capacity));
        }
    }
    if (report.Missing > 0)
        Add_Line(report.Problems, Missing_Attributes_Problem(report.Missing, report.First_Missing, report.First_Missing_Row));
    FLoad_Shortfall = report.Shortfall;
    if (!report.Problems.isEmpty())
        MessageDlg(Load_Problems_Message(fileName, report.Problems), mtWarning, mbOKOnly);
}

bool TTable_Editor::Save_File()
{
    const String& fileName = *FLayout.File;
    try {
        TXMLWriter writer;
        const auto rows = [&](size_t index) {
            const TTable_Grid& info = FLayout.Grids[index];
            if (index >= FGrids.size() || !info.Shown)
                return;
            const int32_t count = Table_Rows(static_cast<int32_t>(index));
            for (int32_t row = 1; row <= count; ++row) {
                writer.Open("row");
                for (size_t col = 1; col < info.Columns.size(); ++col) {
                    if (info.Columns[col].Attribute)
                        writer.Attribute(info.Columns[col].Attribute,
                            Saved_Cell(static_cast<int32_t>(index), static_cast<int32_t>(col), row));
                }
                writer.Close();
            }
        };
        writer.Open(FLayout.Root);
        // Every section first, each with its grid's rows; the rows that
        // belong to the root itself follow them.
        for (size_t index = 0; index < FLayout.Grids.size(); ++index) {
            if (!FLayout.Grids[index].Section)
                continue;
            writer.Open(FLayout.Grids[index].Section);
            rows(index);
            writer.Close();
        }
        for (size_t index = 0; index < FLayout.Grids.size(); ++index)
            if (!FLayout.Grids[index].Section)
                rows(index);
        writer.Close();
        writer.Comment(QStringLiteral("SW_VERSION = ") + QString::fromLatin1(FLayout.Version));
        WriteFileAtomic(fileName, reinterpret_cast<const uint8_t*>(writer.Bytes().data()), writer.Bytes().size());
    } catch (const Exception& error) {
        MessageDlg(Save_Failed_Message(fileName, error.Message()), mtError, mbOKOnly);
        return false;
    }
    FLoad_Shortfall.clear();
    return true;
}
