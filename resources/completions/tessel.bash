# bash completion for tessel, the Tessel Studio command-line tool.

_tessel() {
    local cur prev words cword
    _init_completion || return

    local commands="new info image export import upgrade check diff strings sim barcode ports detect-cradle download download-lookup lookup-file receive station terminal"
    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
        return
    fi

    case $prev in
        --family)
            COMPREPLY=($(compgen -W "4760 4130" -- "$cur"))
            return
            ;;
        --via)
            COMPREPLY=($(compgen -W "cradle irda bluetooth cable usb sd" -- "$cur"))
            return
            ;;
        --baud)
            COMPREPLY=($(compgen -W "115200 57600 38400 19200 9600" -- "$cur"))
            return
            ;;
        --port)
            if [[ $cur == /* ]]; then
                _filedir
            else
                COMPREPLY=($(compgen -W "$(tessel ports 2>/dev/null | cut -d' ' -f1)" -- "$cur"))
            fi
            return
            ;;
        --separator)
            COMPREPLY=($(compgen -W ", ; tab" -- "$cur"))
            return
            ;;
        --output-dir)
            _filedir -d
            return
            ;;
        --keys | --at | --pattern | --language | --id | --faults | --seed | --retries | --lookup | --columns | --count | --pace | --module | --lookup-slot)
            return
            ;;
        -o | --output | --upload | --image-out | --lookup-out | --project | --then-lookup | --then-download)
            _filedir
            return
            ;;
    esac

    local options
    case ${words[1]} in
        new) options="--family --language" ;;
        info) options="" ;;
        image) options="-o --output --language" ;;
        export) options="-o --output" ;;
        import) options="-o --output" ;;
        upgrade) options="-o --output --language" ;;
        check) options="" ;;
        diff) options="--git" ;;
        strings) options="--language" ;;
        sim) options="--keys --at --trace --language --lookup --records --state" ;;
        barcode) options="-o --output --module" ;;
        ports) options="" ;;
        detect-cradle) options="" ;;
        download) options="--port --all-ports --baud --via --retries --json --language" ;;
        download-lookup) options="--port --all-ports --baud --via --retries --json --family --project --lookup --force" ;;
        lookup-file) options="-o --output --header --columns --strict --separator" ;;
        receive) options="--port --all-ports --baud --via --family --append --no-clobber --json" ;;
        station) options="--port --all-ports --baud --via --output-dir --pattern --then-lookup --then-download --family" ;;
        terminal) options="--family --id --full --upload --image-out --lookup-out --faults --seed --once --count --pace --state --lookup-slot" ;;
        *) return ;;
    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
    else
        _filedir
    fi
} &&
    complete -F _tessel tessel
