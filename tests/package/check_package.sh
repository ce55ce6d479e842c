#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it as a user's
# machine would meet it: its files, its dependencies, the desktop entry and
# AppStream data against their validators, and the unpacked program starting
# until its window shows.
# Usage: check_package.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

desktop-file-validate "$source/resources/linux/app.penwick.Penwick.desktop"
appstreamcli validate --no-net "$source/resources/linux/app.penwick.Penwick.metainfo.xml"

(cd "$build" && cpack -G DEB -B "$work/out" > "$work/cpack.log") || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/penwick_*.deb)

dpkg-deb --info "$deb" > "$work/info"
for dependency in libqt5webenginewidgets5 libmd4c-html0 libxlsxwriter libhunspell xdg-utils qtwebengine5-dev-tools; do
  grep -q "^ Depends:.*$dependency" "$work/info" || { echo "no dependency on $dependency"; cat "$work/info"; exit 1; }
done

grep -q "^ Recommends:.*hunspell-en-us" "$work/info" || { echo "no dictionary recommended"; cat "$work/info"; exit 1; }

dpkg-deb --contents "$deb" > "$work/contents"
for file in usr/bin/penwick usr/share/applications/app.penwick.Penwick.desktop \
            usr/share/metainfo/app.penwick.Penwick.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/app.penwick.Penwick.svg \
            usr/share/icons/hicolor/48x48/apps/app.penwick.Penwick.png \
            usr/share/icons/hicolor/256x256/apps/app.penwick.Penwick.png \
            usr/share/penwick/themes/github-markdown-light.css usr/share/man/man1/penwick.1.gz; do
  grep -q " \./$file\$" "$work/contents" || { echo "missing $file"; cat "$work/contents"; exit 1; }
done
grep -q "^Exec=penwick %F$" "$source/resources/linux/app.penwick.Penwick.desktop"

dpkg-deb -x "$deb" "$work/root"
mkdir -p "$work/home"
HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
  QTWEBENGINE_DISABLE_SANDBOX=1 "$work/root/usr/bin/penwick" > "$work/run.log" 2>&1 &
pid=$!
for _ in $(seq 120); do
  if xdotool search --onlyvisible --pid "$pid" --name "Penwick" > /dev/null 2>&1; then
    echo "package checked: $(basename "$deb")"
    exit 0
  fi
  kill -0 "$pid" 2>/dev/null || { echo "the unpacked program ended"; cat "$work/run.log"; exit 1; }
  sleep 0.5
done
echo "no window from the unpacked program"
cat "$work/run.log"
exit 1
