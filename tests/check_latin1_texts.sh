#!/bin/sh
# Text inside a Latin-1 wrapper (QLatin1String, QLatin1StringView,
# QLatin1Char, fromLatin1, _L1) must be ASCII: the UTF-8 bytes of "ä" read
# as Latin-1 show as "Ã¤". Non-ASCII text goes through QStringLiteral,
# QString::fromUtf8 or u"..."_s.
cd "${1:-.}" || exit 2
pattern='(QLatin1String|QLatin1StringView|QLatin1Char|fromLatin1)\s*\(\s*(u8)?["'"'"'][^"'"'"']*[^\x00-\x7F]|"[^"]*[^\x00-\x7F][^"]*"_L1'
found=$(grep -rnP --include='*.cpp' --include='*.h' "$pattern" src tests fuzz tools bench 2>/dev/null)
[ -z "$found" ] && exit 0
echo "Non-ASCII text in a Latin-1 wrapper:"
echo "$found"
exit 1
