# bash completion for boardset                                            -*- shell-script -*-
_boardset() {
    local cur prev command
    COMPREPLY=()
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    command=${COMP_WORDS[1]}
    if [ "$COMP_CWORD" -eq 1 ]; then
        mapfile -t COMPREPLY < <(compgen -W 'info check convert render export import merge diff --help
            --version' -- "$cur")
        return
    fi
    case $prev in
    -o | --output)
        case $command in
        render) mapfile -t COMPREPLY < <(compgen -f -X '!*.[pP][nN][gG]' -- "$cur") ;;
        export) mapfile -t COMPREPLY < <(compgen -f -X '!*.[jJ][sS][oO][nN]' -- "$cur") ;;
        *) mapfile -t COMPREPLY < <(compgen -f -X '!*.[bB][dD][sS]' -- "$cur") ;;
        esac
        mapfile -t -O "${#COMPREPLY[@]}" COMPREPLY < <(compgen -d -- "$cur")
        return
        ;;
    --board | --name | --author) return ;;
    esac
    if [[ $cur == -* ]]; then
        local options='--help'
        case $command in
        info) options+=' --json' ;;
        convert) options+=' -o --output --name --author' ;;
        render) options+=' -o --output --board --all' ;;
        export | import) options+=' -o --output' ;;
        esac
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
        return
    fi
    case $command in
    import) mapfile -t COMPREPLY < <(compgen -f -X '!*.[jJ][sS][oO][nN]' -- "$cur") ;;
    convert) mapfile -t COMPREPLY < <(compgen -f -- "$cur") ;;
    *) mapfile -t COMPREPLY < <(compgen -f -X '!*.[bB][dD][sS]' -- "$cur") ;;
    esac
    [ "$command" = convert ] ||
        mapfile -t -O "${#COMPREPLY[@]}" COMPREPLY < <(compgen -d -- "$cur")
} && complete -o filenames -F _boardset boardset
