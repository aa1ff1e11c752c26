#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a corpus of field texts through several builds of zirev1-calc's batch mode and fails on any
# difference, naming the builds and the line. Each build is a name ending in ":" followed by its
# command's words; "--" starts a new group, compared within itself. A difference is shown by the
# first tab-separated field that differs, since an answer with the elements runs to 64 fields.
#   same_texts.sh CORPUS NAME: COMMAND... [NAME: COMMAND...] [-- NAME: COMMAND...]
set -euo pipefail
corpus=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

reference=""
status=0
run_variant() {
    local name=$1
    shift
    "$@" <"$corpus" >"$work/$name"
    if [ -z "$reference" ]; then
        reference=$name
        echo "$name: $(wc -l <"$work/$name") answers"
    elif cmp -s "$work/$reference" "$work/$name"; then
        echo "$name: the same as $reference"
    else
        local line field
        line=$(cmp "$work/$reference" "$work/$name" | awk '{print $NF}' || true)
        field=$(paste <(sed -n "${line}p" "$work/$reference" | tr '\t' '\n') \
                      <(sed -n "${line}p" "$work/$name" | tr '\t' '\n') |
                awk -F'\t' '$1 != $2 { print NR; exit }')
        echo "$name differs from $reference first at line $line, field ${field:-?}:" >&2
        echo "  fields:   $(sed -n "${line}p" "$corpus" | cut -c1-200)" >&2
        echo "  $reference: $(sed -n "${line}p" "$work/$reference" | cut -f"${field:-1}")" >&2
        echo "  $name: $(sed -n "${line}p" "$work/$name" | cut -f"${field:-1}")" >&2
        status=1
    fi
}

name=""
command=()
for word in "$@" --; do
    if [ "$word" = -- ] || [[ "$word" == *: && ${#command[@]} -gt 0 ]]; then
        [ -n "$name" ] && run_variant "$name" "${command[@]}"
        name=""
        command=()
        [ "$word" = -- ] && reference=""
        [ "$word" = -- ] && continue
    fi
    if [ -z "$name" ]; then
        name=${word%:}
    else
        command+=("$word")
    fi
done
exit $status
