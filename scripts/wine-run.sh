#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix, creating the prefix
# on first use. Usage: scripts/wine-run.sh PREFIX PROGRAM.exe [ARGS...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
prefix="$1"
shift
. "$here/wine-env.sh" "$prefix"
ensure_wine_prefix
exec wine "$@"
