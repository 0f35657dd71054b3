# The newest entry of packaging/changelog names the release: its version goes into the program, the package and
# the AppStream metadata, its date into the metainfo's release entry. A release is made by adding an entry there.
set(VELMORA_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/../packaging/changelog)
file(STRINGS ${VELMORA_CHANGELOG} VELMORA_CHANGELOG_HEAD LIMIT_COUNT 1)
if(NOT VELMORA_CHANGELOG_HEAD MATCHES "^velmora \\(([0-9]+\\.[0-9]+\\.[0-9]+)\\)")
    message(FATAL_ERROR "packaging/changelog does not begin with a 'velmora (<x.y.z>)' entry")
endif()
set(VELMORA_VERSION ${CMAKE_MATCH_1})

# The entry's trailer dates it the way Debian changelogs do: " -- Name <mail>  Mon, 07 Dec 2026 12:00:00 +0000".
file(STRINGS ${VELMORA_CHANGELOG} VELMORA_CHANGELOG_TRAILER REGEX "^ -- " LIMIT_COUNT 1)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
string(JOIN "|" month_names ${months})
if(NOT VELMORA_CHANGELOG_TRAILER MATCHES ", ([0-9][0-9]) (${month_names}) ([0-9]+) ")
    message(FATAL_ERROR "packaging/changelog: the newest entry has no date line")
endif()
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1")
if(month LESS 10)
    set(month 0${month})
endif()
set(VELMORA_RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1})
