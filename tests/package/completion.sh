#!/usr/bin/env bash
# Drives the bash completion of tessmark as bash does: the line split into COMP_WORDS at blanks and
# at the word-break characters, the cursor at its end.
# Usage: completion.sh COMPLETION_FILE TESSMARK
set -uo pipefail
completion=$1
export PATH="$(cd "$(dirname "$2")" && pwd):$PATH"
source /usr/share/bash-completion/bash_completion
source "$completion"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
touch "$scratch/warm.gpl" "$scratch/cold.gpal" "$scratch/notes.txt" "$scratch/recipe.txt"
cd "$scratch"

failures=0
# Splits LINE into COMP_WORDS as bash does: at blanks, and each run of word-break characters
# (":", "=" ...) a word of its own; a line ending in a blank or a break gets an empty word.
split() {
    local line=$1 word= kind= c i
    COMP_WORDS=()
    for ((i = 0; i < ${#line}; i++)); do
        c=${line:i:1}
        if [[ $c == [[:blank:]] ]]; then
            [[ -n $word ]] && COMP_WORDS+=("$word")
            word= kind=
        elif [[ $COMP_WORDBREAKS == *"$c"* ]]; then
            [[ -n $word && $kind != break ]] && COMP_WORDS+=("$word") && word=
            word+=$c kind=break
        else
            [[ $kind == break ]] && COMP_WORDS+=("$word") && word=
            word+=$c kind=text
        fi
    done
    [[ -n $word && $kind == text ]] && COMP_WORDS+=("$word")
    [[ $kind == break ]] && COMP_WORDS+=("$word")
    [[ -z $kind || $kind == break ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
}

# expect LINE EXPECTED [COMP_TYPE]: the completions offered with the cursor at the end of LINE, on
# a Tab (9) unless told: 63 lists them after a second Tab, 33 with show-all-if-ambiguous.
expect() {
    split "$1"
    COMP_LINE=$1
    COMP_POINT=${#COMP_LINE}
    COMP_TYPE=${3:-9}
    COMPREPLY=()
    _tessmark tessmark "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
    if [[ $got != "$2" ]]; then
        echo "FAIL: '$1' gave '$got', expected '$2'"
        failures=$((failures + 1))
    fi
}

expect "tessmark --pal" "--palette"
expect "tessmark --palette w" "warm.gpl"
expect "tessmark --palette " "cold.gpal warm.gpl"
expect "tessmark -o out.png circ" "circle circlemix"
expect "tessmark -o out.png polygon:" "angmax= angmin= blendcolor= colors= connectable= count= fill= mix= raymax= raymin= seed="
expect "tessmark -o out.png circle:count=5,ra" "5,raymax= 5,raymin="
expect "tessmark -o out.png fill:color=ff0000,w" "ff0000,weight="
expect "tessmark -o out.png tag:count=5,bl" "5,blendcolor="
# What readline shows without inserting is the keys alone.
expect "tessmark -o out.png circle:count=9," "blendcolor= colors= connectable= count= mix= raymax= raymin= seed=" 63
expect "tessmark -o out.png circle:count=9,co" "colors= connectable= count=" 33
expect "tessmark -o out.png circle:count=9,ra" "9,raym" 33
# bash-completion takes "@" out of the word breaks, so the whole word is replaced.
expect "tessmark -o out.png @rec" "@recipe.txt"

if ((failures)); then
    echo "$failures failed"
    exit 1
fi
echo "completion: 12 passed, 0 failed"
