#!/usr/bin/env bash
# Builds the program (installing what is missing) and makes the portable bundle
# dist/vocadrill-<version>-linux-x86_64.tar.gz: the program folder with the Qt libraries, plugins
# and translations it needs and the libraries those need in turn (ICU's data among them), found
# from their own dependencies. It runs from wherever it is unpacked: every bundled file finds
# the others through its RPATH, and qt.conf beside the program points Qt at the plugins and
# translations. Left to the machine: the C library, OpenGL, the core X client libraries and
# fontconfig with freetype, which a desktop always has and which must match its drivers and fonts.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing patchelf

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name="vocadrill-$version-linux-x86_64"
qtpaths=/usr/lib/qt6/bin/qtpaths6
qt_plugins=$("$qtpaths" --query QT_INSTALL_PLUGINS)
qt_translations=$("$qtpaths" --query QT_INSTALL_TRANSLATIONS)
plugins=(platforms/libqxcb.so xcbglintegrations imageformats platforminputcontexts
         multimedia/libgstreamermediaplugin.so)
system_libraries='^(linux-vdso|ld-linux-x86-64|libc|libm|libdl|libpthread|librt|libresolv|libGL|libGLX|libEGL|libOpenGL|libGLdispatch|libgbm|libdrm|libX11|libX11-xcb|libxcb|libXau|libXdmcp|libfontconfig|libfreetype|libexpat|libz)\.so'

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" --strip > /dev/null
app="$work/$name"
mv "$work/prefix/lib/vocadrill" "$app"
mkdir -p "$app/lib" "$app/plugins" "$app/translations"

for p in "${plugins[@]}"; do
    mkdir -p "$app/plugins/$(dirname "$p")"
    cp -r "$qt_plugins/$p" "$app/plugins/$(dirname "$p")/"
done
cp "$qt_translations/qtbase_ru.qm" "$app/translations/"

# Every library that the program and its plugins need, but for those the machine provides.
find "$app/vocadrill" "$app/plugins" -type f -name '*' -exec ldd {} + |
    awk '$2 == "=>" && $3 ~ /^\// { print $1, $3 }' | sort -u |
    while read -r soname path; do
        [[ $soname =~ $system_libraries ]] || cp -L "$path" "$app/lib/$soname"
    done

patchelf --set-rpath '$ORIGIN/lib' "$app/vocadrill"
for f in "$app"/lib/*; do patchelf --set-rpath '$ORIGIN' "$f"; done
find "$app/plugins" -name '*.so' -exec patchelf --set-rpath '$ORIGIN/../../lib' {} \;
cat > "$app/qt.conf" <<'CONF'
[Paths]
Prefix = .
Libraries = lib
Plugins = plugins
Translations = translations
CONF

mkdir -p "$root/dist"
tar -C "$work" -czf "$root/dist/$name.tar.gz" "$name"
echo "$root/dist/$name.tar.gz"
