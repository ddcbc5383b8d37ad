#!/usr/bin/env bash
# Starts the local Firebird 3.0 server on 127.0.0.1:3050 (or reuses a running one) and makes sure
# SYSDBA has the fixed password the setup program uses. Idempotent; needs root for a first start.
set -euo pipefail

readonly PASSWORD='82Tq5n-7!LDx41R'
readonly PASSWORD_FILE=/etc/firebird/3.0/SYSDBA.password

listening() { (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; }

if ! listening; then
  /etc/init.d/firebird3.0 start >/dev/null
  for _ in $(seq 1 50); do listening && break; sleep 0.2; done
  listening || { echo "start-firebird: the server did not start listening on 127.0.0.1:3050" >&2; exit 1; }
fi

# The security database refuses remote access, but only after checking the login: a wrong
# password answers "not defined", a right one "no permission for remote access".
login_ok() {
  local out
  out=$(echo 'quit;' | isql-fb -q -user SYSDBA -password "$1" 127.0.0.1:security.db 2>&1 || true)
  ! grep -q 'not defined' <<<"$out"
}

login_ok "$PASSWORD" && exit 0

# The package set a random password of its own: change it with that one.
current=$(sed -n 's/^ISC_PASSWORD="\(.*\)"$/\1/p' "$PASSWORD_FILE" 2>/dev/null || true)
if [ -z "$current" ] || ! login_ok "$current"; then
  echo "start-firebird: SYSDBA's password is neither the fixed one nor the one in $PASSWORD_FILE" >&2
  exit 1
fi
scratch=$(mktemp -d) && chmod 1777 "$scratch"
cat > "$scratch/alter.sql" <<SQL
CREATE DATABASE '127.0.0.1:$scratch/scratch.fdb' USER 'SYSDBA' PASSWORD '$current';
ALTER USER SYSDBA PASSWORD '$PASSWORD';
COMMIT;
DROP DATABASE;
SQL
isql-fb -q -i "$scratch/alter.sql" >/dev/null
rm -rf "$scratch"
sed -i "s/^ISC_PASSWORD=.*/ISC_PASSWORD=\"$PASSWORD\"/" "$PASSWORD_FILE"
login_ok "$PASSWORD" || { echo "start-firebird: could not set the SYSDBA password" >&2; exit 1; }
