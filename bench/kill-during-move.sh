#!/usr/bin/env bash
# Kills `sortiva-cli organize --move` with SIGKILL at random moments while it copies across
# file systems (tmpfs to the disk), then checks that no file was lost and that nothing of
# ours is left behind, before and after a second run that finishes the job.
# Usage: bench/kill-during-move.sh [path/to/sortiva-cli] [runs]
set -euo pipefail
cli=${1:-build/cli/sortiva-cli}
runs=${2:-20}
files=80
src_root=$(mktemp -d /dev/shm/sortiva-kill.XXXXXX)
dst_root=$(mktemp -d "${TMPDIR:-/tmp}/sortiva-kill.XXXXXX")
export XDG_CONFIG_HOME=$src_root/config XDG_RUNTIME_DIR=$src_root/config
export XDG_STATE_HOME=$src_root/state XDG_DATA_HOME=$dst_root/data
mkdir -p "$XDG_CONFIG_HOME"
trap 'rm -rf "$src_root" "$dst_root"' EXIT
[ "$(stat -f -c %T "$src_root")" != "$(stat -f -c %T "$dst_root")" ] ||
    echo "warning: source and destination are on the same kind of file system" >&2

left_after_kill=0 lost=0 left_after_rerun=0 killed_mid_run=0
for run in $(seq "$runs"); do
    src=$src_root/in dst=$dst_root/out
    rm -rf "$src" "$dst"
    mkdir -p "$src" "$dst"
    for i in $(seq "$files"); do
        head -c $((1024 * 1024 + i)) /dev/urandom >"$src/Artist$i - Song.mp3"
    done
    (cd "$src" && md5sum -- *.mp3 | sort -k2) >"$src_root/before"
    "$cli" organize --yes --move --quiet "$src" "$dst" >/dev/null 2>&1 &
    pid=$!
    sleep "0.$(printf '%03d' $((RANDOM % 250)))"
    if kill -9 "$pid" 2>/dev/null; then killed_mid_run=$((killed_mid_run + 1)); fi
    wait "$pid" 2>/dev/null || true
    left=$(find "$dst" -name '.*.part-*' | wc -l)
    left_after_kill=$((left_after_kill + left))
    # Every file stands whole in the source or in the destination.
    now=$( (cd "$src" && md5sum -- *.mp3 2>/dev/null; find "$dst" -name '*.mp3' -exec md5sum {} + |
            sed 's|  .*/|  |') | sort -u -k2)
    missing=$(join -1 2 -2 2 <(sort -k2 "$src_root/before") <(echo "$now" | sort -k2) -o 1.1,2.1 |
              awk '$1 != $2' | wc -l)
    count=$(echo "$now" | grep -c . || true)
    lost=$((lost + missing + files - count))
    "$cli" organize --yes --move --quiet "$src" "$dst" >/dev/null 2>&1 || true
    left_after_rerun=$((left_after_rerun + $(find "$dst" -name '.*.part-*' | wc -l)))
done
echo "runs: $runs (killed while running: $killed_mid_run), files per run: $files of about 1 MB"
echo "temporaries left right after the kill: $left_after_kill"
echo "files lost or changed: $lost"
echo "temporaries left after the next run: $left_after_rerun"
