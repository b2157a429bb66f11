# README.md as README.txt for Windows users: only what concerns them (no
# section on Linux or on building), in plain text. Headings are underlined,
# code blocks indented, code in quotes, and Markdown's stars left out.
/^#/ { skip = /Linux|Build/ }
skip { next }
/^```/ { code = !code; next }
code { print "    " $0; next }
/^#/ {
    rule = /^###/ ? "-" : "="
    sub(/^#+ /, "")
    print
    gsub(/./, rule)
    print
    next
}
{
    # Code in quotes, double ones unless it holds a double quote itself.
    gsub(/`LICENSE`/, "`LICENSE.txt`")
    while (match($0, /`[^`]*`/)) {
        span = substr($0, RSTART + 1, RLENGTH - 2)
        quote = index(span, "\"") ? "'" : "\""
        $0 = substr($0, 1, RSTART - 1) quote span quote substr($0, RSTART + RLENGTH)
    }
    gsub(/\*\*/, "")
    print
}
