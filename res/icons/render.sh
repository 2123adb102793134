#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the application icon, zintra_win.svg, to the PNGs that the executable embeds, at the
# sizes icons.qrc lists. The PNGs are committed, so a build needs no converter; run this after
# changing the SVG or the list. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail

cd "$(dirname "$0")"
command -v rsvg-convert >/dev/null || {
    echo "render.sh: rsvg-convert not found; install librsvg2-bin" >&2
    exit 1
}
for size in $(sed -n 's|.*<file>zintra_win-\([0-9]*\)\.png</file>.*|\1|p' icons.qrc); do
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "zintra_win-$size.png" zintra_win.svg
done
