#!/usr/bin/env bash
# Interoperability of ziptool.exe (under Wine) with Debian's zip tools, plus a crash in the middle
# of an update. Usage: interop.sh SOURCE_DIR BINARY_DIR
set -uo pipefail
src_dir=$1 bin_dir=$2
run="$src_dir/scripts/wine-run.sh $bin_dir/wineprefix $bin_dir/bin/ziptool.exe"
work=$(mktemp -d "$bin_dir/interop.XXXXXX")
trap 'rm -rf "$work"' EXIT
export LANG=C.UTF-8 LC_ALL=C.UTF-8
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
win() { echo "Z:$(realpath -m "$1" | sed 's|/|\\|g')"; }
# ziptool always says why it fails; a silent failure is Wine failing to start it now and then, so
# that one is tried again once.
zt() {
  $run "$@" 2>"$work/stderr" && return 0
  local status=$?
  [ -s "$work/stderr" ] && return $status
  sleep 1
  $run "$@" 2>"$work/stderr"
}

# Source tree: text, noise, an empty file, nested folders, a BMP-like file.
tree=$work/tree
mkdir -p "$tree/sub/deeper" "$tree/empty dir"
python3 - "$tree" <<'PY'
import os, random, sys, struct
root = sys.argv[1]
random.seed(42)
words = [b"herbe ", b"texture ", b"piste ", b"FS9 ", b"\r\n"]
open(os.path.join(root, "readme.txt"), "wb").write(b"".join(random.choice(words) for _ in range(40000)))
open(os.path.join(root, "noise.bin"), "wb").write(random.randbytes(300000))
open(os.path.join(root, "empty.txt"), "wb").close()
open(os.path.join(root, "sub", "small.txt"), "wb").write(b"x")
w, h = 512, 512
pixels = bytearray()
for y in range(h):
    for x in range(w):
        pixels += bytes(((x * 7 + y) & 0xFF, (y * 3) & 0xFF, random.randrange(64)))
header = b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54) + struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
open(os.path.join(root, "sub", "deeper", "detail1.bmp"), "wb").write(header + pixels)
PY

# 1. Archives we write are accepted by every tool and extract to identical bytes.
zt add "$(win "$work/ours.zip")" "$(win "$tree")" '*' || fail "ziptool add: $(cat "$work/stderr")"
unzip -tq "$work/ours.zip" >/dev/null || fail "unzip -t rejects our archive"
7z t "$work/ours.zip" >/dev/null || fail "7z t rejects our archive"
python3 -c "import zipfile,sys; z=zipfile.ZipFile(sys.argv[1]); sys.exit(z.testzip() is not None)" "$work/ours.zip" \
  || fail "python testzip rejects our archive"
bsdtar -tf "$work/ours.zip" >/dev/null || fail "bsdtar -tf rejects our archive"
mkdir -p "$work/x-unzip" "$work/x-7z" "$work/x-bsdtar" "$work/x-python"
unzip -q "$work/ours.zip" -d "$work/x-unzip" && diff -r "$tree" "$work/x-unzip" || fail "unzip output differs"
7z x -o"$work/x-7z" "$work/ours.zip" >/dev/null && diff -r "$tree" "$work/x-7z" || fail "7z output differs"
bsdtar -xf "$work/ours.zip" -C "$work/x-bsdtar" && diff -r "$tree" "$work/x-bsdtar" || fail "bsdtar output differs"
python3 -c "import zipfile,sys; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])" "$work/ours.zip" "$work/x-python" \
  && diff -r "$tree" "$work/x-python" || fail "python output differs"

# Accented names: stored in the OEM code page (437 here), which is what readers assume without flag bit 11.
mkdir -p "$work/accents"
printf 'e' > "$work/accents/été.txt"
printf 'euro' > "$work/accents/prix €.txt"
zt add "$(win "$work/accents.zip")" "$(win "$work/accents")" '*' || fail "ziptool add accents"
python3 - "$work/accents.zip" <<'PY' || fail "python reads our accented names wrongly"
import sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
names = sorted(i.filename for i in z.infolist())
assert names == ["prix €.txt", "été.txt"], names
flags = {i.filename: i.flag_bits & 0x800 for i in z.infolist()}
assert flags == {"été.txt": 0, "prix €.txt": 0x800}, flags
assert z.read("été.txt") == b"e" and z.read("prix €.txt") == b"euro"
PY

# 2. Archives written by other tools are listed, tested and extracted to identical bytes by us.
make_archives() {
  (cd "$tree/.." && zip -qr -0 "$work/in-zip0.zip" tree && zip -qr -1 "$work/in-zip1.zip" tree && zip -qr -9 "$work/in-zip9.zip" tree)
  (cd "$tree/.." && zip -qr - tree | cat > "$work/in-streamed.zip")  # data descriptors (flag bit 3)
  (cd "$tree/.." && 7z a -tzip "$work/in-7z.zip" tree >/dev/null)
  (cd "$tree/.." && bsdtar -cf "$work/in-bsdtar.zip" --format zip tree)
  mkdir -p "$work/dot" && (cd "$work/dot" && ln -s "$tree" tree && bsdtar -chf "$work/in-bsdtar-dot.zip" --format zip ./tree)
  cp "$work/in-zip9.zip" "$work/in-comment.zip" && echo "archive comment PK" | zip -qz "$work/in-comment.zip"
  python3 - "$tree" "$work" <<'PY'
import os, sys, zipfile
tree, work = sys.argv[1], sys.argv[2]
def fill(z):
    for base, dirs, files in os.walk(tree):
        rel = os.path.relpath(base, os.path.dirname(tree))
        z.write(base, rel + "/")
        for f in files:
            z.write(os.path.join(base, f), os.path.join(rel, f))
for name, method in (("in-py-stored.zip", zipfile.ZIP_STORED), ("in-py-deflated.zip", zipfile.ZIP_DEFLATED)):
    with zipfile.ZipFile(os.path.join(work, name), "w", method) as z:
        fill(z)
class Pipe:  # not seekable: zipfile writes data descriptors
    def __init__(self, f): self.f = f
    def write(self, b): return self.f.write(b)
    def flush(self): self.f.flush()
with open(os.path.join(work, "in-py-streamed.zip"), "wb") as raw:
    with zipfile.ZipFile(Pipe(raw), "w", zipfile.ZIP_DEFLATED) as z:
        fill(z)
with zipfile.ZipFile(os.path.join(work, "in-py-utf8.zip"), "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("dossier/été €.txt", b"utf-8 name")
PY
}
make_archives
python3 -c "import zipfile,sys; sys.exit(not all(i.flag_bits & 8 for i in zipfile.ZipFile(sys.argv[1]).infolist() if not i.is_dir()))" \
  "$work/in-py-streamed.zip" || fail "python did not write data descriptors"
checked=0
for archive in "$work"/in-*.zip; do
  name=$(basename "$archive")
  checked=$((checked + 1))
  out=$work/out-$name
  zt list "$(win "$archive")" >"$work/list" || { fail "$name: list: $(cat "$work/stderr")"; continue; }
  zt test "$(win "$archive")" || fail "$name: test: $(cat "$work/stderr")"
  zt extract "$(win "$archive")" "$(win "$out")" '*' || { fail "$name: extract: $(cat "$work/stderr")"; continue; }
  if [ "$name" = in-py-utf8.zip ]; then
    [ "$(cat "$out/dossier/été €.txt")" = "utf-8 name" ] || fail "$name: UTF-8 name not extracted"
    grep -q "dossier/été €.txt" "$work/list" || fail "$name: UTF-8 name not listed"
  else
    diff -r "$tree" "$out/tree" || fail "$name: extracted tree differs"
    [ "$(($(wc -l <"$work/list") - 1))" -eq "$(unzip -Z1 "$archive" | wc -l)" ] || fail "$name: list misses entries"
  fi
done

[ $checked -eq 12 ] || fail "expected 12 archives from other tools, checked $checked"

# 3. Exit codes: usage 2; a failure of the component 1 with its message; a failure on one file 1.
zt frobnicate; [ $? -eq 2 ] || fail "usage error should exit 2"
zt list "$(win "$work/missing.zip")"; [ $? -eq 1 ] || fail "missing archive should exit 1"
grep -q 'Native error: 00011' "$work/stderr" || fail "missing archive message: $(cat "$work/stderr")"
python3 - "$work/crc.zip" <<'PY'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_STORED) as z:
    z.writestr("a.txt", b"hello world")
data = bytearray(open(sys.argv[1], "rb").read())
data[data.index(b"hello")] ^= 1
open(sys.argv[1], "wb").write(data)
PY
zt test "$(win "$work/crc.zip")"; [ $? -eq 1 ] || fail "CRC mismatch should exit 1"
grep -q 'a.txt: Invalid size or check sum.* - Native error: 00008' "$work/stderr" || fail "CRC message: $(cat "$work/stderr")"

# 4. A crash in the middle of an update leaves the old archive or the complete new one.
head -c 60000000 /dev/urandom > "$work/tree/big.bin"
interrupted=0
for delay in 0.4 0.8 1.2 1.6 8; do
  rm -f "$work/crash.zip"* && cp "$work/ours.zip" "$work/crash.zip"
  $run add "$(win "$work/crash.zip")" "$(win "$work/tree")" big.bin 2>/dev/null &
  pid=$!
  sleep $delay
  kill -9 $pid 2>/dev/null
  wait $pid 2>/dev/null
  if cmp -s "$work/crash.zip" "$work/ours.zip"; then
    ls "$work"/crash.zip.~* >/dev/null 2>&1 && interrupted=$((interrupted + 1))
    echo "crash after ${delay}s: old archive intact"
  elif unzip -tq "$work/crash.zip" >/dev/null && unzip -Z1 "$work/crash.zip" | grep -qx big.bin; then
    echo "crash after ${delay}s: new archive complete"
  else
    fail "crash after ${delay}s left a damaged archive"
  fi
done
[ $interrupted -ge 1 ] || fail "no run was interrupted while writing; the crash check proved nothing"
unzip -tq "$work/crash.zip" >/dev/null && unzip -Z1 "$work/crash.zip" | grep -qx big.bin || fail "the uninterrupted update is incomplete"
WINEPREFIX=$(realpath "$bin_dir/wineprefix") wineserver -w 2>/dev/null || true

[ $failures -eq 0 ] && echo "all interoperability checks passed"
exit $((failures > 0))
