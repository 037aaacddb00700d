#!/usr/bin/env bash
# Lays the sample languages into a working folder and speaks every word into its recording.
#
#   sample/make_sample.sh <workdir>
#
# The word lists are copied only when <workdir>/languages is not there yet, so a student's or a
# contributor's changes survive. Recordings that already exist are kept, which makes a second run
# cheap; each one is written under a temporary name first, so an interrupted run never leaves a
# truncated MP3 that a later run would take for finished.
#
# Recordings are 22050 Hz mono MP3s at languages/<language>/<first two digits>/<number>.mp3, made
# with espeak-ng and lame. Entries without a sound number are left without a recording on purpose.
set -euo pipefail

if [ $# -ne 1 ] || [ -z "$1" ]; then
  echo "usage: $0 <working folder>" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
work=$1

for tool in espeak-ng lame sox; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool is needed to make the sample recordings (scripts/setup.sh installs it)" >&2
    exit 1
  fi
done

mkdir -p "$work"
work=$(cd "$work" && pwd)
# A first run records into languages.partial and gives it its real name only when every recording
# is made: run.sh takes an existing languages folder for a finished set-up.
langs="$work/languages"
if [ ! -d "$langs" ]; then
  langs="$work/languages.partial"
  if [ ! -d "$langs" ]; then
    rm -rf "$work/languages.copying"
    cp -R "$here/languages" "$work/languages.copying"
    mv "$work/languages.copying" "$langs"
  fi
fi
mkdir -p "$work/users"

tmp=$(mktemp -d)
# Recordings still being made when the script stops are abandoned, never left half-written.
trap 'jobs -p | xargs -r kill 2>/dev/null; wait 2>/dev/null; rm -rf "$tmp"' EXIT

# WAV in, 22050 Hz mono MP3 out, replacing the target only once it is complete. No LAME/Xing info
# frame (-t): MP3 compilations are these files laid end to end, and an info frame would tell a
# player that the whole compilation is as long as its first word.
encode() {
  local wav=$1 mp3=$2 part
  part="$tmp/$(basename "$mp3")"
  lame --quiet -t -m m -b 32 --resample 22.05 "$wav" "$part"
  mv -f "$part" "$mp3"
}

# One word into its recording; runs as a background job, so every file name is its own.
speak() {
  local voice=$1 word=$2 target=$3 wav
  wav="$tmp/$(basename "$target" .mp3).wav"
  # The word goes in on standard input so that a word starting with "-" is never an option.
  printf '%s' "$word" | espeak-ng -v "$voice" -s 140 -w "$wav"
  encode "$wav" "$target"
  rm -f "$wav"
}

voice_for() {
  case "$1" in
    spanish) echo es ;;
    english) echo en ;;
    french) echo fr ;;
    german) echo de ;;
    italian) echo it ;;
    portuguese) echo pt ;;
    *) echo en ;;
  esac
}

made=0
kept=0
running=0
jobs=${QL_SAMPLE_JOBS:-$(nproc)}
for dir in "$langs"/*/; do
  [ -d "$dir" ] || continue
  lang=$(basename "$dir")
  master="$dir/master_$lang.txt"
  [ -f "$master" ] || continue
  voice=$(voice_for "$lang")
  # Master files end their lines in CR LF and may lack a final newline.
  while IFS= read -r line || [ -n "$line" ]; do
    line=${line%$'\r'}
    IFS='|' read -r word translation number rest <<<"$line|"
    # Exactly three fields make an entry; anything else is not one.
    [ -z "$rest" ] || continue
    [ -n "$word" ] || continue
    # The number becomes part of a path: only digits are taken.
    [[ "$number" =~ ^[0-9]{2,}$ ]] || continue
    target="$dir${number:0:2}/$number.mp3"
    if [ -s "$target" ]; then
      kept=$((kept + 1))
      continue
    fi
    mkdir -p "$dir${number:0:2}"
    speak "$voice" "$word" "$target" &
    running=$((running + 1))
    made=$((made + 1))
    if [ "$running" -ge "$jobs" ]; then
      wait -n
      running=$((running - 1))
    fi
  done <"$master"
done
# wait -n hands back each job's status, so set -e stops the script on a failed recording.
while [ "$running" -gt 0 ]; do
  wait -n
  running=$((running - 1))
done

if [ ! -s "$work/silence.mp3" ]; then
  sox -q -n -r 22050 -c 1 -b 16 "$tmp/silence.wav" trim 0 0.2
  encode "$tmp/silence.wav" "$work/silence.mp3"
fi
if [ ! -s "$work/beep.mp3" ]; then
  sox -q -n -r 22050 -c 1 -b 16 "$tmp/beep.wav" synth 0.25 sine 880 fade 0.01 0.25 0.02 vol 0.5
  encode "$tmp/beep.wav" "$work/beep.mp3"
fi

if [ "$langs" != "$work/languages" ]; then
  mv "$langs" "$work/languages"
fi

echo "Sample working folder ready in $work ($made recordings made, $kept already there)"
