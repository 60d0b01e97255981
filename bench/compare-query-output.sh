#!/usr/bin/env bash
# Runs the same request chains through two corvanel-query binaries on one
# collection and compares their output byte for byte: the check that a
# change to the core or the result list's logic lists exactly what it did.
#   bench/compare-query-output.sh OLD_BINARY NEW_BINARY COLLECTION [WORD]
# WORD: a word common in the collection (default "criança").
set -uo pipefail
old=$1 new=$2 db=$3 common=${4:-criança}

chains=(
    "--tipo G --edit4 T"
    "--tipo G --edit4 T --edit3 ad --then narrow --edit3 x --then back"
    "--tipo A01 --edit4 A --then open 0"
    "--tipo A01 --edit4 A --then open 2 --edit3 a --then narrow --then back"
    "--tipo T --edit4 ' ' --edit3 $common --then search"
    "--tipo T --edit4 ' ' --edit3 $common --then search --edit3 ad --then narrow"
    "--tipo T --edit4 ' ' --edit3 $common --then search --edit3 ad --then narrow --then back"
    "--tipo T --edit4 ' ' --edit3 $common --then search --edit3 ad --then narrow --edit3 o --then narrow --then back --then back --then back"
    "--tipo T --edit4 ' ' --edit3 'conselho tutelar' --then search"
    "--tipo T --edit4 ' ' --edit3 'do conselho' --then search --then open 1"
    "--tipo T --edit4 ' ' --edit3 ' ' --then search"
    "--tipo T --edit4 ' ' --edit3 ti --then search"
    "--tipo T --edit4 ' ' --edit3 a --then search --edit3 '' --then narrow"
    "--tipo T --edit4 ' ' --edit3 zzzzqqq --then search"
    "--tipo T --edit4 ' ' --edit3 '100%' --then search"
    "--tipo T --edit4 ' ' --edit3 'EDUCACAO' --then search"
    "--tipo T --edit4 ' ' --then narrow"
    "--tipo T --edit4 ' ' --then back"
    "--tipo ' ' --edit4 ' ' --edit3 adoção --then search --edit3 guarda --then search --then back"
    "--tipo SA --edit4 A --edit3 ' ' --subcatok 0"
    "--tipo SB --edit4 B --edit3 lei --subcatok 0"
    "--tipo SB --edit4 B --edit3 ' ' --subcat B02 --subcatok 1"
    "--tipo SC --edit4 C --edit3 ' ' --subcatok 0 --then search"
    "--tipo SC --edit4 C --edit3 $common --subcatok 0 --then search --edit3 de --then narrow"
    "--tipo SD --edit4 D --edit3 ' ' --subcatok 0"
    "--tipo SE --edit4 E --edit3 ' ' --subcatok 0 --edit3 a --then search"
    "--tipo SF --edit4 F --edit3 ' ' --subcatok 0"
    "--tipo SF --edit4 F --edit3 vida --subcatok 0 --then search --then open 3"
    "--tipo B --edit4 B06 --aux B"
    "--tipo B --edit4 B02 --aux B --edit3 lei --then search"
    "--tipo C --edit4 C13 --aux C"
    "--tipo C --edit4 C13 --aux C --then open 1"
    "--tipo A --edit4 A01 --aux A"
    "--tipo D --edit4 D01 --aux D --edit3 a --then narrow"
    "--tipo E --edit4 E01 --aux E"
    "--tipo F --edit4 F01 --aux F"
    "--tipo X --edit4 ' '"
    "--tipo SZ --edit4 Z --edit3 a --then search"
    "--tipo G --edit4 T --edit3 $common --then search --then open 0"
)

different=0
for chain in "${chains[@]}"; do
    eval "set -- $chain"
    if ! cmp -s <("$old" --db "$db" "$@" 2>&1) <("$new" --db "$db" "$@" 2>&1); then
        echo "DIFERENTE: $chain"
        different=$((different + 1))
    fi
done
echo "${#chains[@]} cadeias, $different diferentes"
[ "$different" -eq 0 ]
