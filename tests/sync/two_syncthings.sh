#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two Syncthing instances on loopback share one diary folder, and corvalo-cli writes on each
# side: entries made while the two are apart arrive on both, a real conflict copy is found and
# merged back without losing or doubling an entry, and appends made while syncing all survive.
#
#   tests/sync/two_syncthings.sh path/to/corvalo-cli
#
# Exit status 0 when every check passed, 1 when one failed, 77 when syncthing (or curl, jq) is
# not installed. SYNC_TEST_KEEP=1 keeps the temporary folder for a look afterwards.
set -u -o pipefail

cli=${1:?usage: $0 path/to/corvalo-cli}
if [ ! -x "$cli" ]; then
    echo "sync: $cli is not a program that can be run"
    exit 1
fi
for tool in syncthing curl jq; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "sync: skipped, $tool is not installed"
        exit 77
    fi
done

# corvalo-cli prints amounts and dates the same way whatever the machine says.
export TZ=UTC LC_ALL=C

readonly folder_id=corvalo-diary
readonly api_key=corvalo-sync-test-key
readonly food="Apples, raw, with skin"
readonly unit=oz
readonly started=$SECONDS

passed=0
failed=0
skipped=0
tmp=$(mktemp -d "${TMPDIR:-/tmp}/corvalo-sync.XXXXXX")
names=(A B)
pids=("" "")
ids=("" "")
listen_ports=("" "")
gui_ports=("" "")
homes=("$tmp/home-A" "$tmp/home-B")
diaries=("$tmp/diary-A" "$tmp/diary-B")
writers=()

say() { printf '[%3ds] %s\n' $((SECONDS - started)) "$*"; }

check() { # check WHAT DETAIL COMMAND...: passes when COMMAND does; DETAIL is said when not
    local what=$1 detail=$2
    shift 2
    if "$@"; then
        passed=$((passed + 1))
        say "ok      $what"
    else
        failed=$((failed + 1))
        say "FAILED  $what${detail:+: $detail}"
    fi
}

skip() {
    skipped=$((skipped + 1))
    say "skipped $1"
}

# The set-up itself failed: nothing after it would mean anything.
give_up() {
    say "FAILED  $1"
    echo "sync: $passed passed, $((failed + 1)) failed"
    exit 1
}

# --- the two instances --------------------------------------------------------------------

stop_instance() { # stop_instance SIDE
    local pid=${pids[$1]}
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null
    local deadline=$((SECONDS + 5))
    while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
        sleep 0.1
    done
    # A Syncthing that ignores STMONITORED has a child of its own, which TERM would have ended.
    kill -9 $(pgrep -P "$pid" 2>/dev/null) "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    pids[$1]=""
}

cleanup() {
    local status=$?
    kill "$watchdog" ${writers[@]+"${writers[@]}"} 2>/dev/null
    stop_instance 0
    stop_instance 1
    if [ "$status" -ne 0 ]; then
        for i in 0 1; do
            [ -f "${homes[$i]}/log" ] || continue
            echo "--- last lines of Syncthing ${names[$i]}'s log"
            tail -n 15 "${homes[$i]}/log"
        done
    fi
    if [ -n "${SYNC_TEST_KEEP:-}" ]; then
        echo "kept $tmp"
    else
        rm -rf "$tmp"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'give_up "stopped by a signal"' INT TERM HUP
# CTest's timeout would kill this shell and leave both instances running: stop well before it.
trap 'give_up "the whole run took over 120 s"' USR1
(
    end=$((SECONDS + 120))
    while [ $SECONDS -lt $end ]; do sleep 1; done
    kill -USR1 $$
) &
watchdog=$!

# A port is free when no socket of this machine uses it; the kernel's own tables need no tool.
port_in_use() {
    local hex
    hex=$(printf ':%04X' "$1")
    cat /proc/net/tcp /proc/net/tcp6 2>/dev/null | awk -v port="$hex" '
        substr($2, length($2) - 4) == port { found = 1 } END { exit !found }'
}

# Below the kernel's range for outgoing connections, so a client socket cannot take it meanwhile.
# A port taken between this look and Syncthing's bind fails the start, which is tried again.
pick_port() {
    local port
    while :; do
        port=$((20000 + RANDOM % 12000))
        case " ${listen_ports[*]} ${gui_ports[*]} " in *" $port "*) continue ;; esac
        port_in_use "$port" || break
    done
    echo "$port"
}

rest() { # rest SIDE METHOD PATH [CURL-ARGUMENTS]
    local side=$1 method=$2 path=$3
    shift 3
    curl -sS --fail --max-time 20 -X "$method" -H "X-API-Key: $api_key" "$@" \
        "http://127.0.0.1:${gui_ports[$side]}$path"
}

write_config() { # write_config SIDE
    local me=$1 peer=$((1 - $1))
    # Everything that could reach beyond this machine is off: discovery, relays, NAT traversal,
    # usage and crash reports, upgrades. Only A dials, at B's loopback address, again every 5 s
    # (the least Syncthing takes) while apart: B knows no address of A. Syncthing greets new
    # connections one at a time, so when both dial at once each waits for the other's greeting
    # on its own call and both give up after 20 s. Syncthing keeps its usual priority, as the
    # test waits for it. The shared folder is added later through REST, where Syncthing's own
    # defaults fill it in.
    local peer_address=dynamic
    [ "$me" -eq 0 ] && peer_address="tcp://127.0.0.1:${listen_ports[$peer]}"
    cat >"${homes[$me]}/config.xml" <<EOF
<configuration version="36">
    <device id="${ids[$me]}" name="${names[$me]}" compression="metadata">
        <address>tcp://127.0.0.1:${listen_ports[$me]}</address>
    </device>
    <device id="${ids[$peer]}" name="${names[$peer]}" compression="metadata">
        <address>$peer_address</address>
    </device>
    <gui enabled="true" tls="false">
        <address>127.0.0.1:${gui_ports[$me]}</address>
        <apikey>$api_key</apikey>
    </gui>
    <options>
        <listenAddress>tcp://127.0.0.1:${listen_ports[$me]}</listenAddress>
        <globalAnnounceEnabled>false</globalAnnounceEnabled>
        <localAnnounceEnabled>false</localAnnounceEnabled>
        <relaysEnabled>false</relaysEnabled>
        <natEnabled>false</natEnabled>
        <urAccepted>-1</urAccepted>
        <crashReportingEnabled>false</crashReportingEnabled>
        <autoUpgradeIntervalH>0</autoUpgradeIntervalH>
        <startBrowser>false</startBrowser>
        <reconnectionIntervalS>5</reconnectionIntervalS>
        <stunKeepaliveStartS>0</stunKeepaliveStartS>
        <stunKeepaliveMinS>0</stunKeepaliveMinS>
        <setLowPriority>false</setLowPriority>
    </options>
</configuration>
EOF
}

start_instance() { # start_instance SIDE
    # STMONITORED runs Syncthing in this one process, without the monitor that would start it
    # again as a child, so its id is the one to stop; STHASHING names the hash code and so
    # skips a benchmark at start.
    HOME=$tmp STMONITORED=1 STNORESTART=1 STNOUPGRADE=1 STNODEFAULTFOLDER=1 STHASHING=standard \
        syncthing serve --home="${homes[$1]}" --no-browser --no-restart --no-upgrade \
        --logflags=3 >>"${homes[$1]}/log" 2>&1 &
    pids[$1]=$!
}

# Up means: the REST interface answers and the listener is bound without an error.
wait_up() { # wait_up SIDE
    local deadline=$((SECONDS + 20)) status
    while [ $SECONDS -lt $deadline ]; do
        kill -0 "${pids[$1]}" 2>/dev/null || return 1
        status=$(rest "$1" GET /rest/system/status 2>/dev/null) &&
            jq -e --arg a "tcp://127.0.0.1:${listen_ports[$1]}" \
                '.connectionServiceStatus[$a] | . != null and .error == null' \
                <<<"$status" >/dev/null && return 0
        sleep 0.2
    done
    return 1
}

start_both() {
    local attempt i
    for attempt in 1 2 3; do
        listen_ports=("" "")
        gui_ports=("" "")
        for i in 0 1; do
            listen_ports[i]=$(pick_port)
            gui_ports[i]=$(pick_port)
        done
        write_config 0
        write_config 1
        start_instance 0
        start_instance 1
        if wait_up 0 && wait_up 1; then
            return 0
        fi
        say "a port was taken or Syncthing did not start (try $attempt); again with other ports"
        stop_instance 0
        stop_instance 1
    done
    return 1
}

# A folder added through REST gets every setting Syncthing would give it in its window; one
# written into config.xml by hand gets zeros instead, and maxConflicts 0 makes Syncthing drop
# the losing side of a conflict without a copy. A pull that fails because the file changed
# meanwhile is tried again after 2 s rather than a minute.
add_folder() { # add_folder SIDE
    jq -n --arg id "$folder_id" --arg path "${diaries[$1]}" \
        --arg me "${ids[$1]}" --arg peer "${ids[$((1 - $1))]}" \
        '{id: $id, label: "diary", path: $path, type: "sendreceive", rescanIntervalS: 5,
          fsWatcherEnabled: true, fsWatcherDelayS: 1, pullerPauseS: 2,
          devices: [{deviceID: $me}, {deviceID: $peer}]}' |
        rest "$1" POST /rest/config/folders -H "Content-Type: application/json" --data-binary @- \
            >/dev/null
}

connected() { # connected SIDE: true when SIDE sees the peer connected
    rest "$1" GET /rest/system/connections 2>/dev/null |
        jq -e --arg id "${ids[$((1 - $1))]}" '.connections[$id].connected' >/dev/null
}

wait_connection() { # wait_connection yes|no
    local deadline=$((SECONDS + 30))
    while [ $SECONDS -lt $deadline ]; do
        if [ "$1" = yes ]; then
            connected 0 && connected 1 && return 0
        else
            ! connected 0 && ! connected 1 && return 0
        fi
        sleep 0.2
    done
    return 1
}

# A pauses B, which parts them both ways: A neither dials B nor takes its calls until it resumes
# B. Pausing on both sides would gain nothing, as B never dials.
pause_both() {
    rest 0 POST "/rest/system/pause?device=${ids[1]}" >/dev/null &&
        wait_connection no || give_up "the two did not part when paused"
}

resume_both() {
    rest 0 POST "/rest/system/resume?device=${ids[1]}" >/dev/null &&
        wait_connection yes || give_up "the two did not meet again when resumed"
}

scan_both() {
    # Returns once the scan is done; the watcher would only start one after a second.
    rest 0 POST "/rest/db/scan?folder=$folder_id" >/dev/null &&
        rest 1 POST "/rest/db/scan?folder=$folder_id" >/dev/null
}

# In sync means: both are idle needing nothing, and each sees the other complete.
in_sync() {
    local i status completion
    for i in 0 1; do
        status=$(rest "$i" GET "/rest/db/status?folder=$folder_id" 2>/dev/null) || return 1
        jq -e '.state == "idle" and .needTotalItems == 0 and .pullErrors == 0' \
            <<<"$status" >/dev/null || return 1
        completion=$(rest "$i" GET \
            "/rest/db/completion?folder=$folder_id&device=${ids[$((1 - i))]}" 2>/dev/null) ||
            return 1
        jq -e '.completion == 100 and .needItems == 0 and .needDeletes == 0' \
            <<<"$completion" >/dev/null || return 1
    done
}

settle() {
    local deadline=$((SECONDS + 40))
    scan_both
    while [ $SECONDS -lt $deadline ]; do
        # Asked twice in a row, since an index update can be on its way.
        if in_sync; then
            sleep 0.5
            in_sync && return 0
        fi
        sleep 0.3
    done
    give_up "Syncthing did not settle within 40 s"
}

# --- the diary --------------------------------------------------------------------------

add() { # add SIDE DATE AMOUNT
    "$cli" --data "${diaries[$1]}" add "$2" "$food" "$3" "$unit" >/dev/null
}

# The meal rows of `day` without their numbers: indented, numbered, the amount first; "no
# meals" is not one.
rows_in() { # rows_in DIARY DATE
    "$cli" --data "$1" day "$2" | sed -n 's/^ *[0-9][0-9]*\. \([0-9].*\)$/\1/p'
}

meal_rows() { # meal_rows SIDE DATE
    rows_in "${diaries[$1]}" "$2"
}

count() { # count SIDE DATE
    local rows
    rows=$(meal_rows "$1" "$2") || {
        echo unreadable
        return
    }
    if [ -z "$rows" ]; then echo 0; else wc -l <<<"$rows"; fi
}

counts_are() { # counts_are N DATE: both sides hold N entries on DATE
    [ "$(count 0 "$2")" = "$1" ] && [ "$(count 1 "$2")" = "$1" ]
}

counts_said() { # counts_said DATE
    echo "A has $(count 0 "$1"), B has $(count 1 "$1")"
}

# MM-DD-YYYY.sync-conflict-YYYYMMDD-HHMMSS-XXXXXXX.db, the last part naming the device.
readonly copy_name='^[0-9]{2}-[0-9]{2}-[0-9]{4}\.sync-conflict-[0-9]{8}-[0-9]{6}-[A-Z0-9]{7}\.db$'

conflict_copies() { # conflict_copies SIDE: names of Syncthing's conflict copies in db/
    local file
    for file in "${diaries[$1]}"/db/*.sync-conflict-*; do
        file=${file##*/}
        if [[ $file =~ $copy_name ]]; then echo "$file"; fi
    done
}

amounts() { cut -d' ' -f1 | tr '\n' ' '; }

# --- set-up -----------------------------------------------------------------------------

for i in 0 1; do
    # Syncthing syncs a folder only while its root holds the marker.
    mkdir -p "${homes[$i]}" "${diaries[$i]}/db" "${diaries[$i]}/note" "${diaries[$i]}/.stfolder"
    HOME=$tmp syncthing generate --home="${homes[$i]}" --no-default-folder --skip-port-probing \
        >"${homes[$i]}/log" 2>&1
    ids[i]=$(HOME=$tmp syncthing serve --home="${homes[$i]}" --device-id 2>/dev/null |
        grep -E '^[A-Z0-9]{7}(-[A-Z0-9]{7}){7}$')
    [ -n "${ids[$i]}" ] || give_up "no device key could be made for ${names[$i]}"
done
start_both || give_up "the two Syncthing instances did not start"
say "Syncthing A (GUI ${gui_ports[0]}, listens ${listen_ports[0]}) and B (GUI ${gui_ports[1]}," \
    "listens ${listen_ports[1]}) are up"
add_folder 0 && add_folder 1 || give_up "the diary folder could not be shared"
wait_connection yes || give_up "the two Syncthing instances did not connect"
say "A and B share the diary folder and are connected"

# --- 1. entries made while apart arrive on both sides ------------------------------------

say "1. A and B each add to a day of their own while paused from each other"
pause_both
add 0 2026-01-05 1 && add 0 2026-01-05 2
add 1 2026-01-07 1 && add 1 2026-01-07 2 && add 1 2026-01-07 3
resume_both
settle
check "A's two entries of 2026-01-05 are on both sides" "$(counts_said 2026-01-05)" \
    counts_are 2 2026-01-05
check "B's three entries of 2026-01-07 are on both sides" "$(counts_said 2026-01-07)" \
    counts_are 3 2026-01-07

# --- 2. a real conflict, found and merged ---------------------------------------------------

readonly conflict_day=2026-01-06 conflict_file=01-06-2026
# Entries 1 to 5 of the day, sorted, as `day` shows them.
all_five=$(for n in 1 2 3 4 5; do echo "$n.0 $unit  $food"; done)
readonly all_five

say "2. A and B both append to $conflict_day while paused: Syncthing keeps one, copies the other"
add 0 $conflict_day 1 # both start from the same synced day
settle
pause_both
add 0 $conflict_day 2 && add 0 $conflict_day 3
add 1 $conflict_day 4 && add 1 $conflict_day 5
# Both changes are known before the two meet, so Syncthing sees two concurrent versions.
scan_both
resume_both
settle

copy=$(conflict_copies 0 | grep -F "$conflict_file." | head -n 1)
same_copy_on_both() {
    [ -n "$copy" ] && [ "$(conflict_copies 1 | grep -F "$conflict_file." | head -n 1)" = "$copy" ]
}
check "Syncthing made a conflict copy of $conflict_file.db, on both sides" \
    "A's db/: $(ls "${diaries[0]}/db" | tr '\n' ' ')| B's: $(ls "${diaries[1]}/db" | tr '\n' ' ')" \
    same_copy_on_both
[ -n "$copy" ] && say "        the copy: db/$copy"

# Read as a day of its own, the copy holds the side that lost: so far nothing is gone.
copy_rows=""
if [ -n "$copy" ]; then
    mkdir -p "$tmp/copy/db"
    cp "${diaries[0]}/db/$copy" "$tmp/copy/db/$conflict_file.db"
    copy_rows=$(rows_in "$tmp/copy" $conflict_day)
fi
both_rows=$(printf '%s\n%s\n' "$(meal_rows 0 $conflict_day)" "$copy_rows" | sort -u)
check "the day file and the copy together hold all five entries" \
    "they hold $(amounts <<<"$both_rows")" \
    [ "$both_rows" = "$all_five" ]

holds_all_five() { # holds_all_five SIDE: each of the five entries once, and no copy left
    [ "$(meal_rows "$1" $conflict_day | sort)" = "$all_five" ] && [ -z "$(conflict_copies "$1")" ]
}
day_said() { # day_said SIDE
    echo "${names[$1]}'s day: $(meal_rows "$1" $conflict_day | amounts)" \
        "copies: $(conflict_copies "$1")"
}

listed=$("$cli" --data "${diaries[0]}" conflicts 2>"$tmp/conflicts.err")
listed_status=$?
if [ "$listed_status" -eq 2 ]; then
    # A usage error: this corvalo-cli has neither conflicts nor merge yet.
    say "corvalo-cli does not know 'conflicts' yet: $(head -n 1 "$tmp/conflicts.err")"
    skip "corvalo-cli conflicts names the copy"
    skip "corvalo-cli merge $conflict_day keeps every entry once and removes the copy"
    skip "the merged day reaches B, and the copy is gone there too"
else
    # One line per copy: the day, its kind, the copy's name.
    lists_the_copy() {
        [ "$listed_status" -eq 0 ] && [ -n "$copy" ] &&
            grep -qxF "$(printf '%s\tmeals\t%s' $conflict_day "$copy")" <<<"$listed"
    }
    check "corvalo-cli conflicts names the copy" \
        "exit status $listed_status, printed: $listed $(cat "$tmp/conflicts.err")" \
        lists_the_copy

    "$cli" --data "${diaries[0]}" merge $conflict_day >"$tmp/merge.out" 2>&1
    merged_status=$?
    merged_on_a() { [ "$merged_status" -eq 0 ] && holds_all_five 0; }
    check "corvalo-cli merge $conflict_day keeps every entry once and removes the copy" \
        "exit status $merged_status, $(tr '\n' ' ' <"$tmp/merge.out")| $(day_said 0)" \
        merged_on_a

    settle
    merged_on_both() { holds_all_five 1 && holds_all_five 0; }
    check "the merged day reaches B, and the copy is gone there too" \
        "$(day_said 1) | $(day_said 0)" \
        merged_on_both
fi

# --- 3. appends on both sides while the two sync ------------------------------------------

readonly appends=15
say "3. A and B each append $appends entries to a day of their own at once, while connected"
writer() { # writer SIDE DATE
    local n
    for n in $(seq 1 $appends); do
        add "$1" "$2" "$n" || say "add $n on ${names[$1]} failed"
        sleep 0.1 # the watcher picks up changes while the loop goes on
    done
}
writer 0 2026-01-08 &
writers+=($!)
writer 1 2026-01-09 &
writers+=($!)
wait "${writers[@]}"
writers=()
say "        when both loops ended, B already had $(count 1 2026-01-08) of A's entries and A" \
    "$(count 0 2026-01-09) of B's"
settle
sum_is() { # sum_is SIDE N
    local first second
    first=$(count "$1" 2026-01-08)
    second=$(count "$1" 2026-01-09)
    [[ $first =~ ^[0-9]+$ && $second =~ ^[0-9]+$ ]] && [ $((first + second)) -eq "$2" ]
}
for i in 0 1; do
    check "${names[$i]} holds all $((2 * appends)) entries of 2026-01-08 and 2026-01-09" \
        "2026-01-08: $(count $i 2026-01-08), 2026-01-09: $(count $i 2026-01-09)" \
        sum_is $i $((2 * appends))
done
no_new_copies() {
    [ -z "$(conflict_copies 0 | grep -vF "$conflict_file.")" ] &&
        [ -z "$(conflict_copies 1 | grep -vF "$conflict_file.")" ]
}
check "no conflict copy came of these appends" "" no_new_copies

say "done in $((SECONDS - started)) s"
if [ "$skipped" -gt 0 ]; then
    echo "sync: $passed passed, $failed failed, $skipped skipped"
else
    echo "sync: $passed passed, $failed failed"
fi
[ "$failed" -eq 0 ]
