# SPDX-License-Identifier: GPL-3.0-or-later
# Where the toolchain files find the libraries scripts/sdk.sh built for a cross build: the folder
# named by the environment variable `variable`, else the newest `prefix`-* folder of the cache
# (~/.cache/tavimor, or $TAVIMOR_CACHE) that was built to the end. Empty when there is none.
function(tavimor_find_cross_sdk variable prefix out)
    if(DEFINED ENV{${variable}})
        set(${out} "$ENV{${variable}}" PARENT_SCOPE)
        return()
    endif()
    if(DEFINED ENV{TAVIMOR_CACHE})
        set(cache "$ENV{TAVIMOR_CACHE}")
    else()
        set(cache "$ENV{HOME}/.cache/tavimor")
    endif()
    file(GLOB found LIST_DIRECTORIES true "${cache}/${prefix}-*/.complete")
    list(SORT found)
    set(newest "")
    if(found)
        list(POP_BACK found newest)
        get_filename_component(newest "${newest}" DIRECTORY)
    endif()
    set(${out} "${newest}" PARENT_SCOPE)
endfunction()
