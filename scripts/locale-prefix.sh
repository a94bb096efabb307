#!/bin/bash
# The Wine prefix of another system's locale, for the tests registered with
# LOCALES (tests/CMakeLists.txt): Wine takes the ANSI and OEM code pages from
# the locale of the process, so each locale has a prefix of its own.
#   locale-prefix.sh start LOCALE WIN32_BUILD_DIR
#       generates the locale (LOCALE.UTF-8) into the build tree, leaving the
#       system's locales alone; creates the prefix WIN32_BUILD_DIR/wineprefix-
#       LOCALE as a copy of the build tree's new one (which takes its code
#       pages, font substitutes and window metrics from the locale at its
#       first run, here) and prepares it; starts its wineserver
#   locale-prefix.sh stop LOCALE WIN32_BUILD_DIR
#       ends that wineserver
set -euo pipefail
action=$1
locale=$2
build=$3
source "$(dirname "$0")/session.sh"
export WINEPREFIX="$build/wineprefix-$locale" WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ "$action" = stop ]; then
    wineserver -k 2>/dev/null || true
    exit 0
fi

export LOCPATH="$build/locales"
if [ ! -d "$LOCPATH/$locale.UTF-8" ]; then
    mkdir -p "$LOCPATH"
    # localedef reports warnings of the locale sources by its exit status.
    localedef -i "$locale" -f UTF-8 "$LOCPATH/$locale.UTF-8" 2>/dev/null ||
        [ -f "$LOCPATH/$locale.UTF-8/LC_CTYPE" ]
fi
export LC_ALL="$locale.UTF-8"
# "MS Sans Serif" in the code page of the locale, where Wine has it apart.
case "$locale" in
    ru_* | uk_* | bg_*) tarnwick_prefix_prepare sserifer.fon sseriffr.fon ;;
    pl_* | cs_* | hu_* | sk_* | sl_* | hr_* | ro_*) tarnwick_prefix_prepare sserifee.fon sseriffe.fon ;;
    el_*) tarnwick_prefix_prepare sserifeg.fon sseriffg.fon ;;
    tr_*) tarnwick_prefix_prepare sserifet.fon sserifft.fon ;;
    he_*) tarnwick_prefix_prepare ssee1255.fon ssef1255.fon ;;
    ar_*) tarnwick_prefix_prepare ssee1256.fon ssef1256.fon ;;
    lt_* | lv_* | et_*) tarnwick_prefix_prepare ssee1257.fon ssef1257.fon ;;
    th_*) tarnwick_prefix_prepare ssee874.fon ssef874.fon ;;
    *) tarnwick_prefix_prepare ;;
esac
# Japanese Windows' user-interface font is proportional; without it Wine
# takes the first Japanese face it finds, the fixed-pitch IPAGothic.
case "$locale" in
    ja_*)
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /t REG_SZ \
            /d IPAPGothic /f </dev/null >/dev/null 2>&1 || true
        ;;
esac
