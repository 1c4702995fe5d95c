# Sourced by the packaging checks: a scratch folder that goes away at the end, and `fail`.
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
