# Sourced by the smoke tests of the installed program: a scratch folder, $work, removed on exit,
# and the helpers below.

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

# write_learner_files <program folder> writes, beside a program that has started once, the files
# a learner's use leaves there, as the program writes them: a card learnt (its line moved to the
# end and added to the learnt list), a shipped dictionary deleted, a new one, an own phonetic
# dictionary, a backup, the settings record, the progress store, a background picture and the
# remembered folders.
write_learner_files() {
    local home=$1 dicts=$1/Vocadrill data=$1/Data
    local dict="$dicts/500 common words.txt"
    { tail -n +2 "$dict"; head -n 1 "$dict"; } > "$dict.new"
    mv "$dict.new" "$dict"
    tail -n 1 "$dict" > "$dicts/Learnt/Learnt.txt"
    rm "$dicts/Travel phrases.txt"
    printf '\xef\xbb\xbfown = своё\r\n' > "$dicts/My words.txt"
    mkdir -p "$dicts/Phonetic"
    printf 'own [əʊn]\r\n' > "$dicts/Phonetic/Phonetic.txt"
    mkdir -p "$data/Backups"
    cp "$data/OriginalDictionaries/500 common words.txt" \
       "$data/Backups/500 common words 2026-01-01 10-00-00.txt"
    head -c 624 /dev/urandom > "$data/DataFile"
    printf '\xef\xbb\xbf[Learnt]\r\n%s=7\r\n' "$dict" > "$data/LearntNumbers.ini"
    head -c 4096 /dev/urandom > "$data/Backgrounds/1/picture.png"
    printf '%s' "$home" > "$data/BGName.txt"
    printf '%s' "$dicts" > "$data/TxtName.txt"
}

# start_once <program or a link to it> <scratch folder>: starts the program once, off screen with
# a home of its own, until its first start has laid out its folders beside it.
start_once() {
    local folder
    folder=$(dirname "$(readlink -f "$1")")
    mkdir -p "$2/home"
    HOME="$2/home" XDG_CONFIG_HOME="$2/home/.config" QT_QPA_PLATFORM=offscreen "$1" &
    local pid=$!
    for _ in $(seq 100); do
        [ -d "$folder/Data/Backgrounds/2" ] && break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    [ -d "$folder/Data/Backgrounds/2" ] || fail "the first start laid out no folders"
}
