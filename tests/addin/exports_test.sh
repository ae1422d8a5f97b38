#!/usr/bin/env bash
# The plug-in boundary, read off the binaries: the add-in library exports its
# four registration functions and nothing else, and the host program exports
# nothing of the add-in's code (each side runs the one shared runtime).
# Usage: exports_test.sh ADDIN_LIBRARY HOST_PROGRAM
set -euo pipefail
addin=$1
host=$2
want=$'DllCanUnloadNow\nDllGetClassObject\nDllRegisterServer\nDllUnregisterServer'
got=$(nm -D --defined-only "$addin" | awk '{print $NF}' | sort)
if [ "$got" != "$want" ]; then
  echo "libtelvarix exports:"; echo "$got"; echo "expected exactly:"; echo "$want"
  exit 1
fi
shared=$(nm -D --defined-only -C "$host" | grep 'tvx::' || true)
if [ -n "$shared" ]; then
  echo "the host program exports add-in or runtime code:"; echo "$shared" | head -20
  exit 1
fi
echo "exports: the four registration functions only; the host exports nothing of tvx::"
