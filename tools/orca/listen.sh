#!/usr/bin/env bash
# Hears the program as a blind learner does: runs Debian's screen reader Orca headless (Xvfb,
# a D-Bus session of its own, AT-SPI) over the program driven by the keyboard alone, and prints
# what Orca speaks (its SPEECH OUTPUT lines). Not part of the test suite.
#
#   tools/orca/listen.sh [program] [scenario]
#     program   the built program (build/release/tavimor unless given)
#     scenario  drill (an ordinary keyboard drill, the default), timed (a timed run) or open
#               (the window opening and its first Tabs)
#
# Needs the Debian packages orca, xvfb, xauth, xdotool, dbus, at-spi2-core and
# speech-dispatcher.
set -euo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
program=${1:-$top/build/release/tavimor}
scenario=${2:-drill}
work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT

cat > "$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
set -u
program=$1; scenario=$2; work=$3
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 GTK_MODULES=gail:atk-bridge NO_AT_BRIDGE=0
/usr/libexec/at-spi-bus-launcher --launch-immediately &
sleep 1
orca --replace --debug-file="$work/orca.log" >/dev/null 2>&1 &
orca_pid=$!
sleep 4
"$program" &
app=$!
sleep 3
# No window manager runs here: give the program's window the keyboard focus by hand.
xdotool search --sync --name "Tavimor ver" windowfocus --sync 2>/dev/null || true
sleep 1
key() { xdotool key --delay 150 "$@"; sleep "${pause:-1.5}"; }
case "$scenario" in
    open)
        key Tab; key Tab; key Tab
        ;;
    drill)
        key alt+q                 # 出題
        key Tab; key space        # an answer option, chosen
        key alt+a                 # 解答の確定
        key alt+q; key alt+a      # a second question, answered without a choice
        ;;
    timed)
        key alt+x 2>/dev/null || true
        ;;
esac
if [ "$scenario" = timed ]; then
    :
fi
kill "$app" 2>/dev/null || true
sleep 1
kill "$orca_pid" 2>/dev/null || true
pkill -f speech-dispatcher 2>/dev/null || true
pkill -f sd_ 2>/dev/null || true
SESSION
chmod +x "$work/session.sh"

xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- "$work/session.sh" "$program" "$scenario" "$work" \
    >/dev/null 2>&1 || true
[ -n "${KEEP:-}" ] && echo "log: $work/orca.log" >&2
grep -a "SPEECH OUTPUT" "$work/orca.log" | sed -e "s/^.*SPEECH OUTPUT: //" -e "s/^'\(.*\)'.*$/\1/" ||
    echo "(Orca said nothing)"
