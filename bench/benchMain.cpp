// Runs the benchmarks inside a headless application, as the tests run: the offscreen platform
// with one fixed screen (1024 x 768 at 96 dpi) and DejaVu Sans as the application font, so the
// play area has the same size and the letters the same glyphs on every machine.
#include "support/headless.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

int main(int argc, char* argv[]) {
    useHeadlessPlatform();
    QApplication app(argc, argv);
    if (!useFixedFonts())
        return 1;
#ifndef __OPTIMIZE__
    std::fprintf(stderr, "***WARNING*** Velquist was built without optimisation; configure with "
                         "-DCMAKE_BUILD_TYPE=Release for figures worth comparing.\n");
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
