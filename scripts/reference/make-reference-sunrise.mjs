// Writes tests/upagrahas/reference_days.inc: for births at fixed moments and places,
// the sunrise, sunset and next sunrise of the day that holds the birth, its weekday,
// whether the birth fell by night, and the moments at which the six points rise under
// the default places in their portions; computed from a theory independent of the
// ephemeris library the engine uses:
//   - the Sun: the full VSOP87D series (Bretagnon and Francou 1988) with the FK5
//     correction, annual aberration and IAU 1980 nutation (Meeus, chapter 25);
//   - apparent sidereal time: IAU 1982 with the nutation in right ascension (Meeus 12);
//   - TT - UT from the polynomials of Espenak and Meeus;
// the altitude of the Sun's centre, seen from the Earth's centre with its ecliptic
// latitude left out, is then searched for the horizon of each convention (0 for the
// Hindu sunrise, -50' for the almanac's) by bisection to a hundredth of a second.
// The weekday and the portions' lords follow the rules as astrologers state them, by
// lists of lords rather than by the engine's formulas.
//
// Run once from this folder: npm install && node make-reference-sunrise.mjs
// The output is committed; building and testing never run this script.
import { writeFileSync } from 'node:fs'
import { fileURLToPath } from 'node:url'
import path from 'node:path'
import * as astronomia from 'astronomia'
import data from 'astronomia/data'

const { coord, deltat, julian, nutation, planetposition, sidereal, solar } = astronomia

const earth = new planetposition.Planet(data.vsop87Dearth)
const kDegPerRad = 180 / Math.PI
const kHorizons = [0, -50 / 60]
const kStepDays = 10 / 1440
const kToleranceDays = 0.01 / 86400

function jdOf (year, month, day, hour, minute) {
  return julian.CalendarGregorianToJD(year, month, day + (hour + minute / 60) / 24)
}

/** The Sun's geometric altitude (degrees) at a UT moment and place. */
function altitude (jdUt, eastLongitude, latitude) {
  const [year] = [julian.JDToCalendar(jdUt).year]
  const jde = jdUt + deltat.deltaT(year + 0.5) / 86400
  const { lon, range } = solar.trueVSOP87(earth, jde)
  const [dpsi, deps] = nutation.nutation(jde)
  const lambda = lon + dpsi + solar.aberration(range)
  const epsilon = nutation.meanObliquity(jde) + deps
  const { ra, dec } = new coord.Ecliptic(lambda, 0).toEquatorial(epsilon)
  const theta = sidereal.apparent(jdUt) / 86400 * 2 * Math.PI
  const hourAngle = theta + eastLongitude / kDegPerRad - ra
  const phi = latitude / kDegPerRad
  return Math.asin(Math.sin(phi) * Math.sin(dec) + Math.cos(phi) * Math.cos(dec) * Math.cos(hourAngle)) * kDegPerRad
}

/** The first crossing of the horizon after `from` (rising: upward), or null within two days. */
function crossing (from, rising, lon, lat, horizon) {
  const f = (t) => altitude(t, lon, lat) - horizon
  let a = from
  let fa = f(a)
  for (let t = from + kStepDays; t < from + 2; t += kStepDays) {
    const ft = f(t)
    if (rising ? fa < 0 && ft >= 0 : fa >= 0 && ft < 0) {
      let lo = a
      let hi = t
      while (hi - lo > kToleranceDays) {
        const mid = (lo + hi) / 2
        const fm = f(mid)
        if (rising ? fm < 0 : fm >= 0) lo = mid
        else hi = mid
      }
      return (lo + hi) / 2
    }
    a = t
    fa = ft
  }
  return null
}

// The weekday lords in their order; the eighth slot of the "eight" rule has none.
const kLords = ['Sun', 'Moon', 'Mars', 'Mercury', 'Jupiter', 'Venus', 'Saturn']
const kSix = [['Sun', 0.5], ['Mars', 0.5], ['Mercury', 0.5], ['Jupiter', 0.5], ['Saturn', 0], ['Saturn', 0.5]]

function lordsOfHalf (vara, night, rule) {
  const first = night ? (vara + 4) % 7 : vara
  const portions = []
  if (rule === 'eight') {
    const slots = [...kLords, null]
    for (let i = 0; i < 8; i++) portions.push(slots[(first + i) % 8])
  } else {
    for (let i = 0; i < 7; i++) portions.push(kLords[(first + i) % 7])
    portions.push(null)
  }
  return portions
}

function weekdayOfLocalMeanDate (jdUt, eastLongitude) {
  const c = julian.JDToCalendar(jdUt + eastLongitude / 360)
  const civil = new Date(Date.UTC(c.year, c.month - 1, Math.floor(c.day)))
  return civil.getUTCDay()
}

function row (birth, lon, lat, horizonIndex, rule) {
  const horizon = kHorizons[horizonIndex]
  let sunrise = crossing(birth - 1.1, true, lon, lat, horizon)
  for (let next = crossing(sunrise, true, lon, lat, horizon); next <= birth; next = crossing(sunrise, true, lon, lat, horizon)) {
    sunrise = next
  }
  const sunset = crossing(sunrise, false, lon, lat, horizon)
  const nextSunrise = crossing(birth, true, lon, lat, horizon)
  const night = birth >= sunset
  const vara = weekdayOfLocalMeanDate(sunrise, lon)
  const start = night ? sunset : sunrise
  const portion = ((night ? nextSunrise : sunset) - start) / 8
  const lords = lordsOfHalf(vara, night, rule)
  const moments = kSix.map(([lord, at]) => start + (lords.indexOf(lord) + at) * portion)
  const f = (x) => x.toFixed(8)
  return `    {${f(birth)}, ${lon}, ${lat}, ${horizonIndex}, ${rule === 'eight' ? 0 : 1}, ` +
    `${f(sunrise)}, ${f(sunset)}, ${f(nextSunrise)}, ${vara}, ${night}, {${moments.map(f).join(', ')}}},`
}

const rows = []
const delhi = [77.2, 28.6]
// A week at one place, by day (10:00 IST) and by night (22:00 IST), under both lord rules.
for (let day = 11; day <= 17; day++) {
  for (const hour of [4.5, 16.5]) {
    for (const rule of ['eight', 'seven']) rows.push(row(jdOf(1985, 3, day, hour, 0), ...delhi, 0, rule))
  }
}
// A minute before sunrise and a minute after sunset, both conventions.
for (const horizonIndex of [0, 1]) {
  const sunrise = crossing(jdOf(2001, 7, 4, 0, 0) - 0.3, true, ...delhi, kHorizons[horizonIndex])
  const sunset = crossing(sunrise, false, ...delhi, kHorizons[horizonIndex])
  rows.push(row(sunrise - 1 / 1440, ...delhi, horizonIndex, 'eight'))
  rows.push(row(sunset + 1 / 1440, ...delhi, horizonIndex, 'eight'))
}
// The night of 27 to 28 October 1990 in London, when the clocks went back at 01:00 UT.
rows.push(row(jdOf(1990, 10, 28, 2, 30), -0.1278, 51.5074, 0, 'eight'))
// Places round the world, north and south, east and west, both conventions.
const places = [[-74.006, 40.7128], [-58.3816, -34.6037], [151.2093, -33.8688], [139.6917, 35.6895],
  [-122.4194, 37.7749], [18.4241, -33.9249], [37.6173, 55.7558], [-3.7038, 40.4168], [103.8198, 1.3521],
  [24.9384, 60.1699], [-149.9003, 61.2181], [174.7633, -36.8485]]
places.forEach(([lon, lat], i) => {
  for (const horizonIndex of [0, 1]) {
    rows.push(row(jdOf(1950 + i * 6, 1 + i, 3 + 2 * i, (i * 7) % 24, 13 * i % 60), lon, lat, horizonIndex, i % 2 ? 'seven' : 'eight'))
  }
})

const here = path.dirname(fileURLToPath(import.meta.url))
const out = path.join(here, '..', '..', 'tests', 'upagrahas', 'reference_days.inc')
writeFileSync(out, `// Generated by scripts/reference/make-reference-sunrise.mjs; do not edit.
// Birth (JD UT), east longitude, latitude, sunrise rule (0 Hindu, 1 almanac), lord rule
// (0 eight, 1 seven); then the day: sunrise, sunset, next sunrise (JD UT), weekday
// (0 Sunday), born by night; and the moments (JD UT) of Kala, Mrityu, Ardhaprahara,
// Yamaghantaka, Gulika (start) and Mandi (middle).
${rows.join('\n')}
`)
console.log(`wrote ${rows.length} rows to ${out}`)
