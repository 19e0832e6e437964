#!/usr/bin/env bash
# Installs what building and testing Tessarin needs on a Debian 12 machine (run as root).
set -euo pipefail
pacotes=(build-essential cmake pkg-config libssl-dev libgtest-dev libcli11-dev nlohmann-json3-dev
         qt6-base-dev fonts-liberation2 poppler-utils xvfb)
faltam=()
for p in "${pacotes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltam+=("$p")
done
if [ ${#faltam[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${faltam[@]}"
fi
