"""Spherical geometry for the catalogue build: separations, offsets, precession to B1875 and
galactic coordinates.  Angles are degrees unless a name says otherwise."""
import math

# J2000 equatorial to galactic (IAU 1958 system expressed in J2000, as in the Hipparcos
# introduction, vol. 1, section 1.5.3): rows are the galactic x, y, z axes.
EQ_TO_GAL = (
    (-0.0548755604162154, -0.8734370902348850, -0.4838350155487132),
    (0.4941094278755837, -0.4448296299600112, 0.7469822444972189),
    (-0.8676661490190047, -0.1980763734312015, 0.4559837761750669),
)

# Julian date of the Besselian epoch B1875.0, the epoch of the IAU constellation boundaries.
JD_B1875 = 2405889.258550475
JD_J2000 = 2451545.0


def vector(lon, lat):
    a, d = math.radians(lon), math.radians(lat)
    return (math.cos(d) * math.cos(a), math.cos(d) * math.sin(a), math.sin(d))


def angles(v):
    """(lon in 0..360, lat) of a vector."""
    x, y, z = v
    lon = math.degrees(math.atan2(y, x)) % 360.0
    lat = math.degrees(math.atan2(z, math.hypot(x, y)))
    return lon, lat


def rotate(m, v):
    return tuple(sum(m[i][j] * v[j] for j in range(3)) for i in range(3))


def transpose(m):
    return tuple(tuple(m[j][i] for j in range(3)) for i in range(3))


def separation(lon1, lat1, lon2, lat2):
    a, b = vector(lon1, lat1), vector(lon2, lat2)
    dot = max(-1.0, min(1.0, sum(x * y for x, y in zip(a, b))))
    cross = (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])
    return math.degrees(math.atan2(math.sqrt(sum(c * c for c in cross)), dot))


def offset_point(lon0, lat0, east, north):
    """The point at tangent-plane offsets east/north (degrees, gnomonic) from (lon0, lat0)."""
    a0, d0 = math.radians(lon0), math.radians(lat0)
    x, y = math.radians(east), math.radians(north)
    denom = math.cos(d0) - y * math.sin(d0)
    lon = math.degrees(a0 + math.atan2(x, denom))
    lat = math.degrees(math.atan2(math.sin(d0) + y * math.cos(d0), math.hypot(x, denom)))
    return lon, lat


def slerp(p, q, t):
    """Point at fraction t along the great circle from p to q (both (lon, lat))."""
    a, b = vector(*p), vector(*q)
    omega = math.radians(separation(p[0], p[1], q[0], q[1]))
    if omega < 1e-12:
        return p
    s = math.sin(omega)
    w1, w2 = math.sin((1 - t) * omega) / s, math.sin(t * omega) / s
    return angles(tuple(w1 * x + w2 * y for x, y in zip(a, b)))


def _rz(angle):
    c, s = math.cos(angle), math.sin(angle)
    return ((c, -s, 0.0), (s, c, 0.0), (0.0, 0.0, 1.0))


def _ry(angle):
    c, s = math.cos(angle), math.sin(angle)
    return ((c, 0.0, -s), (0.0, 1.0, 0.0), (s, 0.0, c))


def _mul(a, b):
    return tuple(tuple(sum(a[i][k] * b[k][j] for k in range(3)) for j in range(3))
                 for i in range(3))


def precession_matrix(jd):
    """Rotation from J2000 mean equator and equinox to those of date jd (IAU 1976, Lieske)."""
    t = (jd - JD_J2000) / 36525.0
    arcsec = math.pi / (180.0 * 3600.0)
    zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t ** 3) * arcsec
    z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t ** 3) * arcsec
    theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t ** 3) * arcsec
    return _mul(_rz(z), _mul(_ry(theta), _rz(zeta)))


J2000_TO_B1875 = precession_matrix(JD_B1875)
B1875_TO_J2000 = transpose(J2000_TO_B1875)


def to_b1875(lon, lat):
    return angles(rotate(J2000_TO_B1875, vector(lon, lat)))


def from_b1875(lon, lat):
    return angles(rotate(B1875_TO_J2000, vector(lon, lat)))


def to_galactic(lon, lat):
    return angles(rotate(EQ_TO_GAL, vector(lon, lat)))


def from_galactic(l, b):
    return angles(rotate(transpose(EQ_TO_GAL), vector(l, b)))
