#include "support/gameFixture.h"

#include "platform/appPath.h"
#include "platform/random.h"

#include <fstream>

int countPixels(const QImage& image, std::int32_t bgr) {
    const QRgb wanted = qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            count += (line[x] & 0xFFFFFF) == (wanted & 0xFFFFFF) ? 1 : 0;
    }
    return count;
}

void GameFixture::SetUp() {
    ASSERT_TRUE(folder.isValid());
    platform::setAppPathForTesting(folderPath());
    // The program's two sounds lie in its folder, as the build leaves them beside it.
    for (const char* name : {"/hit.wav", "/default.wav"})
        std::ofstream(folderPath() + name).put('\0');
    // A player's own data folder, for tables the program folder cannot hold.
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder.path() + "/data"));
    platform::setSoundOutput(&sound);
    platform::setDialogProvider(&dialogs);
    platform::fixSeed(20261206);
    resetEngineState();
    window = std::make_unique<frmMain>();
    window->showMaximized();
    processEvents();
}

void GameFixture::TearDown() {
    if (window)
        window->close();
    window.reset();
    platform::setDialogProvider(nullptr);
    platform::setSoundOutput(nullptr);
    platform::setAppPathForTesting({});
    platform::unfixSeed();
}

// Runs the tests inside a headless application with fixed fonts.
int main(int argc, char* argv[]) {
    useHeadlessPlatform();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Velquist"); // as the program names itself
    if (!useFixedFonts())
        return 1;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
