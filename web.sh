#!/usr/bin/env bash
# Builds the lesson for the browser into dist/web and serves that folder on
# http://localhost:8080/ (its address is the last line printed):
#   ./web.sh           build and serve
#   ./web.sh --build   build only
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

install_missing "${WEB_PACKAGES[@]}"
build_web build-web dist/web
[ "${1:-}" = "--build" ] && exit 0

# Static files only: any web server of a school serves them the same way.
port=8080
log=build-web/server.log
echo "Serving dist/web (requests are logged to $log); Ctrl+C stops."
echo "http://localhost:$port/"
exec /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory dist/web >"$log" 2>&1
