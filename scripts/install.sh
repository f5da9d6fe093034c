#!/usr/bin/env bash
# Installs the deck tool from a built tree into a program folder of the player's own, or
# removes it again. ./install builds first and then runs this.
#   scripts/install.sh [--build DIR] [FOLDER]    install from DIR (default: build/)
#   scripts/install.sh --uninstall [FOLDER]      remove what an install put into FOLDER
# FOLDER defaults to ~/ZEMLOSAGA. The folder keeps the list of what the install put there in
# .zemlo-deck-install; card data, ZEMLO.ini, decks and every other file stay as they are.
set -euo pipefail
shopt -u patsub_replacement 2>/dev/null || true  # "&" in a folder name stays an "&"

readonly program=zemlo-deck
readonly list_name=.zemlo-deck-install
readonly icon_files=("scalable/apps/$program.svg" "48x48/apps/$program.png")
readonly bs=$'\\'  # one backslash

die() {
    echo "install: $*" >&2
    exit 1
}

build=$(cd "$(dirname "$0")/.." && pwd)/build
mode=install
folders=()
while [ $# -gt 0 ]; do
    case $1 in
        --build)
            [ $# -ge 2 ] || die "--build needs a folder"
            build=$2
            shift
            ;;
        --uninstall) mode=uninstall ;;
        -h | --help) sed -n '2,7s/^# \{0,1\}//p' "$0" && exit 0 ;;
        --) shift && folders+=("$@") && break ;;
        -?*) die "unknown option $1 (see --help)" ;;
        *) folders+=("$1") ;;
    esac
    shift
done
[ ${#folders[@]} -le 1 ] || die "one folder only"
folder=${folders[0]:-}

# The folder's path goes into the desktop entry and the list, one line each, as UTF-8 text.
plain_path() {  # PATH WHAT
    [[ $1 != *[[:cntrl:]]* ]] || die "$2 has a control character in its name: $1"
    printf '%s' "$1" | iconv -f UTF-8 -t UTF-8 >/dev/null 2>&1 || die "$2 is not a UTF-8 name: $1"
}

folder=${folder:-${HOME:?}/ZEMLOSAGA}
plain_path "$folder" "the folder"
folder=$(realpath -m -- "$folder")
[ ! -e "$folder" ] || [ -d "$folder" ] || die "$folder is not a folder"

data_home=${XDG_DATA_HOME:-}
[[ $data_home == /* ]] || data_home=${HOME:?}/.local/share
plain_path "$data_home" "XDG_DATA_HOME"
data_home=$(realpath -m -- "$data_home")
apps_dir=$data_home/applications
icons_dir=$data_home/icons/hicolor
desktop_file=$apps_dir/$program.desktop

# A name as the terminal may print it: control characters (C0, DEL and C1 in UTF-8) as \xNN,
# so a file name can neither break a line nor send the terminal an escape sequence.
shown() {  # NAME
    local LC_ALL=C name=$1 out='' c i code
    for ((i = 0; i < ${#name}; i++)); do
        c=${name:i:1}
        printf -v code '%d' "'$c"
        ((code < 0)) && code=$((code + 256))
        if ((code < 32 || code == 127)); then
            printf -v c '\\x%02X' "$code"
        elif ((code == 0xC2)) && ((i + 1 < ${#name})); then
            printf -v code '%d' "'${name:i+1:1}"
            ((code < 0)) && code=$((code + 256))
            if ((code >= 0x80 && code <= 0x9F)); then
                printf -v c '\\xC2\\x%02X' "$code"
                i=$((i + 1))
            fi
        fi
        out+=$c
    done
    printf '%s' "$out"
}

# The desktop files an install writes, and the only ones a list may name: the entry and the
# icons under the XDG data folder of this run or the default one, named exactly.
trusted_desktop_files() {  # KIND (desktop or icon)
    local home=${HOME:?}/.local/share d icon
    for d in "$data_home" "$(realpath -m -- "$home")"; do
        if [ "$1" = desktop ]; then
            printf '%s\n' "$d/applications/$program.desktop"
        else
            for icon in "${icon_files[@]}"; do printf '%s\n' "$d/icons/hicolor/$icon"; done
        fi
    done
}
# Not a pipe into grep -q: grep ends at the first match, the list's printf then dies of
# SIGPIPE, and under pipefail the match was taken for none now and then.
is_trusted() {  # KIND PATH
    local listed
    listed=$(trusted_desktop_files "$1")
    grep -qxF -- "$2" <<<"$listed"
}

# Whether PATH is a regular file reached without any link: no folder on its way below / is a
# symbolic link, nor is the file itself.
reached_without_link() {  # PATH
    local dir
    [ -f "$1" ] && [ ! -L "$1" ] || return 1
    dir=$(dirname -- "$1")
    [ "$(realpath -e -- "$dir" 2>/dev/null)" = "$dir" ]
}

sha256() { sha256sum <"$1" | cut -d ' ' -f 1; }

# The Exec value: the program's path in double quotes, with " ` $ \ escaped inside them, every
# backslash doubled again by the desktop file's own string escape, and % doubled. The entry
# starts the program with the file it is asked to open.
exec_line() {  # FOLDER
    local path=$1/$program out='' c i
    for ((i = 0; i < ${#path}; i++)); do
        c=${path:i:1}
        case $c in
            '"' | '`' | '$') out+=$bs$bs$c ;;
            "$bs") out+=$bs$bs$bs$bs ;;
            '%') out+='%%' ;;
            *) out+=$c ;;
        esac
    done
    printf 'Exec="%s" %%f' "$out"
}

# GLib looks up the Exec line's program before it undoes "%%", so it refuses to load an entry
# whose program path holds a "%" (gio launch fails), though the line is right by the Desktop
# Entry rules. For such a folder the entry names it as its working folder instead (Path, a
# plain string without field codes) and starts the program there through sh; every other
# folder keeps the plain Exec line.
launch_lines() {  # FOLDER
    local path=$1
    if [[ $path != *%* ]]; then
        exec_line "$path"
        return
    fi
    path=${path//"$bs"/"$bs$bs"}
    [[ $path != *' ' ]] || path=${path% }${bs}s  # a trailing blank would be dropped
    printf 'Path=%s\n' "$path"
    printf '%s' 'Exec=sh -c "exec ./'"$program"' \\"\\$@\\"" '"$program"' %f'
}

desktop_entry() {  # FOLDER
    local try=$1/$program
    try=${try//"$bs"/"$bs$bs"}
    # text/html only offers the tool under "Open with": the install writes no mimeapps.list,
    # so whatever opens web pages by default still does.
    printf '%s\n' \
        '[Desktop Entry]' \
        'Type=Application' \
        'Version=1.4' \
        'Name=ZEMLOSAGA deck tool' \
        'Name[ja]=ZEMLOSAGAﾃﾞｯｷ作成支援ﾂｰﾙ' \
        'Comment=Build, analyse and save decks for the ZEMLOSAGA card game' \
        'Comment[ja]=ZEMLOSAGAのデッキを作り、分析し、保存します' \
        "Icon=$program" \
        "TryExec=$try" \
        "$(launch_lines "$1")" \
        'Terminal=false' \
        'MimeType=text/html;' \
        'Categories=Game;CardGame;' \
        "StartupWMClass=$program"
}

# Whether the desktop entry at PATH starts the program in FOLDER.
entry_starts_folder() {  # PATH FOLDER
    local line
    [ -f "$1" ] || return 1
    while IFS= read -r line; do
        grep -qxF -- "$line" "$1" || return 1
    done <<<"$(launch_lines "$2")"
}

temps=()
remove_temps() {
    local t
    for t in "${temps[@]}"; do rm -f -- "$t"; done
}
trap remove_temps EXIT
make_temp() {  # DIR; sets tmp
    tmp=$(mktemp -- "$1/.$program-install.XXXXXX") || die "cannot write in $1"
    temps+=("$tmp")
}

# Every file goes through a temporary file beside its place, flushed and renamed over it: a
# reader (the running program too) sees the old file or the new one, never a part of one.
file_mode=$(printf '%o' $((0666 & ~0$(umask))))
exec_mode=$(printf '%o' $((0777 & ~0$(umask))))
put_file() {  # SOURCE TARGET MODE
    make_temp "$(dirname -- "$2")"
    cp -- "$1" "$tmp"
    chmod "$3" -- "$tmp"
    sync -- "$tmp"
    mv -fT -- "$tmp" "$2"
}
put_text() {  # TARGET TEXT
    make_temp "$(dirname -- "$1")"
    printf '%s' "$2" >"$tmp"
    chmod "$file_mode" -- "$tmp"
    sync -- "$tmp"
    mv -fT -- "$tmp" "$1"
}

# The list from an earlier install: kind<TAB>path[<TAB>sha256] per line. The folder may have
# come from someone else, so a line is believed only where it names exactly what an install
# writes; any other line is told and left alone, and a new list leaves it out.
declare -A listed_sample=()
listed_desktop=()
listed_icons=()
untrusted_lines=()
folder_created=no
read_list() {
    local kind path hash line
    [ -f "$folder/$list_name" ] && [ ! -L "$folder/$list_name" ] || return 0
    while IFS= read -r line; do
        [[ -z $line || $line == '#'* ]] && continue
        IFS=$'\t' read -r kind path hash <<<"$line"
        case $kind in
            folder-created) [ -z "$path" ] && folder_created=yes && continue ;;
            program) [ "$path" = "$program" ] && continue ;;
            sample) [ "$path" = ZEMLO.dat ] && [[ $hash =~ ^[0-9a-f]{64}$ ]] &&
                listed_sample[$path]=$hash && continue ;;
            desktop) is_trusted desktop "$path" && listed_desktop+=("$path") && continue ;;
            icon) is_trusted icon "$path" && listed_icons+=("$path") && continue ;;
        esac
        untrusted_lines+=("$line")
    done <"$folder/$list_name"
    return 0
}

tell_untrusted_lines() {
    local line
    for line in "${untrusted_lines[@]}"; do
        echo "install: left alone, a line of $list_name that names nothing an install writes: $(shown "$line")" >&2
    done
}

# Whether FOLDER/ZEMLO.dat is still byte for byte the sample an install put there: the hash the
# list holds and the hash of the sample this installer ships, which a changed list cannot fake.
sample_untouched() {
    local hash=${listed_sample[ZEMLO.dat]:-} shipped=$build/sample/ZEMLO.dat
    [ -n "$hash" ] && [ -f "$shipped" ] && [ "$(sha256 "$shipped")" = "$hash" ] &&
        reached_without_link "$folder/ZEMLO.dat" && [ "$(sha256 "$folder/ZEMLO.dat")" = "$hash" ]
}

refresh_desktop_database() {  # APPLICATIONS_DIR
    if command -v update-desktop-database >/dev/null 2>&1 && [ -d "$1" ]; then
        update-desktop-database -q "$1" || echo "install: update-desktop-database failed for $1" >&2
    fi
}

install_program() {
    local source=$build/bin/$program sample=$build/sample/ZEMLO.dat icon path
    [ -x "$source" ] || die "no program built in $build/bin (./install builds it first)"
    [ -f "$sample" ] || die "no sample card data in $build/sample"
    for icon in "${icon_files[@]}"; do
        [ -f "$build/share/icons/hicolor/$icon" ] || die "no icon in $build/share/icons/hicolor"
    done
    for path in "$folder/$program" "$folder/$list_name" "$desktop_file" \
        "${icon_files[@]/#/$icons_dir/}"; do
        [ -L "$path" ] || [ ! -d "$path" ] || die "$path is a folder; move it away and install again"
    done

    if [ ! -d "$folder" ]; then
        mkdir -p -- "$folder"
        folder_created=yes
    fi
    read_list

    # The sample goes in only where there is no ZEMLO.dat yet; later installs leave it, and it
    # stays on the list only while it is still the sample.
    local place_sample=no sample_hash
    sample_hash=$(sha256 "$sample")
    if [ ! -e "$folder/ZEMLO.dat" ] && [ ! -L "$folder/ZEMLO.dat" ]; then
        place_sample=yes
        listed_sample[ZEMLO.dat]=$sample_hash
    elif ! sample_untouched; then
        listed_sample=()
    fi

    # The list is written first, so an install cut short can still be removed.
    local list d i
    list="# Put here by the ZEMLOSAGA deck tool's installer; \"./install --uninstall\" removes these."$'\n'
    [ "$folder_created" = yes ] && list+="folder-created"$'\n'
    list+="program"$'\t'"$program"$'\n'
    [ -n "${listed_sample[ZEMLO.dat]:-}" ] && list+="sample"$'\t'"ZEMLO.dat"$'\t'"${listed_sample[ZEMLO.dat]}"$'\n'
    # Entries of earlier installs under another XDG_DATA_HOME stay listed while they exist.
    declare -A seen=()
    # Entries of an earlier install under the default data folder stay listed while they exist;
    # lines that name anything else are dropped.
    for d in "$desktop_file" "${listed_desktop[@]}"; do
        [ -n "${seen[$d]:-}" ] && continue
        seen[$d]=1
        [ "$d" = "$desktop_file" ] || [ -e "$d" ] || continue
        list+="desktop"$'\t'"$d"$'\n'
    done
    for i in "${icon_files[@]/#/$icons_dir/}" "${listed_icons[@]}"; do
        [ -n "${seen[$i]:-}" ] && continue
        seen[$i]=1
        [[ $i == "$icons_dir"/* ]] || [ -e "$i" ] || continue
        list+="icon"$'\t'"$i"$'\n'
    done
    tell_untrusted_lines
    put_text "$folder/$list_name" "$list"

    put_file "$source" "$folder/$program" "$exec_mode"
    local sample_note="ZEMLO.dat there was left as it is"
    if [ "$place_sample" = yes ]; then
        make_temp "$folder"
        cp -- "$sample" "$tmp"
        chmod "$file_mode" -- "$tmp"
        sync -- "$tmp"
        # Never over a ZEMLO.dat that appeared meanwhile.
        mv -nT -- "$tmp" "$folder/ZEMLO.dat" || true
        [ -e "$tmp" ] || sample_note="ZEMLO.dat is the invented sample: put the real card data in its place"
    fi

    for icon in "${icon_files[@]}"; do
        mkdir -p -- "$(dirname -- "$icons_dir/$icon")"
        put_file "$build/share/icons/hicolor/$icon" "$icons_dir/$icon" "$file_mode"
    done
    mkdir -p -- "$apps_dir"
    put_text "$desktop_file" "$(desktop_entry "$folder")"$'\n'
    refresh_desktop_database "$apps_dir"

    echo "Installed the ZEMLOSAGA deck tool in $folder"
    echo "  program:       $folder/$program"
    echo "  card data:     $sample_note (ORVEL.dat goes beside it)"
    echo "  desktop entry: $desktop_file"
}

uninstall_program() {
    local d i name removed=() kept entry_dirs=()
    [ -d "$folder" ] || die "$(shown "$folder") is not a folder"
    read_list
    [ -f "$folder/$list_name" ] || echo "install: $(shown "$folder") has no $list_name; only a desktop entry starting a program there is removed" >&2
    tell_untrusted_lines

    # Desktop entries only where they still start the program in this folder, each reached
    # without a link; the icons beside an entry that was removed.
    declare -A seen=()
    for d in "$desktop_file" "${listed_desktop[@]}"; do
        [ -n "${seen[$d]:-}" ] && continue
        seen[$d]=1
        if reached_without_link "$d" && entry_starts_folder "$d" "$folder"; then
            rm -f -- "$d"
            removed+=("$d")
            entry_dirs+=("${d%/applications/*}")
            refresh_desktop_database "$(dirname -- "$d")"
        elif [ -e "$d" ] || [ -L "$d" ]; then
            echo "  kept $(shown "$d"): it starts a program elsewhere, or is reached through a link"
        fi
    done
    for i in "${listed_icons[@]}"; do
        for d in "${entry_dirs[@]}"; do
            if [[ $i == "$d/icons/hicolor/"* ]] && reached_without_link "$i"; then
                rm -f -- "$i"
                removed+=("$i")
            fi
        done
    done

    if [ -f "$folder/$list_name" ]; then
        if sample_untouched; then
            rm -f -- "$folder/ZEMLO.dat"
            removed+=("$folder/ZEMLO.dat")
        elif [ -n "${listed_sample[ZEMLO.dat]:-}" ] && [ ! -f "$build/sample/ZEMLO.dat" ]; then
            echo "  kept ZEMLO.dat: the sample this installer ships is not in $(shown "$build")/sample to compare it with"
        fi
        if [ -f "$folder/$program" ] || [ -L "$folder/$program" ]; then
            rm -f -- "$folder/$program"
            removed+=("$folder/$program")
        fi
        rm -f -- "$folder/$list_name"
    fi

    [ ${#removed[@]} -gt 0 ] || die "nothing of the deck tool was found for $(shown "$folder")"
    echo "Removed the ZEMLOSAGA deck tool from $(shown "$folder"):"
    for name in "${removed[@]}"; do echo "  $(shown "$name")"; done
    kept=no
    while IFS= read -r -d '' name; do
        if [ "$kept" = no ]; then
            echo "Left in $(shown "$folder"), as they are (card data, settings, decks and other files of yours):"
            kept=yes
        fi
        echo "  $(shown "$name")"
    done < <(find "$folder" -mindepth 1 -maxdepth 1 -printf '%f\0' | LC_ALL=C sort -z)
    if [ "$kept" = no ] && [ "$folder_created" = yes ]; then
        rmdir -- "$folder"
        echo "Removed the empty folder $(shown "$folder")"
    fi
}

if [ "$mode" = install ]; then install_program; else uninstall_program; fi
