#!/usr/bin/env python3
"""The peer of datafile_bench's Open: pandas.read_csv on the same file.

    DATAFILE_BENCH_FILE=/tmp/big.csv build-bench/bin/datafile_bench --benchmark_filter=Open
    python3 bench/pandas_read_csv.py /tmp/big.csv [repetitions]

Prints the wall and CPU time of each read and the peak resident memory the
reads took, in the units datafile_bench reports. Needs python3-pandas
(Debian); the tests do not.
"""

import os
import sys
import time

import pandas


def resident_mib(key):
    with open("/proc/self/status") as status:
        for line in status:
            if line.startswith(key):
                return int(line.split()[1]) / 1024
    return 0.0


def main():
    path = sys.argv[1]
    repetitions = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    file_mib = os.path.getsize(path) / 1024 / 1024
    for _ in range(repetitions):
        with open("/proc/self/clear_refs", "w") as clear_refs:
            clear_refs.write("5")  # resets the peak resident size
        before = resident_mib("VmRSS:")
        wall = time.perf_counter()
        cpu = time.process_time()
        frame = pandas.read_csv(path)
        cpu = time.process_time() - cpu
        wall = time.perf_counter() - wall
        peak = resident_mib("VmHWM:")
        print(f"pandas.read_csv {frame.shape[0]} records: wall {wall * 1000:.0f} ms, "
              f"CPU {cpu * 1000:.0f} ms, read_MiB {peak - before:.0f} "
              f"({(peak - before) / file_mib:.2f} of the file's {file_mib:.0f} MiB)")
        del frame


if __name__ == "__main__":
    sys.exit(main())
