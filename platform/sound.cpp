#include "platform/sound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

#include <map>
#include <memory>

namespace platform {

namespace {

class ToolkitSound final : public SoundOutput {
  public:
    int deviceCount() override { return static_cast<int>(QMediaDevices::audioOutputs().size()); }

    void play(const std::string& path) override {
        QSoundEffect* effect = effectFor(path);
        if (playing && playing != effect)
            playing->stop();
        playing = effect;
        if (effect)
            effect->play();
    }

    void preload(const std::string& path) override { effectFor(path); }

  private:
    // Each file is loaded once, on its first use, and kept for the run. The effects belong to the
    // application object, so they go before the audio system shuts down.
    QSoundEffect* effectFor(const std::string& path) {
        auto found = effects.find(path);
        if (found != effects.end())
            return found->second;
        const QString file = QString::fromStdString(path);
        QSoundEffect* effect = nullptr;
        if (QFileInfo(file).isFile()) {
            effect = new QSoundEffect(QCoreApplication::instance());
            effect->setSource(QUrl::fromLocalFile(file));
        }
        effects.emplace(path, effect);
        return effect;
    }

    std::map<std::string, QPointer<QSoundEffect>> effects; // by path; null: no such file
    QPointer<QSoundEffect> playing;                        // the effect started last
};

std::unique_ptr<ToolkitSound> toolkitSound; // made on first use, once the application exists
SoundOutput* installed = nullptr;           // a replacement, if any

} // namespace

SoundOutput& soundOutput() {
    if (installed)
        return *installed;
    if (!toolkitSound)
        toolkitSound = std::make_unique<ToolkitSound>();
    return *toolkitSound;
}

void setSoundOutput(SoundOutput* output) {
    installed = output;
}

} // namespace platform
