#!/usr/bin/env bash
# The transfer benchmark, run by hand: joins and unpacks a medium of about 300 MB with the engine
# and with cat, unzip and bsdtar on the same files, in one run, and prints median ratios (above 1
# means the engine is faster) and the engine's peak resident memory.
#   bench/transfer.sh [SIZE_MB] [RUNS]      (build first: scripts/test.sh or cmake --build build)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
bin=${KX_BIN_DIR:-$repo/build/bin}
size_mb=${1:-300}
runs=${2:-5}
for tool in "$bin/kestrix-transfer" "$bin/kestrix-mkmedia" "$bin/kestrix-unzip" "$bin/regedit"; do
    [ -x "$tool" ] || { echo "missing $tool: build the project first" >&2; exit 1; }
done
for tool in unzip bsdtar /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps.sh" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/kx-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
export KESTRIX_PREFIX=$work/prefix
components=(EXE HELP PLUMETA)  # all unpacked into the program folder

# An installed database engine: the copy keeps it and needs no engine archive.
printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Borland\\Database Engine\\Settings\\SYSTEM\\INIT]\r\n"VERSION"="5.01"\r\n' \
    > "$work/engine.reg"
"$bin/regedit" /s "$work/engine.reg"

echo "payload: ${size_mb} MB in $work" >&2
python3 "$repo/bench/make_payload.py" "$work/payload" "$size_mb"
args=()
for c in "${components[@]}"; do args+=("$c=$work/payload/$c"); done
"$bin/kestrix-mkmedia" --out "$work/media" --volume-size 16M --disk-size 128M "${args[@]}" >/dev/null
disks=("$work"/media/DISK*)
IFS=$'\n' disks=($(printf '%s\n' "${disks[@]}" | sort -V)); unset IFS
program=$work/prefix/drive_c/Kesvard

now() { date +%s.%N; }
median() { sort -g | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a/b}'; }

engine_join() {
    "$bin/kestrix-transfer" install --type client --assemble-only --quiet --disks ${#disks[@]} \
        "${disks[@]}" >/dev/null
}
cat_join() {
    mkdir -p "$work/cat"
    for c in "${components[@]}"; do
        vols=$(for d in "${disks[@]}"; do ls "$d"/"$c".* 2>/dev/null; done | sort -t. -k2 -n)
        # shellcheck disable=SC2086
        cat $vols > "$work/cat/$c.ZIP"
    done
}
engine_extract() {
    rm -rf "$work/x" "$program" && mkdir -p "$program"
    cp "$work"/cat/*.ZIP "$program"/
    local start end
    start=$(now)
    "$bin/kestrix-transfer" install --type client --extract-only --quiet >/dev/null
    end=$(now)
    awk -v a="$start" -v b="$end" 'BEGIN {print b - a}'
}
tool_extract() { # $1: unzip or bsdtar
    rm -rf "$work/x" && mkdir -p "$work/x"
    local start end
    start=$(now)
    for c in "${components[@]}"; do
        if [ "$1" = unzip ]; then unzip -qo "$work/cat/$c.ZIP" -d "$work/x"
        else bsdtar -xf "$work/cat/$c.ZIP" -C "$work/x"; fi
    done
    end=$(now)
    awk -v a="$start" -v b="$end" 'BEGIN {print b - a}'
}
timed() { local start end; start=$(now); "$@"; end=$(now); awk -v a="$start" -v b="$end" 'BEGIN {print b - a}'; }

declare -a tj tc te tu tb
for ((r = 0; r < runs; r++)); do
    rm -rf "$program" # the unpacked tree of the previous round is not part of the join
    tj+=("$(timed engine_join)")
    tc+=("$(timed cat_join)")
    cmp -s "$work/cat/EXE.ZIP" "$program/EXE.ZIP" || { echo "joined archives differ" >&2; exit 1; }
    te+=("$(engine_extract)")
    tu+=("$(tool_extract unzip)")
    tb+=("$(tool_extract bsdtar)")
done
diff -rq <(cd "$work/x" && find . -type f | sort) <(cd "$program" && find . -type f ! -name '*.ZIP' | sort) >/dev/null \
    || { echo "the engine's tree differs from bsdtar's" >&2; exit 1; }

mj=$(printf '%s\n' "${tj[@]}" | median); mc=$(printf '%s\n' "${tc[@]}" | median)
me=$(printf '%s\n' "${te[@]}" | median); mu=$(printf '%s\n' "${tu[@]}" | median)
mb=$(printf '%s\n' "${tb[@]}" | median)
echo "seconds: join=$mj cat=$mc extract=$me unzip=$mu bsdtar=$mb" >&2

# Peak memory of the whole copy, and of unpacking one entry of 1 MB and one of 200 MB.
rm -rf "$program"
rss_kb=$(/usr/bin/time -f %M "$bin/kestrix-transfer" install --type client --quiet \
    --disks ${#disks[@]} "${disks[@]}" 2>&1 >/dev/null | tail -1)
entry_rss() {
    mkdir -p "$work/e$1" && head -c $(($1 * 1024 * 1024)) /dev/urandom > "$work/e$1/big.bin"
    (cd "$work/e$1" && zip -q -0 ../e$1.zip big.bin)
    /usr/bin/time -f %M "$bin/kestrix-unzip" "$work/e$1.zip" "$work/e$1/out" 2>&1 >/dev/null | tail -1
}
rss1=$(entry_rss 1); rss200=$(entry_rss 200)

echo "join_vs_cat=$(ratio "$mc" "$mj")"
echo "extract_vs_unzip=$(ratio "$mu" "$me")"
echo "extract_vs_bsdtar=$(ratio "$mb" "$me")"
echo "peak_rss_mb=$(awk -v k="$rss_kb" 'BEGIN {printf "%.1f", k/1024}')"
echo "peak_rss_entry_1mb_mb=$(awk -v k="$rss1" 'BEGIN {printf "%.1f", k/1024}')"
echo "peak_rss_entry_200mb_mb=$(awk -v k="$rss200" 'BEGIN {printf "%.1f", k/1024}')"
