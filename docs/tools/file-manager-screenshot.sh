#!/bin/sh
# Makes the README's pictures of the file managers' "Extract each into its
# own folder": Thunar with three archives selected and its context menu open
# (docs/images/file-manager-action.png), then the box the action shows when it
# is done (docs/images/file-manager-result.png).
#
#   docs/tools/file-manager-screenshot.sh [BUILD_DIR]
#
# BUILD_DIR holds marrowlyn-batch, its libunzip32.so and Samples/ (default:
# build). Run it by hand: it installs what it lacks with apt-get, and works
# on a virtual screen with a scratch HOME, so no one's own Thunar settings are
# read or changed. As root it runs the desktop as nobody, since Thunar puts a
# root warning over the files otherwise. FM_SHOT_DEBUG=1 keeps the scratch
# folder (/tmp/fm-shot.*) with whole-screen pictures of both moments.
set -eu

size_x=820 size_y=600

# Everything below runs on the virtual screen, as the script calls itself.
on_screen() {
    cd "$SHOT"
    export HOME="$SHOT/home" XDG_RUNTIME_DIR="$SHOT/run" NO_AT_BRIDGE=1 LANG=C.UTF-8
    eval "$(dbus-launch --sh-syntax)"
    fm='' wm=''
    trap 'kill $fm $wm "$DBUS_SESSION_BUS_PID" 2>/dev/null' EXIT
    xfwm4 --compositor=off >"$SHOT/xfwm4.log" 2>&1 &
    wm=$!
    sleep 2
    # Only the programs the action needs: without notify-send on PATH it
    # shows its result with zenity, a box that can be pictured.
    PATH="$SHOT/bin" /usr/bin/thunar "$HOME/Downloads" >"$SHOT/thunar.log" 2>&1 &
    fm=$!
    window=$(xdotool search --sync --onlyvisible --class Thunar | head -n 1)
    xdotool windowmove "$window" 40 40 windowsize "$window" $size_x $size_y
    sleep 2
    open_menu_on_action "$window"
    grab "$SHOT/file-manager-action.png" "$window"
    [ -z "${FM_SHOT_DEBUG:-}" ] || import -window root "$SHOT/debug-menu.png"
    xdotool click 1
    dialog=$(timeout 20 xdotool search --sync --onlyvisible --class zenity | head -n 1)
    xdotool windowmove "$dialog" 520 400
    sleep 2
    [ -z "${FM_SHOT_DEBUG:-}" ] || import -window root "$SHOT/debug-result.png"
    grab "$SHOT/file-manager-result.png" "$window" "$dialog"
}

# Selects all three archives (their icons fill the first row), right-clicks
# the last one and points at the action: Thunar puts custom actions just
# above Properties, the menu's last item, so the action's row is a row and a
# half above the menu's foot.
open_menu_on_action() {
    xdotool mousemove --window "$1" 600 400 click 1 key ctrl+a
    sleep 1
    xdotool mousemove --window "$1" 479 111 click 3
    sleep 1
    menu=$(xdotool search --onlyvisible --class Thunar | grep -vx "$1" | tail -n 1)
    eval "$(xdotool getwindowgeometry --shell "$menu")"
    xdotool mousemove $((X + 60)) $((Y + HEIGHT - 42))
    sleep 1
}

# The frame a window manager puts around a window is the child of the root
# that holds it.
frame_of() {
    frame=$1
    root=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
    while parent=$(xwininfo -id "$frame" -tree | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p') &&
        [ -n "$parent" ] && [ "$parent" != "$root" ]; do
        frame=$parent
    done
    echo "$frame"
}

# Pictures the part of the screen the windows (frames included) cover.
grab() {
    picture=$1
    shift
    case " $* " in *"  "*) echo "a window to picture for $picture did not show" >&2; return 1 ;; esac
    for id; do xwininfo -id "$(frame_of "$id")"; done | awk '
        /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$NF}
        /Height:/ {
            if (n++ == 0 || x < x0) x0 = x; if (n == 1 || y < y0) y0 = y
            if (x + w > x1) x1 = x + w; if (y + $NF > y1) y1 = y + $NF
        }
        END {printf "%dx%d+%d+%d\n", x1 - x0, y1 - y0, x0, y0}' >"$SHOT/geometry"
    import -window root -crop "$(cat "$SHOT/geometry")" +repage "$picture"
}

if [ "${SHOT:-}" ]; then
    on_screen
    exit
fi

repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$repo/build}" && pwd)
for f in "$build/marrowlyn-batch" "$build/libunzip32.so" "$build/Samples/Pictures.zip"; do
    [ -e "$f" ] || { echo "missing $f: build marrowlyn-batch and the samples first" >&2; exit 1; }
done

missing=
for pair in thunar:thunar xfwm4:xfwm4 xdotool:xdotool xwininfo:x11-utils \
    import:imagemagick zenity:zenity xvfb-run:xvfb dbus-launch:dbus-x11; do
    command -v "${pair%%:*}" >/dev/null 2>&1 || missing="$missing ${pair#*:}"
done
if [ -n "$missing" ]; then
    apt-get update -qq
    # shellcheck disable=SC2086 # a list of package names
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        $missing fonts-dejavu-core adwaita-icon-theme
fi

SHOT=$(mktemp -d /tmp/fm-shot.XXXXXX)
[ -n "${FM_SHOT_DEBUG:-}" ] || trap 'rm -rf "$SHOT"' EXIT
mkdir -p "$SHOT/bin" "$SHOT/run" "$SHOT/home/Downloads" "$SHOT/home/.config/Thunar" \
    "$SHOT/home/.config/xfce4/xfconf/xfce-perchannel-xml"
chmod 700 "$SHOT/run"
for size in 16 32 48 64 128; do
    mkdir -p "$SHOT/home/.local/share/icons/hicolor/${size}x$size/apps"
    cp "$repo/assets/icon/marrowlyn-$size.png" "$SHOT/home/.local/share/icons/hicolor/${size}x$size/apps/marrowlyn.png"
done
# Copies, so that nobody can run them wherever the build lives.
cp "$build/marrowlyn-batch" "$build/libunzip32.so" \
    "$repo/packaging/file-managers/marrowlyn-extract-each" "$SHOT/bin/"
for p in sh dirname; do ln -s "$(command -v $p)" "$SHOT/bin/$p"; done
ln -s "$(command -v zenity)" "$SHOT/bin/zenity"
cp "$build/Samples/Garden Notebook.zip" "$build/Samples/Pictures.zip" \
    "$build/Samples/Short Stories.zip" "$SHOT/home/Downloads/"
{
    echo '<?xml version="1.0" encoding="UTF-8"?>'
    echo '<actions>'
    sed '/^<!--/,/-->$/d' "$repo/packaging/file-managers/thunar-uca.xml"
    echo '</actions>'
} >"$SHOT/home/.config/Thunar/uca.xml"
# Menus with their icons, as the Xfce desktop shows them.
mkdir -p "$SHOT/home/.config/gtk-3.0"
printf '[Settings]\ngtk-menu-images=true\n' >"$SHOT/home/.config/gtk-3.0/settings.ini"
cat >"$SHOT/home/.config/xfce4/xfconf/xfce-perchannel-xml/thunar.xml" <<EOF
<?xml version="1.0" encoding="UTF-8"?>
<channel name="thunar" version="1.0">
  <property name="last-view" type="string" value="ThunarIconView"/>
  <property name="last-location-bar" type="string" value="ThunarLocationButtons"/>
  <property name="last-window-width" type="int" value="$size_x"/>
  <property name="last-window-height" type="int" value="$size_y"/>
</channel>
EOF

cp "$0" "$SHOT/screenshot.sh"
export SHOT
as=''
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$SHOT"
    as='setpriv --reuid=nobody --regid=nogroup --clear-groups'
fi
$as xvfb-run -a -s '-screen 0 1280x800x24' sh "$SHOT/screenshot.sh"
for shot in file-manager-action.png file-manager-result.png; do
    cp "$SHOT/$shot" "$repo/docs/images/$shot"
    echo "made docs/images/$shot"
done
