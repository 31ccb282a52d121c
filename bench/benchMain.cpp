// Runs the benchmarks inside a headless application, as the tests run: the offscreen platform
// with one fixed screen (1024 x 768 at 96 dpi) and DejaVu Sans as the application font, so the
// play area has the same size and the letters the same glyphs on every machine.
#include <QApplication>
#include <QFontDatabase>

#include <benchmark/benchmark.h>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VELQUIST_OFFSCREEN_CONFIG);
    qputenv("QT_LOGGING_RULES", "qt.multimedia*=false");
    QApplication app(argc, argv);
    for (const char* file : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                             "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"}) {
        if (QFontDatabase::addApplicationFont(file) < 0) {
            std::fprintf(stderr, "cannot load %s (package fonts-dejavu-core)\n", file);
            return 1;
        }
    }
    QApplication::setFont(QFont("DejaVu Sans", 9));
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
