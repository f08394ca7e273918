#!/bin/sh
# Checks an installed prefix (made by InstallFixture.sh) and its launcher.
#   LauncherTest.sh <prefix> <zelto-data program> <scratch dir> <case>
# Exit 0: passed, 77: skipped (a tool is missing), anything else: failed.
# The cases are called by name at the end.
# shellcheck disable=SC2317
set -u

prefix=$1
data_tool=$2
scratch=$3/$4
case_name=$4

launcher="$prefix/bin/zelto2000"
shipped="$prefix/share/zelto2000"

fail() {
    printf 'FAIL: %s\n' "$*" >&2
    exit 1
}

skip() {
    printf 'SKIP: %s\n' "$*"
    exit 77
}

expect_file() {
    [ -f "$1" ] || fail "missing file $1"
}

# Starts the launcher with XDG_DATA_HOME=$1; the stand-in game logs to $scratch/game.log.
start_game() {
    rm -f "$scratch/game.log"
    XDG_DATA_HOME=$1 HOME="$scratch/home" ZELTO_FAKE_LOG="$scratch/game.log" \
        "$launcher" || fail "the launcher failed with XDG_DATA_HOME=$1"
}

started_in() {
    [ -f "$scratch/game.log" ] || fail "the game was not started"
    actual=$(head -n 1 "$scratch/game.log")
    [ "$actual" = "$1" ] || fail "the game started in '$actual', expected '$1'"
}

same_tree() {
    diff -r "$1" "$2" >/dev/null || fail "$2 differs from $1"
}

# The big-endian 32-bit number at byte $2 of PNG file $1 (16: width, 20: height).
png_number() {
    # shellcheck disable=SC2046
    set -- $(od -An -tu1 -j "$2" -N 4 "$1")
    echo $(((($1 * 256 + $2) * 256 + $3) * 256 + $4))
}

case_installs_the_usual_layout() {
    [ -x "$launcher" ] || fail "bin/zelto2000 is missing or not executable"
    [ "$(head -n 1 "$launcher")" = '#!/bin/sh' ] || fail "bin/zelto2000 is not a POSIX sh script"
    expect_file "$shipped/Config.dat"
    expect_file "$shipped/Zelto 2000 Help.html"
    expect_file "$shipped/Help docs/Contact.html"
    expect_file "$shipped/Music/Default Music.MID"
    expect_file "$shipped/Sounds/Default Sounds/Click.wav"
    [ -d "$shipped/Skins/Default Skin" ] || fail "the default skin is missing"
    expect_file "$prefix/share/applications/zelto2000.desktop"
    expect_file "$prefix/share/metainfo/org.example.Zelto2000.metainfo.xml"
    for size in 16 32 48 64 128 256; do
        icon="$prefix/share/icons/hicolor/${size}x${size}/apps/zelto2000.png"
        expect_file "$icon"
        width=$(png_number "$icon" 16)
        height=$(png_number "$icon" 20)
        if [ "$width" != "$size" ] || [ "$height" != "$size" ]; then
            fail "$icon is ${width}x${height}, not ${size}x${size}"
        fi
    done
    expect_file "$prefix/share/icons/hicolor/scalable/apps/zelto2000.svg"
}

case_installed_config_is_the_pristine_default() {
    "$data_tool" "$scratch/fresh" >/dev/null 2>&1 || fail "the data tool failed"
    cmp -s "$scratch/fresh/Config.dat" "$shipped/Config.dat" ||
        fail "the installed Config.dat is not the one the data tool writes"
    same_tree "$scratch/fresh" "$shipped"
}

case_desktop_entry_names_the_game() {
    entry="$prefix/share/applications/zelto2000.desktop"
    for line in '[Desktop Entry]' 'Type=Application' 'Name=Zelto 2000' 'Exec=zelto2000' \
        'Icon=zelto2000' 'Categories=Game;BoardGame;' 'Terminal=false'; do
        grep -qxF "$line" "$entry" || fail "the desktop entry lacks '$line'"
    done
    grep -q '^Comment=.' "$entry" || fail "the desktop entry has no Comment"
    grep -q '^Keywords=.*;$' "$entry" || fail "the desktop entry has no Keywords list"
}

case_desktop_entry_validates() {
    command -v desktop-file-validate >/dev/null || skip "desktop-file-validate is not installed"
    desktop-file-validate "$prefix/share/applications/zelto2000.desktop" ||
        fail "desktop-file-validate rejects the desktop entry"
}

case_metainfo_validates() {
    command -v appstreamcli >/dev/null || skip "appstreamcli is not installed"
    appstreamcli validate --no-net "$prefix/share/metainfo/org.example.Zelto2000.metainfo.xml" ||
        fail "appstreamcli rejects the metainfo file"
}

case_launcher_has_no_bashisms() {
    command -v shellcheck >/dev/null || skip "shellcheck is not installed"
    shellcheck -s sh "$launcher" || fail "shellcheck finds faults in the launcher"
}

case_first_start_copies_the_data_and_starts_there() {
    start_game "$scratch/data"
    started_in "$scratch/data/zelto2000"
    same_tree "$shipped" "$scratch/data/zelto2000"
}

case_arguments_reach_the_game() {
    rm -f "$scratch/game.log"
    XDG_DATA_HOME="$scratch/data" ZELTO_FAKE_LOG="$scratch/game.log" \
        "$launcher" -style 'two words' || fail "the launcher failed"
    [ "$(sed -n 2p "$scratch/game.log")" = '-style' ] || fail "first argument lost"
    [ "$(sed -n 3p "$scratch/game.log")" = 'two words' ] || fail "second argument split or lost"
}

case_copies_from_a_read_only_install_are_writable() {
    [ -z "$(find "$shipped" -type f -perm -u+w)" ] || fail "the fixture left the install writable"
    start_game "$scratch/data"
    unwritable=$(find "$scratch/data/zelto2000" ! -perm -u+w)
    [ -z "$unwritable" ] || fail "read-only copies: $unwritable"
}

case_second_start_keeps_the_players_config() {
    start_game "$scratch/data"
    config="$scratch/data/zelto2000/Config.dat"
    # Any change the game writes, e.g. a new record.
    printf 'Player one' | dd of="$config" bs=1 seek=100 conv=notrunc 2>/dev/null
    cp "$config" "$scratch/played.dat"
    start_game "$scratch/data"
    started_in "$scratch/data/zelto2000"
    cmp -s "$config" "$scratch/played.dat" || fail "the second start replaced Config.dat"
    cmp -s "$config" "$shipped/Config.dat" && fail "Config.dat was reset to the default"
    return 0
}

case_later_start_adds_missing_files_and_keeps_existing_ones() {
    start_game "$scratch/data"
    appdir="$scratch/data/zelto2000"
    # As after an update that ships a skin the player does not have yet.
    rm -rf "$appdir/Skins/Midnight" "$appdir/Sounds/Chimes/Click.wav"
    printf 'mine\n' >"$appdir/Skins/Default Skin/Labels.txt"
    printf 'own song\n' >"$appdir/Music/My Song.mid"
    start_game "$scratch/data"
    same_tree "$shipped/Skins/Midnight" "$appdir/Skins/Midnight"
    cmp -s "$shipped/Sounds/Chimes/Click.wav" "$appdir/Sounds/Chimes/Click.wav" ||
        fail "a missing sound was not copied back"
    [ "$(cat "$appdir/Skins/Default Skin/Labels.txt")" = mine ] ||
        fail "a file the player changed was overwritten"
    expect_file "$appdir/Music/My Song.mid"
    [ -z "$(find "$appdir" -name '.zelto2000-copy.*')" ] || fail "temporary copies left behind"
}

case_deleted_config_is_restored() {
    start_game "$scratch/data"
    rm "$scratch/data/zelto2000/Config.dat"
    start_game "$scratch/data"
    cmp -s "$shipped/Config.dat" "$scratch/data/zelto2000/Config.dat" ||
        fail "a deleted Config.dat was not restored"
}

case_data_home_with_spaces_and_quotes_works() {
    home="$scratch/my data/it's here"
    start_game "$home"
    started_in "$home/zelto2000"
    same_tree "$shipped" "$home/zelto2000"
}

case_without_xdg_data_home_uses_home() {
    rm -f "$scratch/game.log"
    (
        unset XDG_DATA_HOME
        HOME="$scratch/the home" ZELTO_FAKE_LOG="$scratch/game.log" "$launcher"
    ) || fail "the launcher failed without XDG_DATA_HOME"
    started_in "$scratch/the home/.local/share/zelto2000"
}

case_relative_xdg_data_home_is_ignored() {
    mkdir -p "$scratch/cwd"
    rm -f "$scratch/game.log"
    (
        cd "$scratch/cwd" &&
            XDG_DATA_HOME=relative HOME="$scratch/home" ZELTO_FAKE_LOG="$scratch/game.log" \
                "$launcher"
    ) || fail "the launcher failed with a relative XDG_DATA_HOME"
    started_in "$scratch/home/.local/share/zelto2000"
    [ ! -e "$scratch/cwd/relative" ] || fail "the relative XDG_DATA_HOME was used"
}

case_uncreatable_data_folder_fails_clearly() {
    mkdir -p "$scratch"
    printf 'not a folder\n' >"$scratch/blocker"
    rm -f "$scratch/game.log"
    if XDG_DATA_HOME="$scratch/blocker" ZELTO_FAKE_LOG="$scratch/game.log" \
        "$launcher" 2>"$scratch/err"; then
        fail "the launcher succeeded without a data folder"
    fi
    grep -q 'cannot create the data folder' "$scratch/err" || fail "no clear message: $(cat "$scratch/err")"
    [ ! -e "$scratch/game.log" ] || fail "the game was started anyway"
}

case_no_home_at_all_fails_clearly() {
    rm -f "$scratch/game.log"
    if env -u HOME -u XDG_DATA_HOME ZELTO_FAKE_LOG="$scratch/game.log" \
        "$launcher" 2>"$scratch/err"; then
        fail "the launcher succeeded without HOME"
    fi
    grep -q 'HOME' "$scratch/err" || fail "no clear message: $(cat "$scratch/err")"
    [ ! -e "$scratch/game.log" ] || fail "the game was started anyway"
}

case_broken_install_fails_clearly() {
    # A launcher whose prefix holds neither data nor game.
    mkdir -p "$scratch/empty prefix"
    sed "s|^prefix=.*|prefix='$scratch/empty prefix'|" "$launcher" >"$scratch/launcher"
    if XDG_DATA_HOME="$scratch/data" sh "$scratch/launcher" 2>"$scratch/err"; then
        fail "the launcher succeeded without an install"
    fi
    grep -q 'game data is missing' "$scratch/err" || fail "no clear message: $(cat "$scratch/err")"
    [ ! -e "$scratch/data/zelto2000" ] || fail "an empty data folder was made"
}

if [ -d "$scratch" ]; then
    chmod -R u+w "$scratch"
    rm -rf "$scratch"
fi
mkdir -p "$scratch"
"case_$case_name"
status=$?
[ $status -eq 0 ] && printf 'PASS: %s\n' "$case_name"
exit $status
