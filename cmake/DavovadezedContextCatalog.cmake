# Writes OUTPUT: the catalog INPUT without its id-based messages, which
# lupdate keeps in the one context without a name. What is left are the
# texts looked up by context and source text.
file(READ ${INPUT} catalog)
set(unnamed "<context>\n    <name></name>")
string(FIND "${catalog}" "${unnamed}" begin)
if(NOT begin EQUAL -1)
    string(SUBSTRING "${catalog}" ${begin} -1 tail)
    set(closing "</context>\n")
    string(FIND "${tail}" "${closing}" length)
    string(LENGTH "${closing}" closingLength)
    math(EXPR length "${length} + ${closingLength}")
    string(SUBSTRING "${tail}" 0 ${length} unnamedContext)
    string(REPLACE "${unnamedContext}" "" catalog "${catalog}")
endif()
file(WRITE ${OUTPUT}.tmp "${catalog}")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
