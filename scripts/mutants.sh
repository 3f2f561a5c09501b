#!/usr/bin/env bash
# Seeded faults: proof that the tests notice a small slip in the program.
# Each fault is one literal replacement of old text by new text in one file
# under src/, listed in scripts/faults/*.sh as
#   fault FILE 'old' 'new' 'what goes wrong' [CHECK]
# and applied one at a time: the file is changed, only what the check needs
# is rebuilt and kept as a copy, and the file is put back; then each copy
# is checked (the port's under one hold of the Wine lock). CHECK is one of
#   unit                 build/native's unit_tests (the default)
#   port:<gtest filter>  the Win32 port or shell test program that holds
#                        those tests (build/win32/tests/port), under Wine
#   e2e:<case>           one end-to-end case on a rebuilt Vantrel.exe
# Sets: logic (faults/logic.sh), win32 (faults/win32.sh and every
# faults/win32-*.sh). Before any fault, every check chosen runs once on the
# sources as they are and must pass having run a test; a check that fails
# there, or runs no test, cannot catch anything ("NO CHECK").
# A fault is "caught" when its check reports a failure (or its program dies
# without a result), "SURVIVED" when the check passes, "STALE" when the old
# text is not found exactly once, "NO BUILD" when it does not compile.
# Every fault is expected to be caught.
#
# Run by hand (not part of scripts/test.sh; minutes per set):
#   bash scripts/mutants.sh              # every set
#   bash scripts/mutants.sh win32        # one set (logic, win32, win32-shell ...)
#   bash scripts/mutants.sh 3 17         # faults by the numbers printed
# With MUTANTS_MATRIX=DIR (see scripts/faults/matrix.sh) a unit or port
# check runs its whole test program, not only its filter, and keeps each
# run's output as DIR/base-PROGRAM.txt (the sources as they are) and
# DIR/fault-N.txt, so the tests that catch each fault can be read.
# Wine runs take /tmp/vantrel-wine.lock, one check at a time.
# Exits non-zero unless every fault chosen was caught.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
native=$root/build/native
win=$root/build/win32
lock=/tmp/vantrel-wine.lock

# Fault copies sit beside the builds: one run at a time in a worktree.
exec 8>"$root/build/.mutants.lock"
flock -n 8 || { echo "another seeded-fault run is using these builds" >&2; exit 2; }

files=() olds=() news=() whats=() checks=() sets=()
set_name=
fault() {
    files+=("$1"); olds+=("$2"); news+=("$3"); whats+=("$4"); checks+=("${5:-unit}"); sets+=("$set_name")
}
for list in "$root/scripts/faults/logic.sh" "$root/scripts/faults/win32.sh" "$root"/scripts/faults/win32-*.sh; do
    [[ -f $list ]] || continue
    set_name=$(basename "$list" .sh)
    # shellcheck source=/dev/null
    source "$list"
done

chosen=()
for arg in "$@"; do
    if [[ $arg =~ ^[0-9]+$ ]]; then
        ((arg >= 1 && arg <= ${#files[@]})) || { echo "no fault $arg (1 to ${#files[@]})" >&2; exit 2; }
        chosen+=("$arg")
        continue
    fi
    found=0
    for i in "${!files[@]}"; do
        [[ ${sets[$i]} == "$arg" || ${sets[$i]} == "$arg"-* ]] && { chosen+=($((i + 1))); found=1; }
    done
    ((found)) || { echo "no set \"$arg\" (sets: $(printf '%s\n' "${sets[@]}" | sort -u | tr '\n' ' '))" >&2; exit 2; }
done
((${#chosen[@]})) || chosen=($(seq 1 ${#files[@]}))

# ---- Checks ----

# The port test program that defines the tests a filter names: the suite
# (before the first '.') is looked up in tests/port, and the file found in
# the CMake list of one of the two programs.
port_program() {
    local suite=${1%%.*} file
    suite=${suite%%\**}
    file=$(grep -lE "^TEST(_F)?\($suite," "$root"/tests/port/*.cpp | head -n1)
    [[ -n $file ]] || file=$(grep -lE "^TEST(_F)?\($suite[A-Za-z0-9_]*," "$root"/tests/port/*.cpp | head -n1)
    [[ -n $file ]] || return 1
    awk -v f="$(basename "$file")" '
        /add_executable\(/ { target = $0; sub(/.*add_executable\(/, "", target); sub(/[ )].*/, "", target) }
        $1 == f && target != "" { print target; exit }' "$root/tests/port/CMakeLists.txt"
}

# Builds what CHECK needs: quiet, non-zero when it does not build.
build_for() {
    local check=$1 target
    case $check in
    unit) cmake --build "$native" --target unit_tests >/dev/null 2>&1 ;;
    port:*) target=$(port_program "${check#port:}") || return 1
            cmake --build "$win" --target "$target" >/dev/null 2>&1 ;;
    e2e:*) cmake --build "$win" --target Vantrel >/dev/null 2>&1 ;;
    *) return 1 ;;
    esac
}

# The lock for one Wine run, unless the runner holds it already; no Wine
# process keeps the run lock (fd 8) or the Wine lock (fd 9) open after it.
held=0
wine_lock() { if ((held)); then "$@" 8>&- 9>&-; else flock "$lock" "$@" 8>&-; fi; }

# Runs port test program $1 (or the copy $3) with gtest filter $2 under Wine.
run_port() {
    local exe=${3:-$win/tests/port/$1.exe}
    if [[ $1 == vantrel_shell_tests ]]; then
        SHELL_TEST_TIMEOUT=120 wine_lock bash "$root/tests/port/run-with-display.sh" "$exe" --gtest_filter="$2"
    else
        wine_lock timeout 120 bash "$root/scripts/wine-run.sh" "$exe" --gtest_filter="$2"
    fi
}

# The program CHECK runs, as built.
artefact() {
    case $1 in
    unit) echo "$native/tests/unit_tests" ;;
    port:*) echo "$win/tests/port/$(port_program "${1#port:}").exe" ;;
    e2e:*) echo "$win/src/app/Vantrel.exe" ;;
    esac
}

# How the tests gtest filter $1 names fared in the test output in file $2.
judge_in_run() {
    local name pattern patterns matched=0 failed=0
    grep -q '^\[==========\] .* ran\.' "$2" || { echo "ran nothing (the test program ended early)"; return; }
    IFS=: read -ra patterns <<<"$1"
    while read -r name; do
        for pattern in "${patterns[@]}"; do
            # shellcheck disable=SC2053  # a glob, as gtest's filter
            [[ $name == $pattern ]] || continue
            matched=$((matched + 1))
            grep -qF "[  FAILED  ] $name (" "$2" && failed=1
            break
        done
    done < <(tr -d '\r' <"$2" | sed -n 's/^\[ RUN      \] //p')
    if ((failed)); then echo failed; elif ((matched)); then echo passed; else echo "ran nothing (no test matches)"; fi
}

# Where a matrix run keeps the output of CHECK run on the copy $2 (nothing
# outside a matrix run, and nothing for an end-to-end case).
matrix_file() {
    [[ -n ${MUTANTS_MATRIX:-} && $1 != e2e:* ]] || return 1
    if [[ -n ${2:-} ]]; then echo "$MUTANTS_MATRIX/fault-${2##*.fault}.txt" | sed 's/\.exe\.txt$/.txt/'
    elif [[ $1 == unit ]]; then echo "$MUTANTS_MATRIX/base-unit_tests.txt"
    else echo "$MUTANTS_MATRIX/base-$(port_program "${1#port:}").txt"; fi
}

# Runs the test program of unit or port CHECK (or the copy $2) with gtest
# filter $3; whole output when $4 is set, else only failures for unit tests.
run_tests() {
    case $1 in
    unit) timeout 300 "${2:-$native/tests/unit_tests}" --gtest_filter="$3" --gtest_brief=$([[ -n $4 ]] && echo 0 || echo 1) ;;
    port:*) run_port "$(port_program "${1#port:}")" "$3" "$2" ;;
    esac
}

# Runs CHECK on its program as built (or the copy $2); prints "failed",
# "passed" or "ran nothing" (with why).
run_check() {
    local check=$1 exe=${2:-} out rc keep filter seen last=
    out=$(mktemp)
    keep=$(matrix_file "$check" "$exe") || keep=
    filter=${check#port:}
    [[ $check == unit || -n $keep ]] && filter='*'
    case $check in
    unit|port:*)
        run_tests "$check" "$exe" "$filter" "$keep" >"$out" 2>&1; rc=$?
        # A matrix goes on past a test that died, with the tests not yet run.
        while [[ -n $keep ]] && ! grep -q '^\[==========\] .* ran\.' "$out"; do
            seen=$(tr -d '\r' <"$out" | sed -n 's/^\[ RUN      \] //p' | paste -sd:)
            [[ -n $seen && $seen != "$last" ]] || break
            last=$seen
            run_tests "$check" "$exe" "-$seen" "$keep" >>"$out" 2>&1
        done ;;
    e2e:*)
        E2E_ONLY=${check#e2e:} wine_lock timeout 600 bash "$root/tests/e2e/run.sh" ${exe:+"$exe"} >"$out" 2>&1; rc=$? ;;
    esac
    case $check in
    e2e:*)
        if grep -q "^FAIL ${check#e2e:}" "$out"; then echo failed
        elif ((rc == 0)) && grep -q "^PASS ${check#e2e:}$" "$out"; then echo passed
        else echo "ran nothing (exit $rc: $(tail -n1 "$out"))"; fi ;;
    *)
        if grep -q '^\[  FAILED  \]' "$out"; then echo failed
        elif ((rc == 0)) && grep -qE '^\[  PASSED  \] [1-9][0-9]* test' "$out"; then echo passed
        elif grep -qE '^\[  PASSED  \] 0 tests' "$out"; then echo "ran nothing (no test matches)"
        # Died inside a test (a crash, or a hang ended by timeout).
        elif ((rc != 0)) && { ((rc >= 124)) || grep -q '^\[ RUN      \]' "$out"; }; then echo failed
        else echo "ran nothing (exit $rc: $(tail -n1 "$out"))"; fi ;;
    esac
    [[ -n $keep ]] && tr -d '\r' <"$out" >"$keep"
    rm -f "$out"
}

# Every check chosen, once, on the sources as they are. The port checks run
# as one test run per program (the union of their filters), each judged by
# the tests its own filter names in that run.
declare -A check_state filters_of reported
for n in "${chosen[@]}"; do
    check=${checks[$((n - 1))]}
    [[ $check == port:* && -z ${check_state[$check]:-} ]] || continue
    if ! program=$(port_program "${check#port:}"); then
        check_state[$check]="ran nothing (no test program holds such tests)"
        continue
    fi
    check_state[$check]=pending
    filters_of[$program]+="${filters_of[$program]:+:}${check#port:}"
done
for program in "${!filters_of[@]}"; do
    out=$(mktemp)
    filter=${filters_of[$program]}
    [[ -n ${MUTANTS_MATRIX:-} ]] && filter='*'
    cmake --build "$win" --target "$program" >/dev/null 2>&1 && run_port "$program" "$filter" >"$out" 2>&1
    for check in "${!check_state[@]}"; do
        [[ ${check_state[$check]} == pending && $(port_program "${check#port:}") == "$program" ]] || continue
        check_state[$check]=$(judge_in_run "${check#port:}" "$out")
        # A matrix counts every test of the program: all must pass as they are.
        [[ -n ${MUTANTS_MATRIX:-} ]] && grep -q '^\[  FAILED  \]' "$out" && check_state[$check]="failed (a test of $program fails)"
    done
    [[ -n ${MUTANTS_MATRIX:-} ]] && tr -d '\r' <"$out" >"$MUTANTS_MATRIX/base-$program.txt"
    rm -f "$out"
done
for n in "${chosen[@]}"; do
    check=${checks[$((n - 1))]}
    if [[ -z ${check_state[$check]:-} ]]; then
        if build_for "$check"; then check_state[$check]=$(run_check "$check"); else check_state[$check]="does not build"; fi
    fi
    [[ ${check_state[$check]} == passed || -n ${reported[$check]:-} ]] && continue
    reported[$check]=1
    echo "check $check on the sources as they are: ${check_state[$check]}" >&2
done

# ---- Faults ----

# Each fault is built first, one at a time, and its program kept as a copy
# beside the original; then the copies are checked, the port's under one
# hold of the Wine lock (each run is a few seconds), each end-to-end case
# under a hold of its own.
backup=$(mktemp)
current=""
copies=()
restore() { [[ -n $current ]] && cp "$backup" "$root/$current" && current=""; }
trap 'restore; rm -f "$backup" "${copies[@]}"; exit 130' INT TERM

declare -A caught survived stale broken unchecked verdicts copy_of
count() { local -n tally=$1; tally[$2]=$((${tally[$2]:-0} + 1)); }
for n in "${chosen[@]}"; do
    i=$((n - 1))
    file=${files[$i]} old=${olds[$i]} new=${news[$i]} check=${checks[$i]} set=${sets[$i]}
    IFS= read -r -d '' text <"$root/$file"
    rest=${text#*"$old"}
    if [[ $rest == "$text" || $rest == *"$old"* ]]; then
        verdicts[$n]="STALE    (old text not found exactly once)"; count stale "$set"
        continue
    fi
    if [[ ${check_state[$check]} != passed ]]; then
        verdicts[$n]="NO CHECK (${check_state[$check]})"; count unchecked "$set"
        continue
    fi
    cp "$root/$file" "$backup"
    current=$file
    printf '%s' "${text%%"$old"*}$new$rest" >"$root/$file"
    if build_for "$check"; then
        built=$(artefact "$check")
        copy="$built.fault$n"
        [[ $built == *.exe ]] && copy="${built%.exe}.fault$n.exe"
        cp "$built" "$copy" && copies+=("$copy") && copy_of[$n]=$copy
    else
        verdicts[$n]="NO BUILD"; count broken "$set"
    fi
    restore
done
rm -f "$backup"

judge() {
    local n=$1 result set=${sets[$(($1 - 1))]}
    result=$(run_check "${checks[$(($1 - 1))]}" "${copy_of[$1]}")
    case $result in
    failed) verdicts[$n]="caught"; count caught "$set" ;;
    passed) verdicts[$n]="SURVIVED"; count survived "$set" ;;
    *) verdicts[$n]="NO CHECK (under the fault it $result)"; count unchecked "$set" ;;
    esac
    echo "  fault $n: ${verdicts[$n]}" >&2
}
port_faults=() other_faults=()
for n in "${chosen[@]}"; do
    [[ -n ${copy_of[$n]:-} ]] || continue
    if [[ ${checks[$((n - 1))]} == port:* ]]; then port_faults+=("$n"); else other_faults+=("$n"); fi
done
if ((${#port_faults[@]})); then
    exec 9>"$lock"
    flock 9
    held=1
    for n in "${port_faults[@]}"; do judge "$n"; done
    held=0
    flock -u 9
    exec 9>&-
fi
for n in "${other_faults[@]}"; do judge "$n"; done
rm -f "${copies[@]}"
trap - INT TERM

for n in "${chosen[@]}"; do
    i=$((n - 1))
    echo "$n ${verdicts[$n]}  [${sets[$i]}] ${files[$i]}: ${whats[$i]} (${checks[$i]})"
done

# Leave the builds matching the sources again.
declare -A rebuilt
for n in "${chosen[@]}"; do
    check=${checks[$((n - 1))]}
    key=${check%%:*}
    [[ $key == port ]] && key=$(port_program "${check#port:}")
    [[ -n ${rebuilt[$key]:-} ]] && continue
    rebuilt[$key]=1
    build_for "$check" || echo "the build for $check fails on the restored sources" >&2
done

bad=0
for set in $(for n in "${chosen[@]}"; do echo "${sets[$((n - 1))]}"; done | awk '!seen[$0]++'); do
    echo "$set: ${caught[$set]:-0} caught, ${survived[$set]:-0} survived, ${stale[$set]:-0} stale," \
         "${broken[$set]:-0} did not build, ${unchecked[$set]:-0} without a working check"
    bad=$((bad + ${survived[$set]:-0} + ${stale[$set]:-0} + ${broken[$set]:-0} + ${unchecked[$set]:-0}))
done
((bad == 0))
