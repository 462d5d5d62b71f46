#!/bin/sh
# Makes the program's two sounds with sox into the folder given:
# "Intro.wav", a rising chord played at start, and "Success.wav", two notes
# played after a successful edit. Pure tones with soft ends, so the files
# come out the same on every run.
#
# usage: make-sounds.sh FOLDER
set -eu

out=$1
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# note NAME SECONDS FREQUENCY: one tone, faded in and out.
note() {
  sox -D -n -r 22050 -b 16 -c 1 "$work/$1.wav" synth "$2" sine "$3" fade q 0.01 "$2" 0.08 vol 0.5
}

note c 0.14 523.25
note e 0.14 659.25
note g 0.45 783.99
sox -D "$work/c.wav" "$work/e.wav" "$work/g.wav" "$out/Intro.wav"

note g2 0.12 783.99
note c2 0.35 1046.50
sox -D "$work/g2.wav" "$work/c2.wav" "$out/Success.wav"
