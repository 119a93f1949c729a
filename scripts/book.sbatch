#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One layer of the opening book on a Slurm cluster: twelve array tasks, each
# searching one twelfth of the layer with vantrel-engine book on the
# processors Slurm gives it. See "Making a layer on many machines" in
# doc/engine.md.
#
# Submit from the top of a built tree on a filesystem every node sees:
#
#     sbatch scripts/book.sbatch                          # the 9-disc layer
#     sbatch --cpus-per-task=8 scripts/book.sbatch        # more threads a part
#     VANTREL_BOOK_DEPTH=10 sbatch --time=1-0 scripts/book.sbatch
#
# Part K is written to data/book/D-K-of-12.book (D the depth), and every
# choice is kept as it is made in data/book/work/D-K-of-12.work. A task that
# is cancelled, preempted or runs out of time resumes from its work file when
# submitted again, the parts still missing alone if need be
# (sbatch --array=3,7 scripts/book.sbatch); a part already written is left
# as it is. Once all twelve are written, on any machine:
#
#     build/tools/vantrel-engine merge --depth 9 --lines data/book/lines-12.book \
#         --output data/engine.book --force data/book/9-*-of-12.book
#
# A 1/12 part of the 9-disc layer took one to one and a half hours on one
# thread of the development machine; --time leaves room for a slower node.
#SBATCH --job-name=vantrel-book
#SBATCH --array=1-12
#SBATCH --cpus-per-task=2
#SBATCH --time=04:00:00
#SBATCH --requeue
set -euo pipefail

# The parts the layer is cut into: the number of tasks in --array above.
parts=12
depth=${VANTREL_BOOK_DEPTH:-9}
part=${SLURM_ARRAY_TASK_ID:?"submit with sbatch, which sets SLURM_ARRAY_TASK_ID"}
threads=${SLURM_CPUS_PER_TASK:-1}

# Slurm runs a copy of this script, from the folder it was submitted in.
cd "${SLURM_SUBMIT_DIR:-.}"
tool=build/tools/vantrel-engine
if [[ ! -x $tool ]]; then
    echo "book.sbatch: no $tool in $PWD; build it and submit from the top of the tree" >&2
    exit 1
fi

output=data/book/$depth-$part-of-$parts.book
work=data/book/work/$depth-$part-of-$parts.work
if [[ -e $output ]]; then
    echo "book.sbatch: $output is written already"
    exit 0
fi
exec "$tool" book --depth "$depth" --shard "$part/$parts" --threads "$threads" \
    --output "$output" --work "$work"
