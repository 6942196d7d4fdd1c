#!/bin/sh
# @NAME@: @ROLE@.
# Appends its command line to @LOG@ in the prefix's Windows\Temp folder, so that what the
# installer asked of it can be checked, and succeeds.
prefix=${KESTRIX_PREFIX:-$HOME/.local/share/kestrix/prefix}
log="$prefix/drive_c/Windows/Temp/@LOG@"
mkdir -p "$prefix/drive_c/Windows/Temp" || exit 1
printf '%s\n' "$*" >>"$log" || exit 1
exit 0
