#!/bin/sh
# Start-up time of the Charac window next to a bare Qt window of the same size, in one run, under
# Xvfb. Prints the mean of each over N runs (default 30) and their ratio.
set -e
cd "$(dirname "$0")/.."
make -s bench >/dev/null
probe=build/startup_probe
# A program folder of its own with the path files, or the first start stops at its "new paths found"
# message.
CHARAC_HOME=$(mktemp -d)
export CHARAC_HOME
trap 'rm -rf "$CHARAC_HOME"' EXIT
for f in "pa 0.txt" "pa 1.txt" "pa 2.txt" "pathC.txt"; do
  printf '"%s/"\r\n' "$CHARAC_HOME" > "$CHARAC_HOME/$f"
done
runs=${1:-30}
xvfb-run -a -s "-screen 0 1280x800x24" sh -c "
  for kind in bare charac bare charac; do
    start=\$(date +%s%N)
    i=0; while [ \$i -lt $runs ]; do $probe \$kind; i=\$((i+1)); done
    end=\$(date +%s%N)
    echo \"\$kind \$(( (end - start) / $runs / 1000 ))\"
  done" 2>/dev/null | awk '
  { total[$1] += $2; n[$1]++ }
  END {
    b = total["bare"] / n["bare"]; c = total["charac"] / n["charac"];
    printf "bare Qt window: %.1f ms\nCharac window:  %.1f ms\nratio: %.2f\n", b / 1000, c / 1000, c / b
  }'
