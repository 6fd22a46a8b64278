#include "tools/screenshot/FrameRows.h"

#include "tables/UTable_Editor.h"

#include <span>

namespace {

constexpr const char* ReceiveRows[][8] = {
    { "127250", "1", "N", "N", "", "", "Y", "Vessel heading" },
    { "129025", "2", "N", "N", "", "", "N", "Position, rapid update" },
    { "129029", "2", "N", "Y", "0", "43", "N", "GNSS position data" },
    { "130306", "10", "N", "N", "1", "4", "Y", "Wind speed and angle" },
    { "126996", "35", "Y", "N", "0", "134", "N", "Product information" },
    { "0x1F211", "17", "N", "N", "", "", "N", "Fluid level" },
};

constexpr const char* SendRows[][10] = {
    { "3", "127488", "40", "N", "8", "N", "Y", "Y", "100", "Engine, rapid update" },
    { "6", "127489", "40", "Y", "26", "N", "N", "Y", "500", "Engine, dynamic" },
    { "6", "127505", "40", "Y", "14", "Y", "Y", "N", "", "Fluid level" },
    { "2", "130310", "40", "N", "8", "N", "N", "Y", "2000", "Environmental parameters" },
};

template <size_t N> void Fill(TTable_Editor& editor, std::span<const char* const[N]> rows)
{
    TDudColumnGrid& grid = editor.Grid(0);
    for (size_t row = 0; row < rows.size(); ++row)
        for (size_t col = 0; col < N; ++col)
            grid.SetCellEx(static_cast<int32_t>(col) + 1, static_cast<int32_t>(row) + 1, QString::fromUtf8(rows[row][col]));
    grid.SetCol(2);
    grid.SetRow(2);
}

} // namespace

void FillReceiveFrames(TTable_Editor& editor) { Fill<8>(editor, ReceiveRows); }
void FillSendFrames(TTable_Editor& editor) { Fill<10>(editor, SendRows); }
