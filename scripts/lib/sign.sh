# Authenticode signing of a tarnwick.exe with osslsigncode. Sourced by scripts/release and
# scripts/signing-check.

# sign_exe KEY CERT PASS_FILE EPOCH UNSIGNED SIGNED: writes SIGNED, which is UNSIGNED signed with
# SHA-256 by KEY and CERT (PEM or DER; PASS_FILE, unless empty, holds the key's passphrase), with
# EPOCH (Unix seconds) as its signing time. The same exe, key and time give the same bytes with
# an RSA key, whose signatures are deterministic; so there is no countersignature of a
# time-stamping service, which would differ at every signing. Fails unless removing the
# signature gives back UNSIGNED byte for byte, which is how anyone checks a signed exe against
# the reproducible build.
sign_exe() {
  local key=$1 cert=$2 pass_file=$3 epoch=$4 unsigned=$5 signed=$6
  local pass=()
  [ -z "$pass_file" ] || pass=(-readpass "$pass_file")
  rm -f "$signed" "$signed.removed"
  if ! osslsigncode sign -h sha256 -certs "$cert" -key "$key" "${pass[@]}" -time "$epoch" \
    -n Tarnwick -in "$unsigned" -out "$signed" >/dev/null; then
    echo "sign: osslsigncode could not sign $unsigned with $key and $cert" >&2
    return 1
  fi
  osslsigncode remove-signature -in "$signed" -out "$signed.removed" >/dev/null
  if ! cmp -s "$signed.removed" "$unsigned"; then
    echo "sign: removing the signature of $signed does not give back $unsigned" >&2
    return 1
  fi
  rm -f "$signed.removed"
}
