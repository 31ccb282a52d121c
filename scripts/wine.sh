#!/usr/bin/env bash
# Runs a Windows program of the build under Wine 8, as the build's cross-compiling emulator:
#   scripts/wine.sh WINEPREFIX DLL-FOLDERS PROGRAM [ARGUMENTS...]
# WINEPREFIX is the build's own Wine prefix, made on first use; DLL-FOLDERS, separated by ':', are
# the host folders of the libraries the program loads (Qt's, the compiler's), which Wine searches
# through WINEPATH.
set -euo pipefail
export WINEPREFIX=$1
dll_folders=$2
shift 2

wine=/usr/lib/wine/wine64
if [[ ! -x $wine ]]; then
    echo "wine.sh: $wine is missing (bash scripts/setup.sh installs wine64)" >&2
    exit 1
fi
path=
IFS=: read -r -a folders <<<"$dll_folders"
for folder in "${folders[@]}"; do
    path+="${path:+;}Z:${folder//\//\\}"
done
export WINEPATH=$path
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko to offer when the prefix is made, and no menu entries or file associations
# written into the host's desktop.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
mkdir -p "$WINEPREFIX"
# Wine's windows need an X display even when Qt draws off screen: Qt's event loop has a hidden one.
if [[ -z ${DISPLAY:-} ]]; then
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -nolisten tcp" "$wine" "$@"
fi
exec "$wine" "$@"
