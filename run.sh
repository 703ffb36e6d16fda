#!/usr/bin/env bash
# Builds Dorvane and starts it.  Without arguments it opens the bundled sample model; with
# arguments it opens the ".dam" files they name (./run.sh my-dam.dam).
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --parallel "$jobs" --target dorvane

if [ "$#" -eq 0 ]; then
  set -- "$PWD/build/app/samples/GravityDam60m.dam"
else
  # Names relative to where ./run.sh was started from.
  args=()
  for a in "$@"; do
    case "$a" in
      /*) args+=("$a") ;;
      *) args+=("$OLDPWD/$a") ;;
    esac
  done
  set -- "${args[@]}"
fi
exec build/app/dorvane "$@"
