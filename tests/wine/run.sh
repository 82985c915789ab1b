#!/bin/bash
# Runs a Windows program under Wine in the given private prefix: run.sh PREFIX PROGRAM [ARGS...]
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
