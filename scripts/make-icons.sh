#!/usr/bin/env bash
# Draws the overlay's icons: a frame over a landscape with the rule of thirds in red, stored
# as 8-bit (256-colour) icons. The .ico files are committed; run this only to change the art.
set -euo pipefail
out=$(cd "$(dirname "$0")/../overlay/resources" && pwd)
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

draw() {  # size file
  local s=$1 a b e w
  a=$(( s / 3 )); b=$(( 2 * s / 3 )); e=$(( s - 2 )); w=$(( s >= 32 ? 2 : 1 ))
  convert -size "${s}x${s}" gradient:'#cfe6fb-#f6fbff' \
    -fill '#5f9b58' -draw "polygon 1,$e 1,$(( s*3/5 )) $(( s/3 )),$(( s/2 )) $(( s*2/3 )),$(( s*5/8 )) $e,$(( s/2 )) $e,$e" \
    -fill '#f2b233' -draw "circle $(( s*2/3 )),$(( s/3 )) $(( s*2/3 + s/10 )),$(( s/3 ))" \
    -fill none -stroke '#24323f' -strokewidth 1 -draw "rectangle 0,0 $(( s-1 )),$(( s-1 ))" \
    -stroke '#e0201c' -strokewidth "$w" \
    -draw "line $a,1 $a,$e" -draw "line $b,1 $b,$e" -draw "line 1,$a $e,$a" -draw "line 1,$b $e,$b" \
    +antialias -depth 8 "rgb:$2"
}
for s in 16 32 48; do draw "$s" "$tmp/f$s.rgb"; done

python3 - "$tmp" "$out" <<'PY'
import struct, sys
tmp, out = sys.argv[1], sys.argv[2]

def entry(size):
    rgb = open(f"{tmp}/f{size}.rgb", "rb").read()
    px = [rgb[i:i + 3] for i in range(0, len(rgb), 3)]
    palette = sorted(set(px))
    if len(palette) > 256:  # quantise to 6x6x6 levels when the art has too many colours
        q = lambda c: bytes(round(v / 51) * 51 for v in c)
        px = [q(c) for c in px]
        palette = sorted(set(px))
    index = {c: i for i, c in enumerate(palette)}
    pal = b"".join(bytes((c[2], c[1], c[0], 0)) for c in palette) + b"\0" * 4 * (256 - len(palette))
    row = (size + 3) & ~3
    xor = b"".join(bytes(index[px[y * size + x]] for x in range(size)) + b"\0" * (row - size)
                   for y in reversed(range(size)))
    and_row = ((size + 31) // 32) * 4
    mask = b"\0" * and_row * size
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    return header + pal + xor + mask

def write(name, sizes):
    images = [entry(s) for s in sizes]
    offset = 6 + 16 * len(images)
    data = struct.pack("<HHH", 0, 1, len(images))
    for s, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 8, len(img), offset)
        offset += len(img)
    open(f"{out}/{name}", "wb").write(data + b"".join(images))

write("frame.ico", [48])
write("app.ico", [16, 32, 48])
PY
