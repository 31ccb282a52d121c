// Runs the tests inside a headless application: the offscreen platform with one fixed screen
// (1024 x 768 at 96 dpi, no window frames, window-system events delivered at once) and DejaVu
// Sans as the application font, so layouts and glyph pixels are the same on every machine.
#include <QApplication>
#include <QFontDatabase>

#include <gtest/gtest.h>

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
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
