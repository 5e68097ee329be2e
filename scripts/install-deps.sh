#!/usr/bin/env bash
# Installs the Debian packages that building and testing Mirelo 2 need, and only those that are
# missing. This is the one list of build and test dependencies: run.sh and test.sh call it.
set -euo pipefail

packages=(
    build-essential
    cmake
    # run.sh and test.sh build with Ninja where it is installed (faster than make on few cores).
    ninja-build
    # The linker of the builds (much faster than the default one).
    lld
    pkg-config
    qtbase5-dev
    qtbase5-dev-tools
    libqt5svg5-dev
    qttools5-dev
    qttools5-dev-tools
    qttranslations5-l10n
    libssl-dev
    xauth
    xvfb
    # Installation and the Debian package (cpack -G DEB): dpkg-shlibdeps reads the library
    # dependencies of the executables; the package test validates the desktop entry, checks the
    # file-type XML and builds a MIME database from it, reads the manual pages with groff and
    # man, and lets lintian judge the package the way Debian does.
    dpkg-dev
    desktop-file-utils
    shared-mime-info
    libxml2-utils
    groff-base
    man-db
    lintian
    # The report's font where Verdana is missing (DejaVu Sans, about as wide), for the report
    # tests and the package alike.
    fonts-dejavu-core
    # The second compiler: test.sh builds the sanitizer half with clang, and scripts/fuzz.sh
    # needs its runtime libraries (AddressSanitizer, UBSan, libFuzzer).
    clang
    libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if ! command -v apt-get >/dev/null 2>&1; then
    echo "install-deps: missing packages: ${missing[*]}" >&2
    echo "install-deps: apt-get is not available; install them with your package manager." >&2
    exit 1
fi

if [ "$(id -u)" -eq 0 ]; then
    sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
    sudo_cmd=(sudo)
else
    echo "install-deps: missing packages: ${missing[*]}" >&2
    echo "install-deps: not running as root and sudo is not available; install them as root:" >&2
    echo "    apt-get install ${missing[*]}" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! "${sudo_cmd[@]}" apt-get update -qq; then
    echo "install-deps: apt-get update failed" >&2
    exit 1
fi
if ! "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
    echo "install-deps: could not install ${missing[*]}" >&2
    exit 1
fi
