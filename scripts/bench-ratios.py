#!/usr/bin/env python3
"""Runs the benchmarks and prints rates and side-by-side ratios.

Each ratio compares two benchmarks of the same run, so it means the same on
a slow machine as on a fast one. Nothing here fails on a number.
"""
import json
import subprocess
import sys


def run(binary):
    out = subprocess.run([binary, "--benchmark_format=json", "--benchmark_min_time=0.2"],
                         check=True, capture_output=True, text=True).stdout
    return {b["name"]: b["cpu_time"] for b in json.loads(out)["benchmarks"]}  # ns per call


def main(engine, number_text):
    e = run(engine)
    t = e["BM_ComputeErrorFactorBounds"]
    print(f"ComputeErrorFactorBounds: {1e9 / t / 1e6:.1f} million calls/s ({t:.1f} ns/call; target >= 10)")

    n = run(number_text)
    rows = [
        ("FormatNumberText", "BM_Format_FormatNumberText", "std::to_chars(general, 15)", "BM_Format_ToChars15", 1.5),
        ("FormatNumberText", "BM_Format_FormatNumberText", "snprintf(%.15g)", "BM_Format_Snprintf15g", None),
        ("ParseNumberText", "BM_Parse_ParseNumberText", "std::from_chars", "BM_Parse_FromChars", 2.0),
        ("ParseNumberText", "BM_Parse_ParseNumberText", "strtod", "BM_Parse_Strtod", None),
    ]
    for values, arg in (("form-like values", "1"), ("arbitrary 17-digit values", "0")):
        print(f"-- {values}")
        for ours, ours_key, theirs, theirs_key, target in rows:
            a, b = n[f"{ours_key}/form:{arg}"], n[f"{theirs_key}/form:{arg}"]
            aim = f" (target <= {target})" if target else ""
            print(f"{ours} / {theirs}: {a / b:.2f}x  ({a:.1f} ns vs {b:.1f} ns){aim}")


if __name__ == "__main__":
    main(*sys.argv[1:3])
