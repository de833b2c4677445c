#!/bin/sh
# The core library knows nothing of Qt or of the windows: no file of it
# includes a Qt header or a header of the Qt layer. Arguments: the source
# folder and two files listing the sources of the core and of the Qt layer
# (one absolute path a line, written by CMake).
src="$1"
core="$2"
gui="$3"
status=0
# Qt headers by their names (<QString>, <QtCore/...>), and the Qt layer's
# own headers by their path below src/.
gui_headers=$(grep '\.h$' "$gui" | sed "s|^$src/src/||")
while IFS= read -r file; do
  [ -f "$file" ] || continue
  found=$(grep -nE '^\s*#\s*include\s*<Q[A-Za-z]' "$file")
  for header in $gui_headers; do
    more=$(grep -nF "#include \"$header\"" "$file")
    [ -n "$more" ] && found="$found
$more"
  done
  found=$(printf '%s\n' "$found" | sed '/^$/d')
  if [ -n "$found" ]; then
    echo "${file#$src/}: the core includes the Qt layer:"
    echo "$found"
    status=1
  fi
done < "$core"
exit $status
