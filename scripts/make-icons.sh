#!/usr/bin/env bash
# Draws the icons. The overlay's: a frame over a landscape with the rule of thirds in red,
# stored as 8-bit (256-colour) icons. The editor's: a settings sheet with two sliders and a red
# line sample, stored with 32 bits and alpha. The .ico files are committed; run this only to
# change the art.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
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
# The editor: a rounded sheet, two slider rails with knobs, and a thick red line sample.
draw_editor() {  # size file
  local s=$1 m r y1 y2 y3 k w
  m=$(( s / 16 )); r=$(( s / 6 )); w=$(( s >= 32 ? 3 : 2 ))
  y1=$(( s * 3 / 10 )); y2=$(( s / 2 )); y3=$(( s * 3 / 4 )); k=$(( s / 10 > 1 ? s / 10 : 1 ))
  convert -size "${s}x${s}" xc:none \
    -fill '#f4f7fb' -stroke '#3a5068' -strokewidth 1 \
    -draw "roundrectangle $m,$m $(( s-1-m )),$(( s-1-m )) $r,$r" \
    -stroke '#8796a8' -draw "line $(( s/5 )),$y1 $(( s*4/5 )),$y1" -draw "line $(( s/5 )),$y2 $(( s*4/5 )),$y2" \
    -fill '#2f6fb3' -stroke '#1f4a78' \
    -draw "circle $(( s*3/5 )),$y1 $(( s*3/5 + k )),$y1" -draw "circle $(( s*2/5 )),$y2 $(( s*2/5 + k )),$y2" \
    -stroke '#e0201c' -strokewidth "$w" -draw "line $(( s/5 )),$y3 $(( s*4/5 )),$y3" \
    -depth 8 "rgba:$2"
}
for s in 16 32 48; do draw "$s" "$tmp/f$s.rgb"; draw_editor "$s" "$tmp/e$s.rgba"; done

python3 - "$tmp" "$root" <<'PY'
import struct, sys
tmp, root = sys.argv[1], sys.argv[2]

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

# 32 bits a pixel, blue-green-red-alpha, bottom-up; the alpha leaves the AND mask all clear.
def entry32(size):
    rgba = open(f"{tmp}/e{size}.rgba", "rb").read()
    xor = b"".join(bytes((rgba[i + 2], rgba[i + 1], rgba[i], rgba[i + 3]))
                   for y in reversed(range(size)) for i in range(y * size * 4, (y + 1) * size * 4, 4))
    mask = b"\0" * ((size + 31) // 32) * 4 * size
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask

def write(path, sizes, make, bits):
    images = [make(s) for s in sizes]
    offset = 6 + 16 * len(images)
    data = struct.pack("<HHH", 0, 1, len(images))
    for s, img in zip(sizes, images):
        data += struct.pack("<BBBBHHII", s, s, 0, 0, 1, bits, len(img), offset)
        offset += len(img)
    open(f"{root}/{path}", "wb").write(data + b"".join(images))

write("overlay/resources/frame.ico", [48], entry, 8)
write("overlay/resources/app.ico", [16, 32, 48], entry, 8)
write("editor/resources/quillet.ico", [48, 32, 16], entry32, 32)
PY
