# Sourced by scripts that start a Wine session: sets the locale Wine takes the
# session's language from.
#   . tools/lang-env.sh
#   tarvell_lang_env   reads TARVELL_LANG: "en" (default) or "ja"
# Wine takes the user-interface language (which string table the program loads)
# from LC_MESSAGES, and the system language and code page from LC_CTYPE; LC_ALL sets
# both. "ja" needs the glibc locale ja_JP.UTF-8 and a CJK font (tools/setup.sh).
# "en" is the plain C.UTF-8 locale, whatever the caller's shell uses.
tarvell_lang_env() {
    case "${TARVELL_LANG:-en}" in
    en)
        unset LC_ALL LC_MESSAGES LC_CTYPE
        export LANG=C.UTF-8
        ;;
    ja) export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 ;;
    *)
        echo "TARVELL_LANG must be en or ja, not \"$TARVELL_LANG\"" >&2
        return 2
        ;;
    esac
}
