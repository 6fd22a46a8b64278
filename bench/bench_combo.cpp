#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

#include <benchmark/benchmark.h>

#include <QApplication>

namespace {

// The longest lists the table editors put in a combo cell.
void BM_OpenComboListOf1500Entries(benchmark::State& state)
{
    TForm form(nullptr);
    auto* combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->SetStyle(csDropDownList);
    for (int32_t index = 0; index < 1500; ++index)
        combo->Items().Add(QStringLiteral("Position %1").arg(index));
    combo->SetItemIndex(750);
    form.Show();
    for (auto _ : state) {
        combo->DropDown();
        combo->DropList()->Repaint();
        QApplication::processEvents();
        combo->SetDroppedDown(false);
    }
}
BENCHMARK(BM_OpenComboListOf1500Entries)->Unit(benchmark::kMillisecond);

} // namespace
