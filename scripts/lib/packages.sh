# Installs the Debian packages that are missing; usable by every script here.
# shellcheck shell=bash

# Packages to build and run the Linux program.
TESS_BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev
  fonts-noto-cjk xdg-utils)
# Packages the tests need on top (fp-utils: chmls, one of the readers that check our compiled
# files, and chmcmd, which the benchmarks compare with; libxslt1-dev: its HTML manual; sphinx-doc
# (Sphinx's documentation sources), python3-sphinx, its htmlhelp builder and doxygen: the real
# help projects hhc compiles; libglib2.0-dev: the headers Doxygen documents at its defaults; clang
# and libclang-rt-14-dev: libFuzzer, for scripts/fuzz).
TESS_TEST_PACKAGES=(qt6-base-private-dev libgtest-dev libgmock-dev libchm-bin libchm-dev libmspack-dev
  fp-utils libxslt1-dev p7zip-full xvfb xauth imagemagick
  python3-chm librsvg2-bin procps desktop-file-utils xdotool
  python3-sphinx python3-sphinxcontrib.htmlhelp sphinx-doc doxygen libglib2.0-dev clang libclang-rt-14-dev)
# The Windows cross compilers: only the posix-thread ones are used (std::thread needs them), so
# not the whole mingw-w64 set. Both builds are shipped; the tests run the x86_64 one.
TESS_MINGW_I686_PACKAGES=(g++-mingw-w64-i686-posix binutils-mingw-w64-i686)
TESS_MINGW_X86_64_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
# Packages of the Windows cross build and its tests.
TESS_WINDOWS_PACKAGES=("${TESS_MINGW_I686_PACKAGES[@]}" "${TESS_MINGW_X86_64_PACKAGES[@]}" wine64 xvfb xauth zip)
# Packages the check of the built Debian package needs (tests/install/deb_check.sh).
TESS_PACKAGE_CHECK_PACKAGES=(lintian)
# Packages to remake the pictures of the help viewers (docs/help-viewer.sh, docs/viewer-compare.sh).
TESS_DOCS_PACKAGES=(xchm kchmviewer okular okular-extra-backends fonts-noto-cjk xdotool xvfb xauth imagemagick)

tess_missing_packages() {
  local p missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  echo "${missing[@]}"
}

tess_install_packages() {
  local missing
  missing=$(tess_missing_packages "$@")
  [ -z "$missing" ] && return 0
  local sudo=()
  if [ "$(id -u)" != 0 ]; then
    if command -v sudo >/dev/null; then sudo=(sudo); else
      echo "These Debian packages are missing and only root can install them: $missing" >&2
      return 1
    fi
  fi
  echo "Installing: $missing"
  "${sudo[@]}" apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends $missing
}
