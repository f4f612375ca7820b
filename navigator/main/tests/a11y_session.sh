#!/bin/sh
# Runs a test program in a session with an accessibility bus and a screen reader's listener: run
# inside dbus-run-session (and an X display); the listener's events go to the file named by
# QM_A11Y_EVENTS. Usage: a11y_session.sh PYTHON LISTENER PROGRAM [ARGS...]
python=$1 listener=$2
shift 2
dir=$(mktemp -d)
export QM_A11Y_EVENTS="$dir/events.jsonl"
: > "$QM_A11Y_EVENTS"
"$python" "$listener" "$QM_A11Y_EVENTS" 2> "$dir/listener.err" &
pid=$!
waited=0
until grep -q '"ready"' "$QM_A11Y_EVENTS"; do
  if ! kill -0 "$pid" 2>/dev/null || [ $waited -ge 600 ]; then
    echo "the accessibility listener did not start:" >&2
    cat "$dir/listener.err" >&2
    exit 1
  fi
  sleep 0.1
  waited=$((waited + 1))
done
"$@"
status=$?
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
rm -rf "$dir"
exit $status
