#!/bin/sh
# A Japanese project kept in UTF-8 with BOMs ([ALIAS], [MAP] through a C header, a text popup
# file) compiled by hhc.exe under wine64, then opened by context id through Wine's help
# viewer: known ids open their topic (the viewer's own trace names the topic it looked up),
# unknown ones open nothing.
# Usage: context_help_test.sh WINE_RUN BUILD_FOLDER HHC_EXE PROBE_EXE
set -eu
wine_run=$1 build=$2 hhc=$3 probe=$4
command -v iconv >/dev/null || { echo "context_help_test: iconv is missing"; exit 1; }

work=$(mktemp -d "$build/context-XXXXXX")
trap 'rm -rf "$work"' EXIT
doc="$work/文脈 ヘルプ"
mkdir -p "$doc/html" "$doc/include"
bom=$(printf '\357\273\277')
printf '%s<html><head><meta charset="utf-8"><title>はじめに</title></head><body>ようこそ</body></html>\n' "$bom" >"$doc/html/intro.htm"
printf '<html><head><meta charset="utf-8"><title>設定</title></head><body><h2 id="net">ネット</h2></body></html>\n' >"$doc/html/settings.htm"
printf '%s<UL><LI><OBJECT type="text/sitemap"><param name="Name" value="はじめに"><param name="Local" value="html/intro.htm"></OBJECT></UL>\n' "$bom" >"$doc/toc.hhc"
printf '%s<UL><LI><OBJECT type="text/sitemap"><param name="Name" value="設定"><param name="Local" value="html/settings.htm"></OBJECT></UL>\n' "$bom" >"$doc/index.hhk"
printf '%s/* ヘルプの番号 */\n#ifndef HELP_IDS_H\n#define HELP_IDS_H\n#define IDH_INTRO 100 // はじめに\n#define IDH_SETTINGS 0xC8\n#define IDH_NET (201)\n#endif\n' "$bom" >"$doc/include/help_ids.h"
printf '%s.topic 100\r\nはじめにの説明。\r\n' "$bom" >"$doc/cshelp.txt"
printf '%s' "$bom" >"$doc/help.hhp"
printf '%s\r\n' '[OPTIONS]' 'Compiled file=help.chm' 'Contents file=toc.hhc' 'Index file=index.hhk' \
  'Default topic=html\intro.htm' 'Language=0x411 日本語' 'Title=文脈ヘルプ' '' '[FILES]' 'html\intro.htm' '' \
  '[ALIAS]' 'IDH_INTRO=html\intro.htm' 'IDH_SETTINGS=html\settings.htm' 'IDH_NET=html\settings.htm#net' '' \
  '[MAP]' '#include include\help_ids.h' '' '[TEXT POPUPS]' 'cshelp.txt' >>"$doc/help.hhp"

win=$(printf 'Z:%s' "$doc" | tr / '\\')
"$wine_run" "$build" "$hhc" "$win\\help.hhp" >"$work/hhc.out" 2>&1 || true
cat "$work/hhc.out"
[ -f "$doc/help.chm" ] || { echo "context_help_test: hhc.exe made no compiled file"; exit 1; }

failed=0
# Wine's viewer; its trace names the topic each id was found to open.
WINEDEBUG=-all,trace+htmlhelp "$wine_run" "$build" "$probe" "$win\\help.chm" 100 200 201 7 >"$work/probe.out" 2>"$work/probe.err" || true
answers=$(tr -d '\r' <"$work/probe.out")
expected=$(printf '100 window\n200 window\n201 window\n7 none')
if [ "$answers" = "$expected" ]; then echo "context_help_test: HH_HELP_CONTEXT answers $(echo "$answers" | tr '\n' ';')"
else echo "context_help_test: HH_HELP_CONTEXT answers:"; echo "$answers"; failed=1; fi
found=$(grep -o 'FindContextAlias returning .*' "$work/probe.err" | tr -d '\r' || true)
expected_found=$(printf 'FindContextAlias returning "html/intro.htm"\nFindContextAlias returning "html/settings.htm"\nFindContextAlias returning "html/settings.htm#net"\nFindContextAlias returning (null)')
if [ "$found" = "$expected_found" ]; then echo "context_help_test: the viewer looked up $(echo "$found" | tr '\n' ';')"
else echo "context_help_test: the viewer looked up:"; echo "$found"; failed=1; fi
exit $failed
