# Installs what building and testing need, when it is missing, and picks the Wine flavour.
# Sourced by tools/*. Quick when everything is there: a few dpkg queries, no network.

# Wine's 32-bit loader is an i386 Linux program, and some kernels cannot execute i386
# code at all. There the Windows programs are tested as their 64-bit build under wine64
# (the product itself stays the 32-bit build). A 93-byte static i386 program that only
# calls exit(0) tells which kind of kernel this is.
zavo_kernel_runs_i386() {
  local probe
  probe=$(mktemp /tmp/zavo-i386-probe.XXXXXX)
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
  chmod +x "$probe"
  local status=0
  "$probe" 2>/dev/null || status=$?
  rm -f "$probe"
  return $status
}

# ZAVO_WINE_FLAVOUR: win32 (wine32, the i686 programs) or win64 (wine64, the x86_64 build).
if zavo_kernel_runs_i386; then ZAVO_WINE_FLAVOUR=win32; else ZAVO_WINE_FLAVOUR=win64; fi

zavo_packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest python3 locales
  g++-mingw-w64-i686-posix
  wine xvfb fonts-wqy-microhei fonts-wine imagemagick
)
if [ "$ZAVO_WINE_FLAVOUR" = win32 ]; then
  zavo_packages+=(wine32:i386)
else
  zavo_packages+=(wine64 g++-mingw-w64-x86-64-posix)
fi

zavo_missing_packages() {
  local missing=() p
  for p in "${zavo_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  echo "${missing[@]:-}"
}

zavo_setup() {
  local missing
  missing=$(zavo_missing_packages)
  if [ -n "$missing" ]; then
    if [ "$(id -u)" != 0 ]; then
      echo "Missing packages: $missing. Run this as root once to install them." >&2
      return 1
    fi
    echo "Installing: $missing"
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
  fi
  # Without this locale Wine drops the top bit of every GBK byte that crosses to Linux.
  if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
    echo "Generating the zh_CN.UTF-8 locale"
    localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
  fi
  echo "Wine flavour: $ZAVO_WINE_FLAVOUR"
}
