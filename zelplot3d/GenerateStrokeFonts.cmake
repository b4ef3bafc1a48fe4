# Converts Hershey font files (.jhf) into the C++ tables of the chart's
# stroke fonts. Run as: cmake -DFONT_DIR=<dir> -DOUTPUT=<file.cpp> -P <this>
#
# A .jhf glyph is a 5-digit number, a 3-digit pair count and that many
# letter pairs (a letter's code minus 82 is the coordinate; y grows
# downwards); the first pair holds the left and right bearings and " R"
# lifts the pen. The tables keep the letters, turn y upwards (a y letter c
# becomes 164 - c, so 'R' stays the middle of the body) and write a pen-up
# as one blank.

cmake_minimum_required(VERSION 3.25)

# Face names in the order of the stroke-font values, each with its file.
# Faces without a Hershey file of their own take the nearest design.
set(FACES
    "CyrillicComplex:cyrilc_1"
    "GothicEnglish:gothgbt"
    "GothicGerman:gothgrt"
    "GothicItalian:gothitt"
    "GreekComplex:greekc"
    "GreekComplexSmall:greekc"
    "GreekSimplex:greeks"
    "ItalicComplex:timesi"
    "ItalicComplexSmall:timesi"
    "ItalicTriplex:timesib"
    "RomanComplex:timesr"
    "RomanComplexSmall:timesr"
    "RomanDuplex:rowmand"
    "RomanSimplex:rowmans"
    "RomanTriplex:rowmant"
    "ScriptComplex:scriptc"
    "ScriptSimplex:scripts")

# The letters ';', '[', ']' and '\' would upset CMake's lists: the font
# text carries control characters in their place.
string(ASCII 1 SEMICOLON)
string(ASCII 2 OPEN_BRACKET)
string(ASCII 3 CLOSE_BRACKET)
string(ASCII 4 BACKSLASH)

# Codes of the printable characters (with the stand-ins), for converting
# letters to numbers.
set(PRINTABLE "")
foreach(code RANGE 32 126)
    if(code EQUAL 59)
        set(ch "${SEMICOLON}")
    elseif(code EQUAL 91)
        set(ch "${OPEN_BRACKET}")
    elseif(code EQUAL 93)
        set(ch "${CLOSE_BRACKET}")
    elseif(code EQUAL 92)
        set(ch "${BACKSLASH}")
    else()
        string(ASCII ${code} ch)
    endif()
    string(APPEND PRINTABLE "${ch}")
endforeach()

function(letter_code letter out)
    string(FIND "${PRINTABLE}" "${letter}" index)
    if(index LESS 0)
        message(FATAL_ERROR "Unexpected character in a font file")
    endif()
    math(EXPR code "${index} + 32")
    set(${out} ${code} PARENT_SCOPE)
endfunction()

# A character of a C string literal.
function(c_char code out)
    if(code EQUAL 92)
        set(${out} "\\\\" PARENT_SCOPE)
    elseif(code EQUAL 34)
        set(${out} "\\\"" PARENT_SCOPE)
    else()
        string(ASCII ${code} ch)
        set(${out} "${ch}" PARENT_SCOPE)
    endif()
endfunction()

set(body "")
set(font_rows "")
foreach(face IN LISTS FACES)
    string(REPLACE ":" ";" parts "${face}")
    list(GET parts 0 name)
    list(GET parts 1 file)
    set(path "${FONT_DIR}/${file}.jhf")
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "Hershey font file ${path} is missing (Debian package hershey-fonts-data)")
    endif()
    file(READ "${path}" text)
    string(REPLACE "\r" "" text "${text}")
    string(REPLACE "\\" "${BACKSLASH}" text "${text}")
    string(REPLACE ";" "${SEMICOLON}" text "${text}")
    string(REPLACE "[" "${OPEN_BRACKET}" text "${text}")
    string(REPLACE "]" "${CLOSE_BRACKET}" text "${text}")
    string(REGEX MATCHALL "[^\n]+" lines "${text}")
    set(glyph_count 0)
    set(rows "")
    set(extent 0)
    set(pending "")
    foreach(line IN LISTS lines)
        # A long glyph may continue on the next lines: it ends after
        # 8 + 2 x count characters.
        string(APPEND pending "${line}")
        string(SUBSTRING "${pending}" 5 3 count_text)
        string(STRIP "${count_text}" count_text)
        math(EXPR needed "8 + 2 * ${count_text}")
        string(LENGTH "${pending}" have)
        if(have LESS needed)
            continue()
        endif()
        math(EXPR pair_chars "2 * ${count_text}")
        string(SUBSTRING "${pending}" 8 ${pair_chars} pairs)
        set(pending "")
        math(EXPR glyph_count "${glyph_count} + 1")

        string(SUBSTRING "${pairs}" 0 1 left)
        string(SUBSTRING "${pairs}" 1 1 right)
        letter_code("${left}" left_code)
        letter_code("${right}" right_code)
        string(LENGTH "${pairs}" length)
        set(strokes "")
        set(i 2)
        while(i LESS length)
            string(SUBSTRING "${pairs}" ${i} 2 pair)
            math(EXPR i "${i} + 2")
            if(pair STREQUAL " R")
                string(APPEND strokes " ")
                continue()
            endif()
            string(SUBSTRING "${pair}" 0 1 x)
            string(SUBSTRING "${pair}" 1 1 y)
            letter_code("${x}" x_code)
            letter_code("${y}" y_code)
            math(EXPR up "164 - ${y_code}")
            math(EXPR size "${y_code} - 82")
            if(size LESS 0)
                math(EXPR size "-${size}")
            endif()
            if(size GREATER extent)
                set(extent ${size})
            endif()
            c_char(${x_code} xc)
            c_char(${up} yc)
            string(APPEND strokes "${xc}${yc}")
        endwhile()
        string(APPEND rows "    {${left_code}, ${right_code}, \"${strokes}\"},\n")
    endforeach()
    if(NOT glyph_count EQUAL 96)
        message(FATAL_ERROR "${path}: expected 96 glyphs, found ${glyph_count}")
    endif()

    string(APPEND body "const StrokeGlyph k${name}[96] = {\n${rows}};\n\n")
    # The body spans the largest distance of any glyph from the middle.
    math(EXPR bottom "82 - ${extent}")
    math(EXPR top "82 + ${extent}")
    string(APPEND font_rows "    {${bottom}, ${top}, k${name}},  // ${file}.jhf\n")
endforeach()

file(WRITE "${OUTPUT}.tmp"
"// Generated from the Hershey fonts at build time; do not edit.
//
// The Hershey Fonts were originally created by Dr. A. V. Hershey while
// working at the U. S. National Bureau of Standards.
// The format of the Font data in this distribution was originally created
// by James Hurt, Cognition, Inc., 900 Technology Park Drive, Billerica,
// MA 01821.
#include \"kernel/StrokeFonts.h\"

namespace {

${body}}  // namespace

extern const StrokeFont kStrokeFonts[kStrokeFontCount] = {
${font_rows}};

extern const char kStrokeFontNotice[] =
    \"The Hershey Fonts were originally created by Dr. A. V. Hershey while working at the U. S. \"
    \"National Bureau of Standards. The format of the Font data in this distribution was originally \"
    \"created by James Hurt, Cognition, Inc., 900 Technology Park Drive, Billerica, MA 01821.\";
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
