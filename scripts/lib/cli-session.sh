# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by scripts/test. cli_session <cli...> runs the same command-line
# session on a copy of every sample profile with the given parlomatic-cli
# (a Linux one, or "wine parlomatic-cli.exe") and prints a transcript to
# standard output: each command's output with the profile's folder written as
# <DIR>, its exit code, and the checksum of every file in the folder after it.
# CLI_SESSION_DIR is the folder to work in; CLI_SESSION_NATIVE=1 hands the
# program Windows paths (winepath -w). The profiles: demo/kvuser.ini and the
# real ones in $PARLOMATIC_REALWORLD_DIR (default ../shared/realworld) when
# present.

cli_session() {
    local profiles=(demo/kvuser.ini) realworld=${PARLOMATIC_REALWORLD_DIR:-../shared/realworld}
    if [ -d "$realworld" ]; then
        profiles+=("$realworld"/*.ini)
    fi
    rm -rf "$CLI_SESSION_DIR"
    local profile name dir shown
    for profile in "${profiles[@]}"; do
        name=$(basename "$profile" .ini)
        dir=$(realpath -m "$CLI_SESSION_DIR/$name")
        mkdir -p "$dir"
        # Writable copies: the originals may be read-only, which root ignores
        # on Linux and Windows does not.
        install -m 644 "$profile" "$dir/kvuser.ini"
        shown=$dir
        [ "${CLI_SESSION_NATIVE:-0}" = 1 ] && shown=$(winepath -w "$dir" 2>/dev/null)
        echo "### $name"
        cli_session_commands "$dir" "$shown" "$@"
    done
}

# One profile's session; every step is one command.
cli_session_commands() {
    local dir=$1 shown=$2
    shift 2
    local sep=/
    [ "${CLI_SESSION_NATIVE:-0}" = 1 ] && sep='\'
    local step
    while IFS= read -r step; do
        [ -n "$step" ] || continue
        local args=()
        eval "args=($step)"
        echo "\$ $step"
        local status=0 out
        args=("${args[@]//@DIR@/$shown}")
        args=("${args[@]//@SEP@/$sep}")
        out=$("$@" "${args[@]}" 2>&1 </dev/null) || status=$?
        # Wine's console ends lines with CR LF; the text is what counts.
        out=${out//$'\r'/}
        # The folder, with the separator after it, as written and as a JSON string writes it.
        out=${out//"$shown$sep"/<DIR>/}
        out=${out//"${shown//\\/\\\\}\\\\"/<DIR>/}
        out=${out//"$shown"/<DIR>}
        # Below the folder, a native path's single separators are what the Linux build writes as '/'.
        if [ "${CLI_SESSION_NATIVE:-0}" = 1 ]; then
            out=$(printf '%s' "$out" | sed -E '/<DIR>\// s#([^\\])\\([^\\"])#\1/\2#g')
        fi
        printf '%s\n' "$out"
        echo "exit $status"
        (cd "$dir" && find . -type f -print0 | sort -z | xargs -0 -r sha256sum)
    done <<'STEPS'
--profile @DIR@@SEP@kvuser.ini show
--profile @DIR@@SEP@kvuser.ini show --json
--profile @DIR@@SEP@kvuser.ini get DefaultPlayer Name
--profile @DIR@@SEP@kvuser.ini backup
--profile @DIR@@SEP@kvuser.ini voice "Unreal Tournament Boss Voice"
--profile @DIR@@SEP@kvuser.ini show
--profile @DIR@@SEP@kvuser.ini bind F5 "Boom!"
--profile @DIR@@SEP@kvuser.ini bind F6 "No such taunt"
--profile @DIR@@SEP@kvuser.ini bind NoSuchKey "Boom!"
--profile @DIR@@SEP@kvuser.ini bind F7 "Roger"
--profile @DIR@@SEP@kvuser.ini undo
--profile @DIR@@SEP@kvuser.ini set DefaultPlayer Name Kestrel
--profile @DIR@@SEP@kvuser.ini name "Kestrel" --form 1
--profile @DIR@@SEP@kvuser.ini get DefaultPlayer Name
--profile @DIR@@SEP@kvuser.ini erase --yes
--profile @DIR@@SEP@kvuser.ini show --json
--profile @DIR@@SEP@kvuser.ini restore
--profile @DIR@@SEP@kvuser.ini show
--profile @DIR@@SEP@kvuser.ini unbind F5
--profile @DIR@@SEP@missing.ini show
--profile @DIR@@SEP@gone@SEP@kvuser.ini set DefaultPlayer Name Kestrel
elite "Kestrel"
catalogue --json
--version
STEPS
}
