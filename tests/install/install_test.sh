#!/usr/bin/env bash
# Installs from the build tree under a temporary HOME and XDG_DATA_HOME, into a folder whose
# name the desktop entry has to quote: the player's card data, settings and decks there come
# out of installing, installing again and uninstalling byte for byte; the desktop entry is
# valid, GLib's launcher (gio launch) starts the installed program with a file through it,
# and it goes away only with its own folder.
#   install_test.sh PATH/TO/install.sh BUILD_DIR
set -u
installer=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}
export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME"
apps="$XDG_DATA_HOME/applications"
entry="$apps/zemlo-deck.desktop"
icons="$XDG_DATA_HOME/icons/hicolor"

run_installer() {  # ARGS...; output in $work/out
    bash "$installer" "$@" >"$work/out" 2>&1 || fail "install $*: $(cat "$work/out")"
}
fingerprint() {  # FOLDER FILES...: each file's name and checksum
    local dir=$1 f
    shift
    for f in "$@"; do printf '%s %s\n' "$f" "$(sha256sum <"$dir/$f")"; done
}

# A desktop entry's string value without its escapes.
unescape() {  # VALUE
    local value=$1 s='' c i
    for ((i = 0; i < ${#value}; i++)); do
        c=${value:i:1}
        if [ "$c" = $'\\' ]; then
            i=$((i + 1))
            case ${value:i:1} in s) s+=' ' ;; t) s+=$'\t' ;; n) s+=$'\n' ;; *) s+=${value:i:1} ;; esac
        else
            s+=$c
        fi
    done
    printf '%s' "$s"
}

# Reads the Exec value back as a launcher does: the string escapes, then the field codes,
# then the quoted program path; prints that path, or fails unless the deck file is "%f". An
# entry with a working folder (Path) starts the program there.
exec_program() {  # DESKTOP_FILE
    local s arg='' c i
    if grep -q '^Path=' "$1"; then
        grep -qxF 'Exec=sh -c "exec ./zemlo-deck \\"\\$@\\"" zemlo-deck %f' "$1" || return 1
        printf '%s/zemlo-deck' "$(unescape "$(sed -n 's/^Path=//p' "$1")")"
        return
    fi
    s=$(unescape "$(sed -n 's/^Exec=//p' "$1")")
    [ "${s: -3}" = ' %f' ] || return 1
    s=${s:0:${#s}-3}
    s=${s//%%/%}
    [ "${s:0:1}" = '"' ] && [ "${s: -1}" = '"' ] || return 1
    for ((i = 1; i < ${#s} - 1; i++)); do
        c=${s:i:1}
        case $c in
            $'\\') i=$((i + 1)) && arg+=${s:i:1} ;;
            '"' | '`' | '$') return 1 ;;  # unescaped inside the quotes
            *) arg+=$c ;;
        esac
    done
    printf '%s' "$arg"
}

check_entry() {  # FOLDER: the desktop entry is valid and starts FOLDER's program
    desktop-file-validate "$entry" >"$work/validate" 2>&1 || fail "invalid entry: $(cat "$work/validate")"
    ! grep -qiE 'error|warning' "$work/validate" || fail "entry: $(cat "$work/validate")"
    [ "$(exec_program "$entry")" = "$1/zemlo-deck" ] ||
        fail "Exec starts [$(exec_program "$entry")]: $(grep ^Exec= "$entry")"
    grep -qx 'MimeType=text/html;' "$entry" || fail "the entry does not offer to open HTML files"
    grep -q '^text/html=.*zemlo-deck.desktop' "$apps/mimeinfo.cache" ||
        fail "the desktop database was not updated"
    [ -z "$(find "$work" -name mimeapps.list)" ] || fail "a mimeapps.list was written"
    # GLib loads the entry and starts the folder's program with the file: a stand-in for the
    # program, there only, writes what it was given.
    local deck="$work/a deck 100%.htm" waited=0
    : >"$deck"
    rm -f "$work/launched"
    mv "$1/zemlo-deck" "$work/program"
    printf '#!/bin/sh\nprintf "%%s|" "$@" >"%s.part" && mv "%s.part" "%s"\n' \
        "$work/launched" "$work/launched" "$work/launched" >"$1/zemlo-deck"
    chmod +x "$1/zemlo-deck"
    gio launch "$entry" "$deck" >"$work/gio" 2>&1 || fail "gio launch: $(cat "$work/gio")"
    while [ ! -e "$work/launched" ] && [ $((waited++)) -lt 200 ]; do sleep 0.1; done
    mv -f "$work/program" "$1/zemlo-deck"
    [ "$(cat "$work/launched" 2>/dev/null)" = "$deck|" ] ||
        fail "gio launch started the program with [$(cat "$work/launched" 2>/dev/null)]"
}

# 1. A folder that already holds the player's files, under a name with every character the
# Exec line has to quote or escape.
odd="$work/ゼムロ \"decks\" \$HOME \`x\` 100% a\\b & it's"
mkdir -p "$odd/old decks"
printf '[ZM0001]\r\n\x96\xbc\x8f\xcc\x81\x46\x82\xa0\r\n' >"$odd/ZEMLO.dat"
printf '[XX0001]\r\n' >"$odd/ORVEL.dat"
printf '[FORM]\r\nCOMPACT=1\r\n' >"$odd/ZEMLO.ini"
printf '<HTML>\r\n\x83\x66\x83\x62\x83\x4c\r\n' >"$odd/my deck.htm"
printf 'kept\n' >"$odd/old decks/a.htm"
player_files=(ZEMLO.dat ORVEL.dat ZEMLO.ini "my deck.htm" "old decks/a.htm")
before=$(fingerprint "$odd" "${player_files[@]}")

run_installer --build "$build" "$odd"
cmp -s "$build/bin/zemlo-deck" "$odd/zemlo-deck" && [ -x "$odd/zemlo-deck" ] ||
    fail "the program was not installed"
[ "$(fingerprint "$odd" "${player_files[@]}")" = "$before" ] || fail "the first install changed player files"
check_entry "$odd"
for icon in 48x48/apps/zemlo-deck.png scalable/apps/zemlo-deck.svg; do
    [ -s "$icons/$icon" ] || fail "no icon $icon"
done
[ "$(od -An -tx1 -j12 -N12 "$icons/48x48/apps/zemlo-deck.png" | tr -d ' \n')" = \
    "4948445200000030""00000030" ] || fail "the 48x48 icon is not a 48x48 PNG"

# 2. Installing again replaces the program by renaming a new file over it (a running copy
# keeps its old file) and changes nothing of the player's.
inode=$(stat -c %i "$odd/zemlo-deck")
run_installer --build "$build" "$odd"
[ "$(stat -c %i "$odd/zemlo-deck")" != "$inode" ] || fail "the program was rewritten in place"
[ "$(fingerprint "$odd" "${player_files[@]}")" = "$before" ] || fail "installing again changed player files"
[ -z "$(find "$odd" -name '.zemlo-deck-install.*')" ] || fail "a temporary file was left"
check_entry "$odd"

# 3. A second folder without card data gets the sample; the desktop entry now starts it.
second="$work/second"
run_installer --build "$build" "$second"
cmp -s "$build/sample/ZEMLO.dat" "$second/ZEMLO.dat" || fail "the sample was not installed"
check_entry "$second"

# Uninstalling the first folder leaves the entry that starts the second, and the icons.
run_installer --build "$build" --uninstall "$odd"
[ ! -e "$odd/zemlo-deck" ] && [ ! -e "$odd/.zemlo-deck-install" ] || fail "program files left"
[ "$(fingerprint "$odd" "${player_files[@]}")" = "$before" ] || fail "uninstalling changed player files"
for f in "${player_files[@]%%/*}"; do
    grep -qxF "  $f" "$work/out" || fail "the uninstall did not name $f as left: $(cat "$work/out")"
done
check_entry "$second"
[ -s "$icons/48x48/apps/zemlo-deck.png" ] || fail "an icon still in use was removed"

# The second folder's sample, replaced by the player's data, stays through both.
cp "$odd/ZEMLO.dat" "$second/ZEMLO.dat"
run_installer --build "$build" "$second"
cmp -s "$odd/ZEMLO.dat" "$second/ZEMLO.dat" || fail "installing again replaced the player's data"
run_installer --build "$build" --uninstall "$second"
cmp -s "$odd/ZEMLO.dat" "$second/ZEMLO.dat" || fail "the uninstall removed the player's data"
[ ! -e "$entry" ] || fail "the entry starting the second folder was left"

# A folder the install made goes with its untouched sample, and the last entry with its icons.
third="$work/third"
run_installer --build "$build" "$third"
run_installer --build "$build" --uninstall "$third"
[ ! -e "$third" ] || fail "the folder the install made is left: $(ls -A "$third")"
[ ! -e "$entry" ] && [ ! -e "$icons/48x48/apps/zemlo-deck.png" ] ||
    fail "desktop files left: $(find "$apps" "$icons" -name 'zemlo-deck*' 2>&1); entry: $(cat "$entry" 2>&1); the uninstall said: $(cat "$work/out")"
! grep -q zemlo-deck "$apps/mimeinfo.cache" || fail "the desktop database still lists the tool"

# 4. A program folder handed over by someone else, its list changed: the uninstall removes
# only what an install writes, by what each path is, never through a link.
victim="$work/victim"
mkdir -p "$victim/apps"
printf 'precious\n' >"$victim/zemlo-deck.png"
printf 'precious\n' >"$victim/apps/zemlo-deck.png"
handed="$work/handed"
run_installer --build "$build" "$handed"
cp "$odd/ZEMLO.dat" "$handed/ZEMLO.dat"  # the player's own card data
printf 'x' >"$handed/"$'\e[31mred\nline'
mine=$(sha256sum <"$handed/ZEMLO.dat" | cut -d ' ' -f 1)
{
    printf 'sample\tZEMLO.dat\t%s\n' "$mine"  # a forged hash, equal to the player's data
    printf 'icon\t%s\n' "$victim/zemlo-deck.png" "$XDG_DATA_HOME/icons/hicolor/evil/apps/zemlo-deck.png" \
        "$icons/../../../victim/apps/zemlo-deck.png"
} >>"$handed/.zemlo-deck-install"
# A link planted where an icon folder was: removing the icon there would remove the victim's.
rm -rf "$icons/48x48/apps" && ln -s "$victim/apps" "$icons/48x48/apps"
run_installer --build "$build" --uninstall "$handed"
for f in zemlo-deck.png apps/zemlo-deck.png; do
    [ "$(cat "$victim/$f")" = precious ] || fail "the uninstall removed $victim/$f"
done
cmp -s "$odd/ZEMLO.dat" "$handed/ZEMLO.dat" || fail "a forged sample hash removed the player's data"
[ ! -e "$entry" ] && [ ! -e "$icons/scalable/apps/zemlo-deck.svg" ] ||
    fail "the tool's own files left: $(find "$apps" "$icons" -name 'zemlo-deck*' 2>&1); entry: $(cat "$entry" 2>&1); the uninstall said: $(cat "$work/out")"
grep -q "left alone, a line of .zemlo-deck-install.*victim/zemlo-deck.png" "$work/out" ||
    fail "an untrusted line was not told: $(cat "$work/out")"
! grep -q $'\e' "$work/out" || fail "a file name sent an escape to the terminal"
grep -qF '  \x1B[31mred\x0Aline' "$work/out" || fail "a name was not shown escaped: $(cat "$work/out")"

# A re-install over a changed list drops its foreign lines and removes nothing.
rm "$icons/48x48/apps"
run_installer --build "$build" "$handed"
printf 'icon\t%s\n' "$victim/zemlo-deck.png" >>"$handed/.zemlo-deck-install"
run_installer --build "$build" "$handed"
! grep -q victim "$handed/.zemlo-deck-install" || fail "a re-install kept a foreign icon line"
[ "$(cat "$victim/zemlo-deck.png")" = precious ] || fail "a re-install touched a foreign file"
echo "install keeps player files: ok"
