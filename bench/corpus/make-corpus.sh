#!/usr/bin/env bash
# Makes the OCR evaluation corpus: screenshots of real X clients on a private Xvfb desktop with
# openbox (terminals in several fonts and sizes, a dark theme, dialogs, Chinese text in a window,
# a full 1920x1080 screen, two terminals and the demo desktop on the bare desktop, GTK dialogs:
# a list, a form and a dark Chinese question) and rendered document pages. Each image NAME.png gets NAME.txt, the text it shows. The kind of an image is its name up to the
# first '.'.
#
#   bench/corpus/make-corpus.sh [OUTPUT-DIRECTORY]     (default: bench/corpus/images)
#
# Needs the test packages of scripts/install-deps.sh (Xvfb, openbox, xterm, xmessage, xdotool,
# ImageMagick, the core X fonts, DejaVu and Noto fonts) and zenity.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
texts=$here/text
out=${1:-$here/images}
mkdir -p "$out"
work=$(mktemp -d)
pids=()

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# A private display: Xvfb picks a free number and writes it to the descriptor it is given.
start_desktop() {
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  pids+=($!)
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$work/display")"
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
}

# Waits for the window titled $1 to be mapped, and prints its id.
window_id() {
  timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1
}

# Saves the window titled $1 as $out/$2.png with ground truth $3, and closes the client $4.
shoot() {
  local title=$1 name=$2 truth=$3 pid=$4 id
  id=$(window_id "$title")
  sleep 1.5
  import -silent -window "$id" "$work/$name.png"
  convert "$work/$name.png" -strip "$out/$name.png"
  cp "$truth" "$out/$name.txt"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  sleep 0.3
}

# An xterm showing a text file with the cursor hidden: terminal NAME TEXT COLUMNSxROWS XTERM-ARGS...
terminal() {
  local name=$1 text=$2 size=$3
  shift 3
  LANG=C.UTF-8 LC_ALL=C.UTF-8 xterm -T "$name" -geometry "$size+40+40" -u8 "$@" \
    -e sh -c 'printf "\033[?25l"; cat "$1"; exec sleep 600' sh "$text" >/dev/null 2>&1 &
  shoot "$name" "$name" "$text" $!
}

# An xmessage dialog: the message, then its buttons in one row.
dialog() {
  local name=$1 text=$2 buttons=$3
  shift 3
  xmessage -title "$name" -buttons "$buttons" "$@" -file "$text" >/dev/null 2>&1 &
  local pid=$!
  { cat "$text"; echo "${buttons//,/ }"; } >"$work/$name.txt"
  shoot "$name" "$name" "$work/$name.txt" $pid
}

# The whole 1920x1080 screen: one dark xterm filling it under openbox's title bar.
full_screen() {
  local name=screen.dark-1920x1080 title="build and system log"
  cat "$texts/log.txt" "$texts/shell.txt" "$texts/code.txt" >"$work/screen.txt"
  LANG=C.UTF-8 xterm -T "$title" -geometry 200x60+0+0 -fa "DejaVu Sans Mono" -fs 10 \
    -bg "#1e1e1e" -fg "#d4d4d4" \
    -e sh -c 'printf "\033[?25l"; cat "$1"; exec sleep 600' sh "$work/screen.txt" \
    >/dev/null 2>&1 &
  local pid=$!
  local id
  id=$(window_id "$title")
  xdotool windowsize "$id" 1920 1080 windowmove "$id" 0 0
  sleep 2
  import -silent -window root "$work/$name.png"
  convert "$work/$name.png" -strip "$out/$name.png"
  { echo "$title"; cat "$work/screen.txt"; } >"$out/$name.txt"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

# Two xterms on the bare black desktop, one above the other, their text starting two pixels from
# the window's edge: a light one and a dark one.
desktop() {
  local name=desktop.two-terminals-1280x800 light="light terminal" dark="dark terminal"
  LANG=C.UTF-8 xterm -T "$light" -geometry 90x9+40+40 -fa "DejaVu Sans Mono" -fs 11 \
    -bg white -fg black -e sh -c 'printf "\033[?25l"; head -n 8 "$1"; exec sleep 600' sh \
    "$texts/shell.txt" >/dev/null 2>&1 &
  local light_pid=$!
  LANG=C.UTF-8 xterm -T "$dark" -geometry 90x9+200+400 -fa "DejaVu Sans Mono" -fs 11 \
    -bg "#1e1e1e" -fg "#d4d4d4" -e sh -c 'printf "\033[?25l"; head -n 8 "$1"; exec sleep 600' sh \
    "$texts/code.txt" >/dev/null 2>&1 &
  local dark_pid=$!
  window_id "$light" >/dev/null
  window_id "$dark" >/dev/null
  sleep 2
  import -silent -window root -crop 1280x800+0+0 "$work/$name.png"
  convert "$work/$name.png" +repage -strip "$out/$name.png"
  {
    echo "$light"
    head -n 8 "$texts/shell.txt"
    echo "$dark"
    head -n 8 "$texts/code.txt"
  } >"$out/$name.txt"
  kill "$light_pid" "$dark_pid" 2>/dev/null || true
  wait "$light_pid" "$dark_pid" 2>/dev/null || true
}

# The demo desktop of scripts/run.sh: a terminal whose title is light text on openbox's mid-tone
# title bar, and xlogo, on the bare black desktop.
demo_desktop() {
  local name=desktop.demo-1280x800 title="Orvane demo terminal"
  xlogo -geometry 360x300+880+440 >/dev/null 2>&1 &
  local logo_pid=$!
  window_id xlogo >/dev/null
  xterm -geometry 64x12+40+40 -fa "DejaVu Sans Mono" -fs 16 -bg white -fg black -title "$title" \
    -e sh -c 'echo "Hello from OrvaneScreenTool"; echo "Screens hold text worth reading"; exec sleep 600' \
    >/dev/null 2>&1 &
  local term_pid=$!
  window_id "$title" >/dev/null
  sleep 2
  import -silent -window root -crop 1280x800+0+0 "$work/$name.png"
  convert "$work/$name.png" +repage -strip "$out/$name.png"
  printf '%s\n' "$title" "Hello from OrvaneScreenTool" "Screens hold text worth reading" xlogo \
    >"$out/$name.txt"
  kill "$logo_pid" "$term_pid" 2>/dev/null || true
  wait "$logo_pid" "$term_pid" 2>/dev/null || true
}

# A GTK dialog of zenity, in proportional UI fonts at the desktop's usual size, captured without
# its title bar: gtk_window NAME TITLE TRUTH ZENITY-ARGS... (GTK_THEME in the environment picks a
# theme).
gtk_window() {
  local name=$1 title=$2 truth=$3
  shift 3
  NO_AT_BRIDGE=1 GDK_BACKEND=x11 LANG=C.UTF-8 zenity --title="$title" "$@" >/dev/null 2>&1 &
  shoot "$title" "$name" "$truth" $!
}

# A rendered page, one -annotate per line: document NAME TEXT FONT POINTS WIDTH
document() {
  local name=$1 text=$2 font=$3 points=$4 width=$5
  local step=$((points * 8 / 5)) args=() y line
  y=$((60 + points))
  while IFS= read -r line; do
    [ -n "$line" ] && args+=(-annotate "+60+$y" "$line")
    y=$((y + step))
  done <"$text"
  convert -size "${width}x$((y + 60))" xc:white -fill black -font "$font" -pointsize "$points" \
    "${args[@]}" -strip "$out/$name.png"
  cp "$text" "$out/$name.txt"
}

start_desktop
mono="DejaVu Sans Mono"
terminal term.fixed-6x13 "$texts/shell.txt" 80x24 -fn 6x13
terminal term.dejavu-9 "$texts/code.txt" 80x24 -fa "$mono" -fs 9
terminal term.noto-11 "$texts/shell.txt" 80x24 -fa "Noto Sans Mono" -fs 11
terminal term.dejavu-8-wide "$texts/log.txt" 120x16 -fa "$mono" -fs 8
terminal dark.dejavu-10 "$texts/code.txt" 80x24 -fa "$mono" -fs 10 -bg "#1e1e1e" -fg "#d4d4d4"
terminal dark.fixed-7x14 "$texts/log.txt" 120x16 -fn 7x14 -bg "#002b36" -fg "#93a1a1"
terminal dark.noto-9 "$texts/shell.txt" 80x24 -fa "Noto Sans Mono" -fs 9 -bg black -fg "#c0c0c0"
terminal zh-window.light-12 "$texts/chinese.txt" 60x10 -fa "Noto Sans Mono" -fd "Noto Sans Mono CJK SC" -fs 12
terminal zh-window.dark-11 "$texts/mixed.txt" 60x12 -fa "Noto Sans Mono" -fd "Noto Sans Mono CJK SC" -fs 11 \
  -bg "#282c34" -fg "#dcdfe4"
terminal zh-window.mixed-10 "$texts/mixed.txt" 60x12 -fa "DejaVu Sans Mono" -fd "Noto Sans Mono CJK SC" -fs 10
dialog dialog.save "$texts/dialog.txt" "Save,Don't Save,Cancel"
dialog dialog.error-9x15 "$texts/dialog2.txt" "Retry,Cancel" -fn 9x15
dialog dialog.dark "$texts/dialog2.txt" "OK" -bg "#303030" -fg "#e0e0e0"
full_screen
desktop
demo_desktop
gtk_window dialog.gtk-downloads Downloads "$texts/gtk-downloads.txt" --list --width=560 --height=320 \
  --text="Recent downloads" --column=Name --column=Size --column=Status \
  report-2024.pdf "1.2 MB" Finished setup-tools.tar.gz "48 MB" Paused notes.txt "3 KB" Finished \
  photo-album.zip "230 MB" Failed
gtk_window dialog.gtk-sign-in "Sign in" "$texts/gtk-sign-in.txt" --forms --width=420 \
  --text="Sign in to sync your settings" --add-entry="Email address" --add-password=Password \
  --add-entry="Server (optional)"
GTK_THEME=Adwaita:dark gtk_window zh-window.gtk-dark-question 删除文件 "$texts/gtk-zh-question.txt" \
  --question --width=440 --text="确定要删除选中的三个文件吗？此操作无法撤销。" --ok-label=删除 \
  --cancel-label=取消

document doc.en-serif "$texts/prose.txt" /usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf 24 1240
document doc.en-sans "$texts/prose.txt" /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf 20 1240
document doc.zh-serif "$texts/prose-zh.txt" /usr/share/fonts/opentype/noto/NotoSerifCJK-Regular.ttc 28 1240
document doc.mixed "$texts/mixed.txt" /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc 28 1240
ls -l "$out"
