#include "grid/base/VidEri.h"
#include "platform/core/IniFiles.h"
#include "platform/core/StringList.h"
#include "platform/xml/XMLDocument.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// An INI text of that many sections, one value each, as a layout file of
// many grids would hold.
void BM_IniSections(benchmark::State& state)
{
    const auto sections = static_cast<int32_t>(state.range(0));
    TStringList lines;
    for (int32_t index = 0; index < sections; ++index) {
        lines.Add(QStringLiteral("[s%1]").arg(index));
        lines.Add(QStringLiteral("Col0=%1").arg(index));
    }
    for (auto _ : state) {
        TMemIniFile ini(String {});
        ini.SetStrings(lines);
        benchmark::DoNotOptimize(ini.ReadString(QStringLiteral("s%1").arg(sections - 1), QStringLiteral("Col0"), String()));
    }
    state.SetComplexityN(sections);
}
BENCHMARK(BM_IniSections)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// A stored sort order of that many keys.
void BM_SortOrderString(benchmark::State& state)
{
    const auto items = static_cast<int32_t>(state.range(0));
    String text;
    for (int32_t index = 0; index < items; ++index) text += QStringLiteral("u1;");
    TSortIndexList list(0, 0);
    for (auto _ : state) {
        list.LoadFromString(text);
        benchmark::DoNotOptimize(list.Count());
    }
    state.SetComplexityN(items);
}
BENCHMARK(BM_SortOrderString)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// The text of an element nested that deep, read as the settings reader does.
void BM_DeepElementText(benchmark::State& state)
{
    const auto depth = static_cast<int32_t>(state.range(0));
    std::string xml;
    for (int32_t level = 0; level < depth; ++level) xml += "<a>";
    xml += "x";
    for (int32_t level = 0; level < depth; ++level) xml += "</a>";
    TXMLDocument document;
    document.LoadFromXML(String::fromStdString(xml));
    for (auto _ : state) benchmark::DoNotOptimize(document.FirstNode().Text());
    state.SetComplexityN(depth);
}
BENCHMARK(BM_DeepElementText)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace
