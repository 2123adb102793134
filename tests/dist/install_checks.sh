#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts on a machine, checked one aspect per call so that CTest names what
# broke: the layout, the desktop entry, the AppStream metadata and the manual page. Each call
# installs the build into a fresh folder of its own, stripped as a package installs it (debug
# information names the sources by their paths, which is what it is there for).
#
# Usage: install_checks.sh CHECK BUILD_DIR SOURCE_DIR APP_ID
set -euo pipefail

check=$1 build_dir=$2 source_dir=$3 app_id=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/usr
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cmake --install "$build_dir" --prefix "$prefix" --strip >"$work/install.log" ||
    { cat "$work/install.log" >&2; exit 1; }

program=$prefix/bin/zintra_win
desktop_entry=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
man_page=$prefix/share/man/man6/zintra_win.6.gz

check_layout() {
    [ -x "$program" ] || fail "no executable program at $program"
    local file
    for file in "$desktop_entry" "$metainfo" "$man_page" \
        "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg"; do
        [ -s "$file" ] || fail "missing ${file#"$prefix"/}"
    done
    # Every size drawn in res/icons, and nothing else, under its own hicolor folder.
    local shipped=() installed=() bitmap size
    for bitmap in "$source_dir"/res/icons/zintra_win-*.png; do
        size=${bitmap##*-}
        size=${size%.png}
        shipped+=("${size}x$size")
        cmp -s "$bitmap" "$prefix/share/icons/hicolor/${size}x$size/apps/$app_id.png" ||
            fail "the ${size}x$size icon is not the one in res/icons"
    done
    for bitmap in "$prefix"/share/icons/hicolor/*/apps/"$app_id".png; do
        installed+=("$(basename "$(dirname "$(dirname "$bitmap")")")")
    done
    [ "$(printf '%s\n' "${shipped[@]}" | sort)" = "$(printf '%s\n' "${installed[@]}" | sort)" ] ||
        fail "icon sizes installed (${installed[*]}) are not those shipped (${shipped[*]})"
    # Nothing in the installed tree may point back into the build or source trees.
    if readelf -d "$program" | grep -E 'RPATH|RUNPATH'; then
        fail "the installed program carries a library search path"
    fi
    if grep -rlF -e "$build_dir" -e "$source_dir" "$prefix"; then
        fail "installed files name the build or source tree"
    fi
}

check_desktop_entry() {
    # Hints too: a missing main category only earns one, and hides the game in "Other".
    local report
    if ! report=$(desktop-file-validate "$desktop_entry" 2>&1) || [ -n "$report" ]; then
        fail "desktop-file-validate: $report"
    fi
    # Every way in (the entry and each of its actions) starts the installed program with
    # arguments it takes.
    local exec icon
    while IFS= read -r exec; do
        [ -x "$prefix/bin/${exec%% *}" ] || fail "Exec=$exec is not the installed program"
        local arguments=()
        read -r -a arguments <<<"${exec#"${exec%% *}"}"
        # --version after them keeps the program from opening a window.
        "$program" "${arguments[@]}" --version >/dev/null 2>&1 ||
            fail "Exec=$exec gives arguments the program refuses"
    done < <(sed -n 's/^Exec=//p' "$desktop_entry")
    icon=$(sed -n 's/^Icon=//p' "$desktop_entry")
    [ -s "$prefix/share/icons/hicolor/48x48/apps/$icon.png" ] ||
        fail "Icon=$icon has no 48x48 picture in the hicolor theme"
}

check_metainfo() {
    # Pedantic notes too, which appstreamcli reports but does not fail on.
    local report
    if ! report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) ||
        grep -qE '^[EWIP]: ' <<<"$report"; then
        fail "appstreamcli: $report"
    fi
    grep -qF "<launchable type=\"desktop-id\">$(basename "$desktop_entry")</launchable>" \
        "$metainfo" || fail "the metadata does not launch the installed desktop entry"
    grep -qE '<screenshot type="default">' "$metainfo" || fail "no default screenshot"
    # The newest release is the version the program itself reports.
    local release reported
    release=$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)
    reported=$("$program" --version)
    [ "$reported" = "Zintra_win $release" ] ||
        fail "the newest release is '$release' but the program says '$reported'"
}

check_man_page() {
    local page=$work/zintra_win.6
    gzip -dc "$man_page" >"$page"
    local warnings
    warnings=$(LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 "$page" 2>&1)
    [ -z "$warnings" ] || fail "groff warns: $warnings"
    grep -q '^\.TH ZINTRA_WIN 6 ' "$page" || fail "the page is not in section 6"
    grep -qF "Zintra_win $("$program" --version | cut -d' ' -f2)" "$page" ||
        fail "the page does not carry the program's version"
    # The options the program lists and the options the page documents are the same.
    local listed documented option
    listed=$("$program" --help | grep -oE '^ +--?[a-z][a-z-]*' | tr -d ' ' | sort -u)
    documented=$(sed -n '/^\.SH OPTIONS/,/^\.SH /p' "$page" | sed 's/\\-/-/g' |
        grep -oE '(^|[ "])--?[a-z][a-z-]*' | tr -d ' "' | sort -u)
    for option in $listed; do
        grep -qxF -- "$option" <<<"$documented" || fail "--help lists $option, the page does not"
    done
    for option in $documented; do
        local arguments=("$option")
        case $option in
        --seed) arguments+=(1) ;;
        --computer) arguments+=(2-5) ;;
        --level) arguments+=(hard) ;;
        --pace) arguments+=(0) ;;
        esac
        # --version after the option keeps the program from opening a window.
        "$program" "${arguments[@]}" --version >/dev/null 2>&1 ||
            fail "the page documents $option, which the program refuses"
    done
}

case $check in
layout) check_layout ;;
desktop-entry) check_desktop_entry ;;
metainfo) check_metainfo ;;
man-page) check_man_page ;;
*) echo "unknown check '$check'" >&2; exit 2 ;;
esac

[ "$failures" -eq 0 ]
