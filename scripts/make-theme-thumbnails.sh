#!/bin/sh
# Regenerates resources/themes/*.png: each preview theme rendered by the
# editor's own page. Run after changing a theme's CSS, then rebuild.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build --target themethumbnails
home=$(mktemp -d)
HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" QTWEBENGINE_DISABLE_SANDBOX=1 \
    xvfb-run -a build/tools/themethumbnails resources/themes
rm -rf "$home"
