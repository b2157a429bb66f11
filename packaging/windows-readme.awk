# README.md as README.txt for Windows users: only what concerns them (no
# section on Linux or on building), in plain text. Headings are underlined,
# code blocks indented, and Markdown's backticks and stars left out.
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
    gsub(/`LICENSE`/, "LICENSE.txt")
    gsub(/`|\*\*/, "")
    print
}
