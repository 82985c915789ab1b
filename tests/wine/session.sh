# Sourced by the scripts: a private Wine prefix with its server and services running, so that
# each program starts quickly and CTest does not wait on them; and a virtual X screen.

XVFB_PID=

# Starts a 1024 x 768 virtual X screen on a free display and makes it DISPLAY.
StartVirtualScreen() {
  local display=99
  while [[ -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$display"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return; sleep 0.1; done
}

# Wine finds no Chinese glyphs in its own fonts; the default GUI faces and the title bar's bold
# Tahoma borrow them from the Chinese face that setup installs, as Windows' font linking does.
LinkChineseFace() {
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  for face in Tahoma "Tahoma Bold" "MS Shell Dlg" "Microsoft Sans Serif"; do
    wine reg add "$key" /v "$face" /t REG_MULTI_SZ /d "wqy-zenhei.ttc,WenQuanYi Zen Hei" /f \
      >/dev/null 2>&1 </dev/null
  done
}

# The faces that every Windows has, Tahoma (the default GUI font) and Marlett (the title bar's
# buttons) among them, come with Wine in fonts-wine; this Wine does not load the fonts of its
# own data folder, only those in the prefix's C:\windows\Fonts, so they are placed there.
PlaceWindowsFaces() {
  cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

# Makes the prefix WINEPREFIX on first use, and gives it the Windows faces.
PreparePrefix() {
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    wineboot -i >/dev/null 2>&1 </dev/null
    LinkChineseFace
    wineserver -w
  fi
  PlaceWindowsFaces
}

# StartWineSession PREFIX: uses the prefix, made on first use, with a virtual screen.
StartWineSession() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  [[ -n ${KEEP_DISPLAY:-} && -n ${DISPLAY:-} ]] || StartVirtualScreen
  PreparePrefix
  wineserver -p >/dev/null 2>&1 </dev/null
  wine wineboot >/dev/null 2>&1 </dev/null
}

StopWineSession() {
  wineserver -k 2>/dev/null || true
  [[ -z $XVFB_PID ]] || kill "$XVFB_PID" 2>/dev/null || true
}
