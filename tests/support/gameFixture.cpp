#include "support/gameFixture.h"

#include "game/gameCode.h"
#include "platform/appPath.h"
#include "platform/random.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

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

int countLitPixels(const QImage& image) {
    return image.width() * image.height() - countPixels(image, 0);
}

void GameFixture::SetUp() {
    ASSERT_TRUE(folder.isValid());
    platform::setAppPathForTesting(folderPath());
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

int GameFixture::tick(int n) {
    int ran = 0;
    while (ran < n && window->gameLoop.deliverTick())
        ++ran;
    return ran;
}

void GameFixture::release(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyRelease(window->picGame.widget(), key, modifiers);
}

void GameFixture::processEvents() {
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

std::string GameFixture::statusText() const {
    return window->lblInfo->text().toStdString();
}
