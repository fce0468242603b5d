#!/usr/bin/env python3
"""Batch throughput and peak memory of quintaro, measured and printed only.

Generates 10 thousand and 1 million cases with all eleven columns varying,
runs `quintaro batch` on each (input from the page cache, output to
/dev/null) and prints rows per second and the peak resident memory of each
run. Memory should not grow with the row count: the batch streams through
fixed buffers.
"""
import os
import subprocess
import sys
import tempfile
import time

SOILS = "ABCDE"


def write_cases(path, rows):
    with open(path, "w") as f:
        f.write("period,behaviour_factor,ag,spectrum,soil,fqmin,fqmax,fkmin,fkmax,fmmin,fmmax\n")
        lines = []
        for i in range(rows):
            period = 0.05 + (i % 3991) * 0.001
            q = (1.5, 2, 3, 4.5)[i % 4]
            ag = 0.05 + (i % 47) * 0.01
            lines.append(f"{period:.3f},{q},{ag:.2f},{1 + i % 2},{SOILS[i % 5]},"
                         f"0.{80 + i % 11},1.{10 + i % 13},0.{90 + i % 7},1.0{i % 9},0.{85 + i % 9},1.{i % 17:02d}\n")
            if len(lines) == 10000:
                f.writelines(lines)
                lines = []
        f.writelines(lines)


def run(binary, path):
    """Wall seconds, CPU seconds, peak RSS in KiB and exit status of one batch run.

    GNU time reports the program's own peak RSS (a child forked from here
    would count this Python process's memory as well).
    """
    with tempfile.NamedTemporaryFile("r") as report, open(os.devnull, "wb") as out:
        start = time.perf_counter()
        done = subprocess.run(["/usr/bin/time", "-o", report.name, "-f", "%U %S %M", binary, "batch", path],
                              stdout=out)
        seconds = time.perf_counter() - start
        user, system, rss = report.read().split()[-3:]
    return seconds, float(user) + float(system), int(rss), done.returncode


def main(binary):
    with tempfile.TemporaryDirectory() as tmp:
        results = {}
        for rows in (10_000, 1_000_000):
            path = os.path.join(tmp, f"cases_{rows}.csv")
            write_cases(path, rows)
            size = os.path.getsize(path)
            run(binary, path)  # warm the page cache
            best = None
            for _ in range(3):
                seconds, cpu, rss, status = run(binary, path)
                if status != 0:
                    sys.exit(f"quintaro batch exited with {status}")
                if best is None or seconds < best[0]:
                    best = (seconds, max(cpu, 0.01), rss)
            results[rows] = best
            seconds, cpu, rss = best
            print(f"batch {rows:>9} rows: {rows / seconds / 1e6:5.2f} million rows/s wall, "
                  f"{rows / cpu / 1e6:5.2f} per CPU second ({size / seconds / 1e6:.0f} MB/s in), "
                  f"peak memory {rss / 1024:.1f} MiB")
        small, large = results[10_000][2], results[1_000_000][2]
        print(f"peak memory 1M rows / 10k rows: {large / small:.2f} (flat is 1.00); load average "
              f"{os.getloadavg()[0]:.1f} on {os.cpu_count()} cores (wall rates suffer under load)")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "build/release/cli/quintaro")
