#!/usr/bin/env bash
# Starts the real program in a real X window (Xvfb with openbox), accepts the disclaimer from
# the keyboard, checks the main window's title and the frame buttons the main window and two
# dialogs ask the window manager for, hides the main window with Esc under the disguise of
# the boss-key settings and restores it, closes it through the window manager and checks the
# view settings it wrote; then starts it again with an empty disguise and a deck file to open,
# checks that the minimised window has no caption, saves that deck under a name with
# Ctrl+Shift+S, types a card number into the quick filter bar so the catalog shrinks to that
# card and adds it from there, saves that with Ctrl+S into the same file without a dialog,
# opens the card image window and sees it follow the card shown through the catalog (a PNG, a
# WebP in a subfolder, a card without an image), and opens another deck from the deck library
# on a folder with nested, broken and foreign files; then shows the copies the deck lacks from
# the collection, adds the deck to it in the collection window and sees the deck list's
# missing line go to zero.
#   program_under_xvfb.sh PATH/TO/zemlo-deck PATH/TO/ZEMLO.dat
set -u
exe="$1"
dat="$2"
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$work/prog" "$work/config"
cp "$exe" "$work/prog/zemlo-deck"
cp "$dat" "$work/prog/ZEMLO.dat"
# The boss key's disguise: a task name and the program's own icon.
disguise="表計算 - 月次報告"
printf '[BOSS]\r\nISUSE=1\r\nICONPATH=\r\nTASKNAME=%s\r\n' "$disguise" |
    iconv -f UTF-8 -t CP932 >"$work/prog/ZEMLO.ini"

. "$(dirname "$0")/start_xvfb.sh"
start_xvfb "$work/xvfb.log" || fail "Xvfb or openbox did not start: $(tail -n 3 "$work/xvfb.log"*)"

export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
export QT_QPA_PLATFORM=xcb
"$work/prog/zemlo-deck" >"$work/program.log" 2>&1 &
prog=$!
pids+=($prog)

wait_for_window() {  # title pattern, seconds
    for _ in $(seq $(( $2 * 10 ))); do
        id=$(xdotool search --name "$1" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

dialog=$(wait_for_window "注意事項" 30) || fail "the disclaimer did not appear"
xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus "$dialog"
sleep 0.3
xdotool key Return
main=$(wait_for_window "^ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ$" 60) || fail "the main window did not appear"
title=$(xdotool getwindowname "$main")
[ "$title" = "ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ" ] || fail "unexpected title: $title"
for _ in $(seq 50); do xwininfo -id "$main" | grep -q "Map State: IsViewable" && break; sleep 0.1; done
xwininfo -id "$main" | grep -q "Map State: IsViewable" || fail "main window not viewable"
[ -n "${ZEMLO_SCREENSHOT:-}" ] && { sleep 1; import -window root "$ZEMLO_SCREENSHOT"; }
grep -q "CNT=1" "$work/config/zemlo-deck.ini" || fail "first-start flag not stored"

# The frame buttons a window asks for, in the Motif hints every common window manager reads:
# flags, functions (2 resize, 4 move, 8 minimise, 16 maximise, 32 close), decorations (32
# minimise button, 64 maximise button). Openbox draws its minimise button whatever the hints
# say, but it lists the actions it allows.
asks_for_buttons() {  # window id, what it is, "minimise" when it may be minimised
    local hints flags functions decorations
    hints=$(xprop -id "$1" _MOTIF_WM_HINTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    IFS=, read -r flags functions decorations _ <<<"$hints"
    [ -n "${decorations:-}" ] || fail "$2: no Motif hints"
    (( (flags & 1) && !(functions & 1) )) || fail "$2: every function allowed ($hints)"
    (( functions & 32 )) || fail "$2 cannot be closed ($hints)"
    (( functions & 16 || decorations & 64 )) && fail "$2 asks for maximise ($hints)"
    if [ "${3:-}" != minimise ]; then
        (( functions & 8 || decorations & 32 )) && fail "$2 asks for minimise ($hints)"
    fi
    xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | grep -q "MAXIMIZE\|RESIZE" &&
        fail "$2 may be maximised or resized: $(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS)"
    frame_asked=$(xprop -id "$1" _MOTIF_WM_HINTS _NET_WM_ALLOWED_ACTIONS _NET_WM_WINDOW_TYPE)
    return 0
}
state_of() { xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'; }
asks_for_buttons "$main" "the main window" minimise

# A dialog asks for its close button only; minimised anyway, it comes back, and so does the
# main window the window manager minimised with it.
open_dialog() {  # keys that open it, its title pattern, what it is
    xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
    sleep 0.3
    xdotool key $1
    dialog=$(wait_for_window "$2" 20) || fail "$3 did not open"
    for _ in $(seq 50); do [ "$(state_of "$dialog")" = "Normal" ] && break; sleep 0.1; done
    asks_for_buttons "$dialog" "$3"
}
close_dialog() {  # what it is
    xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus "$dialog"
    sleep 0.3
    xdotool key Escape
    for _ in $(seq 50); do
        xwininfo -id "$dialog" 2>/dev/null | grep -q "IsViewable" || return 0
        sleep 0.1
    done
    fail "$1 did not close"
}
open_dialog "alt+h Return" "ﾊﾞｰｼﾞｮﾝ情報$" "the version dialog"
[ -n "${ZEMLO_SCREENSHOT:-}" ] && import -window root "${ZEMLO_SCREENSHOT%.png}-about.png"
xdotool windowminimize "$dialog"
for _ in $(seq 50); do [ "$(state_of "$main")" = "Iconic" ] && break; sleep 0.02; done
for _ in $(seq 50); do
    [ "$(state_of "$dialog")" = "Normal" ] && [ "$(state_of "$main")" = "Normal" ] && break
    sleep 0.1
done
[ "$(state_of "$dialog")" = "Normal" ] || fail "the version dialog stayed minimised"
[ "$(state_of "$main")" = "Normal" ] || fail "the main window stayed minimised with the dialog"
close_dialog "the version dialog"
version_frame="$frame_asked"
# The version dialog's frame is the other dialogs' frame: the same hints, and the same actions
# the window manager allows (openbox lists minimise for every dialog, whatever it asks for).
open_dialog "alt+t Up Up Return" "設定画面$" "the boss-key dialog"
close_dialog "the boss-key dialog"
[ "$version_frame" = "$frame_asked" ] ||
    fail "the version dialog's frame differs from the boss-key dialog's: $version_frame / $frame_asked"

# Esc minimises the window: the window manager sees it iconic, under the disguise's caption.
wm_state() { xprop -id "$main" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'; }
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
sleep 0.3
xdotool key Escape
for _ in $(seq 50); do [ "$(wm_state)" = "Iconic" ] && break; sleep 0.1; done
[ "$(wm_state)" = "Iconic" ] || fail "Esc did not minimise the window (state: $(wm_state))"
xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN || fail "not hidden for the WM"
for _ in $(seq 30); do
    title=$(xdotool getwindowname "$main")
    [ "$title" = "$disguise" ] && break
    sleep 0.1
done
[ "$title" = "$disguise" ] || fail "minimised title is not the disguise: $title"

# Restoring through the window manager brings the normal caption back.
wmctrl -i -a "$main" || fail "wmctrl could not restore the window"
for _ in $(seq 50); do [ "$(wm_state)" = "Normal" ] && break; sleep 0.1; done
[ "$(wm_state)" = "Normal" ] || fail "the window was not restored (state: $(wm_state))"
for _ in $(seq 30); do
    title=$(xdotool getwindowname "$main")
    [ "$title" = "ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ" ] && break
    sleep 0.1
done
[ "$title" = "ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ" ] || fail "restored title: $title"

# Close through the window manager, as the title bar's close button does.
wmctrl -c "ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ" || fail "wmctrl could not ask the window to close"
for _ in $(seq 100); do kill -0 "$prog" 2>/dev/null || break; sleep 0.1; done
kill -0 "$prog" 2>/dev/null && fail "the program did not end after its window closed"

ini="$work/prog/ZEMLO.ini"
[ -f "$ini" ] || fail "ZEMLO.ini was not written"
tr -d '\r' <"$ini" | grep -qx "\[FORM\]" || fail "no [FORM] section: $(cat "$ini")"
tr -d '\r' <"$ini" | grep -qx "COMPACT=0" || fail "COMPACT not written: $(cat "$ini")"
tr -d '\r' <"$ini" | grep -qx "KYOUTYOU=1" || fail "KYOUTYOU not written: $(cat "$ini")"
# With no image folder and the card image window never opened, nothing of it is kept.
tr -d '\r' <"$ini" | grep -q "^\[IMAGES\]" && fail "the card images wrote settings unasked"

# Second start with a deck file on the command line: the deck opens after start-up. Saving it
# back through the menu's key shows which entries the deck lists hold.
save_deck_as() {  # path, what a failure says: Ctrl+Shift+S, the path typed into the save dialog
    xdotool key ctrl+shift+s
    save=$(wait_for_window "名前を付けてﾃﾞｯｷﾃﾞｰﾀを保存" 20) ||
        fail "Ctrl+Shift+S did not open the save dialog"
    xdotool windowactivate --sync "$save" 2>/dev/null || xdotool windowfocus "$save"
    sleep 0.5
    xdotool key ctrl+a
    xdotool type --delay 20 "$1"
    xdotool key Return
    for _ in $(seq 100); do [ -s "$1" ] && break; sleep 0.1; done
    [ -s "$1" ] || fail "$2"
}

deck_rows() {  # the card numbers of a deck file's data rows, in file order
    tr -d '\r' <"$1" | grep -a '^<TD noWrap>[A-Z]' | sed 's/<[^>]*>//g'
}
write_deck() {  # file, then one KIND:NUMBER:NUMBER... per section (UNIT, MISSION, CHARACTER)
    local file="$1" section heading numbers n
    shift
    {
        printf '<HTML>\r\n<HEAD>\r\n'
        printf '<META NAME="GENERATOR" Content="ZEMLO\x83\x66\x83\x62\x83\x4c\x8d\xec\x90\xac\x8e\x78\x89\x87";charset=Shift_JIS>\r\n'
        printf '<BODY>\r\n'
        for section in "$@"; do
            IFS=: read -r heading numbers <<<"$section"
            printf '<P align=center><STRONG>%s\x8f\xee\x95\xf1</STRONG></P>\r\n<TABLE>\r\n' "$heading"
            printf '<TR>\r\n<TD noWrap><STRONG><EM>No</EM></STRONG></TD>\r\n</TR>\r\n'
            for n in ${numbers//:/ }; do printf '<TR>\r\n<TD noWrap>%s</TD>\r\n</TR>\r\n' "$n"; done
            printf '</TABLE>\r\n'
        done
        printf '</BODY>\r\n</HTML>\r\n'
    } >"$file"
}
write_deck "$work/given.htm" UNIT:ZM0002:ZM0001:ZM0002 MISSION:MI0001 CHARACTER:CH0001
# Card images for the second start: a PNG and a WebP in a subfolder; ZM0003 has none.
mkdir -p "$work/prog/images/scans"
convert -size 126x176 xc:'#d21e1e' "$work/prog/images/ZM0001.png"
convert -size 126x176 xc:'#1e32c8' "$work/prog/images/scans/ZM0002.webp"
# The disguise without a task name.
LC_ALL=C sed -i 's/^TASKNAME=.*/TASKNAME=\r/' "$ini"
"$work/prog/zemlo-deck" "$work/given.htm" >>"$work/program.log" 2>&1 &
prog=$!
pids+=($prog)
main=$(wait_for_window "^ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ$" 60) || fail "the main window did not appear again"
sleep 1

# Minimised under the empty disguise, the window names nothing, not even the program; the
# restored window has its caption again.
caption_of() {  # window id: its _NET_WM_NAME and WM_NAME values, empty when empty or absent
    xprop -id "$1" _NET_WM_NAME WM_NAME 2>/dev/null | sed -n 's/^[A-Z_]*([A-Z0-9_]*) = //p' |
        tr -d '"\n'
}
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
sleep 0.3
xdotool key Escape
for _ in $(seq 50); do [ "$(state_of "$main")" = "Iconic" ] && break; sleep 0.1; done
[ "$(state_of "$main")" = "Iconic" ] || fail "Esc did not minimise the second window"
for _ in $(seq 30); do [ -z "$(caption_of "$main")" ] && break; sleep 0.1; done
[ -z "$(caption_of "$main")" ] ||
    fail "the minimised window is named: $(xprop -id "$main" _NET_WM_NAME WM_NAME)"
wmctrl -i -a "$main" || fail "wmctrl could not restore the window"
for _ in $(seq 50); do [ "$(state_of "$main")" = "Normal" ] && break; sleep 0.1; done
for _ in $(seq 30); do
    [ "$(xdotool getwindowname "$main")" = "ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ" ] && break
    sleep 0.1
done
[ "$(xprop -id "$main" _NET_WM_NAME | sed -n 's/.*= //p')" = '"ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ"' ] ||
    fail "restored caption: $(xprop -id "$main" _NET_WM_NAME)"
[ "$(xdotool getwindowname "$main")" = "ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ" ] ||
    fail "restored WM_NAME: $(xprop -id "$main" WM_NAME)"
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
save_deck_as "$work/saved.htm" "the deck was not saved"
expected=$(printf 'ZM0001\nZM0002\nZM0002\nMI0001\nCH0001')
[ "$(deck_rows "$work/saved.htm")" = "$expected" ] ||
    fail "the deck opened from the command line holds: $(deck_rows "$work/saved.htm" | tr '\n' ' ')"

# The quick filter: Ctrl+F, a card number far down the unit catalog (its "m" is text, not the
# mission tab's key), Down to the catalog's first entry, which is now that card, and Enter adds
# it. Unnarrowed, the first entry would be ZM0001. Ctrl+F again hides the bar; Ctrl+S saves
# the deck.
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
sleep 0.3
xdotool key ctrl+f
sleep 0.3
xdotool type --delay 50 "zm1079"
sleep 0.5
[ -n "${ZEMLO_SCREENSHOT:-}" ] && import -window root "${ZEMLO_SCREENSHOT%.png}-quick-filter.png"
xdotool key Down
sleep 0.3
xdotool key Return
sleep 0.3
xdotool key ctrl+f
# Ctrl+S (上書き保存) writes the deck into the file it was saved to, without a dialog.
xdotool key ctrl+s
expected=$(printf 'ZM0001\nZM0002\nZM0002\nZM1079\nMI0001\nCH0001')
for _ in $(seq 100); do [ "$(deck_rows "$work/saved.htm")" = "$expected" ] && break; sleep 0.1; done
xdotool search --name "名前を付けてﾃﾞｯｷﾃﾞｰﾀを保存" >/dev/null 2>&1 && fail "Ctrl+S asked for a file name"
[ "$(deck_rows "$work/saved.htm")" = "$expected" ] ||
    fail "the quick filter's card did not reach the deck's file by Ctrl+S; it holds: $(deck_rows "$work/saved.htm" | tr '\n' ' ')"

# The card image window: 表示 > ｶｰﾄﾞ画像, then the arrow keys step through the unit catalog and
# the window shows each card's picture, or the drawn face of a card without one.
pixel_of() {  # window id: "R G B" of a point in the upper middle of its picture area
    local shot="$work/viewer.png" w h
    import -window "$1" "$shot" 2>/dev/null || return 1
    w=$(identify -format '%w' "$shot")
    h=$(identify -format '%h' "$shot")
    convert "$shot" -format "%[fx:int(255*p{$((w / 2)),$((h * 3 / 10))}.r)] %[fx:int(255*p{$((w / 2)),$((h * 3 / 10))}.g)] %[fx:int(255*p{$((w / 2)),$((h * 3 / 10))}.b)]" info:
}
shows_colour() {  # window id, r g b: the picture area shows about that colour within a few seconds
    local rgb r g b
    for _ in $(seq 50); do
        rgb=$(pixel_of "$1") && read -r r g b <<<"$rgb" &&
            [ $(( (r - $2) * (r - $2) + (g - $3) * (g - $3) + (b - $4) * (b - $4) )) -lt 1200 ] && return 0
        sleep 0.1
    done
    echo "$rgb"
    return 1
}
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
sleep 0.3
xdotool key alt+v
sleep 0.3
xdotool key i
viewer=$(wait_for_window "^ｶｰﾄﾞ画像$" 20) || fail "表示 > ｶｰﾄﾞ画像 did not open the card image window"
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
sleep 0.3
xdotool key u Home Down
got=$(shows_colour "$viewer" 30 50 200) || fail "the card image window did not show ZM0002's picture: $got"
[ -n "${ZEMLO_SCREENSHOT:-}" ] && import -window root "${ZEMLO_SCREENSHOT%.png}-card-image.png"
xdotool key Up
got=$(shows_colour "$viewer" 210 30 30) || fail "the card image window did not follow to ZM0001's picture: $got"
xdotool key Down Down
got=$(shows_colour "$viewer" 255 255 255) || fail "the card image window shows no drawn face for ZM0003: $got"

# The deck library on the program's folder, where it starts: a deck two folders down, and
# beside it a page that is no deck, a broken file, a link that names nothing and a link
# that loops back up. Ctrl+F, a card number and Enter narrow it to the decks holding that
# card; Enter again opens the first in the main window, which Ctrl+Shift+S saves to show it.
mkdir -p "$work/prog/decks/club/2026"
write_deck "$work/prog/decks/club/2026/league.htm" UNIT:ZM0004:ZM0003:ZM0003 MISSION:MI0002
printf '<HTML><BODY>a page</BODY></HTML>\r\n' >"$work/prog/decks/page.htm"
printf '\x00\xff<META NAME' >"$work/prog/decks/broken.htm"
ln -s gone.htm "$work/prog/decks/dangling.htm"
ln -s .. "$work/prog/decks/club/up"
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
sleep 0.3
xdotool key ctrl+l
library=$(wait_for_window "^ﾃﾞｯｷﾗｲﾌﾞﾗﾘ$" 20) || fail "Ctrl+L did not open the deck library"
sleep 2
[ -n "${ZEMLO_SCREENSHOT:-}" ] && import -window root "${ZEMLO_SCREENSHOT%.png}-library.png"
xdotool windowactivate --sync "$library" 2>/dev/null || xdotool windowfocus "$library"
sleep 0.3
xdotool key ctrl+f
xdotool type --delay 20 "ZM0003"
xdotool key Return
sleep 0.5
xdotool key Return
sleep 1
kill -0 "$prog" 2>/dev/null || fail "the program ended while the library looked at the folder"
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
sleep 0.3
save_deck_as "$work/from-library.htm" "the deck opened from the library was not saved"
expected=$(printf 'ZM0003\nZM0003\nZM0004\nMI0002')
[ "$(deck_rows "$work/from-library.htm")" = "$expected" ] ||
    fail "the deck opened from the library holds: $(deck_rows "$work/from-library.htm" | tr '\n' ' ')"
# The library's folder was never chosen, so the settings file does not name one.
tr -d '\r' <"$ini" | grep -q "^\[LIBRARY\]" && fail "the library wrote its folder unasked"

# The cards owned: "所持枚数を表示" (表示 menu, just before 絞り込み and ｶｰﾄﾞ画像) draws the
# deck's entries the collection lacks, and the line counting them under the deck lists, in the
# missing colour;
# with an empty collection every card is missing. In "所持ｶｰﾄﾞ" (the ﾂｰﾙ menu's last item),
# "ﾃﾞｯｷを所持に追加" (Tab from the filter box: 不足のみ, the kind tabs, the table, ＋, －, then
# it) adds the deck's copies; the file holds them, and the missing line goes to zero: nothing
# is drawn in the missing colour any more.
missing_colour_pixels() {
    import -window "$main" png:- 2>/dev/null |
        convert png:- -fill black +opaque "rgb(204,85,0)" -fill white -opaque "rgb(204,85,0)" \
            -format "%[fx:round(mean*w*h)]" info:
}
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
sleep 0.3
[ "$(missing_colour_pixels)" = 0 ] || fail "the missing colour is drawn before the option is on"
xdotool key alt+v Up Up Up Return
for _ in $(seq 30); do [ "$(missing_colour_pixels)" -gt 0 ] && break; sleep 0.2; done
[ "$(missing_colour_pixels)" -gt 0 ] || fail "the deck's missing copies are not drawn"
tr -d '\r' <"$ini" | grep -qx "SHOW=1" || fail "the option was not kept: $(cat "$ini")"
[ -n "${ZEMLO_SCREENSHOT:-}" ] && import -window root "${ZEMLO_SCREENSHOT%.png}-missing.png"
xdotool key alt+t Up Return
owned=$(wait_for_window "^所持ｶｰﾄﾞ$" 20) || fail "the collection window did not open"
xdotool windowactivate --sync "$owned" 2>/dev/null || xdotool windowfocus "$owned"
sleep 0.5
xdotool key Tab Tab Tab Tab Tab Tab space
collection="$work/prog/collection.csv"
for _ in $(seq 50); do [ -s "$collection" ] && break; sleep 0.1; done
[ "$(head -c 3 "$collection" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
    fail "the collection file has no byte-order mark"
owned_rows=$(tail -n +2 "$collection" | tr -d '\r' | cut -d, -f1,3 | tr '\n' ' ')
[ "$owned_rows" = "MI0002,1 ZM0003,2 ZM0004,1 " ] ||
    fail "the deck's copies were not added to the collection: $owned_rows"
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
for _ in $(seq 30); do [ "$(missing_colour_pixels)" = 0 ] && break; sleep 0.2; done
[ "$(missing_colour_pixels)" = 0 ] ||
    fail "the deck still shows copies missing after it was added to the collection"

# Opened and saved unchanged: the window closes without a question.
wmctrl -c "ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ" || fail "wmctrl could not ask the window to close"
for _ in $(seq 100); do kill -0 "$prog" 2>/dev/null || break; sleep 0.1; done
kill -0 "$prog" 2>/dev/null && fail "the program did not end after opening and saving a deck"
# The card image window was open: its place and size are kept.
tr -d '\r' <"$ini" | grep -q "^WIDTH=[1-9]" || fail "the card image window's size was not kept: $(cat "$ini")"
echo "program under Xvfb: ok"
