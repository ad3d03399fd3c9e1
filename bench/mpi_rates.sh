#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tavolix developers
#
# The simulator's processes against its threads on this machine: rounds per
# second of tavolix-sim on 1 and 2 threads and of tavolix-sim-mpi on 1 and 2
# ranks of one thread each, the median of three runs of a fixed game, as the
# programs measure it (the dealing, not the start-up). What MPI costs is the
# gap between a rank and a thread.
#   bench/mpi_rates.sh DIR_OF_THE_RELEASE_PROGRAMS [ROUNDS]
set -euo pipefail
bin=$1
rounds=${2:-100000000}
export OMPI_ALLOW_RUN_AS_ROOT=1 OMPI_ALLOW_RUN_AS_ROOT_CONFIRM=1
export OMPI_MCA_btl=self,vader OMPI_MCA_btl_vader_single_copy_mechanism=none
# The i18 indices when this build has them.
indices=i18
"$bin/tavolix-sim" --rounds 1 --indices i18 >/dev/null 2>&1 || indices=none
game=(--rounds "$rounds" --decks 6 --rules "S17 DAS LS" --count hilo --indices "$indices"
      --ramp "1:1,2:2,3:4,4:8,5:12" --penetration 0.75 --seed 1 --json)

rate() {
    local runs=() json
    for _ in 1 2 3; do
        json=$("$@" "${game[@]}")
        runs+=("$(python3 -c 'import json,sys; print(json.load(sys.stdin)["rounds_per_second"])' <<<"$json")")
    done
    printf '%s\n' "${runs[@]}" | sort -g | sed -n 2p
}

one_thread=$(rate "$bin/tavolix-sim" --threads 1)
two_threads=$(rate "$bin/tavolix-sim" --threads 2)
one_rank=$(rate mpirun -np 1 "$bin/tavolix-sim-mpi" --threads 1)
two_ranks=$(rate mpirun --oversubscribe -np 2 "$bin/tavolix-sim-mpi" --threads 1)
python3 - "$one_thread" "$two_threads" "$one_rank" "$two_ranks" \
    "$(cut -d' ' -f1-3 /proc/loadavg)" "$indices" <<'PYTHON'
import sys
one_thread, two_threads, one_rank, two_ranks = (float(x) / 1e6 for x in sys.argv[1:5])
print(f"simulator over MPI, indices {sys.argv[6]}, load average {sys.argv[5]}: tavolix-sim 1 thread {one_thread:.1f}, "
      f"2 threads {two_threads:.1f}; tavolix-sim-mpi 1 rank {one_rank:.1f} "
      f"({100 * (one_rank / one_thread - 1):+.1f} %), 2 ranks {two_ranks:.1f} "
      f"({100 * (two_ranks / two_threads - 1):+.1f} %) million rounds/s")
PYTHON
