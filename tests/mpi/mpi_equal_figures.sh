#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tavolix developers
#
# tavolix-sim-mpi on three ranks of this one machine gives the figures of
# tavolix-sim on one thread to the last digit, whole and when stopped
# mid-way by a kill and started again from its checkpoint; a hostfile that
# names no machine ends with an error, never a hang.
#   mpi_equal_figures.sh TAVOLIX_SIM TAVOLIX_SIM_MPI
set -euo pipefail
sim=$1
sim_mpi=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Root in a container (CI) and no shared memory between the container's
# processes but the plain copy: what Open MPI needs to start here.
export OMPI_ALLOW_RUN_AS_ROOT=1 OMPI_ALLOW_RUN_AS_ROOT_CONFIRM=1
export OMPI_MCA_btl=self,vader OMPI_MCA_btl_vader_single_copy_mechanism=none
export OMPI_MCA_rmaps_base_oversubscribe=1
mpirun=(timeout 120 mpirun --oversubscribe -np 3)

# 115 blocks, some dozens for each rank: about two seconds of dealing on
# three ranks sharing two cores, twenty times the first checkpoint's tenth of
# a second, which the kill below waits for.
game=(--rounds "${TAVOLIX_MPI_TEST_ROUNDS:-30000000}" --decks 6 --rules "S17 DAS LS"
      --ramp "1:1,2:2,3:4,4:8,5:12" --bankroll 1000 --trip 5000 --seed 20260530 --json)

same_figures() {
    python3 - "$1" "$2" <<'PYTHON'
import json
import sys
timings = {"seconds", "rounds_per_second", "threads", "ranks", "blocks_per_rank"}
with open(sys.argv[1]) as one, open(sys.argv[2]) as other:
    a, b = json.load(one), json.load(other)
keys = (set(a) | set(b)) - timings
differ = sorted(key for key in keys if a.get(key) != b.get(key))
if differ:
    for key in differ:
        print(f"{key}: {a.get(key)!r} != {b.get(key)!r}")
    sys.exit(1)
if not b.get("ranks") or len(b.get("blocks_per_rank", [])) != b["ranks"]:
    print("the MPI report has no ranks or blocks_per_rank")
    sys.exit(1)
PYTHON
}

"$sim" "${game[@]}" --threads 1 >"$work/one.json"
"${mpirun[@]}" "$sim_mpi" "${game[@]}" --threads 1 >"$work/three.json"
same_figures "$work/one.json" "$work/three.json"
echo "3 ranks: the figures of one thread ($(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["blocks_per_rank"])' "$work/three.json") blocks per rank)"

# The planning options: the pilot of an optimal ramp played by the ranks as
# the game is, a back-counter, and the true count from a half-deck estimate,
# truncated.
plan=(--rounds 3000000 --decks 6 --rules "S17 DAS LS" --ramp optimal --spread 12
      --back-count 1:-1 --tc-decks half --tc-division truncate --seed 5 --json)
"$sim" "${plan[@]}" --threads 1 >"$work/plan_one.json"
"${mpirun[@]}" "$sim_mpi" "${plan[@]}" --threads 1 >"$work/plan_three.json"
same_figures "$work/plan_one.json" "$work/plan_three.json"
echo "optimal ramp, back-counting, reckoned true count on 3 ranks: the figures of one thread"

# Killed as a scheduler's time limit would, then started again. The kill
# waits for the first checkpoint, written a tenth of a second into the play,
# so that it never lands while MPI is still starting (which would end the job
# before any rank could keep its work), and comes well before the end of the
# job.
"${mpirun[@]}" "$sim_mpi" "${game[@]}" --threads 1 --checkpoint "$work/run.ckpt" \
    --checkpoint-every 0.1 >"$work/killed.json" 2>"$work/killed.err" &
job=$!
while [ ! -s "$work/run.ckpt" ] && kill -0 "$job" 2>/dev/null; do
    sleep 0.05
done
kill -TERM "$job" 2>/dev/null || true
status=0
wait "$job" || status=$?
if [ "$status" -eq 0 ]; then
    echo "the run ended before the kill; raise TAVOLIX_MPI_TEST_ROUNDS" >&2
    exit 1
fi
[ -s "$work/run.ckpt" ] || { echo "no checkpoint after the kill" >&2; cat "$work/killed.err" >&2; exit 1; }
echo "killed (exit $status): the checkpoint keeps $(sed -n 's/^done //p' "$work/run.ckpt" | tr -cd 1 | wc -c) blocks"
"${mpirun[@]}" "$sim_mpi" "${game[@]}" --threads 1 --checkpoint "$work/run.ckpt" >"$work/resumed.json"
same_figures "$work/one.json" "$work/resumed.json"
echo "stopped and resumed: the figures of one thread"

# Ranks given different options are refused by one line, all ranks ending.
status=0
timeout 60 mpirun --oversubscribe -np 1 "$sim_mpi" --rounds 1000 --seed 1 : \
    -np 1 "$sim_mpi" --rounds 1000 --seed 2 >"$work/disagree.out" 2>"$work/disagree.err" || status=$?
[ "$status" -ne 0 ] && [ "$status" -ne 124 ] &&
    grep -qx "tavolix-sim-mpi: ranks disagree about the options" "$work/disagree.err" ||
    { echo "disagreeing ranks: exit $status" >&2; cat "$work/disagree.err" >&2; exit 1; }
echo "disagreeing ranks refused (exit $status)"

# A bad option: tavolix-sim's one line, once.
status=0
"${mpirun[@]}" "$sim_mpi" --penetration 2 >"$work/bad.out" 2>"$work/bad.err" || status=$?
[ "$(grep -c '^tavolix-sim-mpi: --penetration' "$work/bad.err")" -eq 1 ] && [ "$status" -ne 0 ] ||
    { echo "bad option: exit $status" >&2; cat "$work/bad.err" >&2; exit 1; }
echo "bad option refused once (exit $status)"

# --compare plays games one after another: tavolix-sim's alone.
status=0
"${mpirun[@]}" "$sim_mpi" --compare "$work/none.txt" >"$work/compare.out" 2>"$work/compare.err" ||
    status=$?
[ "$(grep -c '^tavolix-sim-mpi: --compare is for tavolix-sim' "$work/compare.err")" -eq 1 ] &&
    [ "$status" -ne 0 ] ||
    { echo "--compare: exit $status" >&2; cat "$work/compare.err" >&2; exit 1; }
echo "--compare refused once (exit $status)"

# A hostfile that does not exist or names no machine: mpirun's own error.
for hosts in "$work/none" "$work/empty"; do
    [ "$hosts" = "$work/empty" ] && : >"$hosts"
    status=0
    timeout 60 mpirun --oversubscribe --hostfile "$hosts" -np 2 "$sim_mpi" --rounds 1000 \
        >/dev/null 2>"$work/hosts.err" || status=$?
    [ "$status" -ne 0 ] && [ "$status" -ne 124 ] ||
        { echo "hostfile $hosts: exit $status" >&2; exit 1; }
    echo "hostfile $(basename "$hosts"): exit $status"
done
