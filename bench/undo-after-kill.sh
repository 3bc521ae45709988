#!/usr/bin/env bash
# Organizes 300 files into 30 folders with `sortiva-cli organize --move --replace` (one file
# replacing an older one, a few names that are not UTF-8) across file systems (tmpfs to the
# disk), and checks that `sortiva-cli undo --yes` gives back the exact source tree (names,
# bytes, modification times) and the Organize To folder as it was: once after a whole run,
# then after runs killed with SIGKILL at random moments. Also counts what undo left behind:
# organized files, copy temporaries, files in the trash, folders.
# Usage: bench/undo-after-kill.sh [path/to/sortiva-cli] [killed runs]
set -euo pipefail
cli=${1:-build/cli/sortiva-cli}
runs=${2:-20}
files=300
src_root=$(mktemp -d /dev/shm/sortiva-undo.XXXXXX)
dst_root=$(mktemp -d "${TMPDIR:-/tmp}/sortiva-undo.XXXXXX")
# Settings, locks and journals beside the source; the trash on the destination's file system.
export XDG_CONFIG_HOME=$src_root/config XDG_RUNTIME_DIR=$src_root/config
export XDG_STATE_HOME=$src_root/state XDG_DATA_HOME=$dst_root/data
mkdir -p "$XDG_CONFIG_HOME"
trap 'rm -rf "$src_root" "$dst_root"' EXIT
src=$src_root/in dst=$dst_root/out

# Every entry below $1: name bytes, kind, and for files size, modification time and digest.
# (A folder's own time changes with every name added or removed in it, so it is left out.)
snapshot() {
    (cd "$1" && find . -mindepth 1 -type d -printf '%p\td\n' &&
        find . -type f -printf '%p\tf\t%s\t%T@\n' &&
        find . -type f -exec md5sum {} +) | LC_ALL=C sort
}

make_trees() {
    rm -rf "$src" "$dst" "$XDG_DATA_HOME"
    mkdir -p "$src" "$dst"
    for i in $(seq "$files"); do
        name="Artist$((i % 30)) - Song $i.mp3"
        [ $((i % 50)) -eq 0 ] && name=$(printf 'Artist%d - Caf\xe9 %d.mp3' $((i % 30)) "$i")
        head -c $((16384 + (i * 7919) % 400000)) /dev/urandom >"$src/$name"
        touch -d "@$((1500000000 + i * 3600)).$(printf %09d $((i * 12345)))" "$src/$name"
    done
    # The older file one organized file replaces: where the plan puts the first row.
    plan=$("$cli" organize --dry-run --quiet "$src" "$dst" || true)
    target=$(awk -F'\t' '/ - Song /{print $2; exit}' <<<"$plan")
    mkdir -p "$(dirname "$target")"
    head -c 1000 /dev/urandom >"$target"
    touch -d @1400000000.5 "$target"
    snapshot "$src" >"$src_root/src.before"
    snapshot "$dst" >"$src_root/dst.before"
}

undo() { "$cli" undo --yes --quiet >"$src_root/undo.out" 2>&1 || true; }

# What differs from the trees before the run, and what undo left behind.
check() {
    snapshot "$src" >"$src_root/src.after"
    snapshot "$dst" >"$src_root/dst.after"
    src_diff=$(diff "$src_root/src.before" "$src_root/src.after" | grep -c '^[<>]' || true)
    dst_diff=$(diff "$src_root/dst.before" "$src_root/dst.after" | grep -c '^[<>]' || true)
    trashed=$( (find "$XDG_DATA_HOME/Trash/files" -mindepth 1 2>/dev/null || true) | wc -l)
    temps=$(find "$dst" -name '.*.part-*' | wc -l)
}

make_trees
start=$(date +%s.%N)
"$cli" organize --yes --move --replace --quiet "$src" "$dst" >/dev/null 2>&1 || true
elapsed=$(echo "$(date +%s.%N) - $start" | bc)
organized=$(find "$dst" -type f | wc -l)
folders=$(find "$dst" -mindepth 1 -type d | wc -l)
undo
check
echo "whole run: $files files into $folders folders in ${elapsed}s, $organized files under DEST afterwards"
echo "  after undo: source entries differing $src_diff, DEST entries differing $dst_diff, files left in the trash $trashed, temporaries $temps"
tail -1 "$src_root/undo.out"

total_src=0 total_dst=0 total_trash=0 total_temps=0 killed=0 nothing=0
for run in $(seq "$runs"); do
    make_trees
    "$cli" organize --yes --move --replace --quiet "$src" "$dst" >/dev/null 2>&1 &
    pid=$!
    sleep "$(echo "scale=3; $RANDOM * $elapsed / 32768" | bc)"
    if kill -9 "$pid" 2>/dev/null; then killed=$((killed + 1)); fi
    wait "$pid" 2>/dev/null || true
    undo
    if grep -q 'no organize to undo' "$src_root/undo.out"; then nothing=$((nothing + 1)); fi
    check
    total_src=$((total_src + src_diff)) total_dst=$((total_dst + dst_diff))
    total_trash=$((total_trash + trashed)) total_temps=$((total_temps + temps))
    [ $((src_diff + dst_diff + trashed + temps)) -eq 0 ] ||
        echo "run $run: source $src_diff, DEST $dst_diff, trash $trashed, temporaries $temps" >&2
done
echo "killed runs: $runs (killed while running: $killed, before the first journal line: $nothing)"
echo "  after undo: source entries differing $total_src, DEST entries differing $total_dst, files left in the trash $total_trash, temporaries $total_temps"
