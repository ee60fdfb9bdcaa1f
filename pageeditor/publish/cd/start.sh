#!/bin/sh
# Starts the presentation on this disc: opens index.html, which stands
# beside this script, in the default web browser (the disc's start.exe
# does the same on the systems that read autorun.inf).
here=$(cd "$(dirname "$0")" && pwd)
page="$here/index.html"
if [ ! -f "$page" ]; then
  echo "Brak pliku index.html obok programu start.sh." >&2
  exit 1
fi
for opener in xdg-open gio sensible-browser x-www-browser; do
  if command -v "$opener" >/dev/null 2>&1; then
    if [ "$opener" = gio ]; then exec gio open "$page"; fi
    exec "$opener" "$page"
  fi
done
echo "Nie znaleziono programu do otwarcia strony $page." >&2
exit 1
