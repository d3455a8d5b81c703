#!/usr/bin/env bash
# Builds the Debian package from this build folder, unpacks it and checks
# that it holds a working, complete installation. Every fault is listed
# before the test fails.
#   package_test.sh BUILD_DIR VERSION APP_ID ICON_SIZE...
set -u
build=$1
version=$2
app_id=$3
shift 3
sizes=("$@")

for tool in cpack dpkg-deb dpkg-shlibdeps file gzip; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (Debian packages cmake, dpkg-dev, file; make deps installs them)"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() {
    echo "FAIL: $*"
    status=1
}

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack could not build the package (is everything built?)"
    exit 1
fi
shopt -s nullglob
debs=("$work"/out/*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    cat "$work/cpack.log"
    echo "FAIL: expected one .deb, found ${#debs[@]}"
    exit 1
fi
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "kolvane_${version}_${arch}.deb" ] || fail "file name $(basename "$deb")"
dpkg-deb -I "$deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kolvane ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version)"
[ "$(field Section)" = electronics ] || fail "section $(field Section)"
[ -n "$(field Homepage)" ] || fail "no homepage"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
# A summary line and a longer text below it.
[ "$(field Description | wc -l)" -gt 2 ] || fail "no long description"
# dpkg-shlibdeps found the C library every program links.
field Depends | grep -q 'libc6' || fail "Depends lacks the shared libraries: $(field Depends)"

root=$work/root
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x"; exit 1; }
share=$root/usr/share
programs=()
for program in "$root"/usr/bin/*; do
    programs+=("$(basename "$program")")
done
[ ${#programs[@]} -gt 0 ] || fail "no program in usr/bin"

for name in "${programs[@]}"; do
    answer=$(QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config timeout 30 \
        "$root/usr/bin/$name" --version 2>"$work/stderr")
    [ "$answer" = "$name $version" ] || fail "$name --version said '$answer' $(cat "$work/stderr")"
    page=$share/man/man1/$name.1.gz
    if ! gzip -t "$page" 2>/dev/null; then
        fail "no man page $name.1.gz"
    elif command -v man >/dev/null; then
        # groff's own warnings catch a broken request in the page.
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "man page $name.1: $warnings"
    fi
done

# The window starts from the unpacked tree, finds the simulator installed
# beside it and draws itself.
if [ -x "$root/usr/bin/kolvane" ]; then
    QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config timeout 60 \
        "$root/usr/bin/kolvane" --demo --screenshot "$work/window.png" >/dev/null 2>"$work/stderr"
    file -b "$work/window.png" 2>/dev/null | grep -q 'PNG image data' ||
        fail "kolvane --demo did not start: $(cat "$work/stderr")"
fi

# Every command and exit status the command-line tool's --help names has an
# entry of its own in its man page.
if [ -x "$root/usr/bin/kolvane-cli" ] && [ -f "$share/man/man1/kolvane-cli.1.gz" ]; then
    help=$("$root/usr/bin/kolvane-cli" --help)
    cli_page=$(zcat "$share/man/man1/kolvane-cli.1.gz")
    commands=$(sed -n '/^Commands:/,/^$/s/^  \([a-z]\+\).*/\1/p' <<<"$help")
    statuses=$(sed -n '/^Exit status:/,/^$/s/^  \([0-9]\+\) .*/\1/p' <<<"$help")
    [ -n "$commands" ] && [ -n "$statuses" ] || fail "kolvane-cli --help lists no commands or exit statuses"
    for entry in $commands $statuses; do
        grep -A1 '^\.TP' <<<"$cli_page" | grep -Eq "^(\.B[IR]? |\\\\fB)$entry( |\\\\|\$)" ||
            fail "kolvane-cli.1 has no entry for '$entry'"
    done
fi

desktop=$share/applications/$app_id.desktop
if [ -f "$desktop" ]; then
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    [ -x "$root/usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not a program of the package"
    [ "$(sed -n 's/^Icon=//p' "$desktop")" = "$app_id" ] || fail "desktop entry's Icon is not $app_id"
else
    fail "no desktop entry $app_id.desktop"
fi

for size in "${sizes[@]}"; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$app_id.png
    file -b "$icon" | grep -q "PNG image data, $size x $size," || fail "icon $size: $(file -b "$icon")"
done
file -b "$share/icons/hicolor/scalable/apps/$app_id.svg" | grep -q SVG || fail "no scalable icon"

head -c 5 "$share/doc/kolvane/Help.pdf" 2>/dev/null | grep -q '%PDF-' || fail "no Help.pdf"
[ -s "$share/doc/kolvane/copyright" ] || fail "no copyright file"

metainfo=$share/metainfo/$app_id.metainfo.xml
if [ -f "$metainfo" ]; then
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "metainfo does not launch $app_id.desktop"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
    listed=$(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo" | sort)
    [ "$listed" = "$(printf '%s\n' "${programs[@]}" | sort)" ] ||
        fail "metainfo provides '$listed' but the package has '${programs[*]}'"
else
    fail "no metainfo $app_id.metainfo.xml"
fi

[ $status -eq 0 ] && echo "The package $(basename "$deb") holds ${#programs[@]} working programs and all their files."
exit $status
