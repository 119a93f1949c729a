# SPDX-License-Identifier: GPL-3.0-or-later
# The same sources build the same program, byte for byte, whatever the day
# and the folder. Qt's resource compiler records the time of each file it
# embeds, and the translations and icon renderings are made during the build
# (and a clone's files are as new as the clone), unless SOURCE_DATE_EPOCH
# gives the time to record instead. A Debian package build sets it from
# debian/changelog; any other build takes the time of the last commit, or,
# outside a git clone, the time of NEWS as unpacked.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(VANTREL_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    find_package(Git QUIET)
    if(Git_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                        OUTPUT_VARIABLE VANTREL_SOURCE_DATE_EPOCH
                        OUTPUT_STRIP_TRAILING_WHITESPACE
                        ERROR_QUIET)
    endif()
    if(NOT VANTREL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
        file(TIMESTAMP ${PROJECT_SOURCE_DIR}/NEWS VANTREL_SOURCE_DATE_EPOCH "%s" UTC)
    endif()
endif()

# The date the manual page and the metainfo's newest release carry: the
# release's, or while it is still being made, the day of the sources (CMake's
# timestamps follow SOURCE_DATE_EPOCH).
set(VANTREL_DATE ${VANTREL_RELEASE_DATE})
if(NOT VANTREL_DATE)
    set(ENV{SOURCE_DATE_EPOCH} ${VANTREL_SOURCE_DATE_EPOCH})
    string(TIMESTAMP VANTREL_DATE "%Y-%m-%d" UTC)
endif()

# Every custom command of the build (rcc's among them, which Qt's CMake
# functions write) runs with it.
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
             "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VANTREL_SOURCE_DATE_EPOCH}")
