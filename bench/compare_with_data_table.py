#!/usr/bin/env python3
"""The whole-process loading and saving figures of large data files, with R's data.table
(fread, fwrite) as the yardstick.

The machine is shared, so the two programs run in turns (one of each per round) and every
ratio is the median of the ratios of one round. Needs a release build, hyperfine is not
needed; Rscript with the data.table package is (it is installed for this comparison only):

    cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOSTREL_BUILD_APP=OFF
    cmake --build build-release --target vostrel-cli data_load_bench make_data_file
    bench/compare_with_data_table.py build-release --rounds 7 [--large]

--large adds the 10,000,000 x 10 file (860 MB; time and peak memory only).
"""

import argparse
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time


def run(command):
    """Runs a command to its end; its wall time in seconds and peak resident memory in MB."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    output = process.stdout.read()
    process.stderr.read()
    _, status, usage = os.wait4(process.pid, 0)
    seconds = time.perf_counter() - start
    if status != 0:
        sys.exit(f"failed: {' '.join(command)}")
    return seconds, usage.ru_maxrss / 1024, output.decode()


def generated(build, folder, name, rows, cols):
    path = os.path.join(folder, name)
    if not os.path.exists(path):
        subprocess.run([os.path.join(build, "bench", "make_data_file"), str(rows), str(cols), path],
                       check=True)
    return path


def fread(path):
    """The whole Rscript process; it prints the time fread itself took."""
    return ["Rscript", "-e",
            f'library(data.table); cat(system.time(fread("{path}"))[["elapsed"]])']


def compare_loading(build, path, rounds):
    cli = os.path.join(build, "src", "cli", "vostrel-cli")
    ours, theirs, inner, ratios, innerRatios, rss = [], [], [], [], [], []
    run([cli, "info", path])  # warm the file cache
    for _ in range(rounds):
        seconds, peak, _ = run([cli, "info", path])
        ours.append(seconds)
        rss.append(peak)
        seconds, _, output = run(fread(path))
        theirs.append(seconds)
        inner.append(float(output))
        ratios.append(ours[-1] / theirs[-1])
        innerRatios.append(ours[-1] / inner[-1])
    print(f"{os.path.basename(path)}: vostrel-cli info median {statistics.median(ours):.3f} s "
          f"(runs {', '.join(f'{s:.2f}' for s in ours)}), peak RSS {max(rss):.0f} MB")
    print(f"  Rscript fread median {statistics.median(theirs):.3f} s whole process, "
          f"{statistics.median(inner):.3f} s in fread itself")
    print(f"  ratio vostrel / Rscript fread, median of rounds: {statistics.median(ratios):.2f}; "
          f"vostrel / fread itself: {statistics.median(innerRatios):.2f}")


def compare_saving(build, path, rounds):
    bench = os.path.join(build, "bench", "data_load_bench")
    out = path + ".fwrite"
    script = (f'library(data.table); x <- fread("{path}"); '
              f'for (i in 1:3) cat(system.time(fwrite(x, "{out}", sep="\\t"))[["elapsed"]], "\\n")')
    ours, theirs, ratios = [], [], []
    for _ in range(rounds):
        _, _, output = run([bench, "--benchmark_filter=SaveFile", "--benchmark_format=json"])
        times = [b["real_time"] / 1000 for b in json.loads(output)["benchmarks"]]
        ours.append(statistics.median(times))
        _, _, output = run(["Rscript", "-e", script])
        theirs.append(statistics.median(float(t) for t in output.split()))
        ratios.append(ours[-1] / theirs[-1])
    os.remove(out)
    print(f"saving 1,000,000 x 10: SaveFile median {statistics.median(ours):.3f} s "
          f"(rounds {', '.join(f'{s:.2f}' for s in ours)})")
    print(f"  fwrite median {statistics.median(theirs):.3f} s")
    print(f"  ratio SaveFile / fwrite, median of rounds: {statistics.median(ratios):.2f}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", nargs="?", default="build-release")
    parser.add_argument("--rounds", type=int, default=7)
    parser.add_argument("--large", action="store_true")
    args = parser.parse_args()
    # The files data_load_bench generates and reads, so that its SaveFile saves this table.
    folder = tempfile.gettempdir()
    million = generated(args.build, folder, "vostrel-bench-1000000x10.dat", 1000000, 10)
    compare_loading(args.build, million, args.rounds)
    compare_loading(args.build,
                    generated(args.build, folder, "vostrel-bench-100000x100.dat", 100000, 100),
                    args.rounds)
    compare_saving(args.build, million, args.rounds)
    if args.large:
        large = generated(args.build, folder, "vostrel-bench-10000000x10.dat", 10000000, 10)
        seconds, peak, _ = run([os.path.join(args.build, "src", "cli", "vostrel-cli"), "info",
                                large])
        print(f"{os.path.basename(large)}: vostrel-cli info {seconds:.3f} s, "
              f"peak RSS {peak:.0f} MB")


if __name__ == "__main__":
    main()
