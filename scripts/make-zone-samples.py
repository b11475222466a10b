#!/usr/bin/env python3
"""Writes tests/atlas/data/zone_samples.txt: local clock times in every zone of the
system's database (areas only), with what Python's zoneinfo says of them, so that the
program's own zone reader can be checked against an independent one.

Each zone gets clock times drawn at random from 1901-2050 and clock times at, inside
and just after a few of its changes of offset (where gaps and overlaps are). Run it
again after the tzdata package changes; the file names the version it was made from.

Output, one zone per block:
    Z Europe/Berlin
    194007011200 U 120 1        (clock time, unique, offset minutes, daylight saving)
    204803290230 G 60 120       (did not exist: offset before, offset after)
    204810250230 O 120 60       (happened twice: first offset, second offset)
"""

import datetime as dt
import random
import sys
import zoneinfo
from pathlib import Path

ZONE_FOLDER = "/usr/share/zoneinfo"
AREAS = {"Africa", "America", "Antarctica", "Arctic", "Asia", "Atlantic", "Australia",
         "Europe", "Indian", "Pacific", "Etc"}
FIRST = dt.datetime(1901, 1, 1)
LAST = dt.datetime(2050, 12, 31, 23, 59)
RANDOM_TIMES_PER_ZONE = 12
CHANGES_PER_ZONE = 3
SCAN_STEP = dt.timedelta(days=7)  # changes closer together than this may be missed
SEED = 22
UTC = dt.timezone.utc


def minutes(offset: dt.timedelta) -> int:
    """Seconds to whole minutes, half a minute away from zero."""
    s = int(offset.total_seconds())
    m = (abs(s) + 30) // 60
    return -m if s < 0 else m


def describe(zone: zoneinfo.ZoneInfo, clock: dt.datetime) -> str:
    first = clock.replace(tzinfo=zone, fold=0)
    second = clock.replace(tzinfo=zone, fold=1)
    a, b = first.utcoffset(), second.utcoffset()
    stamp = clock.strftime("%Y%m%d%H%M")
    if a == b:
        return f"{stamp} U {minutes(a)} {1 if first.dst() else 0}"
    kind = "G" if a < b else "O"
    return f"{stamp} {kind} {minutes(a)} {minutes(b)}"


def changes(zone: zoneinfo.ZoneInfo):
    """UTC instants (whole seconds) where the zone's offset changes, 1901-2050."""
    start = FIRST.replace(tzinfo=UTC) - dt.timedelta(days=1)
    end = LAST.replace(tzinfo=UTC) + dt.timedelta(days=1)
    t = start
    offset = t.astimezone(zone).utcoffset()
    while t < end:
        u = t + SCAN_STEP
        o = u.astimezone(zone).utcoffset()
        if o != offset:
            lo, hi = t, u  # offset(lo) == offset, offset(hi) != offset
            while hi - lo > dt.timedelta(seconds=1):
                mid = lo + (hi - lo) / 2
                mid = mid.replace(microsecond=0)
                if mid <= lo:
                    break
                if mid.astimezone(zone).utcoffset() == offset:
                    lo = mid
                else:
                    hi = mid
            yield hi, offset, hi.astimezone(zone).utcoffset()
            offset = o
        t = u


def whole_minute_at_or_after(t: dt.datetime) -> dt.datetime:
    floor = t.replace(second=0, microsecond=0)
    return floor if floor == t else floor + dt.timedelta(minutes=1)


def clocks_around(change, before, after):
    """Local clock times at the edges and inside of a change's gap or overlap."""
    lo = (change + min(before, after)).replace(tzinfo=None)
    hi = (change + max(before, after)).replace(tzinfo=None)
    inside = whole_minute_at_or_after(lo)
    times = [inside - dt.timedelta(minutes=1), inside, whole_minute_at_or_after(hi)]
    last_inside = whole_minute_at_or_after(hi) - dt.timedelta(minutes=1)
    if last_inside >= inside:
        times.append(last_inside)
        times.append(inside + (last_inside - inside) / 2)
    return [t.replace(second=0, microsecond=0) for t in times]


def main() -> int:
    zoneinfo.reset_tzpath([ZONE_FOLDER])
    out = Path(sys.argv[1] if len(sys.argv) > 1 else
               Path(__file__).resolve().parent.parent / "tests/atlas/data/zone_samples.txt")
    version = "unknown"
    for line in open(f"{ZONE_FOLDER}/tzdata.zi", encoding="utf-8"):
        if line.startswith("# version "):
            version = line.split()[2]
            break
    rng = random.Random(SEED)
    names = sorted(n for n in zoneinfo.available_timezones() if n.split("/")[0] in AREAS)
    span = int((LAST - FIRST).total_seconds() // 60)
    lines = [f"# tzdata {version}; {len(names)} zones, clock times 1901-2050, Python zoneinfo; "
             f"made by scripts/make-zone-samples.py"]
    rows = 0
    for name in names:
        zone = zoneinfo.ZoneInfo(name)
        clocks = {FIRST + dt.timedelta(minutes=rng.randrange(span + 1))
                  for _ in range(RANDOM_TIMES_PER_ZONE)}
        found = [c for c in changes(zone) if FIRST.year <= c[0].year <= LAST.year]
        # The last changes are the ones beyond the files' listed transitions.
        picked = rng.sample(found, min(CHANGES_PER_ZONE, len(found)))
        if found and found[-1] not in picked:
            picked.append(found[-1])
        for change in picked:
            clocks.update(t for t in clocks_around(*change) if FIRST <= t <= LAST)
        lines.append(f"Z {name}")
        for clock in sorted(clocks):
            lines.append(describe(zone, clock))
            rows += 1
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_text("\n".join(lines) + "\n", encoding="utf-8")
    print(f"{out}: {len(names)} zones, {rows} clock times, tzdata {version}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
