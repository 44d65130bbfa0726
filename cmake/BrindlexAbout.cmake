# What Brindlex says about itself: the one-line summary and the description that both the
# AppStream metainfo and the Debian package show, the web addresses, and the maintainer.
# Each text lives here once, so that the places that show it cannot drift apart.

set(BRINDLEX_SUMMARY "Describe your furry side in one line of code")

# The description, block by block: a block that begins with "* " is an item of a list,
# every other block a paragraph. No block may contain a semicolon (CMake's list separator).
set(BRINDLEX_DESCRIPTION
    "Brindlex is a questionnaire for members of the furry fandom. You describe a character
     (species, traits, how animal-like and how realistic it is) and your own life (age,
     education, work, pets, gaming, computers and more) by answering questions grouped into
     categories, and Brindlex condenses every answer into one compact code line that you can
     paste into a profile, a signature or a chat."
    "* The code line follows every answer at once"
    "* Paste a code line back in to load, inspect and edit its answers"
    "* Save the code line as a text file, and open it again"
    "* Read anyone's code line: explained, repaired and compared with your own answers"
    "* Questions about sexual preferences stay hidden until you confirm that you are an adult"
    "Beside the window comes brindlex-code, a command-line tool that composes, reads,
     normalises and explains code lines for scripts and chat bots."
    "Brindlex keeps your answers between runs in a file that only you can read, and writes no
     other file than the one you choose.")

set(BRINDLEX_MAINTAINER "The Brindlex developers <developers@brindlex.org>"
    CACHE STRING "Maintainer named in the Debian package")

# The web site: its home page, and the path of the donation page on it. The program takes
# both from the header that app/links.h.in makes of them.
set(BRINDLEX_HOME_PAGE "https://brindlex.org")
set(BRINDLEX_DONATE_PATH "/?page_id=158")
set(BRINDLEX_DONATE_PAGE "${BRINDLEX_HOME_PAGE}${BRINDLEX_DONATE_PATH}")

# Fills `out` with the words of `text` in lines of at most `width` characters, the first
# line beginning with `first`, every further one with `rest`; each line ends in a newline.
function(brindlex_wrap out text width first rest)
    string(REGEX REPLACE "[ \t\r\n]+" ";" words "${text}")
    set(result "")
    set(line "${first}")
    set(line_empty TRUE)
    foreach(word IN LISTS words)
        if(word STREQUAL "")
            continue()
        endif()
        string(LENGTH "${line} ${word}" length)
        if(line_empty)
            string(APPEND line "${word}")
            set(line_empty FALSE)
        elseif(length GREATER width)
            string(APPEND result "${line}\n")
            set(line "${rest}${word}")
        else()
            string(APPEND line " ${word}")
        endif()
    endforeach()
    string(APPEND result "${line}\n")
    set(${out} "${result}" PARENT_SCOPE)
endfunction()

# The description as AppStream markup: <p> paragraphs and <ul> lists, indented by `indent`.
function(brindlex_description_xml out indent)
    set(result "")
    set(in_list FALSE)
    foreach(block IN LISTS BRINDLEX_DESCRIPTION)
        string(REPLACE "&" "&amp;" block "${block}")
        string(REPLACE "<" "&lt;" block "${block}")
        string(REPLACE ">" "&gt;" block "${block}")
        if(block MATCHES "^\\* (.*)$")
            if(NOT in_list)
                string(APPEND result "${indent}<ul>\n")
                set(in_list TRUE)
            endif()
            brindlex_wrap(item "<li>${CMAKE_MATCH_1}</li>" 96 "${indent}  " "${indent}    ")
            string(APPEND result "${item}")
        else()
            if(in_list)
                string(APPEND result "${indent}</ul>\n")
                set(in_list FALSE)
            endif()
            brindlex_wrap(paragraph "${block}" 96 "${indent}  " "${indent}  ")
            string(APPEND result "${indent}<p>\n${paragraph}${indent}</p>\n")
        endif()
    endforeach()
    if(in_list)
        string(APPEND result "${indent}</ul>\n")
    endif()
    string(REGEX REPLACE "\n$" "" result "${result}")
    set(${out} "${result}" PARENT_SCOPE)
endfunction()

# The description as plain text for a Debian control file's extended description: paragraphs
# apart by an empty line, list items as indented " * " lines, no line longer than 72
# characters. CPack puts the leading space before each line and the "." on each empty one.
function(brindlex_description_text out)
    set(result "")
    set(previous "")
    foreach(block IN LISTS BRINDLEX_DESCRIPTION)
        if(block MATCHES "^\\* (.*)$")
            set(kind item)
            brindlex_wrap(text "${CMAKE_MATCH_1}" 72 " * " "   ")
        else()
            set(kind paragraph)
            brindlex_wrap(text "${block}" 72 "" "")
        endif()
        if(previous AND NOT (previous STREQUAL "item" AND kind STREQUAL "item"))
            string(APPEND result "\n")
        endif()
        string(APPEND result "${text}")
        set(previous ${kind})
    endforeach()
    string(REGEX REPLACE "\n$" "" result "${result}")
    set(${out} "${result}" PARENT_SCOPE)
endfunction()
