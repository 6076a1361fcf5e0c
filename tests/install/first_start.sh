# Sourced by the install tests, after they define fail() and a cleanup that ends "$pid" when set.
#
#   first_start PROGRAM CATALOGUE HOME
# Starts an installed PROGRAM with the empty home folder HOME, as on its first start, and fails unless
# it makes the program folder HOME/QOD/Charac and copies the installed starter catalogue CATALOGUE into
# it before its window comes up (to wait for its first-start message, which nothing answers here).
first_start() {
    mkdir "$3"
    env -u CHARAC_HOME -u XDG_CONFIG_HOME HOME="$3" QT_QPA_PLATFORM=offscreen "$1" >"$3.out" 2>&1 &
    pid=$!
    copy=$3/QOD/Charac/stuff.qoc
    tries=0
    while [ ! -s "$copy" ] && [ $tries -lt 50 ] && kill -0 "$pid" 2>/dev/null; do
        sleep 0.1
        tries=$((tries + 1))
    done
    kill -0 "$pid" 2>/dev/null || { cat "$3.out"; fail "$1 ended on its first start"; }
    [ -s "$copy" ] || fail "the first start of $1 made no $copy"
    cmp -s "$copy" "$2" || fail "$copy is not the installed starter catalogue $2"
    kill "$pid" && wait "$pid" 2>/dev/null
    pid=""
}
