#!/usr/bin/env bash
# Builds the Debian package from the release preset and checks that it holds both programs,
# their manual pages and the converter's bash completion, and that the completion offers the
# converter's options.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/presets.sh
cmake --preset release -DVELDRANE_WERROR=ON >/dev/null
cmake --build --preset release -j "$(nproc)"
(cd build/release && cpack >/dev/null)
package=$(ls -t build/release/veldrane_*.deb | head -n 1)
contents=$(dpkg-deb -c "$package" | awk '{print $NF}')
status=0
for expected in ./usr/bin/veldrane ./usr/bin/veldrane-convert \
  ./usr/share/man/man1/veldrane.1 ./usr/share/man/man1/veldrane-convert.1 \
  ./usr/share/bash-completion/completions/veldrane-convert ./usr/share/veldrane/runtime/VrErrors.pas; do
  if ! grep -qx -- "$expected" <<<"$contents"; then
    echo "package $package lacks $expected" >&2
    status=1
  fi
done
completion=build/release/packaging/veldrane-convert.bash
offered=$(bash -c 'source /usr/share/bash-completion/bash_completion && source "$1" &&
  COMP_WORDS=(veldrane-convert --out) COMP_CWORD=1 COMP_LINE="veldrane-convert --out" COMP_POINT=22 &&
  _veldrane_convert && echo "${COMPREPLY[*]}"' _ "$completion")
if [ "$offered" != "--output --out-dir --output-encoding" ]; then
  echo "completion of 'veldrane-convert --out' offered '$offered'" >&2
  status=1
fi
[ "$status" -eq 0 ] && echo "package $package: programs, manual pages and completion present"
exit "$status"
