#!/usr/bin/env bash
# Drives the bash completion of tessmark as bash does: the line split into COMP_WORDS at blanks and
# at the word-break characters, the cursor at its end.
# Usage: completion.sh COMPLETION_FILE TESSMARK
set -uo pipefail
completion=$1
export PATH="$(dirname "$2"):$PATH"
source /usr/share/bash-completion/bash_completion
source "$completion"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
touch "$scratch/warm.gpl" "$scratch/cold.gpal" "$scratch/notes.txt" "$scratch/recipe.txt"
cd "$scratch"

failures=0
# expect "WORD WORD ..." "EXPECTED COMPLETIONS": the words exactly as bash splits the line.
expect() {
    read -ra COMP_WORDS <<<"$1"
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$(printf '%s' "${COMP_WORDS[@]/%/ }")
    COMP_LINE=${COMP_LINE% }
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _tessmark tessmark "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
    if [[ $got != "$2" ]]; then
        echo "FAIL: '$1' gave '$got', expected '$2'"
        failures=$((failures + 1))
    fi
}

# Bash splits "a:b=c" into a : b = c; a word that ends at a break character leaves an empty word.
expect "tessmark --pal" "--palette"
expect "tessmark --palette w" "warm.gpl"
expect "tessmark --palette " "cold.gpal warm.gpl"
expect "tessmark -o out.png circ" "circle circlemix"
expect "tessmark -o out.png polygon : " "angmax= angmin= blendcolor= colors= connectable= count= fill= mix= raymax= raymin= seed="
expect "tessmark -o out.png circle : count = 5,ra" "5,raymax= 5,raymin="
expect "tessmark -o out.png fill : color = ff0000,w" "ff0000,weight="
expect "tessmark -o out.png tag : count = 5,bl" "5,blendcolor="
expect "tessmark -o out.png @ rec" "recipe.txt"

if ((failures)); then
    echo "$failures failed"
    exit 1
fi
echo "completion: 9 passed, 0 failed"
