#!/usr/bin/env python3
"""Computes the antenna pattern table (antennas.csv) from pattern models.

Every pattern value comes from one of the models below, fed with the
parameters in ANTENNAS; data/README.md states the models and where each
published gain and beamwidth comes from.  The build only reads the committed
antennas.csv, so rerun this after changing a parameter:

    python3 data/make_antennas.py            # rewrites data/antennas.csv
    python3 data/make_antennas.py -          # writes the table to stdout

Standard library only.
"""

import math
import sys
from pathlib import Path

ANGLES = range(0, 91, 10)          # degrees off the direction of maximum radiation
OMNI_ANGLE = 360.0                 # half-power angle of a plane with no half-power points
DEFAULT_FLOOR_DB = 20.0            # deep nulls are floored this far below the maximum

COLUMNS = (["Numéro", "TYPE", "RMK"]
           + ["V%02d" % a for a in ANGLES] + ["VBACK", "V ANGLE"]
           + ["H%02d" % a for a in ANGLES] + ["HBACK", "H ANGLE"]
           + ["DIR", "POL", "FREQ"])


def db(power_ratio):
    return 10.0 * math.log10(power_ratio)


# ---------------------------------------------------------------------------
# Linear wire antennas: sinusoidal current on a straight wire.
# psi is the angle from the wire axis; the patterns are power patterns with
# maximum 1 (normalised by the caller).

def wire_field(psi, half_length):
    """Far field of a centre-fed wire of the given half-length (wavelengths)."""
    kh = 2.0 * math.pi * half_length
    s = math.sin(psi)
    if abs(s) < 1e-12:
        return 0.0
    return (math.cos(kh * math.cos(psi)) - math.cos(kh)) / s


def collinear_factor(psi, count, spacing):
    """Array factor of `count` in-phase sources `spacing` wavelengths apart on the axis."""
    if count == 1:
        return 1.0
    half = math.pi * spacing * math.cos(psi)
    den = count * math.sin(half)
    if abs(den) < 1e-12:
        return 1.0
    return math.sin(count * half) / den


def wire_power(half_length, count=1, spacing=0.0):
    raw = lambda psi: (wire_field(psi, half_length) * collinear_factor(psi, count, spacing)) ** 2
    peak = max(raw(math.radians(a / 10.0)) for a in range(1, 1800))
    return lambda psi: raw(psi) / peak


def axial_directivity(power, steps=20000):
    """Directivity of a pattern symmetric about the wire axis (Simpson's rule)."""
    h = math.pi / steps
    total = 0.0
    for i in range(steps + 1):
        psi = i * h
        weight = 1 if i in (0, steps) else (4 if i % 2 else 2)
        total += weight * power(psi) * math.sin(psi)
    return 2.0 / (total * h / 3.0)


def half_power_width(power_at, limit=90.0):
    """Full width (degrees) between the -3 dB points of a lobe centred on 0 degrees."""
    lo, hi = 0.0, limit
    if power_at(hi) >= 0.5:
        return None
    for _ in range(60):
        mid = (lo + hi) / 2.0
        if power_at(mid) >= 0.5:
            lo = mid
        else:
            hi = mid
    return 2.0 * lo


class WirePattern:
    """A straight wire (or collinear array of them): omni around the wire,
    the element pattern in any plane containing the wire.  The gain is the
    computed directivity of the model, radiation efficiency taken as 1."""

    def __init__(self, half_length, count=1, spacing=0.0):
        self.power = wire_power(half_length, count, spacing)
        self.gain = db(axial_directivity(self.power))
        # Elevation e above the plane normal to the wire: psi = 90 - e.
        self.along = lambda e: self.power(math.radians(90.0 - e))
        self.width = half_power_width(self.along)

    def wire_plane(self, floor_db):
        values = [max(self.gain + db_or_floor(self.along(a)), self.gain - floor_db) for a in ANGLES]
        # Straight back (180 degrees) the pattern repeats its front: full gain.
        return values, self.gain, round(self.width, 1)

    def round_plane(self):
        return [self.gain] * len(ANGLES), self.gain, OMNI_ANGLE


def db_or_floor(p):
    return db(p) if p > 1e-30 else -300.0


# ---------------------------------------------------------------------------
# Beam antennas: a cos^n main lobe in each principal plane.

def cos_lobe(gain, beamwidth, front_to_back, floor_db):
    """Power pattern cos^n(theta/2) with n set by the half-power beamwidth.

    theta/2 rather than theta keeps the lobe finite at 90 degrees, as the
    broad H-plane lobe of a short Yagi is; for narrow beams the two forms
    agree.  Side lobes are represented by a floor `floor_db` below the
    maximum; straight back the gain is the maximum less the front-to-back
    ratio."""
    n = math.log(0.5) / math.log(math.cos(math.radians(beamwidth / 4.0)))
    values = []
    for a in ANGLES:
        c = math.cos(math.radians(a / 2.0))
        values.append(max(gain + 10.0 * n * math.log10(c), gain - floor_db))
    return values, gain - front_to_back, beamwidth


def kraus_beamwidths(gain, ratio):
    """E- and H-plane half-power beamwidths (degrees) from the gain by
    Kraus's approximation D = 41253 / (thetaE * thetaH), with thetaH = ratio * thetaE."""
    product = 41253.0 / (10.0 ** (gain / 10.0))
    e = math.sqrt(product / ratio)
    return e, ratio * e


def long_yagi_gain(boom_wavelengths):
    """Gain (dBi) of an optimised long-boom Yagi: G[dBd] = 10 log10(5.4075 B + 4.25), B >= 1."""
    assert boom_wavelengths >= 1.0
    return 10.0 * math.log10(5.4075 * boom_wavelengths + 4.25) + 2.15


# ---------------------------------------------------------------------------
# Parabolic dishes: the ITU-R F.699 reference pattern.

def dish_gain(diameter_m, freq_mhz, efficiency=0.55):
    wavelength = 299.792458 / freq_mhz
    return db(efficiency * (math.pi * diameter_m / wavelength) ** 2)


def f699(phi, gmax, d_over_lambda):
    g1 = 2.0 + 15.0 * math.log10(d_over_lambda)
    phi_m = 20.0 / d_over_lambda * math.sqrt(max(gmax - g1, 0.0))
    phi_r = 100.0 / d_over_lambda
    if phi < phi_m:
        return gmax - 2.5e-3 * (d_over_lambda * phi) ** 2
    if phi < phi_r:
        return g1
    if phi < 48.0:
        return 52.0 - 10.0 * math.log10(d_over_lambda) - 25.0 * math.log10(phi)
    return 10.0 - 10.0 * math.log10(d_over_lambda)


def dish_plane(diameter_m, freq_mhz):
    wavelength = 299.792458 / freq_mhz
    dl = diameter_m / wavelength
    assert dl <= 100.0, "the F.699 branch used here is the one for D/lambda <= 100"
    gmax = dish_gain(diameter_m, freq_mhz)
    values = [min(gmax, f699(a, gmax, dl)) for a in ANGLES]
    # Main lobe gmax - 2.5e-3 (D phi / lambda)^2 is 3 dB down at phi = 34.64 lambda / D.
    width = 2.0 * math.sqrt(3.0 / 2.5e-3) / dl
    return values, f699(180.0, gmax, dl), round(width, 1)


# ---------------------------------------------------------------------------
# The antennas.  Each entry gives the texts and a function returning the
# (values, back, half-power angle) of the vertical and of the horizontal plane.

def horizontal_wire(half_length=0.25, floor_db=DEFAULT_FLOOR_DB):
    # A horizontal wire seen broadside: the vertical plane is normal to the
    # wire (uniform), the horizontal plane contains it.
    w = WirePattern(half_length)
    return w.round_plane(), w.wire_plane(floor_db)


def vertical_wire(half_length=0.25, count=1, spacing=0.0, floor_db=DEFAULT_FLOOR_DB):
    w = WirePattern(half_length, count, spacing)
    return w.wire_plane(floor_db), w.round_plane()


def five_eighths_collinear(sections):
    # A vertical fed against radials is modelled, like the ground planes, as
    # itself plus its mirror image: N 5/8-wave sections and their images form
    # N in-phase 1.25-wavelength dipoles stacked 1.25 wavelengths apart.
    return vertical_wire(half_length=0.625, count=sections, spacing=1.25)


def small_horizontal_loop():
    # Small loop in the horizontal plane: power ~ cos^2(elevation), 1.76 dBi.
    gain = db(1.5)
    vertical = [max(gain + 20.0 * math.log10(max(math.cos(math.radians(a)), 1e-15)),
                    gain - DEFAULT_FLOOR_DB) for a in ANGLES]
    return (vertical, gain, 90.0), ([gain] * len(ANGLES), gain, OMNI_ANGLE)


def beam(gain, e_width, h_width, front_to_back, pol, floor_db=DEFAULT_FLOOR_DB):
    e_plane = cos_lobe(gain, e_width, front_to_back, floor_db)
    h_plane = cos_lobe(gain, h_width, front_to_back, floor_db)
    # Horizontal elements: the vertical plane is the H plane.
    return (h_plane, e_plane) if pol == "H" else (e_plane, h_plane)


def kraus_beam(gain, ratio, front_to_back, pol, floor_db=DEFAULT_FLOOR_DB):
    e, h = kraus_beamwidths(gain, ratio)
    return beam(gain, round(e, 1), round(h, 1), front_to_back, pol, floor_db)


def long_yagi(boom_wavelengths, pol, ratio=1.1, front_to_back=20.0):
    return kraus_beam(long_yagi_gain(boom_wavelengths), ratio, front_to_back, pol)


def horn(a_m, b_m, freq_mhz):
    """Pyramidal horn of aperture a (H plane) by b (E plane): gain 10 log10(0.51 4 pi a b / lambda^2),
    beamwidths 56 lambda / b (E plane) and 67 lambda / a (H plane), degrees."""
    wavelength = 299.792458 / freq_mhz
    gain = db(0.51 * 4.0 * math.pi * a_m * b_m / wavelength ** 2)
    e_width = round(56.0 * wavelength / b_m, 1)
    h_width = round(67.0 * wavelength / a_m, 1)
    return beam(gain, e_width, h_width, 25.0, "H", floor_db=15.0)


def helix(turns, freq_mhz):
    """Axial-mode helix, circumference one wavelength, pitch a quarter wavelength:
    D = 12 n S/lambda (C/lambda)^2 and HPBW = 52 / ((C/lambda) sqrt(n S/lambda)) (Kraus)."""
    s = 0.25
    gain = db(12.0 * turns * s)
    width = round(52.0 / math.sqrt(turns * s), 1)
    return beam(gain, width, width, 15.0, "C", floor_db=15.0)


def dish(diameter_m, freq_mhz):
    plane = dish_plane(diameter_m, freq_mhz)
    return plane, plane


ANTENNAS = [
    # TYPE, RMK, DIR, POL, FREQ, (vertical plane, horizontal plane)
    ("Dipole 1/2 wave", "HF half-wave dipole, horizontal, all bands", "bidir", "H", "10-30 MHz",
     horizontal_wire()),
    ("Dipole 1/2 wave vertical", "Half-wave dipole mounted vertically, any band", "omni", "V", "10-440 MHz",
     vertical_wire()),
    ("Trap dipole", "Multiband trap dipole 30-20-17-15-12-10 m, a half-wave on each band", "bidir", "H",
     "10-30 MHz", horizontal_wire()),
    ("Ground plane 1/4 wave HF", "Quarter-wave vertical with radials, HF", "omni", "V", "10-30 MHz",
     vertical_wire()),
    ("Vertical 5/8 wave HF", "5/8-wave vertical with radials, 10 m", "omni", "V", "28-30 MHz",
     vertical_wire(half_length=0.625)),
    ("Trap vertical", "Multiband trap vertical 30 to 10 m, a quarter-wave on each band", "omni", "V",
     "10-30 MHz", vertical_wire()),
    ("Yagi 2 el HF", "2-element Yagi, monoband (30, 17 or 12 m)", "dir", "H", "10-25 MHz",
     kraus_beam(6.3, 2.0, 12.0, "H")),
    ("Yagi 3 el HF", "3-element monoband Yagi, boom about 0.3 wavelength", "dir", "H", "10-30 MHz",
     kraus_beam(7.8, 1.75, 20.0, "H")),
    ("Yagi 4 el HF", "4-element monoband Yagi, boom about 0.45 wavelength", "dir", "H", "14-30 MHz",
     kraus_beam(8.8, 1.6, 22.0, "H")),
    ("Yagi 5 el HF", "5-element monoband Yagi, long boom about 0.7 wavelength", "dir", "H", "14-30 MHz",
     kraus_beam(10.3, 1.45, 22.0, "H")),
    ("Yagi 3 el tribander 20 m", "3-element trap triband Yagi 20-15-10 m, on 20 m", "dir", "H", "14 MHz",
     kraus_beam(6.8, 1.8, 15.0, "H")),
    ("Yagi 3 el tribander 15 m", "3-element trap triband Yagi 20-15-10 m, on 15 m", "dir", "H", "21 MHz",
     kraus_beam(7.3, 1.75, 18.0, "H")),
    ("Yagi 3 el tribander 10 m", "3-element trap triband Yagi 20-15-10 m, on 10 m", "dir", "H", "28-30 MHz",
     kraus_beam(7.6, 1.75, 16.0, "H")),
    ("Quad 2 el", "2-element cubical quad 20-15-10 m", "dir", "H", "14-30 MHz",
     kraus_beam(7.2, 1.4, 18.0, "H")),
    ("Halo loop", "Horizontal halo or small loop, omnidirectional, 6 m and 2 m", "omni", "H", "50-146 MHz",
     small_horizontal_loop()),
    ("Yagi 3 el 6 m", "3-element Yagi for 6 m", "dir", "H", "50-52 MHz",
     kraus_beam(7.8, 1.75, 20.0, "H")),
    ("Yagi 5 el 6 m", "5-element Yagi for 6 m, boom about 0.7 wavelength", "dir", "H", "50-52 MHz",
     kraus_beam(10.3, 1.45, 22.0, "H")),
    ("Ground plane 1/4 wave VHF/UHF", "Quarter-wave ground plane, 6 m to 70 cm", "omni", "V", "50-440 MHz",
     vertical_wire()),
    ("Vertical 5/8 wave VHF/UHF", "5/8-wave vertical, 6 m to 70 cm", "omni", "V", "50-440 MHz",
     vertical_wire(half_length=0.625)),
    ("Collinear 2x5/8 2 m", "Collinear vertical, two 5/8-wave sections, 2 m", "omni", "V", "144-146 MHz",
     five_eighths_collinear(2)),
    ("Collinear 3x5/8 70 cm", "Collinear vertical, three 5/8-wave sections, 70 cm", "omni", "V",
     "430-440 MHz", five_eighths_collinear(3)),
    ("Collinear 5x5/8 70 cm", "Collinear vertical, five 5/8-wave sections, 70 cm", "omni", "V",
     "430-440 MHz", five_eighths_collinear(5)),
    ("Yagi 5 el 2 m", "5-element Yagi for 2 m, boom about 0.8 wavelength", "dir", "H", "144-146 MHz",
     kraus_beam(9.8, 1.4, 18.0, "H")),
    ("Yagi 10 el 2 m", "10-element long Yagi for 2 m, boom 2.2 wavelengths", "dir", "H", "144-146 MHz",
     long_yagi(2.2, "H")),
    ("Yagi 17 el 2 m", "17-element long Yagi for 2 m, boom 3.6 wavelengths", "dir", "H", "144-146 MHz",
     long_yagi(3.6, "H", front_to_back=22.0)),
    ("Yagi 10 el 70 cm", "10-element Yagi for 70 cm, boom 2 wavelengths", "dir", "H", "430-440 MHz",
     long_yagi(2.0, "H")),
    ("Yagi 19 el 70 cm", "19-element long Yagi for 70 cm, boom 4.2 wavelengths", "dir", "H", "430-440 MHz",
     long_yagi(4.2, "H", front_to_back=22.0)),
    ("Crossed Yagi 70 cm", "Crossed Yagi for satellites, 70 cm, boom 1.6 wavelengths", "dir", "X",
     "430-440 MHz", long_yagi(1.6, "X", ratio=1.0)),
    ("Collinear 4x1/2 23 cm", "Collinear vertical, four half-wave sections, 23 cm", "omni", "V",
     "1240-1300 MHz", vertical_wire(count=4, spacing=0.5)),
    ("Loop Yagi 23 el 23 cm", "Loop Yagi for 23 cm, boom 5.2 wavelengths (about 1.2 m)", "dir", "H",
     "1240-1300 MHz", long_yagi(5.2, "H", ratio=1.0)),
    ("Loop Yagi 45 el 23 cm", "Loop Yagi for 23 cm, boom 10.8 wavelengths (about 2.5 m)", "dir", "H",
     "1240-1300 MHz", long_yagi(10.8, "H", ratio=1.0, front_to_back=25.0)),
    ("Dish 1.2 m 23 cm", "Parabolic dish 1.2 m for 23 cm, 55 % efficiency", "dir", "C", "1240-1300 MHz",
     dish(1.2, 1296.0)),
    ("Helix 10 turns 13 cm", "Axial-mode helix, 10 turns, 13 cm", "dir", "C", "2300-2450 MHz",
     helix(10, 2400.0)),
    ("Horn 13 cm", "Pyramidal horn 30 x 23 cm for 13 cm", "dir", "H", "2300-2450 MHz",
     horn(0.30, 0.23, 2400.0)),
    ("Dish 0.6 m 13 cm", "Parabolic dish 0.6 m for 13 cm, 55 % efficiency", "dir", "H", "2300-2450 MHz",
     dish(0.6, 2400.0)),
    ("Dish 1.2 m 13 cm", "Parabolic dish 1.2 m for 13 cm, 55 % efficiency", "dir", "H", "2300-2450 MHz",
     dish(1.2, 2400.0)),
    ("Horn 6 cm", "Pyramidal horn 16 x 12 cm for 6 cm", "dir", "H", "5650-5850 MHz",
     horn(0.16, 0.12, 5760.0)),
    ("Dish 0.4 m 6 cm", "Parabolic dish 0.4 m for 6 cm, 55 % efficiency", "dir", "H", "5650-5850 MHz",
     dish(0.4, 5760.0)),
    ("Dish 0.9 m 6 cm", "Parabolic dish 0.9 m for 6 cm, 55 % efficiency", "dir", "H", "5650-5850 MHz",
     dish(0.9, 5760.0)),
]

# Lower and upper edges (MHz) of the program's single bands; every one must
# be served by at least one antenna whose FREQ range covers it.
BANDS = [(10, 10), (14, 14), (18, 18), (21, 21), (24, 24), (28, 30), (50, 52), (144, 146),
         (430, 440), (1240, 1300), (2300, 2450), (5650, 5850)]


def number(x, decimals=2):
    if x is None:
        return ""
    text = "%.*f" % (decimals, x)
    return "0.00" if text in ("-0.00",) else text


def freq_range(freq):
    lo, _, hi = freq.replace(" MHz", "").partition("-")
    return float(lo), float(hi or lo)


def check(rows):
    assert rows[0]["TYPE"].startswith("Dipole 1/2") and rows[0]["POL"] == "H"
    assert rows[0]["V00"] == "2.15", rows[0]["V00"]
    for r in rows:
        assert ";" not in r["TYPE"] + r["RMK"] + r["FREQ"], r["TYPE"]
        for plane in "VH":
            values = [float(r["%s%02d" % (plane, a)]) for a in ANGLES]
            assert max(values) == values[0], (r["TYPE"], plane, values)
    for lo, hi in BANDS:
        assert any(freq_range(r["FREQ"])[0] <= lo and hi <= freq_range(r["FREQ"])[1] for r in rows), (lo, hi)


def build_rows():
    rows = []
    for key, (kind, remark, direction, pol, freq, (vertical, horizontal)) in enumerate(ANTENNAS, start=1):
        row = {"Numéro": str(key), "TYPE": kind, "RMK": remark, "DIR": direction, "POL": pol, "FREQ": freq}
        for plane, (values, back, angle) in (("V", vertical), ("H", horizontal)):
            for a, v in zip(ANGLES, values):
                row["%s%02d" % (plane, a)] = number(v)
            row["%sBACK" % plane] = number(back)
            row["%s ANGLE" % plane] = number(angle, 1)
        rows.append(row)
    check(rows)
    return rows


def main(argv):
    rows = build_rows()
    text = "".join(";".join(line) + "\n"
                   for line in [COLUMNS] + [[r[c] for c in COLUMNS] for r in rows])
    if len(argv) > 1 and argv[1] == "-":
        sys.stdout.write(text)
    else:
        target = Path(argv[1]) if len(argv) > 1 else Path(__file__).with_name("antennas.csv")
        target.write_text(text, encoding="utf-8", newline="\n")


if __name__ == "__main__":
    main(sys.argv)
