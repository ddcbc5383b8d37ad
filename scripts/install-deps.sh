#!/usr/bin/env bash
# Installs every build, run and test dependency from Debian's archive.
# Idempotent: packages already present are left alone and apt is not asked again.
set -euo pipefail

packages=(
  cmake g++ make pkg-config googletest libgtest-dev
  firebird3.0-server firebird3.0-utils firebird-dev
  qt6-base-dev libturbojpeg0-dev libstb-dev libssl-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: these packages are missing and installing them needs root: ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
# The server package asks for a SYSDBA password; give it the fixed one up front.
echo "firebird3.0-server shared/firebird/sysdba_password/first_install password 82Tq5n-7!LDx41R" \
  | debconf-set-selections
echo "firebird3.0-server shared/firebird/enabled boolean true" | debconf-set-selections || true
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
