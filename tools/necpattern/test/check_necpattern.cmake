# Runs necpattern on decks with known answers and on faulty lists.
#   cmake -DTOOL=<necpattern> -DNEC2C=<nec2c> -DSOURCE=<this folder> -DWORK=<scratch> -P check_necpattern.cmake
#
# A half-wave dipole has 2.15 dBi and 78 degrees between its half-power
# points; the rows are checked against that, and a faulty list must fail
# with a message naming the fault and leave the previous table untouched.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# The fields of row `key` of a table written by the tool, as a CMake list.
function(read_row table key out)
    file(READ ${table} text)
    string(REPLACE ";" "|" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    foreach(line IN LISTS lines)
        string(REPLACE "|" ";" fields "${line}")
        list(GET fields 0 first)
        if(first STREQUAL "${key}")
            set(${out} "${fields}" PARENT_SCOPE)
            return()
        endif()
    endforeach()
    message(SEND_ERROR "no row ${key} in ${table}")
endfunction()

# Column numbers: 3 = V00 .. 12 = V90, 13 = VBACK, 14 = V ANGLE, 15 = H00,
# 26 = H ANGLE.
function(expect_near row index expected tolerance what)
    list(GET row ${index} value)
    string(REGEX MATCH "^-?[0-9]+\\.?[0-9]*$" number "${value}")
    if(NOT number)
        message(SEND_ERROR "${what}: \"${value}\" is not a number")
        return()
    endif()
    # thousandths as integers, since math() knows no reals
    foreach(name value expected tolerance)
        set(text "${${name}}")
        if(NOT text MATCHES "\\.")
            set(text "${text}.0")
        endif()
        string(REGEX REPLACE "^(-?)([0-9]*)\\.([0-9]*)$" "s\\1;w\\2;f\\3" parts "${text}")
        list(GET parts 0 sign)
        list(GET parts 1 whole)
        list(GET parts 2 fraction)
        # the letters keep empty parts in the list
        string(SUBSTRING "${sign}" 1 -1 sign)
        string(SUBSTRING "${whole}" 1 -1 whole)
        string(SUBSTRING "${fraction}000" 1 3 fraction)
        if(whole STREQUAL "")
            set(whole 0)
        endif()
        math(EXPR milli "${whole} * 1000 + 1${fraction} - 1000")
        if(sign STREQUAL "-")
            math(EXPR milli "-${milli}")
        endif()
        set(${name}_milli ${milli})
    endforeach()
    math(EXPR difference "${value_milli} - ${expected_milli}")
    if(difference LESS 0)
        math(EXPR difference "-${difference}")
    endif()
    if(difference GREATER tolerance_milli)
        message(SEND_ERROR "${what}: ${value}, expected ${expected} +- ${tolerance}")
    endif()
endfunction()

execute_process(COMMAND ${TOOL} --nec2c ${NEC2C} --work ${WORK}/nec --cache ${WORK}/cache
        --envelope ${WORK}/good-envelope.csv ${SOURCE}/good.txt ${WORK}/good.csv
    RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "good.txt rejected: ${err}")
endif()

# A second build takes every pattern from the cache, with the same table.
execute_process(COMMAND ${TOOL} --nec2c ${NEC2C} --work ${WORK}/nec --cache ${WORK}/cache
        ${SOURCE}/good.txt ${WORK}/again.csv
    RESULT_VARIABLE rc OUTPUT_VARIABLE said ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT said MATCHES "3 antennas, 2 runs of nec2c, 2 of them from the cache")
    message(SEND_ERROR "second build: ${said}${err}")
endif()
file(READ ${WORK}/good.csv first)
file(READ ${WORK}/again.csv second)
if(NOT first STREQUAL second)
    message(SEND_ERROR "the table built from the cache differs")
endif()
# The profile beside the table: the key and 181 degrees, the dish's
# largest gain first.
file(READ ${WORK}/good-envelope.csv profiles)
string(REGEX MATCHALL "\n" ends "${profiles}")
list(LENGTH ends count)
read_row(${WORK}/good-envelope.csv 3 dish_profile)
list(LENGTH dish_profile fields)
list(GET dish_profile 1 dish_peak)
if(NOT count EQUAL 3 OR NOT fields EQUAL 182 OR NOT dish_peak STREQUAL "32.10")
    message(SEND_ERROR "envelope: ${count} profiles, ${fields} fields, dish ${dish_peak}")
endif()
if(EXISTS ${WORK}/good.csv.part)
    message(SEND_ERROR "good.txt: temporary file left behind")
endif()
file(READ ${WORK}/good.csv header)
string(REGEX REPLACE "\n.*" "" header "${header}")
if(NOT header MATCHES "^Numéro;TYPE;RMK;V00;V10;.*;V90;VBACK;V ANGLE;H00;.*;HBACK;H ANGLE;DIR;POL;FREQ;SPAN$")
    message(SEND_ERROR "header: ${header}")
endif()

# Horizontal dipole: the vertical plane is normal to the wire, so every
# vertical value is the broadside gain; the horizontal plane holds the lobe.
read_row(${WORK}/good.csv 1 horizontal)
foreach(index RANGE 3 13)
    expect_near("${horizontal}" ${index} 2.15 0.05 "horizontal dipole, column ${index}")
endforeach()
expect_near("${horizontal}" 14 360 0 "horizontal dipole, V ANGLE")
expect_near("${horizontal}" 15 2.15 0.05 "horizontal dipole, H00")
expect_near("${horizontal}" 26 78 1 "horizontal dipole, H ANGLE")
# 10.42 m of wire at 14.175 MHz standing for 14 MHz: 10.42 x 14.175 / 14,
# rounded up to the centimetre.
expect_near("${horizontal}" 30 10.56 0 "horizontal dipole, SPAN")

# Vertical dipole at two frequencies: the larger gain of the two, the null
# along the wire floored at -10 dBi, the back value the gain straight back.
read_row(${WORK}/good.csv 2 vertical)
expect_near("${vertical}" 3 2.15 0.05 "vertical dipole, V00")
expect_near("${vertical}" 12 -10 0 "vertical dipole, V90 (floored null)")
expect_near("${vertical}" 13 2.15 0.05 "vertical dipole, VBACK")
expect_near("${vertical}" 26 360 0 "vertical dipole, H ANGLE")
# Its lowest FR card is the lowest band: the wire as it stands.
expect_near("${vertical}" 30 10.42 0 "vertical dipole, SPAN")

# Dish 0.9 m at 5760 MHz: 32.1 dBi, half-power width 69.3 lambda / D.
read_row(${WORK}/good.csv 3 dish)
expect_near("${dish}" 3 32.10 0.01 "dish, V00")
expect_near("${dish}" 14 4.0 0.1 "dish, V ANGLE")
expect_near("${dish}" 30 0.90 0 "dish, SPAN")

function(expect_rejected case expected)
    set(output ${WORK}/${case}.csv)
    file(WRITE ${output} "previous")
    execute_process(COMMAND ${TOOL} --nec2c ${NEC2C} --work ${WORK}/nec ${SOURCE}/${case}.txt ${output}
        RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_QUIET)
    if(rc EQUAL 0)
        message(SEND_ERROR "${case}: accepted")
    elseif(NOT err MATCHES "${expected}")
        message(SEND_ERROR "${case}: message \"${err}\" does not match \"${expected}\"")
    endif()
    file(READ ${output} kept)
    if(NOT kept STREQUAL "previous" OR EXISTS ${output}.part)
        message(SEND_ERROR "${case}: the previous table was not left as it was")
    endif()
endfunction()

expect_rejected(ground "ground.txt:1: .*ground.nec:4: GE must be \"GE 0\"")
expect_rejected(broken "broken.txt:1: .*broken.nec: nec2c failed")
expect_rejected(missing "missing.txt:1: .*missing.nec")
expect_rejected(order "order.txt:2: key 1 does not follow key 2")
expect_rejected(direction "direction.txt:1: DIR \"sideways\"")
