#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Velquist need.
# Does nothing when every package is already present, so it is cheap to run before each build.
set -euo pipefail

packages=(
    # Build tools
    cmake g++ make pkg-config
    # Qt 6 Widgets, and the X11 headers the key auto-repeat fix uses
    qt6-base-dev libx11-dev libgl-dev
    # The sound effects: the sound server's client library (PulseAudio's, which PipeWire's server
    # speaks too), and SDL_mixer, which decodes the files and plays where no server runs
    libpulse-dev libsdl2-mixer-dev
    # Qt's SVG plugins, which draw the windows' icon, and its Wayland platform plugin, which a
    # Wayland session prefers to XWayland
    libqt6svg6 qt6-wayland
    # The game in other languages: Qt Linguist's tools and their CMake functions, Qt's own
    # translations (the boxes' buttons), and the C library's locales the tests run the game in
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n locales
    # Tests and benchmarks
    libgtest-dev libbenchmark-dev fonts-dejavu-core clang-format
    # Running the real window without a display, and taking screenshots of it, with a session bus
    # of its own; and under a Wayland compositor nested in that display
    xvfb xauth openbox xdotool imagemagick x11-utils x11-xkb-utils dbus-daemon sway jq
    # Reading the game's words back from its screenshots, in the languages the tests run it in
    tesseract-ocr tesseract-ocr-eng tesseract-ocr-deu tesseract-ocr-pol tesseract-ocr-rus
    # The end-to-end test: the desktop files' validators, and strace to see what the program opens
    desktop-file-utils appstream strace
    # The game heard: a PulseAudio of the tests' own and the bench's, and parec to record it; and
    # PipeWire, the sound server of Debian's desktops, with its PulseAudio server and WirePlumber
    pulseaudio pulseaudio-utils pipewire pipewire-pulse wireplumber
    # The Debian package: dpkg-shlibdeps (with file) finds its dependencies, lintian checks it
    dpkg-dev file lintian
    # Fuzzing with libFuzzer and the sanitizers
    clang libclang-rt-14-dev
    # The game for 64-bit Windows: the mingw-w64 cross compilers, Qt built from Debian's own source
    # with Debian's Qt tools (scripts/windowsQt.sh), GoogleTest's source, the icon drawn from the
    # SVG, the NSIS installer, and Wine to run the tests and the installer
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix qt6-base-dev-tools ninja-build
    googletest librsvg2-bin nsis unzip wine64
)

# The locales the tests run the game in: one for each code page they try.
locales=(de_DE.UTF-8 el_GR.UTF-8 en_US.UTF-8 ja_JP.UTF-8 pl_PL.UTF-8 ru_RU.UTF-8 tr_TR.UTF-8)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    if [[ "$status" != "installed" ]]; then
        missing+=("$package")
    fi
done

missingLocales=()
available=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | sed 's/utf-8/utf8/')
for name in "${locales[@]}"; do
    wanted=$(tr '[:upper:]' '[:lower:]' <<<"${name/UTF-8/utf8}")
    grep -qx "$wanted" <<<"$available" || missingLocales+=("$name")
done

if ((${#missing[@]} == 0 && ${#missingLocales[@]} == 0)); then
    exit 0
fi

if [[ "$(id -u)" -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "setup: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
    exit 1
fi

if ((${#missing[@]} > 0)); then
    echo "setup: installing ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
fi
if ((${#missingLocales[@]} > 0)); then
    echo "setup: generating the locales ${missingLocales[*]}"
    for name in "${missingLocales[@]}"; do
        "${as_root[@]}" sed -i "s/^# *\($name UTF-8\)/\1/" /etc/locale.gen
    done
    "${as_root[@]}" locale-gen
fi
