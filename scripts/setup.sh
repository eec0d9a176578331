# Installs what building and testing the collection needs. Sourced by run.sh and test.sh.

REQUIRED_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev libgtest-dev fonts-ipafont-gothic)

missing_packages() {
  local package
  for package in "${REQUIRED_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      printf '%s\n' "$package"
    fi
  done
}

ensure_dependencies() {
  if ! command -v dpkg-query >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
    echo "This machine has no apt: install these packages (or your system's equivalents) and run again:" >&2
    echo "  ${REQUIRED_PACKAGES[*]}" >&2
    exit 1
  fi
  local missing
  missing=$(missing_packages)
  [ -z "$missing" ] && return 0
  # shellcheck disable=SC2086
  echo "Installing: " $missing
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      echo "Missing packages and no sudo; as root, run: apt-get install" $missing >&2
      exit 1
    fi
    sudo=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq </dev/null
  # shellcheck disable=SC2086
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends $missing </dev/null
}
