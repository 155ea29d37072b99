#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs two builds of receive_bench in turn, round after round, so that both
see the same load on a shared machine, and prints each benchmark's median
CPU time (other processes' load stretches the real time, not this) and the
candidate's speed as a share of the base's.

    bench/paired_receive.py BASE_BENCH CANDIDATE_BENCH [ROUNDS] [FILTER]

A benchmark of the candidate is paired with the base's of the same name, or
else of the same name before its first "/satellites:" part (a base that
does not know that option).
"""
import json
import statistics
import subprocess
import sys


def run(binary, pattern):
    out = subprocess.run([binary, f"--benchmark_filter={pattern}", "--benchmark_format=json"],
                         check=True, capture_output=True, text=True).stdout
    return {b["name"]: b["cpu_time"] for b in json.loads(out)["benchmarks"]}


def main():
    base, candidate = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    pattern = sys.argv[4] if len(sys.argv) > 4 else "chunk:4096"
    times = {}
    for _ in range(rounds):
        for label, binary in (("base", base), ("candidate", candidate)):
            for name, time in run(binary, pattern).items():
                times.setdefault((label, name), []).append(time)
    base_times = {name: statistics.median(t) for (label, name), t in times.items() if label == "base"}
    for (label, name), t in sorted(times.items()):
        if label != "candidate":
            continue
        paired = base_times.get(name) or base_times.get(name.split("/satellites:")[0])
        median = statistics.median(t)
        if paired:
            print(f"{name}: median {median:.2f} ms CPU over {rounds} rounds; base {paired:.2f} ms; "
                  f"{paired / median:.3f} of the base's speed")
        else:
            print(f"{name}: median {median:.2f} ms CPU over {rounds} rounds; no base")


if __name__ == "__main__":
    main()
