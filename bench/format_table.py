#!/usr/bin/env python3
"""Turns Google Benchmark JSON reports into one Markdown table: throughput
per operation, text kind and size, and the 16 MB / 1 MB time ratio that shows
whether cost grows linearly (16.0 is linear)."""
import json
import sys
from collections import defaultdict

KINDS = ["ascii", "chinese", "mixed", "lead-run", "near-miss"]
SIZES = {1 << 10: "1 KB", 1 << 20: "1 MB", 16 << 20: "16 MB", 100: "100 B", 64 << 10: "64 KB"}


def rows(paths):
    for path in paths:
        with open(path) as f:
            for b in json.load(f)["benchmarks"]:
                if b.get("run_type") == "aggregate" or b.get("error_occurred"):
                    continue
                parts = b["name"].split("/")
                name = parts[0].removeprefix("BM_")
                size = int(parts[-1])
                kind = b.get("label") or "share message" if "Share" in name else (b.get("label") or "link")
                yield name, kind, size, b["real_time"], b.get("time_unit", "ms"), b.get("bytes_per_second", 0)


def main(paths):
    table = defaultdict(dict)
    for name, kind, size, time, unit, bps in rows(paths):
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[unit]
        table[(name, kind)][size] = (time * scale, bps / 1e6)
    print("| operation | text | size: MB/s (ms) | 16 MB / 1 MB time |")
    print("|---|---|---|---|")
    for (name, kind), by_size in table.items():
        cells = ", ".join(f"{SIZES.get(s, s)}: {mbps:,.0f} ({ms:.2f})" for s, (ms, mbps) in sorted(by_size.items()))
        ratio = by_size[16 << 20][0] / by_size[1 << 20][0] if (16 << 20) in by_size and (1 << 20) in by_size else None
        print(f"| {name} | {kind} | {cells} | {ratio:.1f} |" if ratio else f"| {name} | {kind} | {cells} | |")


if __name__ == "__main__":
    main(sys.argv[1:])
