#!/usr/bin/env bash
# Installs the build into a fresh prefix and runs the demo's ticket import
# from there: the installed program must find the installed runtime and
# add-in through its relative run path, wherever the prefix is; its desktop
# entry, icon and guide are installed beside it.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix/opt/telvarix" >/dev/null
host=$prefix/opt/telvarix/bin/telvarix-host
[ -x "$host" ] || { echo "no installed telvarix-host"; exit 1; }

# The installed program links the installed runtime, not the build's.
runtime=$(ldd "$host" | awk '/libtelvarix_runtime/ {print $3}')
case "$runtime" in
  "$prefix"/opt/telvarix/*lib*/libtelvarix_runtime.so*) ;;
  *) echo "the installed program loads the runtime from '$runtime'"; exit 1 ;;
esac

# Move the prefix: the run path is relative, so it still works.
mv "$prefix/opt/telvarix" "$prefix/moved"
for f in share/applications/telvarix-host.desktop share/icons/hicolor/64x64/apps/telvarix-host.png \
         share/doc/telvarix/guide.md; do
  [ -f "$prefix/moved/$f" ] || { echo "not installed: $f"; exit 1; }
done
host=$prefix/moved/bin/telvarix-host
mkdir "$prefix/demo"
"$host" setup-demo --base "$prefix/demo" --company DEMO01 --tickets 30 --transfers 3 >"$prefix/setup.txt"
"$host" run --base "$prefix/demo" --company DEMO01 --user demo --operation 1000 >"$prefix/run.txt" || [ $? -eq 3 ]  # 3: rows in error
grep -q "Processado" "$prefix/run.txt" || { echo "the installed import invoiced nothing:"; cat "$prefix/run.txt"; exit 1; }
echo "installed, moved and imported from $prefix/moved"
