#!/bin/sh
# A write to standard output that fails, on a full device or a closed descriptor, ends with the
# message and exit 2, whatever went there: the help, the version, the duty point, an output
# named "-". Usage: standard_output_failures.sh ORVANE-CALC PROJECT [pdf]
prog=$1
project=$2
pdf=$3
message='Не удалось записать результаты в стандартный вывод.'
failed=0

# One run with its standard output on /dev/full, then closed.
check() {
    for target in full closed; do
        if [ $target = full ]; then
            err=$("$prog" "$@" 2>&1 >/dev/full)
        else
            err=$("$prog" "$@" 2>&1 >&-)
        fi
        code=$?
        case "$err" in
        *"$message"*) [ $code -eq 2 ] && continue ;;
        esac
        echo "orvane-calc $*, standard output $target: exit $code, standard error: $err"
        failed=1
    done
}

check --help
check --version
check "$project"
check -o - "$project"
check --json - "$project"
if [ "$pdf" = pdf ]; then
    check --pdf - "$project"
fi
exit $failed
