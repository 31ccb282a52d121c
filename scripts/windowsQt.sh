#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source with mingw-w64, once, into a
# cache folder outside the checkout ($VELQUIST_CACHE, by default ~/.cache/velquist), and prints
# the install prefix on its last line. The folder's name carries the Qt version and a hash of the
# options and the toolchain file, so a change to either builds a new Qt beside the old one; when
# the build is already there, this does nothing but print it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
toolchain=$root/cmake/mingw-w64.cmake

# The same source version as the host tools the cross build runs (moc, rcc, uic).
debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
version=${debian_version%%+*}
# Only what the game and its tests use: Core, Gui, Widgets and Test, the Windows and offscreen
# platform plugins, with Qt's own copies of the libraries Windows lacks.
options=(
    -release -shared -qt-host-path /usr -nomake tests -nomake examples
    -no-opengl -no-dbus -no-feature-sql -no-feature-network -no-feature-printsupport
    -no-feature-concurrent -no-feature-xml -no-feature-pdf -no-feature-graphicsview
    -no-feature-filedialog -no-feature-colordialog -no-feature-fontdialog -no-feature-wizard
    -no-feature-mdiarea -no-feature-calendarwidget -no-feature-dockwidget
    -no-feature-textodfwriter -no-feature-undocommand -no-feature-movie
    -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre -no-feature-jpeg
    # Debian's source leaves out the Wintab headers, and Direct2D needs DirectWrite 3 to link.
    -no-feature-tabletevent -no-direct2d -no-feature-directwrite3
)
key=$(printf '%s\n' "$debian_version" "${options[@]}" | cat - "$toolchain" | sha256sum | cut -c1-12)
cache=${VELQUIST_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velquist}
prefix=$cache/qt-$version-mingw64-$key

if [[ -f $prefix/.complete ]]; then
    echo "$prefix"
    exit 0
fi

work=$cache/work-$key
rm -rf "$work"
mkdir -p "$work/lists/partial"

# Debian's source package, fetched through a sources list of its own so that the machine's apt
# set-up is left as it is: a deb-src line for each archive and suite the machine installs from.
awk '
    /^Types:/ { types = $0 } /^URIs:/ { uri = $2 } /^Suites:/ { $1 = ""; suites = $0 }
    /^Components:/ { $1 = ""; components = $0 } /^Signed-By:/ { key = $2 }
    /^$/ { flush() } END { flush() }
    function flush() {
        if (uri != "" && types ~ /deb/) {
            n = split(suites, list, " ")
            for (i = 1; i <= n; i++)
                printf "deb-src [signed-by=%s] %s %s%s\n", key, uri, list[i], components
        }
        uri = ""
    }' /etc/apt/sources.list.d/debian.sources >"$work/sources.list"
apt_options=(-o "Dir::Etc::sourcelist=$work/sources.list" -o Dir::Etc::sourceparts=-
    -o "Dir::State::Lists=$work/lists" -o APT::Sandbox::User=root)
apt-get "${apt_options[@]}" update -qq
(cd "$work" && apt-get "${apt_options[@]}" source --download-only "qt6-base=$debian_version")
# Unpacked with Debian's patches applied, its security fixes among them.
source_dir=$work/qtbase
dpkg-source --no-check -x "$work"/qt6-base_*.dsc "$source_dir" >/dev/null

# The compiler's many warnings about Qt's own code go to a log, shown in part if the build fails.
mkdir -p "$work/build"
cd "$work/build"
echo "windowsQt: building Qt $version for Windows into $prefix (about 30 to 60 minutes)" >&2
if ! "$source_dir/configure" -prefix "$prefix" "${options[@]}" -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 ||
    ! cmake --build . --parallel "$(nproc)" >build.log 2>&1 ||
    ! cmake --install . >install.log 2>&1; then
    tail -n 40 ./*.log >&2
    echo "windowsQt: the build failed; its logs are in $work/build" >&2
    exit 1
fi
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
