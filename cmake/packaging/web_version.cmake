# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the page's service worker (cmake -P, after the program is linked): its cache is named by
# the newest release of releases.txt and a digest of the page's files, so that every page that
# differs, a release or a developer's build, replaces the one a browser keeps.
#   -DSOURCE=sw.js.in -DOUTPUT=sw.js -DRELEASES=releases.txt -DDIR=<the page's folder>
#   -DFILES=<the page's files, |-separated>
file(STRINGS ${RELEASES} releases REGEX "^[0-9]+\\.[0-9]+\\.[0-9]+ ")
list(GET releases 0 newest)
string(REGEX MATCH "^[^ ]+" release "${newest}")
set(contents "")
set(quoted "")
string(REPLACE "|" ";" FILES "${FILES}")
foreach(name ${FILES})
    file(SHA256 ${DIR}/${name} digest)
    string(APPEND contents "${digest}")
    list(APPEND quoted "'${name}'")
endforeach()
string(SHA256 digest "${contents}")
string(SUBSTRING ${digest} 0 12 digest)
set(TAVIMOR_WEB_VERSION "${release}-${digest}")
list(JOIN quoted ", " TAVIMOR_WEB_FILES)
set(TAVIMOR_WEB_FILES "'./', ${TAVIMOR_WEB_FILES}")
configure_file(${SOURCE} ${OUTPUT} @ONLY)
