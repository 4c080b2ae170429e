#!/usr/bin/env bash
# Static checks over the lesson's own sources: the layering of the core,
# clang-tidy with the checks of .clang-tidy (on the compile commands of the
# build folders given: the desktop's, default build, and the browser's,
# default build-web), ESLint on the page's JavaScript, and cppcheck. Each
# tool runs when it is installed; any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
web=${2:-build-web}

# The lesson core knows no toolkit and no front-end: no file under src/lesson
# includes a Qt header or anything of src/desktop or src/web, and every one
# compiles on its own with the host compiler and no include path but src.
start=$(date +%s)
mapfile -t core < <(git ls-files 'src/lesson/*.cpp' 'src/lesson/*.h')
if grep -nE '#\s*include\s*[<"](Q|qt|desktop/|web/|emscripten)' "${core[@]}" >&2; then
  echo "static checks: the lesson core includes a toolkit or a front-end (above)" >&2
  exit 1
fi
# A header is compiled as the only include of an empty file.
compile_alone() {
  local flags=(-std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror -Isrc)
  for f in "$@"; do
    case "$f" in
      *.h) "${CXX:-c++}" "${flags[@]}" -include "$f" -x c++ /dev/null ;;
      *) "${CXX:-c++}" "${flags[@]}" "$f" ;;
    esac || return 1
  done
}
export -f compile_alone
printf '%s\n' "${core[@]}" | xargs -P 2 -n 8 bash -c 'compile_alone "$@"' _ || {
  echo "static checks: the lesson core does not compile on its own" >&2
  exit 1
}
echo "static checks: the core (${#core[@]} files) includes no toolkit and compiles alone in $(($(date +%s) - start)) s"
# The browser's own C++ (the lesson's and the teacher's page's modules, and
# the tool that writes the page's texts) is compiled by Emscripten only: it
# is checked on that build's commands, with the flags em++ adds.
mapfile -t sources < <(git ls-files 'src/*.cpp' 'tests/*.cpp' 'bench/*.cpp' 'fuzz/*.cpp' |
  grep -vE '^src/web/(app|teacher|tools)/')
mapfile -t web_sources < <(git ls-files 'src/web/app/*.cpp' 'src/web/teacher/*.cpp' \
  'src/web/tools/*.cpp')

if command -v clang-tidy >/dev/null; then
  start=$(date +%s)
  # Two files at a time; the generated moc code is not ours to check.
  printf '%s\n' "${sources[@]}" |
    xargs -P 2 -n 4 clang-tidy -p "$build" --quiet 2>/dev/null >"$build/clang-tidy.log" || {
    grep -E 'warning:|error:' -A3 "$build/clang-tidy.log" >&2
    echo "static checks: clang-tidy found problems (log: $build/clang-tidy.log)" >&2
    exit 1
  }
  if [ -f "$web/compile_commands.json" ]; then
    extra=()
    for flag in $(NODE_PATH=${NODE_PATH:-/usr/share/nodejs} em++ --cflags); do
      extra+=(--extra-arg="$flag")
    done
    clang-tidy -p "$web" --quiet "${extra[@]}" "${web_sources[@]}" 2>/dev/null \
      >"$web/clang-tidy.log" || {
      grep -E 'warning:|error:' -A3 "$web/clang-tidy.log" >&2
      echo "static checks: clang-tidy found problems (log: $web/clang-tidy.log)" >&2
      exit 1
    }
    sources+=("${web_sources[@]}")
  fi
  echo "static checks: clang-tidy clean on ${#sources[@]} files in $(($(date +%s) - start)) s"
else
  echo "static checks: clang-tidy not installed, skipped"
fi

# The page holds nothing of the boundary or of the lesson's constants by
# hand: every message crosses by its fields' names, packed and unpacked by
# the generated contract (no index by a number into a list of the lesson's
# numbers, no call into the page with more than three arguments), and the
# face, the colours and the notices' kinds come from the core.
page_files=(src/web/js/*.js src/web/page/*)
face=$(sed -nE 's/.*kPageFace = "([^"]+)".*/\1/p' src/lesson/app/ControlTable.h)
kinds=$(sed -nE 's/.*\{"([a-z-]+)", k[A-Za-z]+Notice\}.*/\1/p' src/lesson/app/Notices.h | paste -sd'|')
if [ -z "$face" ] || [ -z "$kinds" ]; then
  echo "static checks: the face's name or the notices' kinds not found in the core" >&2
  exit 1
fi
if grep -nE "[[:alnum:]_)]\[[^][]*\b[1-9][0-9]*\s*\]|web_[a-z_]+: function \(([^,)]*,){3,}|$face|#[0-9a-fA-F]{3,8}\b|rgba?\(|['\"]($kinds)['\"]" \
    "${page_files[@]}" >&2; then
  echo "static checks: a field by its index, a positional call, a face, a colour or a notice's kind written in the page (above)" >&2
  exit 1
fi
echo "static checks: the page's ${#page_files[@]} files take the boundary and the constants from the core"

# The page's JavaScript (the page's scripts, the module's libraries, the
# benchmark's page script): ESLint with the rules of .eslintrc.json. Debian's
# ESLint finds its modules through NODE_PATH whichever node runs it, and its
# plain formatter needs none besides.
eslint_js=/usr/share/nodejs/eslint/bin/eslint.js
if [ -f "$eslint_js" ]; then
  start=$(date +%s)
  mapfile -t scripts < <(git ls-files 'src/web/*.js' 'bench/*.js')
  NODE_PATH=/usr/share/nodejs node "$eslint_js" -f unix "${scripts[@]}" || {
    echo "static checks: ESLint found problems (above)" >&2
    exit 1
  }
  echo "static checks: ESLint clean on ${#scripts[@]} files in $(($(date +%s) - start)) s"
else
  echo "static checks: ESLint not installed, skipped"
fi

if command -v cppcheck >/dev/null; then
  start=$(date +%s)
  # Qt's macros (Q_OBJECT, slots) are not known to cppcheck without Qt's
  # headers; it checks the code between them.
  cppcheck --enable=warning,performance,portability --std=c++20 --language=c++ \
    --inline-suppr --error-exitcode=1 --quiet -j 2 -I src -I tests -I fuzz \
    src tests bench fuzz || {
    echo "static checks: cppcheck found problems" >&2
    exit 1
  }
  echo "static checks: cppcheck clean in $(($(date +%s) - start)) s"
else
  echo "static checks: cppcheck not installed, skipped"
fi
