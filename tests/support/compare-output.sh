# Shared by the tests that run a real program: compares one of its outputs with what the case
# expects. EXPECTED is ":TEXT" (exactly TEXT), "+TEXT" (ends with TEXT) or "~REGEX" (the whole
# output matches); TEXT takes printf %b escapes. Sets failed=1 and shows the difference otherwise.
# compare NAME FILE EXPECTED
compare() {
    local name=$1 file=$2 expected=$3
    case $expected in
    :*)
        printf '%b' "${expected#:}" >"$file.expected"
        if ! cmp -s "$file" "$file.expected"; then
            echo "$name differs from the expected text (-expected +actual):"
            diff -u "$file.expected" "$file" | tail -n +3 | cat -A
            failed=1
        fi
        ;;
    +*)
        printf '%b' "${expected#+}" >"$file.expected"
        if ! tail -c "$(wc -c <"$file.expected")" "$file" | cmp -s - "$file.expected"; then
            echo "$name does not end with the expected text (-expected +actual, last 200 bytes):"
            diff -u "$file.expected" <(tail -c 200 "$file") | tail -n +3 | cat -A
            failed=1
        fi
        ;;
    ~*)
        local text
        text=$(cat "$file"; printf x)
        if ! [[ ${text%x} =~ ${expected#\~} ]]; then
            echo "$name does not match /${expected#\~}/:"
            cat -A "$file"
            failed=1
        fi
        ;;
    *) echo "$(basename "$0"): bad expected form: $expected"; failed=1 ;;
    esac
}
