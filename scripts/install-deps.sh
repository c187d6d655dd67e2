#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the window need, and the German locale
# the number-text tests switch to. Does nothing when all is present already.
# With --measure, also what the start-up measurement in bench/ needs.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ make pkg-config
  # core tests, benchmarks, sanitizers and the fuzzer (libFuzzer comes with clang's runtime)
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  # the window: Qt 6 Widgets, its Chinese translation and Chinese fonts (sans for the UI, Song)
  qt6-base-dev qt6-translations-l10n fonts-wqy-microhei fonts-arphic-uming
  # the locale whose decimal separator is "," for the locale-independence test
  locales
)
# bench/startup.sh also needs an X server and a way to see the window appear.
if [ "${1:-}" = "--measure" ]; then packages+=(xvfb x11-utils time); fi

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
