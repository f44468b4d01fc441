#!/usr/bin/env bash
# Runs pruzcalc for one case of key-lines.txt and checks its exit status and
# that its key lines come out, each a whole line, in the table's order.
#   run-key-lines.sh PRUZCALC TABLE CASE ROOT
# The table: a "case NAME" line, then "args ..." (split at blanks; @shipped
# and @examples as in run-case.sh), "status N", and "out LINE" / "err LINE"
# for the lines stdout / stderr must have. The run is in the table's folder
# with HOME in a scratch folder.
set -u
exe=$1 table=$2 name=$3 root=$4
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home
unset XDG_DATA_HOME
args=() out=() err=() status= found=0
while IFS= read -r line || [ -n "$line" ]; do
  case $line in
    "case "*) [ "${line#case }" = "$name" ] && found=1 || { [ $found = 1 ] && break; } ;;
    "args "*) [ $found = 1 ] && read -r -a args <<<"${line#args }" ;;
    "status "*) [ $found = 1 ] && status=${line#status } ;;
    "out "*) [ $found = 1 ] && out+=("${line#out }") ;;
    "err "*) [ $found = 1 ] && err+=("${line#err }") ;;
  esac
done <"$table"
[ $found = 1 ] || { echo "no case $name in $table"; exit 1; }
for k in "${!args[@]}"; do
  a=${args[$k]//@shipped/$root/data}
  args[$k]=${a//@examples/$root/examples}
done
(cd "$(dirname "$table")" && "$exe" "${args[@]}") >"$home/stdout" 2>"$home/stderr"
got=$?
ok=1
[ "$got" = "$status" ] || { echo "exit status $got, expected $status"; ok=0; }
# Whether the lines after the file name come out in FILE in this order.
in_order() {
  local file=$1 want
  shift
  [ $# = 0 ] && return 0
  want=$1
  while IFS= read -r line || [ -n "$line" ]; do
    if [ "$line" = "$want" ]; then
      shift
      [ $# = 0 ] && return 0
      want=$1
    fi
  done <"$file"
  echo "missing or out of order: $want"
  return 1
}
in_order "$home/stdout" "${out[@]}" || { echo "stdout was:"; head -40 "$home/stdout"; ok=0; }
in_order "$home/stderr" "${err[@]}" || { echo "stderr was:"; cat "$home/stderr"; ok=0; }
[ $ok = 1 ]
