# Runs mkrefdb on small sources: every malformed one must fail with a message
# that names the line, and must leave the database that was there before
# untouched, with no temporary file beside it; the well-formed one must build
# under a comma-decimal locale.
#   cmake -DTOOL=<mkrefdb> -DWORK=<scratch folder> -P check_mkrefdb.cmake

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(header "Numéro;name;value\n")
string(ASCII 233 latin1_e_acute)

function(expect_rejected case body expected)
    set(source ${WORK}/${case}.csv)
    set(output ${WORK}/${case}.db)
    file(WRITE ${source} "${header}${body}")
    file(WRITE ${output} "previous")
    execute_process(COMMAND ${TOOL} --table t --text name ${ARGN} ${source} ${output}
        RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET)
    if(rc EQUAL 0)
        message(SEND_ERROR "${case}: accepted a malformed source")
    elseif(NOT err MATCHES "${expected}")
        message(SEND_ERROR "${case}: message \"${err}\" does not match \"${expected}\"")
    endif()
    file(READ ${output} kept)
    if(NOT kept STREQUAL "previous" OR EXISTS ${output}.part)
        message(SEND_ERROR "${case}: the previous database was not left as it was")
    endif()
endfunction()

expect_rejected(comma_decimal "1;first;1.5\n2;second;6,23\n"
    "comma_decimal.csv:3: column \"value\": \"6,23\" is not a number")
expect_rejected(blank_in_number "1;first;1.5 \n" ":2: column \"value\"")
expect_rejected(text_in_number "1;first;abc\n" ":2: column \"value\": \"abc\"")
expect_rejected(infinite "1;first;inf\n" ":2: column \"value\": \"inf\"")
expect_rejected(field_count "1;first;1.5\n2;second\n" ":3: 2 fields for 3 columns")
expect_rejected(fractional_key "1.5;first;1.5\n" ":2: column \"Numéro\": \"1.5\" is not a whole number")
expect_rejected(empty_key ";first;1.5\n" ":2: column \"Numéro\"")
expect_rejected(repeated_key "1;a;1\n3;b;3\n3;c;3\n" ":4: key 3 does not follow key 3")
expect_rejected(descending_key "2;a;1\n1;b;1\n" ":3: key 1 does not follow key 2")
expect_rejected(bad_utf8 "1;f${latin1_e_acute}e;1\n" "not valid UTF-8")
expect_rejected(unknown_text_column "1;first;1.5\n" "no text column \"label\"" --text label)
set(header "Numéro;name;name\n")
expect_rejected(repeated_column "1;a;b\n" ":1: empty or repeated column name \"name\"")

# A source that is not there, and a database that cannot be replaced (a
# folder stands at its name), are named with the reason; the folder stays.
function(expect_file_refused case source output expected)
    execute_process(COMMAND ${TOOL} --table t ${source} ${output} RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET)
    if(rc EQUAL 0 OR NOT err MATCHES "${expected}")
        message(SEND_ERROR "${case}: rc ${rc}, message \"${err}\" does not match \"${expected}\"")
    endif()
endfunction()
expect_file_refused(missing_source ${WORK}/missing.csv ${WORK}/missing.db "missing.csv: File not found")
file(MAKE_DIRECTORY ${WORK}/folder.db)
file(WRITE ${WORK}/numbers.csv "Numéro;value\n1;1.5\n")
expect_file_refused(folder_output ${WORK}/numbers.csv ${WORK}/folder.db "folder.db: File access denied")
if(NOT IS_DIRECTORY ${WORK}/folder.db)
    message(SEND_ERROR "folder_output: the folder at the name was not left as it was")
endif()

# A well-formed source, built while the process locale writes numbers with a
# decimal comma (where that locale is installed).
set(source ${WORK}/good.csv)
set(output ${WORK}/good.db)
file(WRITE ${source} "Numéro;name;value\r\n1;first;1.5\r\n2;;\r\n3;third;-0.25\r\n\r\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=fr_BE.UTF-8 LANG=fr_BE.UTF-8
        ${TOOL} --table t --text name ${source} ${output}
    RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(SEND_ERROR "good: rejected (${err})")
else()
    file(READ ${output} magic LIMIT 15)
    if(NOT magic STREQUAL "SQLite format 3" OR EXISTS ${output}.part)
        message(SEND_ERROR "good: ${output} is not a finished SQLite file")
    endif()
    find_program(SQLITE3 sqlite3)
    if(SQLITE3)
        execute_process(COMMAND ${SQLITE3} ${output}
                "SELECT \"Numéro\", quote(name), quote(value) FROM t ORDER BY rowid"
            OUTPUT_VARIABLE rows OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT rows STREQUAL "1|'first'|1.5\n2|NULL|NULL\n3|'third'|-0.25")
            message(SEND_ERROR "good: stored rows are\n${rows}")
        endif()
    endif()
endif()

# No run, failed or not, leaves a temporary of its own behind.
file(GLOB left ${WORK}/.kovex-*)
if(left)
    message(SEND_ERROR "temporary files left behind: ${left}")
endif()
