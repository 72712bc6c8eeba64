#!/usr/bin/env python3
"""Writes the corrupt .ob3 files of tests/models/corpus/ (each must fail to read).

They start from a minimal well-formed version-266 model (one flat triangle,
one textured slot) and break one thing each."""
import os
import struct

SLOTS = 16
MATERIAL = 404 + SLOTS * 48


def model(faces=1, part_points=0, version=266, material=MATERIAL, vertex_count=3,
          slot_size=(2, 2), parts=0, slot_image=True, tex_field=0, tex_size=(0, 0), slot_bytes=None,
          part_records=2, part_keys=False):
    b = struct.pack('<5h', faces, 0, part_points, version, material)
    b += bytes(404)  # Header5, HeaderTableA, Header1, HeaderTableB
    slot = struct.pack('<4hI', 9, 0, slot_size[0], slot_size[1], 1 if slot_image else 0) + bytes(36)
    b += slot + bytes(48) * (SLOTS - 1)
    b += bytes(max(0, min(10 + material, 2000) - len(b)))
    b += bytes(6) * part_points
    for _ in range(max(0, min(faces, 4))):
        verts = [(0, 0, 0), (10, 0, 0), (0, 10, 0)] + [(0, 0, 0)] * 13
        b += struct.pack('<h', 0) + b''.join(struct.pack('<3h', *v) for v in verts)
        b += struct.pack('<BB7hBBhI', vertex_count, 0, 0, 0, 0, 0, 0, 100, 5, 0, 9, 0, tex_field)
        b += bytes(36) + struct.pack('<2hBBI', tex_size[0], tex_size[1], 0, 0, 0)
        b += struct.pack('<2h', 1, 1) + bytes(48)
    if slot_image:
        b += bytes(slot_size[0] * slot_size[1] if slot_bytes is None else slot_bytes)
    b += struct.pack('<h', parts)
    b += b''.join(struct.pack('<i', (k + 1) * part_keys) + bytes(116)
                  for k in range(min(parts, part_records)))
    b += struct.pack('<h', 0) + bytes(48) * SLOTS
    return b


out = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'corpus')
os.makedirs(out, exist_ok=True)
files = {
    'negative_face_count.ob3': model(faces=-5),
    'huge_face_count.ob3': model(faces=30000),
    'vertex_count_17.ob3': model(vertex_count=17),
    'part_points_16.ob3': model(part_points=16),
    'negative_material_size.ob3': model(material=-100),
    'slot_image_past_end.ob3': model(slot_size=(300, 300), slot_bytes=4),
    'own_texture_past_end.ob3': model(tex_field=0x10000, tex_size=(200, 100)),
    'part_transforms_past_end.ob3': model(parts=40),
    'part_points_negative.ob3': model(part_points=-3),
    'material_past_end.ob3': model(material=32000),
    'part_transforms_17.ob3': model(parts=17, part_records=17, part_keys=True),
    'truncated.ob3': model()[:1500],
}
for name, data in files.items():
    with open(os.path.join(out, name), 'wb') as f:
        f.write(data)
if os.environ.get('GOOD'):  # the unbroken model, to check the builder itself
    with open(os.environ['GOOD'], 'wb') as f:
        f.write(model())
