# bash completion for zentavo-cli: its options, the runs of the journal after
# --undo and --redo, and files and folders for PATHs.

_zentavo_cli() {
    local cur prev words cword split
    _init_completion -s || return

    local options="-p --pattern -r --recurse -x --execute --no-journal --undo --redo --list-runs
        --tsv -h --help --version --"

    case "$prev" in
        # A pattern is typed, never completed.
        -*([rxh])p | --pattern) return ;;
        --undo | --redo)
            # The run is optional: an option may follow instead.
            if [[ "$cur" != -* ]]; then
                # The ids of the runs, newest first, as --list-runs --tsv gives them.
                local runs
                runs="$("$1" --list-runs --tsv 2>/dev/null | cut -f 1)"
                COMPREPLY=($(compgen -W "$runs" -- "$cur"))
                return
            fi
            ;;
    esac
    $split && return

    # After "--" every word is a PATH.
    local i
    for ((i = 1; i < cword; i++)); do
        if [[ "${words[i]}" == -- ]]; then
            _filedir
            return
        fi
    done

    if [[ "$cur" == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    _filedir
}
complete -F _zentavo_cli zentavo-cli
