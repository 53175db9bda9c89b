#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Hears the program as a blind learner does: runs Debian's screen reader Orca headless (Xvfb,
# a D-Bus bus of its own, AT-SPI) over the program driven by the keyboard alone, and prints
# what Orca speaks (its SPEECH OUTPUT lines). Not part of the test suite.
#
#   tools/orca/listen.sh [program] [scenario]
#     program   the built program (build/release/tavimor unless given), or the browser build's
#               folder (build/web) for the page in a Chromium window
#     scenario  drill (an ordinary keyboard drill, the default), timed (a timed run), refuse
#               (a question refused in a message box) or open (the window and its first Tabs);
#               for the page, drill: a question, Tabs to the answers, one chosen and judged
#
# Needs the Debian packages orca, xvfb, xauth, xdotool, dbus, at-spi2-core, speech-dispatcher,
# speech-dispatcher-audio-plugins and libao4; no sound server or sound card.
set -euo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
program=${1:-$top/build/release/tavimor}
scenario=${2:-drill}
work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT

cat > "$work/inside.sh" <<'INSIDE'
#!/usr/bin/env bash
set -u
program=$1; scenario=$2; work=$3
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/speech-dispatcher"
chmod 700 "$XDG_RUNTIME_DIR"
# The speech server's sound goes to libao's null driver, an output that opens on any machine,
# also one without a sound server; Orca hears its own speech as spoken all the same.
{
    grep -v '^ *AudioOutputMethod' /etc/speech-dispatcher/speechd.conf
    echo 'AudioOutputMethod "libao"'
} > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
echo "default_driver=null" > "$HOME/.libao"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 GTK_MODULES=gail:atk-bridge NO_AT_BRIDGE=0
/usr/libexec/at-spi-bus-launcher --launch-immediately &
sleep 1
# Orca's own words (role names, "Screen reader on") in English, whatever locales the machine
# has, so that what it says reads the same everywhere; the program keeps its Japanese.
LANG=C.UTF-8 LANGUAGE=en LC_ALL=C.UTF-8 orca --replace --debug-file="$work/orca.log" >/dev/null 2>&1 &
orca_pid=$!
sleep 4
if [ -d "$program" ]; then
    # The page, served on 127.0.0.1, in a Chromium window with its accessibility on.
    python3 -m http.server 8765 --bind 127.0.0.1 -d "$program" >/dev/null 2>&1 &
    server=$!
    sleep 1
    chromium --no-sandbox --force-renderer-accessibility --user-data-dir="$work/chromium" \
        --no-first-run --disable-features=Translate,TranslateUI --use-angle=swiftshader --enable-unsafe-swiftshader --lang=ja \
        --window-size=1280,800 --app=http://127.0.0.1:8765/index.html >/dev/null 2>&1 &
    app=$!
    sleep 12
    xdotool search --sync --name "Tavimor" windowfocus --sync 2>/dev/null || true
    sleep 1
    # Into the canvas, where the program has the keys.
    xdotool mousemove 5 795 click 1
    sleep 1
else
    "$program" &
    app=$!
    sleep 3
    # No window manager runs here: give the program's window the keyboard focus by hand.
    xdotool search --sync --name "Tavimor ver" windowfocus --sync 2>/dev/null || true
    sleep 1
fi
key() { xdotool key --delay 150 "$@"; sleep "${pause:-1.5}"; }
case "$scenario" in
    open)
        key Tab; key Tab; key Tab
        ;;
    drill)
        if [ -d "$program" ]; then
            pause=3 key alt+q         # a question
            key Tab; key Tab          # through the window
            key space; key space      # タイマー使用 on and off again
            pause=3 key alt+a         # 解答の確定: judged, without a choice
        else
            key Tab Tab Tab Tab Tab Tab  # from the question forms to 出題
            key space                    # ask
            key Tab; key space           # the first answer option, chosen
            key alt+a                    # 解答の確定: judged
            key alt+q                    # the next question
            key alt+a                    # answered without a choice
        fi
        ;;
    refuse)
        key Down; key Down            # 問題の形式 名称, the answer form too
        pause=3 key alt+q             # refused in a message box
        key Return                    # the box closed
        ;;
    timed)
        key Tab Tab; key space        # タイマー使用 on
        key Tab; key 2                # a time limit of 2 seconds
        pause=5 key alt+s             # 出題の開始; two ticks come while Orca listens
        key alt+e                     # 出題の終了
        ;;
esac
# 終了 ends the program; what Orca does about that also writes out the rest of its log, which
# it keeps in a buffer.
pause=3 key alt+x
kill "$app" 2>/dev/null || true
[ -n "${server:-}" ] && kill "$server" 2>/dev/null
sleep 1
orca --quit >/dev/null 2>&1 || true  # a clean end writes out the whole log
sleep 2
kill "$orca_pid" 2>/dev/null || true
pkill -f speech-dispatcher 2>/dev/null || true
pkill -f sd_ 2>/dev/null || true
INSIDE
chmod +x "$work/inside.sh"

xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- "$work/inside.sh" "$program" "$scenario" "$work" \
    >/dev/null 2>&1 || true
[ -n "${KEEP:-}" ] && echo "log: $work/orca.log" >&2
grep -a "SPEECH OUTPUT" "$work/orca.log" | sed -e "s/^.*SPEECH OUTPUT: '//" -e "s/' *{'established.*$//" ||
    echo "(Orca said nothing)"
