#!/usr/bin/env bash
# Runs pruzcalc on one case folder and compares stdout, stderr and the exit
# status with the expected ones byte for byte.
#   case/args          arguments, one per line; "@data" is the case's data/
#                      folder, "@shipped" the shipped data directory,
#                      "@case" the case folder
#   case/env           optional: VAR=value lines set for the run
#   case/changed/      optional: data files that differ from the shipped ones;
#                      "@data" is then a scratch copy of the shipped data
#                      directory with these put over it
#   case/stdout, case/stderr, case/status   what must come out
# Every case runs with HOME in a scratch folder (XDG_DATA_HOME unset), so a
# case without --data makes its catalogue there and never in the real home.
set -u
exe=$1 case=$2 root=$3
home=$(mktemp -d)
out=$(mktemp) err=$(mktemp)
trap 'rm -rf "$out" "$err" "$home"' EXIT
export HOME=$home
data=$case/data
if [ -d "$case/changed" ]; then
  data=$home/data
  cp -R "$root/data" "$data"
  cp "$case/changed"/* "$data"/
fi
unset XDG_DATA_HOME
if [ -f "$case/env" ]; then
  while IFS= read -r line || [ -n "$line" ]; do export "$line"; done < "$case/env"
fi
args=()
while IFS= read -r a || [ -n "$a" ]; do
  a=${a//@data/$data}
  a=${a//@shipped/$root/data}
  a=${a//@examples/$root/examples}
  a=${a//@case/$case}
  args+=("$a")
done < "$case/args"
(cd "$case" && "$exe" "${args[@]}") >"$out" 2>"$err"
status=$?
ok=1
if ! cmp -s "$out" "$case/stdout"; then echo "stdout differs:"; diff "$case/stdout" "$out" | head -20; ok=0; fi
if ! cmp -s "$err" "$case/stderr"; then echo "stderr differs:"; diff "$case/stderr" "$err" | head -20; ok=0; fi
want=$(cat "$case/status")
if [ "$status" != "$want" ]; then echo "exit status $status, expected $want"; ok=0; fi
[ $ok = 1 ]
