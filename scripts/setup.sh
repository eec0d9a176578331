# shellcheck shell=bash
# Installs what building and testing the collection needs, and runs each step of run.sh and
# test.sh as one line on the terminal with its whole output in build/logs/. Sourced by both.

REQUIRED_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libgtest-dev
  fonts-ipafont-gothic desktop-file-utils appstream)
# The page: Emscripten with the parser its optimiser needs, esbuild to bundle the page's modules,
# fontTools (and Brotli for WOFF2) to cut the text face down, Node.js for the runner built for it,
# librsvg to draw the site's icons. Chromium and Selenium test it, Firefox ESR (through
# puppeteer-core, see ensure_test_modules) and WebKitGTK's MiniBrowser (under Xvfb) too.
# shellcheck disable=SC2034  # this and the lists below are read by run.sh and test.sh
WEB_PACKAGES=(emscripten node-acorn nodejs esbuild fonttools python3-brotli librsvg2-bin)
# ./run.sh --web --serve shows each address as a QR code, for a phone's camera.
# shellcheck disable=SC2034
SERVE_PACKAGES=(qrencode)
WEB_TEST_PACKAGES=(chromium chromium-driver python3-selenium firefox-esr webkit2gtk-driver xvfb
  xauth)
# Some builds of Node.js bring npm along; Debian's is a package of its own.
command -v npm >/dev/null 2>&1 || WEB_TEST_PACKAGES+=(npm)
# A locale with a decimal comma is made from the locale sources for the tests.
# shellcheck disable=SC2034
TEST_PACKAGES=(locales)
# scripts/lint.sh's linters; ESLint comes from npm with the test modules.
# shellcheck disable=SC2034
LINT_PACKAGES=(clang-format shellcheck pyflakes3)
LOG_DIR=build/logs

missing_packages() {
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      printf '%s\n' "$package"
    fi
  done
}

# ensure_dependencies [PACKAGE...]: installs what is missing of the desktop build's packages and
# of the ones named.
ensure_dependencies() {
  local wanted=("${REQUIRED_PACKAGES[@]}" "$@")
  if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
    echo "This machine has no apt: install these packages (or your system's equivalents) and run again:" >&2
    echo "  ${wanted[*]}" >&2
    exit 1
  fi
  local missing=()
  mapfile -t missing < <(missing_packages "${wanted[@]}")
  [ "${#missing[@]}" -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Missing packages and no sudo; as root, run: apt-get install ${missing[*]}" >&2
      exit 1
    fi
    # Asks for the password here, before the output goes to the log.
    sudo -v
    sudo=(sudo)
  fi
  run_stage apt "Installing ${missing[*]}" \
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive sh -c \
    'apt-get update -q && apt-get install -y -q --no-install-recommends "$@"' apt "${missing[@]}"
}

# ensure_test_modules: puppeteer-core (for the Firefox test), axe-core and ESLint as
# tests/web/package-lock.json pins them, unless node_modules already matches the lock.
# Puppeteer downloads no browser of its own.
ensure_test_modules() {
  local lock=tests/web/package-lock.json installed=tests/web/node_modules/.package-lock.json
  if [ -f "$installed" ] && [ ! "$lock" -nt "$installed" ]; then
    return 0
  fi
  run_stage npm "Installing puppeteer-core, axe-core and ESLint" \
    env PUPPETEER_SKIP_DOWNLOAD=1 npm ci --prefix tests/web --no-audit --no-fund
}

# On a terminal, rewrites the line of the running stage with the latest "[done/total]" of
# ninja or ctest; otherwise prints nothing until the stage ends.
show_progress() {
  local label=$1 line
  if [ ! -t 1 ]; then
    cat >/dev/null
    return
  fi
  while IFS= read -r line; do
    if [[ $line =~ ^\[([0-9]+/[0-9]+)\]|^\ *([0-9]+/[0-9]+)\ Test ]]; then
      printf '\r%s ... [%s]' "$label" "${BASH_REMATCH[1]}${BASH_REMATCH[2]}"
    fi
  done
}

# Ends the line of a stage: "label ... done in 12 s", over the progress shown on a terminal.
end_line() {
  if [ -t 1 ]; then
    printf '\r%s ... %s\033[K\n' "$1" "$2"
  else
    printf ' %s\n' "$2"
  fi
}

# run_stage NAME LABEL COMMAND...: runs COMMAND with its output in build/logs/NAME.log. When it
# fails, prints the end of the log and exits with status 1.
run_stage() {
  local name=$1 label=$2 start=$SECONDS
  shift 2
  local log="$LOG_DIR/$name.log"
  mkdir -p "$LOG_DIR"
  printf '%s ...' "$label"
  if "$@" </dev/null 2>&1 | tee "$log" | show_progress "$label"; then
    local result="done in $((SECONDS - start)) s" steps
    steps=$(grep -c '^\[[1-9][0-9]*/[0-9]*\]' "$log" || true)
    [ "$steps" -gt 0 ] && result+=", $steps steps"
    end_line "$label" "$result"
  else
    end_line "$label" "failed"
    echo "--- the last 80 lines of $log:"
    tail -n 80 "$log"
    echo "--- the whole output is in $log"
    exit 1
  fi
}

# run_tests COMMAND...: runs ctest like a stage, then shows its summary and the output of any
# failing test (every line but those of the tests that passed). Exits with status 1 on failure.
run_tests() {
  local label="Testing" log="$LOG_DIR/test.log" start=$SECONDS status=0
  mkdir -p "$LOG_DIR"
  printf '%s ...' "$label"
  "$@" </dev/null 2>&1 | tee "$log" | show_progress "$label" || status=$?
  local result="done"
  [ "$status" -eq 0 ] || result=failed
  end_line "$label" "$result in $((SECONDS - start)) s"
  grep -vE '^ *(Start +[0-9]+: |[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed +[0-9.]+ sec$)' "$log" |
    cat -s || true
  if [ "$status" -ne 0 ]; then
    echo "--- the whole output is in $log"
    exit 1
  fi
}
