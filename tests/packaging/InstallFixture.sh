#!/bin/sh
# Installs the build into a scratch prefix the way a distribution would leave it:
# data read-only, and the game replaced by a stand-in that records how it was started.
#   InstallFixture.sh setup <cmake> <build dir> <prefix>
#   InstallFixture.sh cleanup <prefix>
set -eu

fail() {
    printf 'FAIL: %s\n' "$*" >&2
    exit 1
}

case "$1" in
    setup)
        cmake=$2
        build=$3
        prefix=$4
        if [ -d "$prefix" ]; then
            chmod -R u+w "$prefix"
            rm -rf "$prefix"
        fi
        "$cmake" --install "$build" --prefix "$prefix" >/dev/null

        game="$prefix/lib/zelto2000/zelto2000"
        [ -x "$game" ] || fail "the game was not installed to lib/zelto2000"
        magic=$(head -c 4 "$game" | od -An -c | tr -d ' ')
        [ "$magic" = '177ELF' ] || fail "lib/zelto2000/zelto2000 is not the compiled game"

        # The stand-in writes its folder, then one argument per line, to ZELTO_FAKE_LOG.
        cat >"$game" <<'FAKE'
#!/bin/sh
{ pwd; printf '%s\n' "$@"; } >"$ZELTO_FAKE_LOG"
FAKE
        chmod 755 "$game"
        chmod -R a-w "$prefix/share/zelto2000"
        ;;
    cleanup)
        prefix=$2
        if [ -d "$prefix" ]; then
            chmod -R u+w "$prefix"
            rm -rf "$prefix"
        fi
        ;;
    *)
        fail "unknown step $1"
        ;;
esac
