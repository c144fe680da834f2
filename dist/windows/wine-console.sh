#!/bin/bash
# Runs a cross-built Windows program under Wine on a terminal of its own, so
# that it has a console: Wine gives one only to a program started on a
# terminal, and console events (Ctrl+C) need one. The terminal is wide, so
# that the console wraps no line of the output, which is passed on without
# the console's cursor movements; the program's exit status is kept.
set -o pipefail

command="stty cols 1000; /usr/lib/wine/wine64"
for argument in "$@"; do
    command+=" $(printf '%q' "$argument")"
done
script -qefc "$command" /dev/null </dev/null | sed -u 's/\x1b\[1C/ /g; s/\x1b\[[0-9;?]*[A-Za-z]//g; s/\r$//'
