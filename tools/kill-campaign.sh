#!/usr/bin/env bash
# Kills the program's rename runs at reproducible points and checks that a recovery puts every
# file under its old or its new name with its own content, with nothing left behind.
#
#   tools/kill-campaign.sh [KILLS] [SEED]
#
# Two paths, KILLS each (default 1000): renames the file system does without replacing, and the
# placeholder fallback (strace makes every renameat2 fail with EINVAL). Each kill stops the run
# at the k-th call of one system call (strace -e inject=CALL:signal=SIGKILL:when=k, CALL and k
# drawn from SEED), then "ORVENFR --recover DIR finish|rollback" settles it. Needs strace and a
# build in build/ (tools/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

kills=${1:-1000}
seed=${2:-$(date +%s)}
program=$PWD/build/app/ORVENFR
[ -x "$program" ] || { echo "Build first: tools/build.sh" >&2; exit 2; }
command -v strace >/dev/null || { echo "strace is missing (tools/install-deps.sh)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data
RANDOM=$seed
echo "seed $seed (replay: tools/kill-campaign.sh $kills $seed)"

# The run: positions 1..N in date order (newest first); each entry is "old name|new name".
# Swaps (a reversed album), cycles of three, and a chain where every file moves up one number.
entries=()
swaps=40 cycles=10 chain=20
for ((p = 1; p <= swaps; p++)); do
    entries+=("$(printf '%05d Song.mp3|%05d Song.mp3' $((swaps + 1 - p)) $p)")
done
base=$swaps
for ((c = 0; c < cycles; c++)); do
    b=$((base + 3 * c))
    entries+=("$(printf '%05d Cycle.mp3|%05d Cycle.mp3' $((b + 2)) $((b + 1)))")
    entries+=("$(printf '%05d Cycle.mp3|%05d Cycle.mp3' $((b + 3)) $((b + 2)))")
    entries+=("$(printf '%05d Cycle.mp3|%05d Cycle.mp3' $((b + 1)) $((b + 3)))")
done
base=$((swaps + 3 * cycles))
for ((i = 1; i <= chain; i++)); do
    entries+=("$(printf '%05d Chain.mp3|%05d Chain.mp3' $((base + i - 1)) $((base + i)))")
done

# Each file holds its old name; the dates put the files in the order of the entries.
template=$work/template
mkdir -p "$template"
now=$(date +%s)
p=0
for entry in "${entries[@]}"; do
    p=$((p + 1))
    printf '%s' "${entry%%|*}" >"$template/${entry%%|*}"
    touch -d "@$((now - 10 * p))" "$template/${entry%%|*}"
done

make_folder() {
    rm -rf "$1"
    cp -a "$template" "$1"
}

# Every file under its old name (old) or every one under its new name (new), each with its own
# content, and nothing else in the folder.
all_at() {
    local dir=$1 side=$2 entry name
    for entry in "${entries[@]}"; do
        name=$([ "$side" = old ] && echo "${entry%%|*}" || echo "${entry##*|}")
        [ "$(cat "$dir/$name" 2>/dev/null)" = "${entry%%|*}" ] || return 1
    done
    [ "$(find "$dir" -mindepth 1 | wc -l)" -eq "${#entries[@]}" ]
}

run_path() {
    local name=$1 fallback=$2 kinds extra=() kind when action count dir=$work/music
    local recovered=0 untouched=0 finished=0
    if [ "$fallback" = yes ]; then
        kinds=(renameat openat fdatasync write unlinkat)
        extra=(-e inject=renameat2:error=EINVAL)
    else
        kinds=(renameat2 fdatasync fsync write unlinkat)
    fi
    declare -A counts
    make_folder "$dir"
    local trace=${kinds[*]}
    strace -f -o "$work/trace" -e "trace=${trace// /,}${extra:+,renameat2}" "${extra[@]}" \
        "$program" --rename "$dir" --order date >/dev/null
    all_at "$dir" new || { echo "$name: the run without a kill misplaced files" >&2; exit 1; }
    for kind in "${kinds[@]}"; do
        counts[$kind]=$(grep -c " $kind(" "$work/trace" || true)
    done
    rm -rf "$XDG_DATA_HOME"
    for ((i = 1; i <= kills; i++)); do
        kind=${kinds[$((RANDOM % ${#kinds[@]}))]}
        count=${counts[$kind]}
        when=$((1 + RANDOM % (count > 0 ? count : 1)))
        action=$([ $((RANDOM % 2)) -eq 0 ] && echo finish || echo rollback)
        make_folder "$dir"
        # The shell's report of each kill goes with the command's own output.
        { strace -f -o /dev/null -e "trace=$kind${extra:+,renameat2}" \
            -e "inject=$kind:signal=SIGKILL:when=$when" "${extra[@]}" \
            "$program" --rename "$dir" --order date; } >/dev/null 2>&1 || true
        local where="$name kill $i ($kind #$when, $action)"
        if [ -e "$dir/.orven-rename-journal" ]; then
            "$program" --recover "$dir" "$action" >"$work/out" 2>&1 ||
                { echo "$where: recovery failed" >&2; cat "$work/out" >&2; exit 1; }
            recovered=$((recovered + 1))
            # A journal cut off before its plan was whole stands for a run that renamed nothing.
            local side=old
            [ "$action" = rollback ] || grep -q "before it renamed any file" "$work/out" ||
                side=new
            all_at "$dir" "$side" ||
                { echo "$where: files misplaced" >&2; ls -A "$dir" >&2; exit 1; }
        elif all_at "$dir" old; then
            untouched=$((untouched + 1))
        elif all_at "$dir" new; then
            finished=$((finished + 1))
        else
            echo "$where: files misplaced without a journal" >&2; ls -A "$dir" >&2; exit 1
        fi
    done
    echo "$name: $kills kills, $recovered recovered from their journal," \
        "$untouched before the journal, $finished after the run; every file in place"
}

run_path "no-replace renames" no
run_path "placeholder fallback" yes
