#!/bin/sh
# Installs the built tree with `cmake --install` into a temporary folder and
# checks what a user of the installed programs gets: the three programs and
# their versions, the plug-in where lumar-desk finds it (lumar-desk started
# from the installed tree shows the Lumar menu), a valid desktop entry, the
# icons, the manual pages and the service unit.
# Usage: installed_tree_test.sh BUILD_DIR VERSION WITH_GUI
set -u
build="$1"; version="$2"; gui="$3"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAILED: $1"; failures=$((failures + 1)); }
has() { [ -f "$1" ] || fail "$1 is not installed"; }

cmake --install "$build" --prefix "$root/usr" >"$root/install.log" 2>&1 ||
    { cat "$root/install.log"; echo "FAILED: cmake --install"; exit 1; }
cd "$root/usr" || exit 1

programs="lumar lumar-service"
[ "$gui" = ON ] && programs="$programs lumar-desk"
for program in $programs; do
    [ -x "bin/$program" ] || { fail "bin/$program is not an installed program"; continue; }
    printed=$(QT_QPA_PLATFORM=offscreen "bin/$program" --version 2>/dev/null)
    [ "$printed" = "$program $version" ] || fail "$program --version printed \"$printed\""
done

has share/man/man1/lumar.1
has share/man/man8/lumar-service.8
grep -q "^\.SS merge$" share/man/man1/lumar.1 || fail "lumar.1 lacks the merge command's help"
grep -q "$version" share/man/man8/lumar-service.8 || fail "lumar-service.8 lacks the version"
has lib/systemd/system/lumar-service.service
grep -q "^ExecStart=$root/usr/bin/lumar-service \|^ExecStart=/.*/bin/lumar-service " \
    lib/systemd/system/lumar-service.service || fail "the service unit does not start lumar-service"
has share/doc/lumar/copyright

if [ "$gui" = ON ]; then
    modules=$(find lib -path '*/lumar/plugins/*.so')
    [ -n "$modules" ] || fail "no plug-in module under lib/*/lumar/plugins"
    # The installed desktop, with no plug-in folder of the environment and a
    # settings folder of its own, loads the installed module.
    listing=$(env -u LUMAR_PLUGINS HOME="$root" XDG_CONFIG_HOME="$root/config" \
        LUMAR_REGISTRY="$root/registry.reg" QT_QPA_PLATFORM=offscreen \
        bin/lumar-desk --list-plugins 2>&1)
    echo "$listing" | grep -q "^plug-in $root/usr/lib/.*lumar/plugins/lumar.so$" ||
        fail "lumar-desk did not load the installed plug-in: $listing"
    echo "$listing" | grep -q "^menu Lumar$" || fail "lumar-desk shows no Lumar menu: $listing"
    has share/man/man1/lumar-desk.1
    has share/applications/lumar-desk.desktop
    desktop-file-validate share/applications/lumar-desk.desktop || fail "the desktop entry is not valid"
    has share/icons/hicolor/scalable/apps/lumar-desk.svg
    for size in 16 32 48 256; do
        png="share/icons/hicolor/${size}x${size}/apps/lumar-desk.png"
        has "$png"
        # A PNG's width and height are the big-endian words at bytes 16 and 20.
        [ "$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | tr -s ' ')" = \
          " 0 0 $((size / 256)) $((size % 256)) 0 0 $((size / 256)) $((size % 256))" ] ||
            fail "$png is not ${size}x${size}"
    done
fi

[ $failures -eq 0 ] && echo "installed tree: ok"
exit $failures
