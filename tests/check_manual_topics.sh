#!/usr/bin/env bash
# The manual's build refuses a help topic number of the program that has no
# anchor in the manual: the topic list of dorvel-manual-data with one place
# changed must fail the build and name the topic; the list as it is must pass.
#   check_manual_topics.sh PYTHON SOURCE_DIR DORVEL_CLI DORVEL_MANUAL_DATA QHELPGENERATOR
set -u
python=$1; src=$2; cli=$3; data=$4; qhg=$5
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# A stand-in for dorvel-manual-data whose topic 80 points at a missing anchor.
cat > "$tmp/data" <<EOS
#!/usr/bin/env bash
if [ "\$1" = topics ]; then "$data" topics | sed 's/^80\t\([^\t]*\)\t.*/80\t\1\tno-such-anchor/'
else exec "$data" "\$@"; fi
EOS
chmod +x "$tmp/data"
build() {
  "$python" "$src/docs/manual/build_manual.py" --src "$src/docs/manual" --out "$tmp/help" \
    --html "$tmp/html" --cli "$cli" --examples "$src/examples" --data-tool "$1" \
    --qhelpgenerator "$qhg" 2> "$tmp/err"
}
build "$tmp/data" && fail "the build passes with topic 80 at a missing anchor"
grep -q "help topic 80: no anchor no-such-anchor" "$tmp/err" || fail "no reason given: $(cat "$tmp/err")"
build "$data" || fail "the build fails with the program's topics: $(cat "$tmp/err")"
[ -s "$tmp/help/dorvel-en.qhc" ] && [ -s "$tmp/help/dorvel-pl.qch" ] || fail "no collections"
echo "ok"
