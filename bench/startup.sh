#!/bin/sh
# Start-up time of the Charac window next to the same widget tree in plain Qt and a bare Qt window of
# the same size, in one run (scripts/bench runs it with every other benchmark).
exec "$(dirname "$0")/../scripts/bench" startup
