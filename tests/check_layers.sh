#!/bin/sh
# The layers of src/ and the folders inside them depend on each other in one
# direction only. Fails, naming every offending include line, when
#   - a file of src/core includes a Qt header or anything outside src/core,
#   - a file of src/document includes the Qt layer src/gui,
#   - folders include each other in a loop: folder A includes folder B,
#     which includes A again, directly or through further folders.
# A folder is the one a file sits in below src/ (core/render, gui/plot,
# document); project includes name their path below src/.
# Argument: the root of the source tree.
src="$1/src"
[ -d "$src/core" ] || { echo "check_layers.sh: no src/core below '$1'" >&2; exit 2; }
cd "$src" || exit 2
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT
status=0

# Every include line as "file:line:text".
find core document gui -type f \( -name '*.h' -o -name '*.cpp' \) | sort |
    xargs grep -nHE '^[[:space:]]*#[[:space:]]*include' > "$work/includes"

# The core: no Qt header (<QString>, <QtCore/...>), no project header outside
# core/.
grep -E '^core/' "$work/includes" | grep -E 'include[[:space:]]*(<Q|")' |
    grep -vE 'include[[:space:]]*"core/' > "$work/core"
if [ -s "$work/core" ]; then
    echo "The core includes Qt or something outside src/core:"
    cat "$work/core"
    status=1
fi

# The file format knows nothing of windows.
grep -E '^document/[^:]*:[0-9]+:[[:space:]]*#[[:space:]]*include[[:space:]]*"gui/' "$work/includes" > "$work/document"
if [ -s "$work/document" ]; then
    echo "src/document includes the Qt layer:"
    cat "$work/document"
    status=1
fi

# Folder to folder: "from to file:line:text" for each project include of
# another folder.
sed -nE 's|^(([^:]*)/[^/:]*):([0-9]+):([[:space:]]*#[[:space:]]*include[[:space:]]*"(([^"]*)/[^"/]*)".*)$|\2 \6 \1:\3:\4|p' \
    "$work/includes" | awk '$1 != $2' > "$work/edges"
cut -d' ' -f1,2 "$work/edges" | sort -u > "$work/graph"
if ! tsort "$work/graph" > /dev/null 2> "$work/loops"; then
    # tsort names the folders of each loop it finds, in the loop's order
    # (each includes the next, the last the first), after a line saying it
    # found one.
    awk -v edges="$work/edges" '
        function report(   i, n, next_, path) {
            if (count == 0) return
            path = member[1]
            for (i = 2; i <= count; i++) path = path " -> " member[i]
            print "Folders include each other in a loop: " path " -> " member[1]
            for (i = 1; i <= count; i++) {
                next_ = member[i % count + 1]
                for (n = 1; n <= edgeCount; n++)
                    if (from[n] == member[i] && to[n] == next_) print "    " text[n]
            }
            count = 0
        }
        BEGIN {
            while ((getline line < edges) > 0) {
                split(line, field, " ")
                edgeCount++
                from[edgeCount] = field[1]
                to[edgeCount] = field[2]
                text[edgeCount] = substr(line, length(field[1]) + length(field[2]) + 3)
            }
        }
        /input contains a loop/ { report(); next }
        /^tsort: / { member[++count] = substr($0, 8); next }
        { print }
        END { report() }
    ' "$work/loops"
    status=1
fi
exit $status
