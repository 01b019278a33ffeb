#!/usr/bin/env bash
# tarvesk-sim --record, then --replay of the recording: the same trace, on the
# recorded screen size.   record_replay.sh TARVESK_SIM SCENARIO
set -euo pipefail
sim=$1 scenario=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$sim" "$scenario" --screen 1920x1080 --record "$work/recording" >"$work/trace"
head -1 "$work/recording" | grep -qx '# tarvesk-sim recording, screen 1920x1080' || { echo "bad header: $(head -1 "$work/recording")"; exit 1; }
! grep -q '^expect' "$work/recording" || { echo "an expectation was recorded"; exit 1; }
"$sim" --replay "$work/recording" >"$work/replayed"
cmp "$work/trace" "$work/replayed" || { diff "$work/trace" "$work/replayed" | head -20; exit 1; }
echo "replayed $(wc -l <"$work/recording") recorded lines to the same $(wc -l <"$work/trace")-line trace"
