# Turns a UTF-8 text file into a C++ source defining BuiltinResourceText().
file(READ ${INPUT} content)
string(LENGTH "${content}" len)
set(chunks "")
set(pos 0)
# Raw string literals have a length limit on some compilers: emit chunks.
while(pos LESS len)
    string(SUBSTRING "${content}" ${pos} 8000 piece)
    string(APPEND chunks "    R\"belvane(${piece})belvane\"\n")
    math(EXPR pos "${pos} + 8000")
endwhile()
file(WRITE ${OUTPUT} "// Generated from ${INPUT}; do not edit.\n#include <string_view>\n\nnamespace belvane {\nstd::string_view BuiltinResourceText()\n{\n    static constexpr char text[] =\n${chunks}        \"\";\n    return {text, sizeof(text) - 1};\n}\n}  // namespace belvane\n")
