#!/bin/sh
# Checks of the installation and of the Debian package, as the desktop and
# the package tools see them.
#   check_desktop_files.sh install BUILD PREFIX     cmake --install into PREFIX
#   check_desktop_files.sh CHECK PREFIX APP_ID      a check of the installed files:
#       entry      the desktop entry validates and names what exists
#       metainfo   the AppStream metainfo validates and names what exists
#       mime       the scene file type registers with shared-mime-info
#       manual     the manual page renders without warnings and lists every option
#       icons      the icon as SVG and as PNG of each size
#   check_desktop_files.sh package BUILD APP_ID     the package, built twice; the
#       first stays in BUILD/test-package-1 for the next check
#   check_desktop_files.sh lintian BUILD            lintian on that package and its
#       debug package: no error, no warning
set -eu
check="$1"
shift
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
icon_sizes="16 22 24 32 48 64 128 256"
mime_type=application/x-spatium-scene

# Every file the installation holds, relative to the prefix.
installed_files() {
  echo bin/spatium
  echo "share/applications/$1.desktop"
  echo "share/metainfo/$1.metainfo.xml"
  echo "share/mime/packages/$1.xml"
  echo "share/icons/hicolor/scalable/apps/$1.svg"
  for size in $icon_sizes; do
    echo "share/icons/hicolor/${size}x${size}/apps/$1.png"
  done
  echo share/man/man1/spatium.1.gz
  echo share/doc/spatium/copyright
  echo share/doc/spatium/changelog.gz
  echo share/lintian/overrides/spatium
}

case "$check" in
install)
  rm -rf "$2"
  cmake --install "$1" --prefix "$2" >/dev/null
  ;;
entry)
  entry="$1/share/applications/$2.desktop"
  # Hints pass; one main category only, so that no menu lists the program twice.
  desktop-file-validate "$entry" >"$scratch/out" 2>&1 || fail "desktop-file-validate: $(cat "$scratch/out")"
  if grep -E "error|warning" "$scratch/out"; then fail "desktop-file-validate complains"; fi
  for line in "Categories=Education;Math;" "Exec=spatium %f" "MimeType=$mime_type;" "Icon=$2"; do
    grep -qxF "$line" "$entry" || fail "no line $line"
  done
  grep -q '^GenericName\[de\]=' "$entry" && grep -q '^Comment\[de\]=' "$entry" || fail "no German name and comment"
  [ -x "$1/bin/spatium" ] || fail "Exec names no installed program"
  [ -f "$1/share/icons/hicolor/scalable/apps/$2.svg" ] || fail "Icon names no installed icon"
  ;;
metainfo)
  metainfo="$1/share/metainfo/$2.metainfo.xml"
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
  grep -qF "<launchable type=\"desktop-id\">$2.desktop</launchable>" "$metainfo" || fail "no launchable"
  [ -f "$1/share/applications/$2.desktop" ] || fail "the launchable names no installed desktop entry"
  for text in "<project_license>GPL-3.0-or-later</project_license>" "<metadata_license>CC0-1.0</metadata_license>" \
      '<release version="2.20" date="' '<content_rating type="oars-1.1"' '<summary xml:lang="de">'; do
    grep -qF "$text" "$metainfo" || fail "no $text"
  done
  categories="Categories=$(sed -n 's|^ *<category>\(.*\)</category>$|\1;|p' "$metainfo" | tr -d '\n')"
  grep -qxF "$categories" "$1/share/applications/$2.desktop" || fail "the metainfo's $categories differ from the entry's"
  ;;
mime)
  cp -R "$1/share/mime" "$scratch/mime"
  XDG_DATA_DIRS="$scratch" update-mime-database "$scratch/mime" >"$scratch/out" 2>&1 ||
    fail "update-mime-database: $(cat "$scratch/out")"
  [ ! -s "$scratch/out" ] || fail "update-mime-database: $(cat "$scratch/out")"
  grep -q ":$mime_type:\*\.spatium$" "$scratch/mime/globs2" || fail "*.spatium is not $mime_type"
  grep -qxF "$mime_type:$2" "$scratch/mime/icons" || fail "the file type has not the program's icon"
  grep -qxF "$mime_type application/json" "$scratch/mime/subclasses" || fail "not a kind of JSON"
  ;;
manual)
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1/share/man/man1/spatium.1.gz" >"$scratch/out" 2>"$scratch/err" ||
    fail "man: $(cat "$scratch/err")"
  [ ! -s "$scratch/err" ] || fail "man: $(cat "$scratch/err")"
  for option in DATEI --help --version "--export AUSGABE" "--scale N" "--width-cm W" --tikz-standalone "--sheet ART" "--title TEXT"; do
    grep -qF -- "$option" "$scratch/out" || fail "the manual page lacks $option"
  done
  ;;
icons)
  grep -q "<svg" "$1/share/icons/hicolor/scalable/apps/$2.svg" || fail "no scalable icon"
  for size in $icon_sizes; do
    file "$1/share/icons/hicolor/${size}x${size}/apps/$2.png" | grep -qF "PNG image data, $size x $size," ||
      fail "no $size px icon"
  done
  ;;
package)
  build="$1"
  for run in 1 2; do
    out="$build/test-package-$run"
    rm -rf "$out"
    (cd "$build" && cpack -G DEB -B "$out") >"$scratch/cpack" 2>&1 || fail "cpack: $(cat "$scratch/cpack")"
    deb=$(ls "$out"/spatium_*.deb)
    dpkg-deb -c "$deb" | awk '{ print $6 }' | sort >"$scratch/files$run"
  done
  cmp -s "$scratch/files1" "$scratch/files2" ||
    fail "two builds hold different files: $(diff "$scratch/files1" "$scratch/files2")"
  rm -rf "$build/test-package-2"
  out="$build/test-package-1"
  deb=$(ls "$out"/spatium_*.deb)
  for f in $(installed_files "$2"); do
    grep -qxF "./usr/$f" "$scratch/files1" || fail "the package lacks /usr/$f"
  done
  [ "$(dpkg-deb -f "$deb" Package)" = spatium ] || fail "package name"
  [ "$(dpkg-deb -f "$deb" Version)" = 2.20 ] || fail "version"
  depends=$(dpkg-deb -f "$deb" Depends)
  for d in libc6 libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2 fonts-dejavu-core qt6-translations-l10n \
      qt6-qpa-plugins libqt6svg6; do
    echo "$depends" | tr ',' '\n' | grep -q "^ *$d\( \|$\)" || fail "Depends lacks $d: $depends"
  done
  dpkg-deb -x "$deb" "$scratch/root"
  gunzip -c "$scratch/root/usr/share/doc/spatium/changelog.gz" >"$scratch/changelog"
  [ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)" = 2.20 ] || fail "the changelog's version"
  # The program is stripped; its debug information is in the debug package,
  # under the program's build id.
  file "$scratch/root/usr/bin/spatium" | grep -qF ", stripped" || fail "the program is not stripped"
  build_id=$(readelf -n "$scratch/root/usr/bin/spatium" | sed -n 's/^ *Build ID: *//p')
  ddeb=$(ls "$out"/spatium-dbgsym_*.ddeb) || fail "no debug package"
  dpkg-deb -c "$ddeb" | grep " ./usr/lib/debug/.build-id/$(echo "$build_id" | cut -c1-2)/$(echo "$build_id" | cut -c3-).debug$" >/dev/null ||
    fail "the debug package lacks the debug information of build id $build_id"
  ;;
lintian)
  # Every tag is shown, pedantic ones too; errors and warnings fail.
  lintian --fail-on error,warning --display-info --pedantic --display-experimental --tag-display-limit 0 \
    "$1"/test-package-1/spatium_*.deb "$1"/test-package-1/spatium-dbgsym_*.ddeb
  ;;
*)
  fail "unknown check $check"
  ;;
esac
