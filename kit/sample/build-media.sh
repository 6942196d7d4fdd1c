#!/usr/bin/env bash
# Builds the complete installation medium of the sample product with kestrix-mkmedia.
set -euo pipefail

usage() {
    cat <<'EOF'
Usage: kit/sample/build-media.sh OUTDIR [options]

Builds the sample product's installation medium into OUTDIR (missing or empty): its seven
component archives EXE, VORNEXA, DBDAT, DBNEW, BDE32, HELP and PLUMETA cut into volumes over
1.44 MB disk folders OUTDIR/DISK1, DISK2, ... with their markers, INSTALL.CFG, the upgrade
archive UPGRADE.1 and, when an installer is at hand, INSTALL.EXE.

Options:
  --version 1|2            1: the product (default); 2: its upgrade
  --installer FILE         the installer to put on disk 1 as INSTALL.EXE (default: the built
                           kestrix-install, when it exists)
  --upgrade-library FILE   the upgrade library, stored in UPGRADE.1 as UPGRADE.DLL (default:
                           the built lib/UPGRADE.DLL, when it exists; without one UPGRADE.1
                           holds only a README.TXT)
  --single-folder          one folder instead of disks, as on a CD or a network share
  --bin DIR                where kestrix-mkmedia and kestrix-install are (default: $KX_BIN_DIR,
                           else build/bin of the repository)
  --help                   this text
EOF
}

fail() {
    echo "build-media.sh: $*" >&2
    exit 1
}

here=$(cd "$(dirname "$0")" && pwd)
bin=${KX_BIN_DIR:-$here/../../build/bin}
outdir=""
version=1
installer=""
library=""
layout=()
while [ $# -gt 0 ]; do
    case "$1" in
    --help | -h) usage; exit 0 ;;
    --version) [ $# -ge 2 ] || fail "$1 needs a value"; version=$2; shift 2 ;;
    --installer) [ $# -ge 2 ] || fail "$1 needs a value"; installer=$2; shift 2 ;;
    --upgrade-library) [ $# -ge 2 ] || fail "$1 needs a value"; library=$2; shift 2 ;;
    --single-folder) layout=(--single-folder); shift ;;
    --bin) [ $# -ge 2 ] || fail "$1 needs a value"; bin=$2; shift 2 ;;
    -*) fail "unknown option: $1 (see --help)" ;;
    *) [ -z "$outdir" ] || fail "only one OUTDIR, please (see --help)"; outdir=$1; shift ;;
    esac
done
[ -n "$outdir" ] || { usage >&2; exit 1; }
case "$version" in 1 | 2) ;; *) fail "--version is 1 or 2" ;; esac
if [ -e "$outdir" ] && { [ ! -d "$outdir" ] || [ -n "$(ls -A "$outdir")" ]; }; then
    fail "$outdir: the output folder is not empty; nothing was written"
fi
mkmedia=$bin/kestrix-mkmedia
[ -x "$mkmedia" ] || fail "$mkmedia is missing: build the kestrix-mkmedia target first"
if [ -z "$installer" ] && [ -x "$bin/kestrix-install" ]; then
    installer=$bin/kestrix-install
fi
[ -z "$installer" ] || [ -f "$installer" ] || fail "$installer: no such file"
if [ -z "$library" ] && [ -f "$bin/../lib/UPGRADE.DLL" ]; then
    library=$bin/../lib/UPGRADE.DLL
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/kx-sample-XXXXXX")
trap 'rm -rf "$work"' EXIT
python3 "$here/make_sample.py" --version "$version" ${library:+--upgrade-library "$library"} \
    "$work/tree" >/dev/null

components=()
for name in EXE VORNEXA DBDAT DBNEW BDE32 HELP PLUMETA; do
    components+=("$name=$work/tree/$name")
done
# The archives' file times are the release's, whatever the builder's time zone.
TZ=UTC "$mkmedia" --out "$outdir" "${layout[@]}" --volume-size 1457664 --disk-size 1457664 \
    --upgrade "$work/tree/UPGRADE" ${installer:+--installer "$installer"} "${components[@]}"
