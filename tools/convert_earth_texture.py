#!/usr/bin/python3
"""Converts NASA's Blue Marble picture of the Earth, as Debian's package
xplanet-images ships it (/usr/share/xplanet/images/earth.jpg, 2048 x 1024,
equirectangular, north up, longitude -180 at the left edge), into the Earth
model's texture: data/earth_texture.pgm, 256 x 128 texels of model colours
(19 * level + hue), north in row 0, the prime meridian in column 0 and
longitude growing eastward along the rows.

Each texel is the mean colour of its 8 x 8 block of the picture, matched to
the nearest colour of a few hues at the brighter levels (0..3, so that the
model's lighting and depth cue have levels left to add): the colour's proportions choose
the hue, its luminance, brightened, the level.

Run once by hand (needs python3-pil; the build does not):
    apt-get install xplanet-images python3-pil
    tools/convert_earth_texture.py /usr/share/xplanet/images/earth.jpg data/earth_texture.pgm
    tools/convert_earth_texture.py SOURCE OUT.pgm --preview PREVIEW.png   # to look at it
"""
import sys

from PIL import Image

WIDTH, HEIGHT = 256, 128

# The engine's base hues (red, green, blue) by hue number, and a level's
# brightness: level L scales every channel by (44 - 3 L) / 44.
HUES = {
    1: (255, 255, 255), 3: (125, 173, 95), 4: (60, 74, 239), 5: (223, 220, 98),
    9: (128, 128, 128), 11: (156, 207, 143), 12: (56, 96, 127), 13: (110, 160, 150),
    14: (207, 128, 80), 16: (80, 100, 75), 17: (224, 159, 112),
}
LEVELS = range(0, 4)
# The picture's luminance is brightened by this power before matching, and
# weighs this much against the proportions of the colour.
GAMMA = 0.55
LUMINANCE_WEIGHT = 0.3


def level_colour(rgb, level):
    return tuple(c * (44 - 3 * level) // 44 for c in rgb)


CHOICES = [(19 * level + hue, level_colour(rgb, level)) for hue, rgb in HUES.items() for level in LEVELS]


def split(rgb):
    """Luminance (0..1) and the colour's proportions to it."""
    luminance = max(0.3 * rgb[0] + 0.55 * rgb[1] + 0.15 * rgb[2], 8.0)
    return luminance / 255, tuple(c / luminance for c in rgb)


def nearest(rgb):
    # The proportions decide the hue and the luminance the level, so that a
    # pale desert stays sandy instead of turning as white as the ice.
    luminance, proportions = split(rgb)
    luminance = luminance ** GAMMA

    def distance(choice):
        l, p = split(choice[1])
        return LUMINANCE_WEIGHT * (l - luminance) ** 2 + sum(
            (a - b) ** 2 for a, b in zip(p, proportions))
    return min(CHOICES, key=distance)[0]


def convert(source_path):
    picture = Image.open(source_path).convert("RGB")
    small = picture.resize((WIDTH, HEIGHT), Image.BOX)
    texels = bytearray()
    for row in range(HEIGHT):
        for column in range(WIDTH):
            # Column 0 is the prime meridian, the middle of the picture.
            rgb = small.getpixel(((column + WIDTH // 2) % WIDTH, row))
            texels.append(nearest(rgb))
    return texels


def write_preview(texels, path):
    preview = Image.new("RGB", (WIDTH, HEIGHT))
    colours = dict(CHOICES)
    for i, texel in enumerate(texels):
        preview.putpixel((i % WIDTH, i // WIDTH), colours[texel])
    preview.save(path)


def main(argv):
    if len(argv) not in (3, 5) or (len(argv) == 5 and argv[3] != "--preview"):
        sys.exit(__doc__)
    texels = convert(argv[1])
    with open(argv[2], "wb") as out:
        out.write(b"P5\n%d %d\n255\n" % (WIDTH, HEIGHT))
        out.write(texels)
    if len(argv) == 5:
        write_preview(texels, argv[4])


if __name__ == "__main__":
    main(sys.argv)
