#include "platform/sound.h"

#include <QString>

#include <windows.h>

#include <mmsystem.h> // needs windows.h first

namespace platform {

namespace {

// The system's own wave output. PlaySoundA takes the path in the ANSI code page, and without
// SND_NODEFAULT plays the system's default sound in place of a file it cannot find or play, so
// every play counts as played.
class WinmmSound final : public SoundOutput {
  public:
    int deviceCount() override { return static_cast<int>(::waveOutGetNumDevs()); }

    bool play(const std::string& path) override {
        ::PlaySoundA(ansiPath(path).c_str(), nullptr, SND_FILENAME | SND_ASYNC);
        return true;
    }

  private:
    // Characters the code page lacks become what the system puts in their place, as for any
    // program that asks for a file by an ANSI name.
    static std::string ansiPath(const std::string& path) {
        const std::wstring wide = QString::fromStdString(path).toStdWString();
        const int size =
            ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string ansi(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
        ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), size, nullptr, nullptr);
        ansi.resize(ansi.find('\0'));
        return ansi;
    }
};

} // namespace

std::unique_ptr<SoundOutput> makeSystemSoundOutput() {
    return std::make_unique<WinmmSound>();
}

} // namespace platform
