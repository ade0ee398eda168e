#!/usr/bin/env bash
# Installs the Debian packages a task needs, and nothing when they are all
# there already. Usage: scripts/deps.sh GROUP... with the groups below.
set -euo pipefail

declare -A groups=(
  [build]="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev fonts-wqy-microhei xdg-utils librsvg2-bin libxcb1-dev libqt6svg6"
  [x11]="xvfb xauth openbox xclip xdotool x11-utils imagemagick"
  [packages]="dpkg-dev file unzip nsis lintian desktop-file-utils appstream xvfb xauth xdotool imagemagick"
  [fuzz]="clang libclang-rt-14-dev"
  [bench]="libbenchmark-dev python3 hyperfine"
  # The X libraries are only recommended by wine, which its X driver loads at run time.
  [windows]="cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine wine64 fonts-wine locales
    xvfb openbox xclip xdotool x11-utils imagemagick fonts-wqy-microhei
    libxfixes3 libxrender1 libxrandr2 libxi6 libxcursor1 libxinerama1 libxcomposite1"
)

wanted=()
for group in "$@"; do
  [[ -n "${groups[$group]+x}" ]] || { echo "deps.sh: no group '$group'" >&2; exit 2; }
  wanted+=(${groups[$group]})
done

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

as_root() { if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi; }

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# wine shows Chinese only where the locale exists; the Windows program is
# tested in an English locale too.
if [[ " $* " == *" windows "* ]]; then
  generated=false
  for locale in zh_CN en_US; do
    locale -a 2>/dev/null | grep -qi "^$locale\.utf8$" && continue
    as_root sed -i "s/^# *$locale.UTF-8 UTF-8/$locale.UTF-8 UTF-8/" /etc/locale.gen
    grep -q "^$locale.UTF-8 UTF-8" /etc/locale.gen || echo "$locale.UTF-8 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    generated=true
  done
  if $generated; then as_root locale-gen >/dev/null; fi
fi
