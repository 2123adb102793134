#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with CPack, checks its control fields and contents and has lintian
# check it, unpacks it into a throw-away root and starts the unpacked program on a virtual X
# server until its first window shows. The program runs from outside the build tree, with a bare
# environment.
#
# Usage: package_test.sh BUILD_DIR
set -euo pipefail

build_dir=$1

# shellcheck source=scripts/virtual-display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/virtual-display.sh"
work=$(mktemp -d)
xvfb_pid='' program_pid=''
trap end_display_session EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# --- Build -----------------------------------------------------------------------------------
(cd "$work" && cpack --config "$build_dir/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; exit 1; }
packages=("$work"/out/*.deb)
if [ ${#packages[@]} -ne 1 ] || [ ! -f "${packages[0]}" ]; then
    echo "FAIL: no single .deb made" >&2
    exit 1
fi
deb=${packages[0]}

field() { dpkg-deb --field "$deb" "$1"; }

# --- Control fields --------------------------------------------------------------------------
[ "$(field Package)" = zintra-win ] || fail "package name is '$(field Package)'"
version=$(field Version)
[ "$(basename "$deb")" = "zintra-win_${version}_$(dpkg --print-architecture).deb" ] ||
    fail "file name $(basename "$deb") does not follow name_version_arch.deb"
[ "$(field Section)" = games ] || fail "section is '$(field Section)'"
depends=$(field Depends)
dependencies=$(tr '|,' '\n' <<<"$depends" | sed 's/(.*)//; s/:.*//' | tr -d ' ')
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libx11-6 qt6-qpa-plugins; do
    grep -qxF "$library" <<<"$dependencies" || fail "Depends lacks $library: $depends"
done
# Every package named must be one this machine knows: the program was built against them.
for dependency in $dependencies; do
    dpkg-query -W "$dependency" >/dev/null 2>&1 || fail "Depends names unknown package $dependency"
done
# Qt's Wayland plugin lets the game run natively on a Wayland desktop; without it, through X.
recommends=$(field Recommends)
grep -qw qt6-wayland <<<"$recommends" || fail "Recommends lacks qt6-wayland: $recommends"
description=$(field Description)
summary=$(head -n1 <<<"$description")
if [ -z "$summary" ] || [ ${#summary} -gt 80 ]; then
    fail "summary line is '$summary'"
fi
[ "$(wc -l <<<"$description")" -ge 3 ] || fail "no extended description: $description"
# dpkg and apt show the description as it stands: no line may be wider than a terminal.
if awk 'length($0) > 80' <<<"$description" | grep .; then
    fail "description lines above are wider than 80 columns"
fi

# --- Contents --------------------------------------------------------------------------------
# Exactly what `cmake --install` puts under /usr (its layout has checks of its own), stripped,
# but for what Debian asks of a game's package (dist/DebianLayout.cmake): the program in
# /usr/games rather than /usr/bin, the copyright and changelog, and lintian's overrides.
root=$work/root
installed=$work/installed
dpkg -x "$deb" "$root"
DESTDIR=$installed cmake --install "$build_dir" --prefix /usr --strip >/dev/null
expected_differences=$(printf '%s\n' "Only in $installed/usr: bin" "Only in $root/usr: games" \
    "Only in $root/usr/share: doc" "Only in $root/usr/share: lintian" | sort)
differences=$(diff -r "$installed" "$root" | sort || true)
[ "$differences" = "$expected_differences" ] ||
    fail "the package differs from the install otherwise than expected: $differences"
program=$root/usr/games/zintra_win
cmp -s "$installed/usr/bin/zintra_win" "$program" || fail "the packaged program is not the installed one"
doc=$root/usr/share/doc/zintra-win
[ "$(ls "$doc")" = "$(printf '%s\n' changelog.Debian.gz copyright)" ] ||
    fail "the doc folder holds $(ls "$doc" | tr '\n' ' ')"
if dpkg-deb --contents "$deb" | grep -vE '^[-d]r.xr-xr-x|^-rw-r--r--'; then
    fail "files above are not 0755/0644"
fi
if file "$program" | grep -q 'not stripped'; then
    fail "the packaged program is not stripped"
fi
# The package's version is the program's, then the revision of its packaging.
[ "$("$program" --version)" = "Zintra_win ${version%-*}" ] ||
    fail "package version $version but the program says '$("$program" --version)'"
gzip -dc "$doc/changelog.Debian.gz" | head -n1 | grep -qF "zintra-win ($version) " ||
    fail "the changelog's newest entry is not $version"

# --- Debian's checks -------------------------------------------------------------------------
# Errors and warnings both fail; what does not apply is overridden in the package, with reasons
# (dist/lintian-overrides).
if ! lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1; then
    fail "lintian: $(grep -v 'root privileges' "$work/lintian.log")"
fi

# --- First window ----------------------------------------------------------------------------
start_virtual_display "$work" 1024x768 || exit 1

(cd / && exec env -i DISPLAY="$DISPLAY" HOME="$work" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" \
    PATH=/usr/bin:/bin "$program" >"$work/program.log" 2>&1) &
program_pid=$!
if ! timeout 20 xdotool search --sync --onlyvisible --name '^Number of Players$' \
    >/dev/null; then
    fail "the installed program showed no first window"
    cat "$work/program.log" >&2
fi
kill -0 "$program_pid" 2>/dev/null || fail "the installed program is no longer running"

[ "$failures" -eq 0 ]
