#!/usr/bin/env python3
"""Converts the star, constellation, deep-sky and Milky Way data of the
d3-celestial npm package (version 0.7.35, data/ folder) and Debian's
zone1970.tab into the text sources under data/ that lumo-mkcatalogue turns
into stars.db and lumo-mkdeepsky into deepsky.dat.

Run once by hand when the sources change:
    npm pack d3-celestial@0.7.35 && tar xzf d3-celestial-0.7.35.tgz
    tools/convert_catalogue.py package/data /usr/share/zoneinfo/zone1970.tab data
"""
import json
import math
import os
import sys

MAG_LIMIT = 8.0
MAX_PIECE_DEG = 3.0

# Spectral class estimated from the B-V colour index (upper bounds, exclusive).
COLOUR_BANDS = [(-0.30, "O"), (-0.02, "B"), (0.30, "A"), (0.58, "F"), (0.81, "G"), (1.40, "K")]


def spectral_class(bv):
    for bound, letter in COLOUR_BANDS:
        if bv < bound:
            return letter
    return "M"


def ra360(ra):
    """Right ascension in degrees, from the [-180, 180] form to [0, 360)."""
    return ra % 360.0


def clean(text):
    """Names use plain spaces."""
    return " ".join(text.replace("\u2009", " ").replace("\u2005", " ").split())


def stars(src):
    data = json.load(open(os.path.join(src, "stars.8.json"), encoding="utf-8"))
    names = json.load(open(os.path.join(src, "starnames.json"), encoding="utf-8"))
    rows = []
    for f in data["features"]:
        mag = float(f["properties"]["mag"])
        if mag > MAG_LIMIT:
            continue
        hip = int(f["id"])
        ra, dec = f["geometry"]["coordinates"]
        bv_text = f["properties"].get("bv", "")
        try:
            bv = float(bv_text)
            kind = spectral_class(bv)
        except ValueError:
            bv, kind = None, "?"
        entry = names.get(str(hip), {})
        name = clean(entry.get("name", ""))
        if not name and entry.get("desig") and entry.get("c"):
            name = clean(entry["desig"] + " " + entry["c"])
        if not name:
            name = "HIP %d" % hip
        rows.append((mag, hip, name, ra360(ra), dec, bv, kind))
    rows.sort(key=lambda r: (r[0], r[1]))
    out = ["hip\tname\tra_deg\tdec_deg\tmag\tbv\ttype"]
    for mag, hip, name, ra, dec, bv, kind in rows:
        out.append("%d\t%s\t%.5f\t%.5f\t%.2f\t%s\t%s" % (
            hip, name, ra, dec, mag, "" if bv is None else "%.3f" % bv, kind))
    return out


def figures(src):
    data = json.load(open(os.path.join(src, "constellations.lines.json"), encoding="utf-8"))
    out = ["constellation\tra1_deg\tdec1_deg\tra2_deg\tdec2_deg"]
    for f in data["features"]:
        for line in f["geometry"]["coordinates"]:
            for (ra1, dec1), (ra2, dec2) in zip(line, line[1:]):
                out.append("%s\t%.5f\t%.5f\t%.5f\t%.5f" % (
                    f["id"], ra360(ra1), dec1, ra360(ra2), dec2))
    return out


def split_segment(ra1, dec1, ra2, dec2):
    """Pieces of at most MAX_PIECE_DEG along the path that runs linearly in
    right ascension (the short way round) and declination."""
    dra = (ra2 - ra1 + 180.0) % 360.0 - 180.0
    ddec = dec2 - dec1
    # The widest parallel the piece touches bounds its east-west extent.
    widest = 0.0 if dec1 * dec2 <= 0 else min(abs(dec1), abs(dec2))
    length = math.hypot(dra * math.cos(math.radians(widest)), ddec)
    n = max(1, math.ceil(length / MAX_PIECE_DEG - 1e-9))
    pts = [(ra360(ra1 + dra * i / n), dec1 + ddec * i / n) for i in range(n + 1)]
    return list(zip(pts, pts[1:]))


def bounds(src):
    data = json.load(open(os.path.join(src, "constellations.borders.json"), encoding="utf-8"))
    out = ["ra1_deg\tdec1_deg\tra2_deg\tdec2_deg"]
    for f in data["features"]:
        for line in f["geometry"]["coordinates"]:
            for (ra1, dec1), (ra2, dec2) in zip(line, line[1:]):
                for (a1, d1), (a2, d2) in split_segment(ra1, dec1, ra2, dec2):
                    out.append("%.5f\t%.5f\t%.5f\t%.5f" % (a1, d1, a2, d2))
    return out


def labels(src):
    data = json.load(open(os.path.join(src, "constellations.json"), encoding="utf-8"))
    out = ["name\tra_deg\tdec_deg"]
    for f in data["features"]:
        ra, dec = f["geometry"]["coordinates"]
        out.append("%s\t%.4f\t%.4f" % (clean(f["properties"]["name"]), ra360(ra), dec))
    return out


def iso6709(text):
    """'+4024-00341' or '+402400-0034100' to (latitude, longitude) in degrees."""
    split = max(text.rfind("+"), text.rfind("-"))
    def part(s, deg_digits):
        sign = -1.0 if s[0] == "-" else 1.0
        d = s[1:]
        deg = int(d[:deg_digits]); mins = int(d[deg_digits:deg_digits + 2])
        secs = int(d[deg_digits + 2:]) if len(d) > deg_digits + 2 else 0
        return sign * (deg + mins / 60.0 + secs / 3600.0)
    return part(text[:split], 2), part(text[split:], 3)


# Further major cities (name, latitude, longitude in degrees, east positive).
EXTRA_CITIES = [
    ("Barcelona", 41.3874, 2.1686), ("Valencia", 39.4699, -0.3763), ("Sevilla", 37.3891, -5.9845),
    ("Bilbao", 43.2630, -2.9350), ("Zaragoza", 41.6488, -0.8891), ("Malaga", 36.7213, -4.4214),
    ("Santiago de Compostela", 42.8782, -8.5448), ("Porto", 41.1579, -8.6291),
    ("Marseille", 43.2965, 5.3698), ("Lyon", 45.7640, 4.8357), ("Munich", 48.1351, 11.5820),
    ("Hamburg", 53.5511, 9.9937), ("Frankfurt", 50.1109, 8.6821), ("Milan", 45.4642, 9.1900),
    ("Naples", 40.8518, 14.2681), ("Florence", 43.7696, 11.2558), ("Manchester", 53.4808, -2.2426),
    ("Edinburgh", 55.9533, -3.1883), ("Geneva", 46.2044, 6.1432), ("Krakow", 50.0647, 19.9450),
    ("St Petersburg", 59.9311, 30.3609), ("Washington", 38.9072, -77.0369),
    ("Boston", 42.3601, -71.0589), ("San Francisco", 37.7749, -122.4194),
    ("Seattle", 47.6062, -122.3321), ("Houston", 29.7604, -95.3698), ("Dallas", 32.7767, -96.7970),
    ("Miami", 25.7617, -80.1918), ("Atlanta", 33.7490, -84.3880), ("San Diego", 32.7157, -117.1611),
    ("Montreal", 45.5019, -73.5674), ("Rio de Janeiro", -22.9068, -43.1729),
    ("Brasilia", -15.7975, -47.8919), ("Beijing", 39.9042, 116.4074), ("Delhi", 28.6139, 77.2090),
    ("Mumbai", 19.0760, 72.8777), ("Bangalore", 12.9716, 77.5946), ("Osaka", 34.6937, 135.5023),
    ("Kyoto", 35.0116, 135.7681), ("Canberra", -35.2809, 149.1300), ("Cape Town", -33.9249, 18.4241),
    ("Alexandria", 31.2001, 29.9187), ("Mecca", 21.3891, 39.8579),
    ("La Palma Observatory", 28.7606, -17.8816), ("Mauna Kea", 19.8207, -155.4681),
    ("Cerro Paranal", -24.6275, -70.4044),
]


def cities(zone_tab):
    seen = set()
    out = ["name\tlat_deg\tlon_deg\tsource"]
    for line in open(zone_tab, encoding="utf-8"):
        if line.startswith("#") or not line.strip():
            continue
        cols = line.rstrip("\n").split("\t")
        lat, lon = iso6709(cols[1])
        name = cols[2].split("/")[-1].replace("_", " ")
        if name in seen:
            continue
        seen.add(name)
        out.append("%s\t%.4f\t%.4f\t%s" % (name, lat, lon, cols[2]))
    for name, lat, lon in EXTRA_CITIES:
        if name not in seen:
            seen.add(name)
            out.append("%s\t%.4f\t%.4f\tcurated" % (name, lat, lon))
    return out


# Deep-sky objects: Messier's list, every object of dsos.14.json that is not a
# dark nebula down to magnitude 10, and the large nebulae that have no
# magnitude (999 in the source).
DSO_MAG_LIMIT = 10.0
NEBULA_MIN_ARCMIN = 30.0
NEBULA_TYPES = ("bn", "en", "rn", "sfr", "snr")
NO_MAGNITUDE = 999.0


def dso_magnitude(text):
    try:
        mag = float(text)
    except (TypeError, ValueError):
        return None
    # 999 stands for no magnitude; so does a bare 0 (two objects without a
    # size either: VdB 84 and Cr 240).
    return None if mag >= NO_MAGNITUDE or mag == 0 else mag


def dso_size(text):
    """'189.1x61.7' or '13' (a round object) to (major, minor) arcminutes."""
    parts = []
    for piece in str(text).split("x"):
        try:
            parts.append(float(piece))
        except ValueError:
            return 0.0, 0.0
    if not parts:
        return 0.0, 0.0
    major = max(parts)
    minor = min(parts) if len(parts) > 1 else major
    return major, minor


def messier_designation(mid):
    """'M31' to 'M 31'."""
    return "M " + mid[1:].strip()


def deepsky(src):
    messier = json.load(open(os.path.join(src, "messier.json"), encoding="utf-8"))["features"]
    dsos = json.load(open(os.path.join(src, "dsos.14.json"), encoding="utf-8"))["features"]
    names = json.load(open(os.path.join(src, "dsonames.json"), encoding="utf-8"))
    by_id = {f["id"]: f for f in dsos}

    def common(desig):
        entry = names.get(desig)
        return clean(entry.get("name", "")) if entry else ""

    rows, used = [], set()
    for f in messier:
        p = f["properties"]
        desig = messier_designation(f["id"])
        other = clean(p.get("desig", ""))
        # The same object in dsos.14.json, under its NGC/IC designation (the
        # first of a pair such as 'NGC 5194/5') or its Messier one.
        twin = None
        for key in (other, other.split("/")[0], desig):
            if key and key in by_id:
                twin = by_id[key]
                break
        mag = dso_magnitude(p.get("mag"))
        major, minor = dso_size(p.get("dim", ""))
        ra, dec = f["geometry"]["coordinates"]
        kind = p.get("type", "")
        used.add(desig)  # a Messier entry of its own in dsos.14.json
        if twin is not None:
            used.add(twin["id"])
            tp = twin["properties"]
            mag = dso_magnitude(tp.get("mag")) if dso_magnitude(tp.get("mag")) is not None else mag
            tmajor, tminor = dso_size(tp.get("dim", ""))
            if tmajor > 0:
                major, minor = tmajor, tminor
            ra, dec = twin["geometry"]["coordinates"]
        name = clean(p.get("alt", "").replace("\u00b4", "'").replace("\u2019", "'"))
        if not name:
            name = common(other) or common(other.split("/")[0])
        rows.append((desig, other, name, kind, mag, major, minor, ra360(ra), dec))
    for f in dsos:
        if f["id"] in used:
            continue
        p = f["properties"]
        kind = p.get("type", "")
        mag = dso_magnitude(p.get("mag"))
        major, minor = dso_size(p.get("dim", ""))
        if kind == "dn":
            continue
        if mag is None:
            if kind not in NEBULA_TYPES or major < NEBULA_MIN_ARCMIN:
                continue
        elif mag > DSO_MAG_LIMIT:
            continue
        ra, dec = f["geometry"]["coordinates"]
        desig = clean(f["id"])
        rows.append((desig, "", common(desig), kind, mag, major, minor, ra360(ra), dec))
    out = ["designation\tother\tname\ttype\tmag\tmajor_arcmin\tminor_arcmin\tra_deg\tdec_deg"]
    for desig, other, name, kind, mag, major, minor, ra, dec in rows:
        out.append("%s\t%s\t%s\t%s\t%s\t%.1f\t%.1f\t%.4f\t%.4f" % (
            desig, other, name, kind, "" if mag is None else "%.2f" % mag, major, minor, ra, dec))
    return out


def milkyway(src):
    data = json.load(open(os.path.join(src, "mw.json"), encoding="utf-8"))
    out = ["level\tring\tra_deg\tdec_deg"]
    ring_no = 0
    for f in data["features"]:
        level = int(f["id"][2:])  # ol1 (faintest) .. ol5 (brightest)
        for polygon in f["geometry"]["coordinates"]:
            for ring in polygon:
                pts = [(ra360(ra), dec) for ra, dec in ring]
                if len(pts) > 1 and pts[0] == pts[-1]:
                    pts.pop()  # the closing point repeats the first
                if len(pts) < 3:
                    continue
                ring_no += 1
                for ra, dec in pts:
                    out.append("%d\t%d\t%.3f\t%.3f" % (level, ring_no, ra, dec))
    return out


def write(path, lines):
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    print("%s: %d rows" % (path, len(lines) - 1))


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    src, zone_tab, dest = sys.argv[1:]
    write(os.path.join(dest, "stars.tsv"), stars(src))
    write(os.path.join(dest, "figures.tsv"), figures(src))
    write(os.path.join(dest, "bounds.tsv"), bounds(src))
    write(os.path.join(dest, "labels.tsv"), labels(src))
    write(os.path.join(dest, "cities.tsv"), cities(zone_tab))
    write(os.path.join(dest, "deepsky.tsv"), deepsky(src))
    write(os.path.join(dest, "milkyway.tsv"), milkyway(src))


if __name__ == "__main__":
    main()
