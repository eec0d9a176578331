#!/usr/bin/env bash
# Lints the whole collection and fails on any finding, naming its file and line: ESLint on the
# JavaScript (eslint.config.mjs), clang-format on the C++ (.clang-format), shellcheck on the
# shell scripts, pyflakes on the Python. Every linter runs, whatever the ones before found.
# ./test.sh installs the tools (LINT_PACKAGES in setup.sh, ESLint from tests/web's lock file)
# and runs this as its first stage; alone, it uses what is installed:
#
#   scripts/lint.sh
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
# shellcheck source=scripts/setup.sh
source scripts/setup.sh

eslint=tests/web/node_modules/.bin/eslint
missing=()
# Each of the packages brings the command of its own name.
for tool in "${LINT_PACKAGES[@]}"; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [ "${#missing[@]}" -gt 0 ] || [ ! -x "$eslint" ]; then
  echo "Linting needs clang-format, shellcheck, pyflakes3 and ESLint; missing: ${missing[*]}" \
    "$([ -x "$eslint" ] || echo "$eslint")" >&2
  echo "./test.sh installs them all, or: apt-get install ${LINT_PACKAGES[*]};" \
    "npm ci --prefix tests/web" >&2
  exit 1
fi

failed=()

# lint NAME COMMAND...: runs one linter under a heading, and notes it when it finds anything.
lint() {
  local name=$1
  shift
  echo "== $name"
  "$@" 2>&1 || failed+=("$name")
}

# ESLint's warnings of its own (such as a /* eslint-env */ comment it no longer reads) come on
# stderr, outside its count: they fail the stage too.
eslint_strict() {
  local warnings status=0
  warnings=$(mktemp)
  "$eslint" --max-warnings 0 . 2>"$warnings" || status=$?
  if [ -s "$warnings" ]; then
    cat "$warnings"
    status=1
  fi
  rm -f "$warnings"
  return "$status"
}

clang_format() {
  git ls-files -z -- '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run -Werror
}

# The shell scripts: *.sh, and the files without an extension whose first line asks for a shell
# (such as .ci/run).
shell_scripts() {
  local file
  git ls-files -- '*.sh'
  git ls-files | grep -v '\.[^/]*$' | while IFS= read -r file; do
    if head -n 1 "$file" | grep -qE '^#!.*\b(ba|da)?sh\b'; then printf '%s\n' "$file"; fi
  done
}
shellcheck_all() {
  shell_scripts | tr '\n' '\0' | xargs -0 -r shellcheck -x
}

pyflakes_all() {
  git ls-files -z -- '*.py' | xargs -0 -r pyflakes3
}

lint eslint eslint_strict
lint clang-format clang_format
lint shellcheck shellcheck_all
lint pyflakes pyflakes_all

if [ "${#failed[@]}" -gt 0 ]; then
  echo "Linting found faults: ${failed[*]} (above)."
  exit 1
fi
echo "Linting found nothing."
