#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

// Every benchmark runs inside one application object, so widgets, fonts and
// painting cost what they cost in the program.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
