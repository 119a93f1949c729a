#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One layer of the opening book on a Slurm cluster: twelve array tasks, each
# searching one twelfth of the layer with vantrel-engine book on the
# processors Slurm gives it. See "Making a layer on many machines" in
# doc/engine.md.
#
# Submit from the top of a built tree on a filesystem every node sees, with
# the layer's depth, the discs in each of its positions:
#
#     sbatch scripts/book.sbatch 9                        # the 9-disc layer
#     sbatch --cpus-per-task=8 scripts/book.sbatch 9      # more threads a part
#     sbatch --time=1-0 scripts/book.sbatch 10
#
# The depth may come from VANTREL_BOOK_DEPTH instead, where the site passes
# the environment on to the tasks; a task given neither does nothing and
# says so. A layer the shipped book holds already, every layer of 8 discs or
# fewer, is read from it: its tasks finish at once.
#
# Part K is written to data/book/D-K-of-12.book (D the depth), and every
# choice is kept as it is made in data/book/work/D-K-of-12.work. Each task's
# output goes to build/book-JOB_K.out (build/ is the tree's build folder,
# which git ignores); a task requeued appends to it. A task that is
# cancelled, preempted or runs out of time resumes from its work file when
# submitted again, the parts still missing alone if need be
# (sbatch --array=3,7 scripts/book.sbatch 9); a part already written is left
# as it is. The search's bounds come from the tree's own data/engine.book,
# the book of the layers before. Once all twelve are written, on any
# machine, merge them to a scratch file and move it into place:
#
#     build/tools/vantrel-engine merge --depth 9 --lines data/book/lines-12.book \
#         --output build/engine.book data/book/9-*-of-12.book
#     mv build/engine.book data/engine.book
#
# A 1/12 part of the 9-disc layer took one to one and a half hours on one
# thread of the development machine; --time leaves room for a slower node.
#SBATCH --job-name=vantrel-book
#SBATCH --array=1-12
#SBATCH --cpus-per-task=2
#SBATCH --time=04:00:00
#SBATCH --requeue
#SBATCH --output=build/book-%A_%a.out
#SBATCH --open-mode=append
set -euo pipefail

# The parts the layer is cut into: the number of tasks in --array above.
parts=12
# The deepest layer vantrel-engine book makes.
deepest=12
depth=${1:-${VANTREL_BOOK_DEPTH:-}}
if [[ -z $depth ]]; then
    echo "book.sbatch: no depth given: sbatch scripts/book.sbatch 9 makes the 9-disc layer" >&2
    exit 2
fi
if [[ ! $depth =~ ^[0-9]+$ ]] || ((10#$depth > deepest)); then
    echo "book.sbatch: the depth must be a whole number from 0 to $deepest, not \"$depth\":" \
        "sbatch scripts/book.sbatch 9" >&2
    exit 2
fi
depth=$((10#$depth))
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
# A requeued task appends to the same output: say which run this is.
echo "book.sbatch: part $part/$parts of the $depth-disc layer on $(hostname), $threads thread(s)," \
    "requeued ${SLURM_RESTART_COUNT:-0} times before, $(date -u '+%Y-%m-%d %H:%M:%S UTC')"
if [[ -e $output ]]; then
    echo "book.sbatch: $output is written already"
    exit 0
fi
exec "$tool" book --depth "$depth" --shard "$part/$parts" --threads "$threads" \
    --book data/engine.book --output "$output" --work "$work"
