# Sourced by the scripts: chooses the architecture whose Wine can run here and
# manages the private Wine prefix inside the build tree.
#
# Korvanta ships as a 32-bit DLL, which is always built and checked. Tests and
# the demo run it under 32-bit Wine where this machine can execute 32-bit
# programs; where it cannot (some virtual machines lack 32-bit support
# entirely), they run the 64-bit build of the same source under 64-bit Wine.

# The system's own tools come first: everything the scripts call is installed
# from Debian's packages by scripts/setup.sh.
export PATH=/usr/sbin:/usr/bin:/sbin:/bin${PATH:+:$PATH}

KORVANTA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

korvanta_run_arch() {
  if [ -n "${KORVANTA_ARCH:-}" ]; then echo "$KORVANTA_ARCH"; return; fi
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo i686; else echo x86_64; fi
}

# korvanta_wine_setup ARCH [PREFIX]: exports the Wine environment for ARCH and
# creates its prefix (build/ARCH/wineprefix, or the one named) on first use.
korvanta_wine_setup() {
  local arch=$1
  export KORVANTA_BUILD="$KORVANTA_ROOT/build/$arch"
  export WINEPREFIX="$KORVANTA_BUILD/${2:-wineprefix}"
  export WINEDEBUG=-all
  if [ "$arch" = i686 ]; then
    export WINEARCH=win32 KORVANTA_WINE=/usr/lib/wine/wine
  else
    export WINEARCH=win64 KORVANTA_WINE=/usr/lib/wine/wine64
  fi
  export WINELOADER=$KORVANTA_WINE WINESERVER=/usr/lib/wine/wineserver
  if [ ! -f "$WINEPREFIX/.korvanta-ready" ]; then
    mkdir -p "$KORVANTA_BUILD"
    rm -rf "$WINEPREFIX"
    "$KORVANTA_WINE" wineboot -i </dev/null >/dev/null 2>&1
    "$WINESERVER" -w
    # No display is needed: Wine's null graphics driver creates real windows
    # without one. A crashing program fails at once instead of waiting for a
    # debugger.
    "$KORVANTA_WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
    "$KORVANTA_WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d 'korvanta-no-debugger.exe' /f </dev/null >/dev/null 2>&1
    "$KORVANTA_WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 1 /f </dev/null >/dev/null 2>&1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.korvanta-ready"
  fi
  # Also in prefixes made before the dialogs' texts were measured.
  if [ ! -f "$WINEPREFIX/.korvanta-fonts" ]; then
    korvanta_map_dialog_font
    touch "$WINEPREFIX/.korvanta-fonts"
  fi
}

# korvanta_map_dialog_font: in the prefix of $WINEPREFIX, the dialogs' font
# 微软雅黑 (Microsoft YaHei) is drawn as WenQuanYi Micro Hei, the CJK font of
# fonts-wqy-microhei, which is also linked behind the system's UI fonts so that
# captions show Chinese: what the screenshots draw and the dialogs' texts are
# measured in. Settings with Chinese names go in through a UTF-16 .reg file;
# `reg add` garbles them outside a Chinese locale.
korvanta_map_dialog_font() {
  local file="$WINEPREFIX/korvanta-fonts.reg"
  python3 - "$file" <<'PYTHON'
import sys
def multi(*texts):
    raw = ("".join(t + "\0" for t in texts) + "\0").encode("utf-16-le")
    return "hex(7):" + ",".join("%02x" % b for b in raw)
link = multi("wqy-microhei.ttc,WenQuanYi Micro Hei")
lines = [
    "Windows Registry Editor Version 5.00", "",
    r"[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]", '"微软雅黑"="WenQuanYi Micro Hei"', "",
    r"[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]",
] + ['"%s"=%s' % (face, link) for face in ("Tahoma", "MS Shell Dlg", "MS Shell Dlg 2", "Microsoft Sans Serif")] + [""]
with open(sys.argv[1], "wb") as out:
    out.write(b"\xff\xfe" + "\r\n".join(lines).encode("utf-16-le"))
PYTHON
  # regedit returns once the values are in; a running server keeps them.
  "$KORVANTA_WINE" regedit /S "Z:${file//\//\\}" </dev/null >/dev/null 2>&1
}

# Wine leaves background processes that inherit their caller's output; started
# here, detached from any pipe, they cannot hold a test runner's output open.
korvanta_wine_start() {
  # An already running server (an earlier run, a developer's shell) is fine.
  "$WINESERVER" -p </dev/null >/dev/null 2>&1 || true
  "$KORVANTA_WINE" cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
}

korvanta_wine_stop() {
  "$WINESERVER" -k </dev/null >/dev/null 2>&1 || true
}

# korvanta_prepare: installs what is missing, builds both shipped DLLs (the
# 32-bit and the 64-bit one, with the packages' checker) and everything of the
# build that runs here, and readies that build's Wine. Sets $arch.
korvanta_prepare() {
  "$KORVANTA_ROOT/scripts/setup.sh"
  arch=$(korvanta_run_arch)
  local other=x86_64
  [ "$arch" = i686 ] || other=i686
  "$KORVANTA_ROOT/scripts/build.sh" --target Korvanta --target package_check "$other"
  "$KORVANTA_ROOT/scripts/build.sh" "$arch"
  korvanta_wine_setup "$arch"
  korvanta_wine_start
  trap korvanta_wine_stop EXIT
}
