#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One layer of the opening book on a Slurm cluster: twelve array tasks, each
# searching one twelfth of the layer with vantrel-engine book on the
# processors Slurm gives it. See "Making a layer on many machines" in
# doc/engine.md.
#
# Submit it with scripts/submit-book and the layer's depth, the discs in
# each of its positions, from anywhere:
#
#     scripts/submit-book 10                                # the 10-disc layer
#     scripts/submit-book 10 --cpus-per-task=8 --time=1-0   # more threads a part, more time
#
# Slurm opens each task's log on its node before this script runs: a tree
# that is not built, or that the node cannot see, fails every task without
# a word anywhere the user can read. submit-book refuses both at the
# terminal (a tree under /tmp or in memory while the cluster has other
# nodes), submits the tree it is in with absolute paths, names the job
# after the depth (book-10) and asks for the memory a part of that depth
# takes (--mem). Submitted by hand (sbatch scripts/book.sbatch 10), the
# script works only from the top of a built tree on a filesystem every
# node sees, and asks for the most memory any depth takes on two threads.
#
# The depth may come from VANTREL_BOOK_DEPTH instead, where the site passes
# the environment on to the tasks; a task given neither does nothing and
# says so. A layer the shipped book holds already, every layer of 9 discs or
# fewer, is read from it: its tasks finish at once.
#
# Part K is written to data/book/D-K-of-12.book (D the depth), and every
# choice is kept as it is made in data/book/work/D-K-of-12.work. Each task's
# output goes to build/book-JOB_K.out (build/ is the tree's build folder,
# which git ignores); a task requeued appends to it. A task that is
# cancelled, preempted or runs out of time resumes from its work file when
# submitted again, the parts still missing alone if need be
# (scripts/submit-book 10 --array=3,7); a part already written is left as
# it is. A task holds a lock on its part's work file (flock, which NFS
# keeps across nodes unless mounted with local locks): a second task of the
# same part, from a job submitted twice, stops and says so rather than
# write the file too. The search's
# bounds come from the tree's own data/engine.book, the book of the layers
# before. Once all twelve are written, on any machine, merge them to a
# scratch file, verify it, and only then move it into place (here the
# 9-disc layer's, as the shipped book was made):
#
#     build/tools/vantrel-engine merge --depth 9 --lines data/book/lines-12.book \
#         --output build/engine.book data/book/9-*-of-12.book
#     build/tools/vantrel-engine verify --book build/engine.book --sample 200
#     mv build/engine.book data/engine.book
#
# merge refuses a book shallower than the shipped one, which would drop its
# deeper entries, unless given --allow-shallower.
#
# A twelfth of the 9-disc layer took 36 to 50 minutes on one thread of the
# two-processor development machine, and its heaviest part about twice
# that; the 10-disc layer has three times as many positions. --time leaves
# room for a slower node: give more for 10 discs and beyond.
#SBATCH --job-name=book
#SBATCH --array=1-12
#SBATCH --cpus-per-task=2
#SBATCH --time=04:00:00
# What a part of 12 discs takes on two threads, with room to spare;
# submit-book asks for what the depth and the processors take.
#SBATCH --mem=544M
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
    echo "book.sbatch: no depth given: scripts/submit-book 10 makes the 10-disc layer" >&2
    exit 2
fi
if [[ ! $depth =~ ^[0-9]+$ ]] || ((10#$depth > deepest)); then
    echo "book.sbatch: the depth must be a whole number from 0 to $deepest, not \"$depth\":" \
        "scripts/submit-book 10" >&2
    exit 2
fi
depth=$((10#$depth))
part=${SLURM_ARRAY_TASK_ID:?"submit with sbatch, which sets SLURM_ARRAY_TASK_ID"}
threads=${SLURM_CPUS_PER_TASK:-1}

# Slurm runs a copy of this script, from the folder it was submitted in.
cd "${SLURM_SUBMIT_DIR:-.}"
tool=build/tools/vantrel-engine
if [[ ! -x $tool ]]; then
    echo "book.sbatch: no $tool in $PWD; build it and submit with scripts/submit-book" >&2
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
# The lock on the work file lasts as long as the tool, which inherits it.
mkdir -p "$(dirname "$work")"
exec {lock}>>"$work"
if ! flock --nonblock "$lock"; then
    echo "book.sbatch: $work is being written by another task of part $part/$parts; this one stops" >&2
    exit 1
fi
exec "$tool" book --depth "$depth" --shard "$part/$parts" --threads "$threads" \
    --book data/engine.book --output "$output" --work "$work"
