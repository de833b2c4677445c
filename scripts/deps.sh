#!/usr/bin/env bash
# Installs the Debian packages Spatium needs, but only those that are missing,
# so a second run costs a dpkg query and nothing else.
#   scripts/deps.sh            what building and running the program needs
#   scripts/deps.sh test       ... plus what only the tests need
#   scripts/deps.sh bench      ... plus the benchmark library
#   scripts/deps.sh package    ... plus what building the Debian package needs
#   scripts/deps.sh sanitize   ... plus g++'s sanitizer runtimes
#   scripts/deps.sh fuzz       ... plus clang and its libFuzzer runtime
set -euo pipefail

# Building and running the program (Qt's SVG module writes exported SVG
# files; its plugin draws the icon, both at run time and when the build
# renders its PNG sizes).
build_packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libqt6svg6
  libgmp-dev
  fonts-liberation2 fonts-dejavu-core
)
# Only the tests: test frameworks, zlib (the gzip-packed golden data of the
# results), a virtual X server with a clipboard
# reader and synthetic key presses (XTest), the German locale the number
# reader is checked under, the validators of the desktop files, the
# package tools (the tests build the package, read its file list and check
# it with lintian), a PDF rasteriser that shows what an exported PDF draws, and pdflatex with
# TikZ and geometry, which compile the exported TikZ pictures.
test_packages=(
  libgtest-dev libgmock-dev zlib1g-dev
  xvfb xauth xclip libx11-dev libxtst-dev
  locales
  poppler-utils
  texlive-latex-base texlive-pictures
  desktop-file-utils appstream shared-mime-info man-db
  dpkg-dev file binutils lintian
)
# Building the Debian package: CPack's DEB generator reads the linked
# libraries with dpkg-shlibdeps and finds them with file, and splits the
# debug information off into the debug package with objcopy and readelf
# (binutils); dpkg-buildflags (dpkg-dev) gives Debian's hardening flags.
package_packages=(
  dpkg-dev file binutils
)
bench_packages=(
  libbenchmark-dev
)
# The sanitizer build of the tests (scripts/test.sh --sanitize): the
# AddressSanitizer and UndefinedBehaviorSanitizer runtimes of g++ 12.
sanitize_packages=(
  libasan8 libubsan1
)
# The fuzz targets (scripts/fuzz.sh): clang 14 and compiler-rt, which holds
# libFuzzer (libclang_rt.fuzzer) and clang's sanitizer runtimes.
fuzz_packages=(
  clang libclang-rt-14-dev
)

packages=("${build_packages[@]}")
for group in "$@"; do
  case "$group" in
    test) packages+=("${test_packages[@]}") ;;
    bench) packages+=("${bench_packages[@]}") ;;
    package) packages+=("${package_packages[@]}") ;;
    sanitize) packages+=("${sanitize_packages[@]}") ;;
    fuzz) packages+=("${fuzz_packages[@]}") ;;
    *) echo "deps.sh: unknown group '$group'" >&2; exit 2 ;;
  esac
done

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Our users run German locales; the tests check the number reader under one.
if [[ " $* " == *" test "* ]] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the locale de_DE.UTF-8"
  "${sudo_cmd[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
