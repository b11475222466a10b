// Writes tests/precise/reference_positions.inc: apparent geocentric longitudes of the
// Sun, the Moon, the five planets and the lunar nodes for fixed moments, computed from
// theories independent of the ephemeris library the engine uses:
//   - planets and the Earth: the full VSOP87D series (Bretagnon and Francou 1988),
//     heliocentric, ecliptic and equinox of date;
//   - the Moon: the full ELP/MPP02 series fitted to DE405 (Chapront and Francou 2003);
//   - mean node: the polynomial of Chapront et al. as printed by Meeus (47.7);
//   - true node: the osculating node of the ELP/MPP02 orbit;
// then light time, annual aberration (first order, from the Earth's VSOP87 velocity),
// the FK5 correction of VSOP87 (Meeus 32.3) and IAU 1980 nutation. Gravitational light
// deflection is left out (under 0.5" except within a degree of the Sun).
//
// Run once from this folder: npm install && node make-reference-positions.mjs
// The output is committed; building and testing never run this script.
import { writeFileSync } from 'node:fs'
import { fileURLToPath } from 'node:url'
import path from 'node:path'
import * as astronomia from 'astronomia'
import data from 'astronomia/data'

const { base, coord, deltat, elp, nutation, planetposition, precess, julian } = astronomia

const kSeed = 24
const kRows = 240
const kFirstYear = 1950
const kLastYear = 2025
const kSpeedOfLightAuPerDay = 173.1446326846693
const kKmPerAu = 149597870.7
const kDegPerRad = 180 / Math.PI

const earth = new planetposition.Planet(data.vsop87Dearth)
const planets = {
  mercury: new planetposition.Planet(data.vsop87Dmercury),
  venus: new planetposition.Planet(data.vsop87Dvenus),
  mars: new planetposition.Planet(data.vsop87Dmars),
  jupiter: new planetposition.Planet(data.vsop87Djupiter),
  saturn: new planetposition.Planet(data.vsop87Dsaturn)
}
const moon = new elp.Moon(data.elpMppDeFull)

// A small deterministic generator (mulberry32), so the rows can be made again.
function random (seed) {
  let a = seed
  return () => {
    a = (a + 0x6d2b79f5) | 0
    let t = Math.imul(a ^ (a >>> 15), 1 | a)
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296
  }
}

function rectangular (lon, lat, r) {
  return [r * Math.cos(lat) * Math.cos(lon), r * Math.cos(lat) * Math.sin(lon), r * Math.sin(lat)]
}
function longitudeOf (v) { return base.pmod(Math.atan2(v[1], v[0]), 2 * Math.PI) }
function latitudeOf (v) { return Math.atan2(v[2], Math.hypot(v[0], v[1])) }
function norm (v) { return Math.hypot(v[0], v[1], v[2]) }
function sub (a, b) { return [a[0] - b[0], a[1] - b[1], a[2] - b[2]] }
function scale (v, s) { return [v[0] * s, v[1] * s, v[2] * s] }
function cross (a, b) {
  return [a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]]
}

/** Heliocentric rectangular position, AU, ecliptic and equinox of date. */
function heliocentric (planet, jde) {
  const p = planet.position(jde)
  return rectangular(p.lon, p.lat, p.range)
}

/** The Earth's heliocentric velocity, AU per day, by a central difference. */
function earthVelocity (jde) {
  const h = 0.01
  return scale(sub(heliocentric(earth, jde + h), heliocentric(earth, jde - h)), 1 / (2 * h))
}

/** First-order aberration of a direction by the observer's velocity (AU/day). */
function aberrated (direction, velocity) {
  const u = scale(direction, 1 / norm(direction))
  const beta = scale(velocity, 1 / kSpeedOfLightAuPerDay)
  const dot = u[0] * beta[0] + u[1] * beta[1] + u[2] * beta[2]
  return [u[0] + beta[0] - dot * u[0], u[1] + beta[1] - dot * u[1], u[2] + beta[2] - dot * u[2]]
}

/** Apparent longitude (radians, before nutation) of a direction on the VSOP87 frame. */
function fk5Longitude (v, jde) {
  return planetposition.toFK5(longitudeOf(v), latitudeOf(v), jde).lon
}

function apparentSun (jde) {
  const geometric = scale(heliocentric(earth, jde), -1)
  return fk5Longitude(aberrated(geometric, earthVelocity(jde)), jde)
}

function apparentPlanet (planet, jde) {
  const e = heliocentric(earth, jde)
  let tau = 0
  let g = null
  for (let i = 0; i < 4; i++) {
    g = sub(heliocentric(planet, jde - tau), e)
    tau = norm(g) / kSpeedOfLightAuPerDay
  }
  return fk5Longitude(aberrated(g, earthVelocity(jde)), jde)
}

/** ELP/MPP02 geocentric position (km) on the inertial ecliptic of J2000, turned to date. */
function moonXYZ (jde) {
  const { x, y, z } = moon.positionXYZ(jde)
  return [x, y, z]
}

function moonOfDate (jde, at) {
  const v = moonXYZ(at)
  const to = precess.eclipticPosition(new coord.Ecliptic(longitudeOf(v), latitudeOf(v)), 2000,
    base.JDEToJulianYear(jde))
  return rectangular(to.lon, to.lat, norm(v))
}

// The Moon and the Earth move together about the Sun, so annual aberration and the
// light time of that common motion cancel: what remains is the light time of the
// Moon's motion about the Earth.
function apparentMoon (jde) {
  const r = norm(moonOfDate(jde, jde)) / kKmPerAu
  return longitudeOf(moonOfDate(jde, jde - r / kSpeedOfLightAuPerDay))
}

function meanNode (jde) {
  const T = base.J2000Century(jde)
  const degrees = base.horner(T, 125.0445479, -1934.1362891, 0.0020754, 1 / 467441, -1 / 60616000)
  return base.pmod(degrees / kDegPerRad, 2 * Math.PI)
}

// The node of the instantaneous (osculating) orbit: the ascending intersection of the
// plane of position and velocity with the ecliptic of date.
function trueNode (jde) {
  const h = 0.001
  const at = moonXYZ
  const velocity = scale(sub(at(jde + h), at(jde - h)), 1 / (2 * h))
  const pole = cross(at(jde), velocity)
  const to = precess.eclipticPosition(new coord.Ecliptic(longitudeOf(pole), latitudeOf(pole)),
    2000, base.JDEToJulianYear(jde))
  return base.pmod(to.lon + Math.PI / 2, 2 * Math.PI)
}

function degrees (radians) { return base.pmod(radians, 2 * Math.PI) * kDegPerRad }

function row (year, month, day, hour, minute) {
  const jdUt = julian.CalendarGregorianToJD(year, month, day + (hour + minute / 60) / 24)
  const dt = deltat.deltaT(year + (month - 0.5) / 12)
  const jde = jdUt + dt / 86400
  const [dpsi] = nutation.nutation(jde)
  const apparent = (radians) => degrees(radians + dpsi)
  const values = [
    apparent(apparentSun(jde)), apparent(apparentMoon(jde)),
    apparent(apparentPlanet(planets.mars, jde)), apparent(apparentPlanet(planets.mercury, jde)),
    apparent(apparentPlanet(planets.jupiter, jde)), apparent(apparentPlanet(planets.venus, jde)),
    apparent(apparentPlanet(planets.saturn, jde)), apparent(meanNode(jde)), apparent(trueNode(jde))
  ]
  return `    {${year}, ${month}, ${day}, ${hour}, ${minute}, ${dt.toFixed(3)}, {` +
    values.map((v) => v.toFixed(7)).join(', ') + '}},'
}

const next = random(kSeed)
const pick = (low, high) => low + Math.floor(next() * (high - low + 1))
const rows = []
// The pinned chart first: 15 August 1947, 00:00 IST is 14 August, 18:30 UT.
rows.push(row(1947, 8, 14, 18, 30))
for (let i = 0; i < kRows; i++) {
  rows.push(row(pick(kFirstYear, kLastYear), pick(1, 12), pick(1, 28), pick(0, 23), pick(0, 59)))
}

const here = path.dirname(fileURLToPath(import.meta.url))
const out = path.join(here, '..', '..', 'tests', 'precise', 'reference_positions.inc')
writeFileSync(out, `// Generated by scripts/reference/make-reference-positions.mjs; do not edit.
// UT civil moment, TT - UT (s) used, then apparent tropical longitudes of date (deg):
// Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, mean node, true node.
// The first row is 15 August 1947, 00:00 IST; the others are random moments of ${kFirstYear}-${kLastYear}.
${rows.join('\n')}
`)
console.log(`wrote ${rows.length} rows to ${out}`)
