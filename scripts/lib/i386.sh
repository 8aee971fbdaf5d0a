# Whether this host executes 32-bit x86 code, found out by running a program rather than by
# reading the kernel's configuration: some hosts lack IA-32 emulation, others forbid it at run
# time, and the only sure test is to try. Sourced by install-deps and scripts/test.

# i386_runs: true when a tiny static i386 program (96 bytes, no libraries: it calls exit(42)
# through int 0x80) runs and exits with 42 within 5 s. Otherwise false, with the reason in
# i386_refusal.
i386_refusal=""
i386_runs() {
  local dir probe status=0
  dir=$(mktemp -d)
  probe="$dir/i386-probe"
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00%b%b%b%b%b%b' \
    '\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00' \
    '\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
    '\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
    '\xb8\x01\x00\x00\x00' '\xbb\x2a\x00\x00\x00' '\xcd\x80' >"$probe"
  chmod +x "$probe"
  # Started by bash's exec, which reports a program the host refuses as the host does ("Exec
  # format error"); timeout alone would hand the file to sh as a script, which says "not found".
  i386_refusal=$( (timeout 5 bash -c 'exec "$0"' "$probe") 2>&1) || status=$?
  rm -rf "$dir"
  # What the host said: the end of the first line of the report.
  local said=${i386_refusal%%$'\n'*}
  case $status in
    42) i386_refusal=""; return 0 ;;
    124) i386_refusal="a 32-bit test program did not end within 5 s" ;;
    *) i386_refusal="a 32-bit test program failed with exit status $status${said:+: ${said##*: }}" ;;
  esac
  return 1
}
